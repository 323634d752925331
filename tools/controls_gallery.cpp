// Shows the push button in its five looks and the frame in each style on the settings window's
// grey, for looking at (and screenshots) on a real or virtual display. Clicks are printed.

#include "shell/controls/gfx_frame.h"
#include "shell/controls/xp_button.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

namespace {

void pointAt(ccXPButton* button, Qt::MouseButtons held)
{
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent move(QEvent::MouseMove, centre, button->mapToGlobal(centre), Qt::NoButton, held,
                     Qt::NoModifier);
    QApplication::sendEvent(button, &move);
}

void press(ccXPButton* button)
{
    const QPointF centre(button->width() / 2.0, button->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, centre, button->mapToGlobal(centre), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(button, &down);
}

QLabel* caption(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    return label;
}

}

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle("Tavrolin controls");
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(224, 224, 224));
    window.setPalette(palette);
    window.resize(620, 430);

    QFont gothic("IPAPGothic");
    gothic.setPointSizeF(9.75);
    const QString captions[] = {"設定", "ｷｬﾝｾﾙ", "&Apply", "&OK", "..."};
    const char* looks[] = {"disabled", "normal", "focused", "hot", "pressed"};
    ccXPButton* buttons[5];
    for (int i = 0; i < 5; ++i) {
        buttons[i] = new ccXPButton(&window);
        buttons[i]->setFont(gothic);
        buttons[i]->setCaption(captions[i]);
        buttons[i]->setGeometry(12 + i * 120, 30, 113, 33);
        caption(&window, looks[i], 12 + i * 120, 10);
        QObject::connect(buttons[i], &ccXPButton::Click, [i] { std::printf("Click %d\n", i); });
        QObject::connect(buttons[i], &ccXPButton::DblClick,
                         [i] { std::printf("DblClick %d\n", i); });
    }
    buttons[0]->setEnabled(false);

    struct FrameSample {
        int style;
        bool shadow;
        const char* text;
    } frames[] = {{1, true, "style 1, shadow 7"}, {0, true, "style 0, shadow 7"},
                  {1, false, "style 1, no shadow"}, {0, false, "style 0, no shadow"},
                  {2, true, "style 2"}};
    for (int i = 0; i < 5; ++i) {
        const int x = 12 + (i % 3) * 200, y = 100 + (i / 3) * 160;
        caption(&window, frames[i].text, x, y);
        auto* frame = new GFXFrameX(&window);
        frame->setGeometry(x, y + 20, 180, 120);
        frame->setFrameStyle(frames[i].style);
        frame->setShowShadow(frames[i].shadow);
        frame->setShadowDepth(7);
    }

    window.show();
    window.activateWindow();
    // The hot, default and pressed looks come from the events that cause them.
    QTimer::singleShot(300, &window, [&] {
        buttons[2]->setDisplayAsDefault(true);
        pointAt(buttons[3], Qt::NoButton);
        pointAt(buttons[4], Qt::NoButton);
        buttons[4]->setFocus();
        press(buttons[4]);
    });
    return app.exec();
}
