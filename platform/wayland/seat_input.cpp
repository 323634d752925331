#include "platform/wayland/seat_input.h"

#include "platform/wayland/ride_key.h"

#include <algorithm>
#include <sys/mman.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

struct SeatInputEvents {
    static void capabilities(void* data, wl_seat* seat, std::uint32_t capabilities)
    {
        auto* self = static_cast<SeatInput*>(data);
        const bool keyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
        const bool pointer = (capabilities & WL_SEAT_CAPABILITY_POINTER) != 0;
        if (keyboard && !self->m_keyboard) {
            self->m_keyboard = wl_seat_get_keyboard(seat);
            wl_keyboard_add_listener(self->m_keyboard, &keyboardListener, self);
        } else if (!keyboard && self->m_keyboard) {
            wl_keyboard_destroy(self->m_keyboard);
            self->m_keyboard = nullptr;
        }
        if (pointer && !self->m_pointer) {
            self->m_pointer = wl_seat_get_pointer(seat);
            wl_pointer_add_listener(self->m_pointer, &pointerListener, self);
        } else if (!pointer && self->m_pointer) {
            wl_pointer_destroy(self->m_pointer);
            self->m_pointer = nullptr;
        }
    }

    static void seatName(void*, wl_seat*, const char*) {}

    static void keymap(void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size)
    {
        auto* self = static_cast<SeatInput*>(data);
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1)
            self->useKeymap(fd, size);
        close(fd);
    }

    static void enter(void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {}
    static void leave(void*, wl_keyboard*, std::uint32_t, wl_surface*) {}

    static void key(void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t key, std::uint32_t state)
    {
        auto* self = static_cast<SeatInput*>(data);
        if (state != WL_KEYBOARD_KEY_STATE_PRESSED || self->m_state == nullptr)
            return;
        // Evdev codes are 8 below xkb's key codes.
        const xkb_keysym_t keysym = xkb_state_key_get_one_sym(self->m_state, key + 8);
        if (const unsigned char rideKey = RideKeyFromKeysym(keysym))
            self->m_onKey(rideKey);
    }

    static void modifiers(void* data, wl_keyboard*, std::uint32_t, std::uint32_t depressed, std::uint32_t latched,
                          std::uint32_t locked, std::uint32_t group)
    {
        auto* self = static_cast<SeatInput*>(data);
        if (self->m_state)
            xkb_state_update_mask(self->m_state, depressed, latched, locked, 0, 0, group);
    }

    static void repeatInfo(void*, wl_keyboard*, std::int32_t, std::int32_t) {}

    // No pointer image over the ride: a null cursor surface hides it.
    static void pointerEnter(void*, wl_pointer* pointer, std::uint32_t serial, wl_surface*, wl_fixed_t, wl_fixed_t)
    {
        wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
    }

    static void pointerLeave(void*, wl_pointer*, std::uint32_t, wl_surface*) {}
    static void motion(void*, wl_pointer*, std::uint32_t, wl_fixed_t, wl_fixed_t) {}
    static void button(void*, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {}
    static void axis(void*, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {}
    static void frame(void*, wl_pointer*) {}
    static void axisSource(void*, wl_pointer*, std::uint32_t) {}
    static void axisStop(void*, wl_pointer*, std::uint32_t, std::uint32_t) {}
    static void axisDiscrete(void*, wl_pointer*, std::uint32_t, std::int32_t) {}
    static void axisValue120(void*, wl_pointer*, std::uint32_t, std::int32_t) {}

    static const wl_keyboard_listener keyboardListener;
    static const wl_pointer_listener pointerListener;
};

const wl_keyboard_listener SeatInputEvents::keyboardListener = {
    SeatInputEvents::keymap, SeatInputEvents::enter,     SeatInputEvents::leave,
    SeatInputEvents::key,    SeatInputEvents::modifiers, SeatInputEvents::repeatInfo,
};

const wl_pointer_listener SeatInputEvents::pointerListener = {
    SeatInputEvents::pointerEnter, SeatInputEvents::pointerLeave, SeatInputEvents::motion,
    SeatInputEvents::button,       SeatInputEvents::axis,         SeatInputEvents::frame,
    SeatInputEvents::axisSource,   SeatInputEvents::axisStop,     SeatInputEvents::axisDiscrete,
    SeatInputEvents::axisValue120,
};

namespace {

const wl_seat_listener seatListener = {SeatInputEvents::capabilities, SeatInputEvents::seatName};

}

SeatInput::SeatInput(wl_registry* registry, std::uint32_t seatName, std::uint32_t seatVersion,
                     void (*onKey)(unsigned char key))
    : m_onKey(onKey)
{
    m_context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    if (seatName == 0)
        return;
    m_seat = static_cast<wl_seat*>(wl_registry_bind(registry, seatName, &wl_seat_interface, std::min(seatVersion, 5u)));
    wl_seat_add_listener(m_seat, &seatListener, this);
}

SeatInput::~SeatInput()
{
    if (m_keyboard)
        wl_keyboard_destroy(m_keyboard);
    if (m_pointer)
        wl_pointer_destroy(m_pointer);
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    xkb_context_unref(m_context);
    if (m_seat && wl_seat_get_version(m_seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
        wl_seat_release(m_seat);
    else if (m_seat)
        wl_seat_destroy(m_seat);
}

void SeatInput::useKeymap(int fd, std::uint32_t size)
{
    if (m_context == nullptr || size == 0)
        return;
    void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    if (text == MAP_FAILED)
        return;
    // The keymap text ends in a NUL within `size`.
    xkb_keymap* keymap = xkb_keymap_new_from_string(m_context, static_cast<const char*>(text),
                                                    XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS);
    munmap(text, size);
    if (keymap == nullptr)
        return;
    xkb_state_unref(m_state);
    xkb_keymap_unref(m_keymap);
    m_keymap = keymap;
    m_state = xkb_state_new(keymap);
}
