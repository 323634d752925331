#include "xp_button_colours.h"

#include <array>

namespace {

constexpr QRgb rgb(int red, int green, int blue)
{
    return 0xff000000u | (QRgb(red) << 16) | (QRgb(green) << 8) | QRgb(blue);
}

constexpr QRgb unused = rgb(0, 0, 0);

// Every enabled state shares the dark blue outline and corners; they differ in rims and lines.
constexpr XPButtonColours enabledCorners(QRgb topLine1, QRgb topLine2, QRgb bottomLine1,
                                         QRgb bottomLine2, QRgb rimTop, QRgb rimBottom,
                                         QRgb flatFill)
{
    return {rgb(0, 60, 116), rgb(33, 85, 132), rgb(123, 150, 173), rgb(82, 125, 165),
            topLine1, topLine2, bottomLine1, bottomLine2, rimTop, rimBottom, flatFill};
}

constexpr std::array<XPButtonColours, 5> table = {{
    {rgb(201, 199, 186), rgb(196, 177, 140), rgb(206, 199, 189), rgb(196, 177, 140),
     unused, unused, unused, unused, unused, unused, rgb(245, 244, 234)},
    enabledCorners(rgb(255, 255, 255), rgb(254, 254, 254), rgb(226, 223, 214), rgb(214, 208, 197),
                   rgb(252, 252, 251), rgb(236, 235, 230), unused),
    enabledCorners(rgb(206, 231, 255), rgb(189, 215, 247), rgb(140, 174, 231), rgb(107, 130, 239),
                   rgb(189, 211, 247), rgb(140, 174, 231), unused),
    enabledCorners(rgb(255, 243, 206), rgb(255, 219, 140), rgb(255, 178, 49), rgb(230, 150, 0),
                   rgb(225, 223, 156), rgb(255, 182, 48), unused),
    enabledCorners(unused, unused, unused, unused, unused, unused, rgb(231, 227, 222)),
}};

}

const XPButtonColours& XPButtonColours::of(XPButtonState state)
{
    const int index = static_cast<int>(state);
    return table[index >= 0 && index < 5 ? index : static_cast<int>(XPButtonState::Normal)];
}
