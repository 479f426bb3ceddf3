// The message seam and the error box built on it.
#include "base/messages.h"

#include <cstdio>

#include "base/translate.h"

namespace {

// Until the window or the renderer installs its own, messages go to stderr as "caption: text".
void WriteToStderr(const MessageRequest& request) {
    std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
}

}  // namespace

MessageSeam& Messages() {
    static MessageSeam seam(WriteToStderr);
    return seam;
}

void ShowMessage(const MessageRequest& request) {
    Messages()(request);
}

// An error box has no caption of its own (the platform supplies the default title), the error
// icon and a single OK button.
void ErrorBox(const char* text) {
    MessageRequest request;
    request.text = Latin1ToUtf8(Translate("Messages", text ? text : ""));
    request.icon = MessageIcon::Error;
    ShowMessage(request);
}
