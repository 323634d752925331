#include "back_buffer_age.h"

#include "glx_extension.h"

#include <GL/glx.h>
#include <GL/glxext.h>

int BackBufferAge()
{
    // The extension list does not change while the process lives.
    static const bool reported = HasGlxExtension("GLX_EXT_buffer_age");
    Display* display = glXGetCurrentDisplay();
    const GLXDrawable drawable = glXGetCurrentDrawable();
    if (!reported || !display || !drawable)
        return -1;
    unsigned int age = 0;
    glXQueryDrawable(display, drawable, GLX_BACK_BUFFER_AGE_EXT, &age);
    return static_cast<int>(age);
}
