// The replaceable message handler and the error box built on it.
#include "astro/message_box.h"

#include <cstdio>
#include <utility>

namespace {

// Until the window or the renderer installs its own, messages go to stderr as "caption: text".
void WriteToStderr(const MessageRequest& request) {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
}

MessageHandler& CurrentHandler() {
    static MessageHandler handler = WriteToStderr;
    return handler;
}

}  // namespace

// Installs a handler and hands back the previous one; an empty function means the stderr default.
MessageHandler SetMessageHandler(MessageHandler handler) {
    if (!handler) handler = WriteToStderr;
    return std::exchange(CurrentHandler(), std::move(handler));
}

// Passes one request to the current handler, which returns once the user has dismissed it.
void ShowMessage(const MessageRequest& request) {
    const MessageHandler handler = CurrentHandler();  // a copy: the handler may replace itself
    handler(request);
}

// An error box has no caption of its own (the platform supplies the default title), the error
// icon and a single OK button.
void ErrorBox(const char* text) {
    MessageRequest request;
    request.text = text ? text : "";
    request.icon = MessageIcon::Error;
    ShowMessage(request);
}
