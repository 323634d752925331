#include "find_window.h"

#include "x_connection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <deque>
#include <string>

namespace {

std::string latin1ToUtf8(const unsigned char* text, std::size_t length)
{
    std::string result;
    for (std::size_t i = 0; i < length; ++i) {
        const unsigned char c = text[i];
        if (c < 0x80) {
            result += static_cast<char>(c);
        } else {
            result += static_cast<char>(0xC0 | (c >> 6));
            result += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return result;
}

bool netWmNameIs(Display* display, Window window, std::string_view title)
{
    static const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    static const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    // Read one byte more than the title so that a longer name never compares equal.
    const long words = static_cast<long>(title.size() / 4 + 2);
    if (XGetWindowProperty(display, window, name, 0, words, False, utf8, &type, &format, &count,
                           &remaining, &data) != Success)
        return false;
    const bool equal = data && type == utf8 && format == 8 && remaining == 0
        && std::string_view(reinterpret_cast<const char*>(data), count) == title;
    if (data)
        XFree(data);
    return equal;
}

bool wmNameIs(Display* display, Window window, std::string_view title)
{
    XTextProperty property {};
    if (!XGetWMName(display, window, &property) || !property.value)
        return false;
    bool equal = false;
    if (property.encoding == XA_STRING && property.format == 8) {
        equal = latin1ToUtf8(property.value, property.nitems) == title;
    } else {
        char** list = nullptr;
        int count = 0;
        if (Xutf8TextPropertyToTextList(display, &property, &list, &count) >= Success && list) {
            equal = count >= 1 && list[0] && title == list[0];
            XFreeStringList(list);
        }
    }
    XFree(property.value);
    return equal;
}

}

NativeWindow FindWindowA(std::string_view title)
{
    Display* display = SharedDisplay();
    if (!display)
        return 0;
    ErrorTrap trap(display);
    std::deque<Window> pending {DefaultRootWindow(display)};
    while (!pending.empty()) {
        const Window window = pending.front();
        pending.pop_front();
        Window root = None;
        Window parent = None;
        Window* children = nullptr;
        unsigned int count = 0;
        // A window that vanished while we walk simply has no children.
        if (!XQueryTree(display, window, &root, &parent, &children, &count))
            continue;
        for (unsigned int i = 0; i < count; ++i) {
            if (netWmNameIs(display, children[i], title) || wmNameIs(display, children[i], title)) {
                const Window found = children[i];
                XFree(children);
                return found;
            }
            pending.push_back(children[i]);
        }
        if (children)
            XFree(children);
    }
    return 0;
}
