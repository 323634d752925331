// Presses and releases Shift through KWin's fake-input protocol, where KWin offers no virtual
// keyboard. KWin hands the protocol only to programs named by a desktop entry; the test makes one.
#include "fake-input-client-protocol.h"

#include <cstdint>
#include <cstring>
#include <linux/input-event-codes.h>
#include <wayland-client.h>

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4));
}

void globalRemove(void*, wl_registry*, std::uint32_t) {}

}

int main()
{
    wl_display* display = wl_display_connect(nullptr);
    if (!display)
        return 1;
    const wl_registry_listener listener{global, globalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    if (wl_display_roundtrip(display) < 0 || !fakeInput)
        return 1;
    org_kde_kwin_fake_input_authenticate(fakeInput, "Tavrolin test", "ends the idle ride");
    org_kde_kwin_fake_input_keyboard_key(fakeInput, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_PRESSED);
    org_kde_kwin_fake_input_keyboard_key(fakeInput, KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_RELEASED);
    return wl_display_roundtrip(display) < 0 ? 1 : 0;
}
