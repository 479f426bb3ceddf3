// "Velquorran Settings": the modal dialog in which the user enters the latitude in whole degrees
// and a hemisphere.
#pragma once

#include <QDialog>

#include "base/seam.h"

class QComboBox;
class QLineEdit;
class QPushButton;

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    // Fills the entry from ViewSettings.latitude.
    explicit SettingsDialog(QWidget* owner);

    QLineEdit* latitudeEdit() const { return latitudeEdit_; }
    QComboBox* hemisphereBox() const { return hemisphereBox_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  private:
    void Confirm();

    QString shownText_;  // the entry as the dialog filled it in
    QLineEdit* latitudeEdit_ = nullptr;
    QComboBox* hemisphereBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// Runs the settings dialog modally with `owner`; OK stores the latitude, Cancel changes nothing,
// and the caller is not told which. Goes through the current runner.
void RunSettingsDialog(QWidget* owner);

// The runner, a seam so that tests can stand in for the user; the real one runs the dialog.
using SettingsDialogSeam = Seam<void(QWidget* owner)>;
SettingsDialogSeam& SettingsDialogs();
