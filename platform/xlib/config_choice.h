#pragma once

#include <vector>

// The GLX config the ride draws with, chosen from the attributes the server lists for each of
// its configs: pure, so tests need no display.

// How a config's swap treats the back buffer (GLX_SWAP_METHOD_OML); Unknown where not said.
enum class SwapMethod {
    Unknown,
    Exchange,
    Copy,
    Undefined,
};

struct ConfigAttributes {
    bool windows = false;        // can draw to windows
    bool rgba = false;           // renders RGBA, not colour index
    bool visual = false;         // has a true- or direct-colour X visual
    bool doubleBuffered = false;
    bool slow = false;           // the driver marks it slow (GLX_SLOW_CONFIG)
    int redBits = 0;
    int greenBits = 0;
    int blueBits = 0;
    int alphaBits = 0;
    int depthBits = 0;
    int stencilBits = 0;
    int samples = 0;
    SwapMethod swapMethod = SwapMethod::Unknown;
};

// The index of the config to ride with, -1 when none fits. It must draw RGBA to windows through
// a visual, double buffered with depth. Among those: not slow; then, where the server offers
// GLX_OML_swap_method, one whose swap copies (the back buffer survives it); then no
// multisampling, 8 bits a colour, a depth of 24 bits or more, no alpha, least stencil; the server's order breaks ties.
int ChooseConfig(const std::vector<ConfigAttributes>& configs, bool swapMethodOffered);

// Whether the back buffer still holds the last frame when the next begins: the config's swap
// copies (counted only where the server offers GLX_OML_swap_method), or the driver reads a
// buffer age of 1 (GLX_EXT_buffer_age; -1 where it does not say).
bool BackBufferKept(const ConfigAttributes& config, bool swapMethodOffered, int bufferAge);
