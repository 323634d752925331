#include "root_window.h"

#include "x_connection.h"

NativeWindow RootWindowHandle()
{
    Display* display = SharedDisplay();
    return display ? DefaultRootWindow(display) : 0;
}
