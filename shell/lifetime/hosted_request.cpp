#include "hosted_request.h"

namespace {

HostedRequest inWindow(std::string_view text, const char* source)
{
    HostedRequest request;
    if (const auto window = NativeWindowFromText(text); window && *window != 0) {
        request.kind = HostedRequest::Kind::Window;
        request.window = *window;
    } else {
        request.kind = HostedRequest::Kind::Malformed;
        request.problem = std::string(source) + " \"" + std::string(text) + "\" is not a window id";
    }
    return request;
}

}

HostedRequest ReadHostedRequest(const std::vector<std::string>& arguments, char modeLetter, const char* screensaverWindow)
{
    // A window id wins over -root wherever it stands: xscreensaver's settings preview passes both.
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word != "-window-id" && word != "--window-id")
            continue;
        if (i + 1 < arguments.size())
            return inWindow(arguments[i + 1], word.c_str());
        HostedRequest request;
        request.kind = HostedRequest::Kind::Malformed;
        request.problem = word + " needs a window id";
        return request;
    }
    for (const std::string& word : arguments) {
        if (word != "-root" && word != "--root")
            continue;
        if (screensaverWindow)
            return inWindow(screensaverWindow, "XSCREENSAVER_WINDOW");
        HostedRequest request;
        request.kind = HostedRequest::Kind::RootWindow;
        return request;
    }
    if (screensaverWindow && (arguments.empty() || modeLetter == 'S'))
        return inWindow(screensaverWindow, "XSCREENSAVER_WINDOW");
    return {};
}
