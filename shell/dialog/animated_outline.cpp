#include "animated_outline.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPalette>
#include <QRegion>
#include <QThread>
#include <QWidget>

namespace {

constexpr int OutlineWidth = 2;

int between(int a, int b, double t)
{
    return a + static_cast<int>(std::lround((b - a) * t));
}

QRect between(const QRect& from, const QRect& to, double t)
{
    const int left = between(from.left(), to.left(), t);
    const int top = between(from.top(), to.top(), t);
    const int right = between(from.left() + from.width(), to.left() + to.width(), t);
    const int bottom = between(from.top() + from.height(), to.top() + to.height(), t);
    return QRect(left, top, std::max(1, right - left), std::max(1, bottom - top));
}

// A borderless window above every other that only the outline's pixels belong to, so that what
// lies inside the outline stays visible, with or without a compositing window manager.
class OutlineWindow : public QWidget {
public:
    OutlineWindow()
        : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                      | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus
                      | Qt::X11BypassWindowManagerHint)
    {
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_X11DoNotAcceptFocus);
        QPalette outline = palette();
        outline.setColor(QPalette::Window, QColor(49, 106, 197));
        setPalette(outline);
        setAutoFillBackground(true);
    }

    void place(const QRect& rect)
    {
        setGeometry(rect);
        const QRect local(0, 0, rect.width(), rect.height());
        setMask(QRegion(local) - QRegion(local.adjusted(OutlineWidth, OutlineWidth, -OutlineWidth, -OutlineWidth)));
    }
};

}

void DrawAnimatedRects(const QRect& from, const QRect& to)
{
    OutlineWindow outline;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const double t = std::min(1.0, clock.elapsed() / double(AnimatedOutlineMilliseconds));
        outline.place(between(from, to, t));
        if (!outline.isVisible())
            outline.show();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (t >= 1.0)
            break;
        QThread::msleep(10);
    }
    outline.hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
