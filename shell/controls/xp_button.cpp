#include "xp_button.h"

#include "access_key.h"
#include "twips.h"
#include "xp_button_look.h"

#include <QCursor>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace {

constexpr int smallestSideTwips = 100;

short buttonMask(Qt::MouseButtons buttons)
{
    return short((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
                 | (buttons & Qt::MiddleButton ? 4 : 0));
}

short shiftMask(Qt::KeyboardModifiers modifiers)
{
    return short((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                 | (modifiers & Qt::AltModifier ? 4 : 0));
}

}

ccXPButton::ccXPButton(QWidget* parent)
    : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    QFont verdana(QStringLiteral("Verdana"));
    verdana.setPointSizeF(8.25);
    setFont(verdana);
    const int smallest = PixelsCovering(smallestSideTwips, *this);
    setMinimumSize(smallest, smallest);
    setCaption(m_caption);
    watchHoldingWindow();
}

void ccXPButton::setCaption(const QString& caption)
{
    m_caption = caption;
    m_accessKey = AccessKeyOf(caption);
    if (m_shortcutId != 0)
        releaseShortcut(m_shortcutId);
    m_shortcutId = 0;
    if (!m_accessKey.isNull()) {
        const auto key = Qt::Key(m_accessKey.toUpper().unicode());
        m_shortcutId = grabShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)));
    }
    updateGeometry();
    update();
}

void ccXPButton::setForeColor(const QColor& colour)
{
    m_foreColor = colour;
    update();
}

void ccXPButton::setFocusRect(bool show)
{
    m_focusRect = show;
    if (m_focused)
        update();
}

void ccXPButton::setDisplayAsDefault(bool isDefault)
{
    m_default = isDefault;
    if (isEnabled() && !m_over)
        redraw(isDefault ? XPButtonState::Focused : XPButtonState::Normal);
}

void ccXPButton::SnapMouseTo()
{
    QCursor::setPos(mapToGlobal(QPoint(width() / 2, height() / 2)));
}

QSize ccXPButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine | Qt::TextShowMnemonic, m_caption);
    return (text + QSize(16, 10)).expandedTo(minimumSize());
}

void ccXPButton::redraw(XPButtonState state)
{
    m_state = state;
    update();
}

void ccXPButton::watchHoldingWindow()
{
    QWidget* holder = window();
    if (holder == m_holdingWindow)
        return;
    if (m_holdingWindow)
        m_holdingWindow->removeEventFilter(this);
    m_holdingWindow = holder;
    holder->installEventFilter(this);
    // A button placed into a window that is already active gets no activation message.
    m_windowActive = holder->isActiveWindow();
}

bool ccXPButton::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (static_cast<QShortcutEvent*>(event)->shortcutId() == m_shortcutId) {
            accessKeyPressed();
            return true;
        }
        break;
    case QEvent::ParentChange:
    case QEvent::Show:
        watchHoldingWindow();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool ccXPButton::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_holdingWindow) {
        if (event->type() == QEvent::WindowActivate)
            holdingWindowActivated();
        else if (event->type() == QEvent::WindowDeactivate)
            holdingWindowDeactivated();
    }
    return QWidget::eventFilter(watched, event);
}

void ccXPButton::holdingWindowActivated()
{
    m_windowActive = true;
    if (isEnabled()) {
        if (!m_over && (m_focused || m_default))
            redraw(XPButtonState::Focused);
        if (m_over)
            redraw(XPButtonState::Hot);
    }
    emit FormActivate(1);
}

void ccXPButton::holdingWindowDeactivated()
{
    m_windowActive = false;
    m_armed = false;
    m_mouseHeld = false;
    m_spaceHeld = false;
    if (isEnabled())
        redraw(XPButtonState::Normal);
    emit FormActivate(0);
}

void ccXPButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        const bool enabled = isEnabled();
        if (m_over && enabled)
            redraw(XPButtonState::Hot);
        else if (m_default && enabled)
            redraw(XPButtonState::Focused);
        else
            redraw(enabled ? XPButtonState::Normal : XPButtonState::Disabled);
    } else if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange) {
        update();
    }
    QWidget::changeEvent(event);
}

void ccXPButton::paintEvent(QPaintEvent*)
{
    XPButtonLook look;
    look.state = m_state;
    look.size = size();
    look.caption = m_caption;
    look.font = font();
    look.foreColour = m_foreColor;
    look.enabled = isEnabled();
    look.focused = m_focused;
    look.showFocusRectangle = m_focusRect;
    look.background = palette().color(backgroundRole());
    QPainter painter(this);
    look.paint(painter);
}

void ccXPButton::resizeEvent(QResizeEvent* event)
{
    setMask(XPButtonLook::windowShape(size()));
    QWidget::resizeEvent(event);
}

void ccXPButton::mouseMoveEvent(QMouseEvent* event)
{
    pointerMoved(event->position(), event->buttons(), event->modifiers());
}

void ccXPButton::enterEvent(QEnterEvent* event)
{
    // The home platform reports a pointer that enters as a move; X may send the entry alone.
    pointerMoved(event->position(), QGuiApplication::mouseButtons(),
                 QGuiApplication::keyboardModifiers());
    QWidget::enterEvent(event);
}

void ccXPButton::pointerMoved(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    m_over = at.x() >= 0 && at.x() <= width() && at.y() >= 0 && at.y() <= height();
    // A disabled window gets no mouse messages at home; Qt still reports the pointer entering.
    if (!isEnabled() || !m_windowActive || m_spaceHeld)
        return;
    XPButtonState wanted = XPButtonState::Normal;
    if (m_over)
        wanted = m_armed ? XPButtonState::Pressed : XPButtonState::Hot;
    else if (m_focused)
        wanted = XPButtonState::Focused;
    if (wanted != m_state)
        redraw(wanted);
    const double twips = TwipsPerPixelX(*this);
    emit MouseMove(buttonMask(buttons), shiftMask(modifiers), float(at.x() * twips),
                   float(at.y() * twips));
}

void ccXPButton::mousePressEvent(QMouseEvent* event)
{
    m_lastButton = event->button();
    if (event->button() != Qt::LeftButton)
        return;
    m_focused = true;
    m_armed = true;
    m_mouseHeld = true;
    redraw(XPButtonState::Pressed);
}

void ccXPButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool clicks = m_windowActive && m_over && m_focused && m_armed;
    if (m_windowActive) {
        if (m_over)
            redraw(XPButtonState::Hot);
        else if (m_focused)
            redraw(XPButtonState::Focused);
    }
    m_armed = false;
    m_mouseHeld = false;
    if (clicks)
        emit Click();
}

void ccXPButton::mouseDoubleClickEvent(QMouseEvent*)
{
    // Qt replaces the second press with this event; it neither arms nor holds the button.
    if (m_lastButton != Qt::LeftButton)
        return;
    redraw(XPButtonState::Pressed);
    emit DblClick();
}

void ccXPButton::leaveEvent(QEvent* event)
{
    m_over = false;
    if (!m_spaceHeld && m_state != XPButtonState::Disabled) {
        if (m_focused || m_default) {
            if (m_state == XPButtonState::Pressed)
                redraw(m_armed ? XPButtonState::Focused : XPButtonState::Normal);
            else if (m_windowActive)
                redraw(XPButtonState::Focused);
        } else {
            redraw(XPButtonState::Normal);
        }
    }
    QWidget::leaveEvent(event);
}

void ccXPButton::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit Click();
        return;
    case Qt::Key_Space:
        // X repeats a held key as release and press pairs; only the first press counts.
        if (!event->isAutoRepeat() && !m_mouseHeld) {
            m_spaceHeld = true;
            m_armed = true;
            redraw(XPButtonState::Pressed);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        focusNextPrevChild(false);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        focusNextPrevChild(true);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ccXPButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Space || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (m_mouseHeld)
        return;
    redraw(m_over ? XPButtonState::Hot : XPButtonState::Focused);
    const bool clicks = m_armed;
    m_spaceHeld = false;
    m_armed = false;
    if (clicks)
        emit Click();
}

void ccXPButton::accessKeyPressed()
{
    if (!isEnabled())
        return;
    if (m_spaceHeld) {
        m_spaceHeld = false;
        m_armed = false;
        redraw(m_over ? XPButtonState::Hot : XPButtonState::Focused);
        return;
    }
    setFocus(Qt::ShortcutFocusReason);
    // The click waits until the events already queued, among them the new focus look, are done.
    QMetaObject::invokeMethod(this, &ccXPButton::Click, Qt::QueuedConnection);
}

void ccXPButton::focusInEvent(QFocusEvent* event)
{
    m_focused = true;
    if (m_over && m_state != XPButtonState::Hot && m_state != XPButtonState::Pressed)
        redraw(XPButtonState::Hot);
    if (!m_over && !m_armed)
        redraw(XPButtonState::Focused);
    QWidget::focusInEvent(event);
}

void ccXPButton::focusOutEvent(QFocusEvent* event)
{
    m_focused = false;
    m_armed = false;
    m_spaceHeld = false;
    if (isEnabled()) {
        if (!m_windowActive)
            redraw(XPButtonState::Normal);
        else if (m_over)
            redraw(XPButtonState::Hot);
        else if (m_default)
            redraw(XPButtonState::Focused);
        else
            redraw(XPButtonState::Normal);
    }
    QWidget::focusOutEvent(event);
}
