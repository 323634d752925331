#include "dialog_art.h"

#include "globe.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <random>
#include <vector>

namespace {

const Vector Light = normalised({-0.55, 0.45, 0.70});

// Paints the globe pixel by pixel over the canvas; with a glow, the air around it brightens the
// background, otherwise the canvas stays as it is outside the globe.
void paintGlobe(QImage& canvas, QPointF centre, double radius, const QImage& surface, double turn, bool glow)
{
    const int reach = static_cast<int>(radius * (glow ? 1.3 : 1.0)) + 2;
    for (int y = std::max(0, int(centre.y()) - reach); y < std::min(canvas.height(), int(centre.y()) + reach); ++y) {
        for (int x = std::max(0, int(centre.x()) - reach); x < std::min(canvas.width(), int(centre.x()) + reach); ++x) {
            const double dx = (x + 0.5 - centre.x()) / radius;
            const double dy = (centre.y() - (y + 0.5)) / radius;
            const double d2 = dx * dx + dy * dy;
            if (d2 < 1.0) {
                canvas.setPixelColor(x, y, globeColour(surface, {dx, dy, std::sqrt(1.0 - d2)}, Light, 0.35, turn));
            } else if (glow) {
                const QColor below = canvas.pixelColor(x, y);
                const double air = std::exp(-(std::sqrt(d2) - 1.0) * 18.0) * 0.6;
                canvas.setPixelColor(x, y, QColor(std::clamp(int(below.red() + 70 * air), 0, 255),
                                                  std::clamp(int(below.green() + 130 * air), 0, 255),
                                                  std::clamp(int(below.blue() + 255 * air), 0, 255)));
            }
        }
    }
}

struct Star {
    QPointF at;
    double brightness;
    double phase;
};

std::vector<Star> bannerStars()
{
    std::mt19937 random(11);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<Star> stars;
    for (int i = 0; i < 70; ++i) {
        const double x = unit(random) * 120;
        const double y = unit(random) * 50;
        stars.push_back({{x, y}, std::pow(unit(random), 2.0), unit(random) * 2 * Pi});
    }
    return stars;
}

// The track in banner pixels, s from 0 at the left edge to 1 at the planet's limb.
QPointF trackPoint(double s)
{
    return {-4 + s * 89, 45 - 4 * std::sin(s * Pi * 2.2) * (1 - s) - s * 10};
}

QImage scaledDown(const QImage& canvas, int width, int height)
{
    return canvas.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}

QImage BannerFrame(const QImage& map, int frame)
{
    constexpr int S = 4;
    const QImage surface = map.convertToFormat(QImage::Format_RGB32);
    QImage canvas(120 * S, 50 * S, QImage::Format_RGB32);
    {
        QPainter painter(&canvas);
        QLinearGradient sky(0, 0, 0, canvas.height());
        sky.setColorAt(0, QColor(4, 6, 20));
        sky.setColorAt(1, QColor(10, 16, 44));
        painter.fillRect(canvas.rect(), sky);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (const Star& star : bannerStars()) {
            const double twinkle = 0.7 + 0.3 * std::sin(frame * 0.9 + star.phase);
            const int level = std::clamp(int((80 + 175 * star.brightness) * twinkle), 0, 255);
            painter.setBrush(QColor(level, level, std::min(255, level + 20)));
            painter.drawEllipse(star.at * S, (0.35 + 0.5 * star.brightness) * S, (0.35 + 0.5 * star.brightness) * S);
        }
    }
    paintGlobe(canvas, QPointF(101, 24) * S, 19.0 * S, surface, 0.25 + frame * 0.045, true);

    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(S, S);

    QPainterPath track;
    track.moveTo(trackPoint(0));
    for (int i = 1; i <= 120; ++i)
        track.lineTo(trackPoint(i / 120.0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(60, 110, 220, 80), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(track);
    painter.setPen(QPen(QColor(150, 210, 255), 0.55));
    painter.drawPath(track.translated(0, -0.9));
    painter.drawPath(track.translated(0, 0.9));
    painter.setPen(QPen(QColor(255, 235, 180, 150), 0.4));
    for (int i = 0; i <= 40; ++i) {
        const QPointF p = trackPoint(i / 40.0);
        painter.drawLine(p + QPointF(0, -1.2), p + QPointF(0, 1.2));
    }

    // The car rides frames 1 to 16 and uncovers the name behind it.
    const bool riding = frame <= 16;
    const double carS = std::clamp(0.05 + (frame - 1) / 15.0 * 0.95, 0.0, 1.0);
    const QPointF car = trackPoint(carS);

    QFont nameFont(QStringLiteral("DejaVu Sans"));
    nameFont.setBold(true);
    nameFont.setPixelSize(15);
    QPainterPath name;
    name.addText(5, 21, nameFont, QStringLiteral("Tavrolin"));
    QLinearGradient nameColour(0, 8, 0, 22);
    nameColour.setColorAt(0, QColor(255, 255, 255));
    nameColour.setColorAt(1, QColor(150, 205, 255));
    painter.save();
    if (riding)
        painter.setClipRect(QRectF(0, 0, car.x() + 2, 50));
    painter.setPen(QPen(QColor(20, 40, 110), 0.8));
    painter.setBrush(nameColour);
    painter.drawPath(name);
    if (frame >= 17 && frame <= 21) {
        const double sweep = -10 + (frame - 17) * 24.0;
        QLinearGradient glint(sweep, 0, sweep + 12, 0);
        glint.setColorAt(0, QColor(255, 255, 255, 0));
        glint.setColorAt(0.5, QColor(255, 255, 230, 210));
        glint.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glint);
        painter.drawPath(name);
    }
    painter.restore();

    if (frame >= 18) {
        QFont taglineFont(QStringLiteral("DejaVu Sans"));
        taglineFont.setPixelSize(7);
        painter.setFont(taglineFont);
        painter.setPen(QColor(175, 210, 255, int(std::min(1.0, (frame - 17) / 5.0) * 230)));
        painter.drawText(QPointF(6, 31), QStringLiteral("ride through space"));
    }

    if (riding) {
        for (int i = 8; i >= 1; --i) {
            const double back = std::max(0.0, carS - i * 0.012);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 180, 80, 110 - i * 12));
            painter.drawEllipse(trackPoint(back), 1.6 - i * 0.1, 1.6 - i * 0.1);
        }
        QRadialGradient glow(car, 3.2);
        glow.setColorAt(0, QColor(255, 255, 240, 255));
        glow.setColorAt(0.35, QColor(255, 210, 120, 220));
        glow.setColorAt(1, QColor(255, 140, 40, 0));
        painter.setBrush(glow);
        painter.drawEllipse(car, 3.2, 3.2);
    } else if (frame <= 19) {
        // The arrival: a short flash on the planet's limb.
        const double fade = 1.0 - (frame - 17) / 3.0;
        QRadialGradient flash(trackPoint(1.0), 6);
        flash.setColorAt(0, QColor(255, 250, 220, int(230 * fade)));
        flash.setColorAt(1, QColor(255, 200, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(flash);
        painter.drawEllipse(trackPoint(1.0), 6, 6);
    }
    painter.end();
    return scaledDown(canvas, 120, 50);
}

QImage RadioPicture(bool selected)
{
    constexpr int S = 8;
    QImage canvas(12 * S, 12 * S, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(S, S);
    QLinearGradient face(2, 2, 10, 10);
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(214, 214, 206));
    painter.setPen(QPen(QColor(28, 81, 128), 1.0));
    painter.setBrush(face);
    painter.drawEllipse(QPointF(6, 6), 5.4, 5.4);
    if (selected) {
        QRadialGradient dot(QPointF(5.3, 5.3), 2.8);
        dot.setColorAt(0, QColor(120, 230, 120));
        dot.setColorAt(1, QColor(20, 125, 20));
        painter.setPen(Qt::NoPen);
        painter.setBrush(dot);
        painter.drawEllipse(QPointF(6, 6), 2.5, 2.5);
    }
    painter.end();
    return scaledDown(canvas, 12, 12).convertToFormat(QImage::Format_ARGB32);
}

QImage WindowIcon(const QImage& map)
{
    constexpr int S = 8;
    const QImage surface = map.convertToFormat(QImage::Format_RGB32);
    QImage canvas(32 * S, 32 * S, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const QPointF centre(16, 16.5);
    const double tilt = -20;
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), 15, 5);

    auto paintRingHalf = [&](bool front) {
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(S, S);
        painter.translate(centre);
        painter.rotate(tilt);
        painter.setClipRect(front ? QRectF(-16, 0, 32, 8) : QRectF(-16, -8, 32, 8));
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(40, 120, 255, 150), 2.6));
        painter.drawPath(ring);
        painter.setPen(QPen(QColor(190, 235, 255), 1.0));
        painter.drawPath(ring);
        if (front) {
            QRadialGradient car(QPointF(6, 4.6), 2.6);
            car.setColorAt(0, QColor(255, 255, 240));
            car.setColorAt(0.4, QColor(255, 200, 100));
            car.setColorAt(1, QColor(255, 140, 40, 0));
            painter.setPen(Qt::NoPen);
            painter.setBrush(car);
            painter.drawEllipse(QPointF(6, 4.6), 2.6, 2.6);
        }
    };
    paintRingHalf(false);
    paintGlobe(canvas, centre * S, 10.5 * S, surface, 0.25, false);
    paintRingHalf(true);
    return scaledDown(canvas, 32, 32);
}
