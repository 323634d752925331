#include "tavrolin_r.h"

#include "platform/x11/window_watch.h"

#include <QCoreApplication>
#include <QPalette>
#include <QSocketNotifier>
#include <QTimer>

Tavrolin_R::Tavrolin_R(QWidget* parent)
    : QWidget(parent)
    , Img_Prev(new QLabel(this))
{
    setWindowTitle("Preview Window");
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    const QImage picture = PreviewPicture();
    Img_Prev->setPixmap(QPixmap::fromImage(picture));
    Img_Prev->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Img_Prev->setScaledContents(false);
    Img_Prev->setGeometry(0, 0, picture.width(), picture.height());
    resize(picture.size());
}

Tavrolin_R::~Tavrolin_R() = default;

QImage Tavrolin_R::PreviewPicture()
{
    return QImage(":/art/preview.jpg");
}

bool Tavrolin_R::EndWithWindow(unsigned long window)
{
    m_watch = std::make_unique<WindowWatch>(window);
    if (!m_watch->isValid()) {
        m_watch.reset();
        return false;
    }
    m_notifier = new QSocketNotifier(m_watch->fileDescriptor(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &Tavrolin_R::checkWatchedWindow);
    // A notice may already wait in the connection's queue, where the descriptor no longer shows it;
    // look once the event loop runs, so that ending the program takes effect.
    QTimer::singleShot(0, this, &Tavrolin_R::checkWatchedWindow);
    return true;
}

void Tavrolin_R::checkWatchedWindow()
{
    if (m_watch && m_watch->destroyed()) {
        m_notifier->setEnabled(false);
        QCoreApplication::exit(0);
    }
}
