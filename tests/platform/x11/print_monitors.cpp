// Prints Monitors() of $DISPLAY, one "x,y,width,height" line each, for the end-to-end scripts.
#include "platform/x11/monitor.h"

#include <cstdio>

int main()
{
    for (const Monitor& monitor : Monitors())
        std::printf("%d,%d,%d,%d\n", monitor.x, monitor.y, monitor.width, monitor.height);
    return 0;
}
