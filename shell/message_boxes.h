// The window's message boxes: the handler that shows the core's messages as QMessageBoxes, and
// the Yes/No question of the shut-down prompt. Both can be replaced, so that tests record what
// would have been shown instead of waiting for a user.
#pragma once

#include <functional>
#include <string>

#include "astro/message_box.h"

class QWidget;

// Shows a request as a modal QMessageBox with no owner: the caption given (an empty caption
// leaves the application's default title), the error icon or none, and an OK button.
void ShowMessageBox(const MessageRequest& request);

// A Yes/No question owned by `owner`; true for Yes.
using QuestionHandler =
    std::function<bool(QWidget* owner, const std::string& caption, const std::string& text)>;

// Installs `handler` (an empty function restores the QMessageBox question) and returns the
// previous one.
QuestionHandler SetQuestionHandler(QuestionHandler handler);

// Asks through the current handler.
bool AskYesNo(QWidget* owner, const std::string& caption, const std::string& text);
