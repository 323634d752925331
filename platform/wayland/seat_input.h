#pragma once

#include <cstdint>

struct wl_keyboard;
struct wl_pointer;
struct wl_seat;
struct xkb_context;
struct xkb_keymap;
struct xkb_state;

// The seat's keyboard and pointer as far as the ride cares: pressed keys through the seat's
// keymap to the ride's keys (see RideKeyFromKeysym); the pointer hidden over the ride's surface.
class SeatInput {
public:
    // Binds the registry's seat `seatName` (0: no seat, no input at all); `onKey` gets each pressed
    // key's ride key (never 0).
    SeatInput(struct wl_registry* registry, std::uint32_t seatName, std::uint32_t seatVersion,
              void (*onKey)(unsigned char key));
    ~SeatInput();
    SeatInput(const SeatInput&) = delete;
    SeatInput& operator=(const SeatInput&) = delete;

private:
    wl_seat* m_seat = nullptr;
    void (*m_onKey)(unsigned char);
    wl_keyboard* m_keyboard = nullptr;
    wl_pointer* m_pointer = nullptr;
    xkb_context* m_context = nullptr;
    xkb_keymap* m_keymap = nullptr;
    xkb_state* m_state = nullptr;

    void useKeymap(int fd, std::uint32_t size);

    friend struct SeatInputEvents;
};
