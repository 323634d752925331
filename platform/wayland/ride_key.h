#pragma once

#include <cstdint>

// The ride's key for an xkb keysym: 27 for Escape, the ASCII character for printable ASCII
// keysyms (Latin-1 keysyms equal their code), 0 for every other key.
unsigned char RideKeyFromKeysym(std::uint32_t keysym);
