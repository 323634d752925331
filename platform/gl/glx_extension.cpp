#include "glx_extension.h"

#include <GL/glx.h>
#include <cstring>

bool HasGlxExtension(const char* name)
{
    Display* display = glXGetCurrentDisplay();
    return display && HasGlxExtension(display, DefaultScreen(display), name);
}

bool HasGlxExtension(Display* display, int screen, const char* name)
{
    const char* extensions = glXQueryExtensionsString(display, screen);
    if (!extensions)
        return false;
    const std::size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at; at = std::strstr(at + 1, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord)
            return true;
    }
    return false;
}
