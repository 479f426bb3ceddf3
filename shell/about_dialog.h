// "About Velquorran Version 0.2...": the logo, the version, the terms of use and the
// acknowledgements, with an OK button.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QSize>

class QPushButton;

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* owner);
    QPushButton* okButton() const { return okButton_; }

  private:
    QPushButton* okButton_ = nullptr;
};

// Runs the About box modally with `owner`.
void RunAboutDialog(QWidget* owner);

// The program's icon, drawn from its SVG at `size` (transparent where the SVG draws nothing).
QPixmap RenderVelquorranIcon(QSize size);
