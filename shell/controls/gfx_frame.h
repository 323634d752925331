#pragma once

#include <QColor>
#include <QWidget>
#include <optional>

struct FrameLook;

// A decorative panel that holds other controls: a filled, outlined rectangle with square or
// rounded corners and an optional soft drop shadow to the right and below. Sizes in pixels.
// Every property setter redraws; the setters keep values within the limits given.
class GFXFrameX : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FrameStyle READ FrameStyle WRITE setFrameStyle)
    Q_PROPERTY(int ShadowOpacity READ ShadowOpacity WRITE setShadowOpacity)
    Q_PROPERTY(bool ShowShadow READ ShowShadow WRITE setShowShadow)
    Q_PROPERTY(int ShadowDepth READ ShadowDepth WRITE setShadowDepth)
    Q_PROPERTY(QColor FillColour READ FillColour WRITE setFillColour)
    Q_PROPERTY(QColor BackColour READ BackColour WRITE setBackColour)
    Q_PROPERTY(int BackColourIs READ BackColourIs WRITE setBackColourIs)
    Q_PROPERTY(QColor BorderColour READ BorderColour WRITE setBorderColour)
    Q_PROPERTY(int CornerDepth READ CornerDepth WRITE setCornerDepth)

public:
    static constexpr int largestShadowDepth = 50;
    static constexpr int largestCornerDepth = 50;

    explicit GFXFrameX(QWidget* parent = nullptr);

    // 0 rounded rectangle, 1 rectangle (default), any other value draws no frame.
    int FrameStyle() const { return m_frameStyle; }
    void setFrameStyle(int style);
    // Percent, 0..100; default 50.
    int ShadowOpacity() const { return m_shadowOpacity; }
    void setShadowOpacity(int opacity);
    bool ShowShadow() const { return m_showShadow; }
    void setShowShadow(bool show);
    // Pixels, 2..largestShadowDepth; default 5.
    int ShadowDepth() const { return m_shadowDepth; }
    void setShadowDepth(int depth);
    // The face; the container's background colour until set.
    QColor FillColour() const;
    void setFillColour(const QColor& colour);
    // Used as background when BackColourIs is nonzero; the container's background until set.
    QColor BackColour() const;
    void setBackColour(const QColor& colour);
    // 0 (default): the background is the container's background colour; else BackColour.
    int BackColourIs() const { return m_backColourIs; }
    void setBackColourIs(int which);
    // The face outline; default black.
    QColor BorderColour() const { return m_borderColour; }
    void setBorderColour(const QColor& colour);
    // Pixels, 0..largestCornerDepth: width and height of the rounded corners' ellipse; default 10.
    int CornerDepth() const { return m_cornerDepth; }
    void setCornerDepth(int depth);

    FrameLook look() const;

public slots:
    void Refresh();

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QColor containerBackground() const;

    int m_frameStyle = 1;
    int m_shadowOpacity = 50;
    bool m_showShadow = true;
    int m_shadowDepth = 5;
    std::optional<QColor> m_fillColour;
    std::optional<QColor> m_backColour;
    int m_backColourIs = 0;
    QColor m_borderColour = Qt::black;
    int m_cornerDepth = 10;
};
