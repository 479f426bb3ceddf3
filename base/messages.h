// Modal messages, and the product's name and version.
//
// Every message the core shows (a bad month in a date, a damaged catalogue text, too few hot
// spots) goes through one seam: the window shows a QMessageBox with the caption and icon given
// here, the headless renderer writes to stderr, and tests record. Until it is replaced, messages
// go to stderr.
//
// A message's caption and text are UTF-8: they carry file names and the window's own texts. The
// core's texts are Latin-1 (base/translate.h) and enter a message through Latin1ToUtf8.
#pragma once

#include <string>

#include "base/seam.h"

enum class MessageIcon { None, Error };

struct MessageRequest {
    std::string caption;  // empty: the platform's default title
    std::string text;
    MessageIcon icon = MessageIcon::None;
};

using MessageSeam = Seam<void(const MessageRequest&)>;
using MessageHandler = MessageSeam::Function;

// The message seam (its real function writes "caption: text" to stderr).
MessageSeam& Messages();

// Shows one message through the seam and returns when it has been dismissed.
void ShowMessage(const MessageRequest& request);

// The product name, the caption of the program's error boxes, and its version as the About box
// shows it.
inline constexpr const char* ProductName = "Velquorran";
inline constexpr const char* ProductVersion = "0.2";

// A modal error box with no caption of its own and an OK button. `JulianDate` is its only caller.
// The text is one of the core's, marked VQ_TRANSLATE_NOOP("Messages", ...) where it is written,
// and shown in the user's language.
void ErrorBox(const char* text);
