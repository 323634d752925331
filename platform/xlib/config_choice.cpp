#include "platform/xlib/config_choice.h"

#include <array>
#include <cstdlib>

namespace {

bool fits(const ConfigAttributes& config)
{
    return config.windows && config.rgba && config.visual && config.doubleBuffered && config.depthBits > 0 &&
           config.redBits > 0 && config.greenBits > 0 && config.blueBits > 0;
}

// Lower is better, compared left to right.
std::array<int, 7> rank(const ConfigAttributes& config, bool swapMethodOffered)
{
    const bool copies = swapMethodOffered && config.swapMethod == SwapMethod::Copy;
    const int colourMiss =
        std::abs(config.redBits - 8) + std::abs(config.greenBits - 8) + std::abs(config.blueBits - 8);
    return {config.slow ? 1 : 0, copies ? 0 : 1, config.samples, colourMiss,
            config.depthBits >= 24 ? 0 : 1, config.alphaBits, config.stencilBits};
}

}

int ChooseConfig(const std::vector<ConfigAttributes>& configs, bool swapMethodOffered)
{
    int best = -1;
    for (std::size_t i = 0; i < configs.size(); ++i) {
        if (!fits(configs[i]))
            continue;
        if (best < 0 || rank(configs[i], swapMethodOffered) < rank(configs[static_cast<std::size_t>(best)], swapMethodOffered))
            best = static_cast<int>(i);
    }
    return best;
}

bool BackBufferKept(const ConfigAttributes& config, bool swapMethodOffered, int bufferAge)
{
    return (swapMethodOffered && config.swapMethod == SwapMethod::Copy) || bufferAge == 1;
}
