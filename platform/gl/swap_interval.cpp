#include "swap_interval.h"

#include <GL/glx.h>
#include <cstring>

namespace {

bool hasExtension(const char* extensions, const char* name)
{
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

}

bool RequestSwapInterval(int interval)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));

    using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
    using SwapIntervalMesa = int (*)(unsigned int);
    using SwapIntervalSgi = int (*)(int);
    const auto address = [](const char* name) {
        return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name));
    };

    if (hasExtension(extensions, "GLX_EXT_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalExt>(address("glXSwapIntervalEXT"))) {
            function(display, drawable, interval);
            return true;
        }
    }
    if (hasExtension(extensions, "GLX_MESA_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalMesa>(address("glXSwapIntervalMESA")))
            return function(static_cast<unsigned int>(interval)) == 0;
    }
    if (hasExtension(extensions, "GLX_SGI_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalSgi>(address("glXSwapIntervalSGI")))
            return function(interval) == 0;
    }
    return false;
}
