// "Find...": a dialog that looks an object up by any of its names, completing as the user
// types, and the mark the window draws round what was found.
#pragma once

#include <QDialog>
#include <optional>

#include "chart/object_index.h"
#include "chart/rise_set.h"

class QCompleter;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;
class QStringListModel;

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    FindDialog(QWidget* owner, const ObjectIndex& index);

    QLineEdit* nameEdit() const { return edit_; }
    QLabel* messageLabel() const { return message_; }
    QPushButton* okButton() const { return ok_; }
    QCompleter* completer() const { return completer_; }
    // What OK found; nothing before that.
    std::optional<FoundObject> found() const { return found_; }

  private:
    // OK: the object named, or, for a name not known, the close matches in the message line,
    // the dialog staying open.
    void Confirm();
    void Complete(const QString& text);

    const ObjectIndex& index_;
    QLineEdit* edit_ = nullptr;
    QLabel* message_ = nullptr;
    QPushButton* ok_ = nullptr;
    QCompleter* completer_ = nullptr;
    QStringListModel* names_ = nullptr;
    std::optional<FoundObject> found_;
};

// Runs the dialog modally; the object chosen, or nothing when cancelled.
std::optional<FoundObject> RunFindDialog(QWidget* owner, const ObjectIndex& index);

// The mark of a found object on a chart drawn by `pass`: a yellow ring round it, or, for a
// constellation, its figure drawn over in yellow where both ends of a segment are on the chart;
// orange red in the night look. Nothing when it is below the horizon.
void DrawFoundMark(QPainter& painter, const FoundObject& object, const SkyPlace& place,
                   const ChartPassResult& pass, bool night);
