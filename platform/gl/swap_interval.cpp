#include "swap_interval.h"

#include "glx_extension.h"

#include <GL/glx.h>

bool RequestSwapInterval(int interval)
{
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!display || !drawable)
        return false;

    using SwapIntervalExt = void (*)(Display*, GLXDrawable, int);
    using SwapIntervalMesa = int (*)(unsigned int);
    using SwapIntervalSgi = int (*)(int);
    const auto address = [](const char* name) {
        return glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name));
    };

    if (HasGlxExtension("GLX_EXT_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalExt>(address("glXSwapIntervalEXT"))) {
            function(display, drawable, interval);
            return true;
        }
    }
    if (HasGlxExtension("GLX_MESA_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalMesa>(address("glXSwapIntervalMESA")))
            return function(static_cast<unsigned int>(interval)) == 0;
    }
    if (HasGlxExtension("GLX_SGI_swap_control")) {
        if (auto function = reinterpret_cast<SwapIntervalSgi>(address("glXSwapIntervalSGI")))
            return function(interval) == 0;
    }
    return false;
}
