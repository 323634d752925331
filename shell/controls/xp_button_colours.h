#pragma once

#include "xp_button_state.h"

#include <QRgb>

// One column of the push button's colour table. Rows a state never draws are black.
struct XPButtonColours {
    QRgb outline;
    QRgb cornerEnd;
    QRgb cornerMiddle;
    QRgb cornerInner;
    QRgb topLine1;
    QRgb topLine2;
    QRgb bottomLine1;
    QRgb bottomLine2;
    QRgb rimTop;
    QRgb rimBottom;
    QRgb flatFill;

    static const XPButtonColours& of(XPButtonState state);

    // Colours shared by every state.
    static constexpr QRgb faceTop = 0xfffcfcfb;    // 252,252,251
    static constexpr QRgb faceBottom = 0xffecebe6; // 236,235,230
    static constexpr QRgb disabledCaption = 0xffa1a192; // 161,161,146
};
