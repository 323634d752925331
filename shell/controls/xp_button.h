#pragma once

#include "xp_button_state.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

// A self-drawn push button with rounded corners, a face gradient and coloured rims. It shows
// one of five looks and follows the mouse, the keyboard focus, the container's default-button
// role and the activation of the window that holds it. Sizes in pixels unless said otherwise;
// it never gets smaller than 100 twips in either direction.
class ccXPButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ isEnabled WRITE setEnabled)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QFont Font READ font WRITE setFont)
    Q_PROPERTY(bool FocusRect READ FocusRect WRITE setFocusRect)

public:
    explicit ccXPButton(QWidget* parent = nullptr);

    // "&" marks the access key (Alt + that key clicks), "&&" shows one ampersand. Default "&OK".
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Lower case; a null QChar when the caption marks none.
    QChar accessKey() const { return m_accessKey; }

    // The caption's colour while enabled; default black. A disabled caption is always grey.
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& colour);

    // Whether the dotted focus rectangle is drawn; default true.
    bool FocusRect() const { return m_focusRect; }
    void setFocusRect(bool show);

    // The container marks its default button with this; the button then looks focused.
    bool displayAsDefault() const { return m_default; }
    void setDisplayAsDefault(bool isDefault);

    XPButtonState visualState() const { return m_state; }

    // Moves the mouse pointer to the button's centre.
    void SnapMouseTo();

    QSize sizeHint() const override;

signals:
    void Click();
    void DblClick();
    // Button: 1 left, 2 right, 4 middle. Shift: 1 Shift, 2 Ctrl, 4 Alt. X and Y in twips from
    // the button's top-left corner.
    void MouseMove(short Button, short Shift, float X, float Y);
    // 1 when the holding window became active, 0 when it became inactive.
    void FormActivate(int active);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void redraw(XPButtonState state);
    void pointerMoved(QPointF at, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
    void watchHoldingWindow();
    void holdingWindowActivated();
    void holdingWindowDeactivated();
    void accessKeyPressed();

    QString m_caption = QStringLiteral("&OK");
    QChar m_accessKey;
    int m_shortcutId = 0;
    QColor m_foreColor = Qt::black;
    bool m_focusRect = true;

    XPButtonState m_state = XPButtonState::Normal;
    bool m_focused = false;
    bool m_over = false;
    bool m_armed = false;      // a press that clicks on release is under way
    bool m_mouseHeld = false;  // the left button went down on the button
    bool m_spaceHeld = false;
    bool m_windowActive = false;
    bool m_default = false;
    Qt::MouseButton m_lastButton = Qt::NoButton;
    QPointer<QWidget> m_holdingWindow;
};
