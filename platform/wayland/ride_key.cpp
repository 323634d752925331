#include "platform/wayland/ride_key.h"

#include <xkbcommon/xkbcommon-keysyms.h>

unsigned char RideKeyFromKeysym(std::uint32_t keysym)
{
    if (keysym == XKB_KEY_Escape)
        return 27;
    if (keysym >= XKB_KEY_space && keysym <= XKB_KEY_asciitilde)
        return static_cast<unsigned char>(keysym);
    return 0;
}
