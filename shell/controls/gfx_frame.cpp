#include "gfx_frame.h"

#include "frame_look.h"

#include <QEvent>
#include <QImage>
#include <QPainter>
#include <algorithm>

GFXFrameX::GFXFrameX(QWidget* parent)
    : QWidget(parent)
{
    // Every redraw paints every pixel.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GFXFrameX::setFrameStyle(int style)
{
    m_frameStyle = style;
    update();
}

void GFXFrameX::setShadowOpacity(int opacity)
{
    m_shadowOpacity = std::clamp(opacity, 0, 100);
    update();
}

void GFXFrameX::setShowShadow(bool show)
{
    m_showShadow = show;
    update();
}

void GFXFrameX::setShadowDepth(int depth)
{
    m_shadowDepth = std::clamp(depth, 2, largestShadowDepth);
    update();
}

QColor GFXFrameX::FillColour() const
{
    return m_fillColour.value_or(containerBackground());
}

void GFXFrameX::setFillColour(const QColor& colour)
{
    m_fillColour = colour;
    update();
}

QColor GFXFrameX::BackColour() const
{
    return m_backColour.value_or(containerBackground());
}

void GFXFrameX::setBackColour(const QColor& colour)
{
    m_backColour = colour;
    update();
}

void GFXFrameX::setBackColourIs(int which)
{
    m_backColourIs = which;
    update();
}

void GFXFrameX::setBorderColour(const QColor& colour)
{
    m_borderColour = colour;
    update();
}

void GFXFrameX::setCornerDepth(int depth)
{
    m_cornerDepth = std::clamp(depth, 0, largestCornerDepth);
    update();
}

void GFXFrameX::Refresh()
{
    update();
}

QColor GFXFrameX::containerBackground() const
{
    const QWidget* container = parentWidget() ? parentWidget() : this;
    return container->palette().color(container->backgroundRole());
}

FrameLook GFXFrameX::look() const
{
    FrameLook look;
    look.frameStyle = m_frameStyle;
    look.shadowOpacity = m_shadowOpacity;
    look.showShadow = m_showShadow;
    look.shadowDepth = m_shadowDepth;
    look.cornerDepth = m_cornerDepth;
    look.background = (m_backColourIs != 0 ? BackColour() : containerBackground()).rgb();
    look.fillColour = FillColour().rgb();
    look.borderColour = m_borderColour.rgb();
    return look;
}

void GFXFrameX::changeEvent(QEvent* event)
{
    // The defaults follow the container's background.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ParentChange)
        update();
    QWidget::changeEvent(event);
}

void GFXFrameX::paintEvent(QPaintEvent*)
{
    QImage picture(size(), QImage::Format_RGB32);
    look().paint(picture);
    QPainter(this).drawImage(0, 0, picture);
}
