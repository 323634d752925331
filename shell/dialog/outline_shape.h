#pragma once

#include <QColor>
#include <QWidget>

// A rectangle drawn as a one-pixel outline along the widget's edges in one colour; the inside is
// transparent, and the mouse passes through it to what lies below.
class OutlineShape : public QWidget {
    Q_OBJECT

public:
    explicit OutlineShape(const QColor& colour, QWidget* parent = nullptr);

    QColor BorderColor() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};
