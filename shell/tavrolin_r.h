#pragma once

#include <QLabel>
#include <QWidget>
#include <memory>

class QSocketNotifier;
class WindowWatch;

// The preview window: black, captioned "Preview Window", holding the still picture Img_Prev at
// its own size in its top-left corner. Made a child of the system's preview area, it ends the
// program when that area's window is destroyed.
class Tavrolin_R : public QWidget {
    Q_OBJECT

public:
    explicit Tavrolin_R(QWidget* parent = nullptr);
    ~Tavrolin_R() override;

    // The picture Img_Prev shows: 152 x 112 pixels.
    static QImage PreviewPicture();

    // Ends the program as soon as the given X window is destroyed. False when it does not exist.
    bool EndWithWindow(unsigned long window);

    QLabel* const Img_Prev;

private:
    void checkWatchedWindow();

    std::unique_ptr<WindowWatch> m_watch;
    QSocketNotifier* m_notifier = nullptr;
};
