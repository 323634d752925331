#pragma once

#include "xp_button_state.h"

#include <QColor>
#include <QFont>
#include <QRegion>
#include <QSize>
#include <QString>

class QPainter;

// Everything one redraw of the push button depends on. paint() draws it onto any surface whose
// origin is the button's top-left pixel; sizes in pixels.
struct XPButtonLook {
    XPButtonState state = XPButtonState::Normal;
    QSize size;            // the button's inner size
    QString caption;       // "&" marks the access key, "&&" shows one ampersand
    QFont font;
    QColor foreColour = Qt::black; // caption while enabled
    bool enabled = true;
    bool focused = false;
    bool showFocusRectangle = true;
    QColor background = Qt::white; // the clipped-off corner pixels are cleared to it

    void paint(QPainter& painter) const;

    // The window shape: the whole rectangle less its four corner pixels.
    static QRegion windowShape(QSize size);
};
