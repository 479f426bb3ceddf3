// The window's message boxes: the QMessageBox that shows the core's messages, and the Yes/No
// question of the shut-down prompt, a seam that tests answer instead of a user.
#pragma once

#include <string>

#include "base/messages.h"

class QWidget;

// Shows a request as a modal QMessageBox with no owner: the caption given (an empty caption
// leaves the application's default title), the error icon or none, and an OK button.
void ShowMessageBox(const MessageRequest& request);

// A Yes/No question owned by `owner`; true for Yes. The real one is a QMessageBox.
using QuestionSeam =
    Seam<bool(QWidget* owner, const std::string& caption, const std::string& text)>;
QuestionSeam& Questions();

// Asks through the seam.
bool AskYesNo(QWidget* owner, const std::string& caption, const std::string& text);
