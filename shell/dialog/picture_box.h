#pragma once

#include <QPixmap>
#include <QWidget>

// A box that shows one picture at its top-left corner, inside a thin sunken edge one pixel wide,
// over the background of the window that holds it. A left-button press and release inside it
// is a click. It takes the keyboard focus like a control.
class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    QPixmap Picture() const { return m_picture; }
    // A null picture leaves the box empty.
    void setPicture(const QPixmap& picture);

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};
