// QMessageBox counterparts of the platform's message boxes.
#include "shell/message_boxes.h"

#include <QMessageBox>

namespace {

// A question box with Yes and No and no icon, owned (and centred on) `owner`.
bool AskWithMessageBox(QWidget* owner, const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

// The caption may be empty (the error box of the calendar has none): QMessageBox then shows the
// application's name, as the platform shows its default title.
void ShowMessageBox(const MessageRequest& request) {
    const QMessageBox::Icon icon =
        request.icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon;
    QMessageBox box(icon, QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::Ok);
    box.exec();
}

QuestionSeam& Questions() {
    static QuestionSeam seam(AskWithMessageBox);
    return seam;
}

bool AskYesNo(QWidget* owner, const std::string& caption, const std::string& text) {
    return Questions()(owner, caption, text);
}
