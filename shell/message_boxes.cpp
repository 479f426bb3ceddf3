// QMessageBox counterparts of the platform's message boxes.
#include "shell/message_boxes.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>

#include "shell/night_mode.h"

namespace {

// Swallows Escape, which a Yes/No question does not answer: Qt would take it for No.
class IgnoreEscape final : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::KeyPress &&
               static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape;
    }
};

// A question box with Yes and No and no icon, owned (and centred on) `owner`. Only Yes or No
// answers it: Escape does nothing, so that a stray key cannot drop the user's new settings.
bool AskWithMessageBox(QWidget* owner, const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, owner);
    IgnoreEscape ignoreEscape;
    box.installEventFilter(&ignoreEscape);
    for (QAbstractButton* button : box.buttons()) button->installEventFilter(&ignoreEscape);
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
    if (NightLookApplied() && icon != QMessageBox::NoIcon)
        box.setIconPixmap(NightTinted(box.iconPixmap()));  // the error icon in reds
    box.exec();
}

QuestionSeam& Questions() {
    static QuestionSeam seam(AskWithMessageBox);
    return seam;
}

bool AskYesNo(QWidget* owner, const std::string& caption, const std::string& text) {
    return Questions()(owner, caption, text);
}
