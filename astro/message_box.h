// The program's one seam for modal messages.
//
// Every message the core shows (a bad month in a date, a damaged catalogue text, too few hot
// spots) goes through one replaceable handler: the window shows a QMessageBox with the caption
// and icon given here, the headless renderer writes to stderr, and tests record. Until a handler
// is installed, messages go to stderr.
#pragma once

#include <functional>
#include <string>

enum class MessageIcon { None, Error };

struct MessageRequest {
    std::string caption;  // empty: the platform's default title
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

using MessageHandler = std::function<void(const MessageRequest&)>;

// Installs `handler` (an empty function restores the stderr default) and returns the previous
// one, so a test can put it back.
MessageHandler SetMessageHandler(MessageHandler handler);

// Shows one message through the current handler and returns when it has been dismissed.
void ShowMessage(const MessageRequest& request);

// The product name: the caption of the program's error boxes.
inline constexpr const char* ProductName = "Velquorran";

// A modal error box with no caption of its own and an OK button. `JulianDate` is its only caller.
void ErrorBox(const char* text);
