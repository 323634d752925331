// Makes the shell's pictures: the all-black character sheet, the Earth map with clouds that the
// engine wraps on its planet, the still preview picture, and the settings dialog's banner frames,
// radio pictures and window icon.
//   tavrolin_art <earth.jpg> <output folder>
// The results are committed under shell/resources; run again only to change the art.

#include "dialog_art.h"
#include "globe.h"

#include <QColor>
#include <QGuiApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>

namespace {

// Smooth 3-D value noise on an integer lattice; sampled on the sphere, so the map has no seam at
// the date line and no pinching at the poles.
class Noise {
public:
    explicit Noise(std::uint32_t seed)
    {
        std::mt19937 random(seed);
        for (int i = 0; i < 256; ++i)
            m_permutation[i] = i;
        std::shuffle(m_permutation.begin(), m_permutation.begin() + 256, random);
        for (int i = 0; i < 256; ++i) {
            m_permutation[256 + i] = m_permutation[i];
            m_values[i] = std::uniform_real_distribution<double>(0.0, 1.0)(random);
        }
    }

    double at(Vector p) const
    {
        const int xi = static_cast<int>(std::floor(p.x));
        const int yi = static_cast<int>(std::floor(p.y));
        const int zi = static_cast<int>(std::floor(p.z));
        const double fx = smooth(p.x - xi);
        const double fy = smooth(p.y - yi);
        const double fz = smooth(p.z - zi);
        auto corner = [&](int dx, int dy, int dz) {
            const int h = m_permutation[(m_permutation[(m_permutation[(xi + dx) & 255] + yi + dy) & 255] + zi + dz) & 255];
            return m_values[h];
        };
        auto mix = [](double a, double b, double t) { return a + (b - a) * t; };
        const double x00 = mix(corner(0, 0, 0), corner(1, 0, 0), fx);
        const double x10 = mix(corner(0, 1, 0), corner(1, 1, 0), fx);
        const double x01 = mix(corner(0, 0, 1), corner(1, 0, 1), fx);
        const double x11 = mix(corner(0, 1, 1), corner(1, 1, 1), fx);
        return mix(mix(x00, x10, fy), mix(x01, x11, fy), fz);
    }

    // Fractal sum of octaves, 0 to 1.
    double fractal(Vector p, int octaves) const
    {
        double sum = 0;
        double amplitude = 0.5;
        double total = 0;
        for (int i = 0; i < octaves; ++i) {
            sum += at(p) * amplitude;
            total += amplitude;
            p = p * 2.03 + Vector {17.1, 3.7, 9.2};
            amplitude *= 0.5;
        }
        return sum / total;
    }

private:
    static double smooth(double t) { return t * t * (3 - 2 * t); }

    std::array<int, 512> m_permutation {};
    std::array<double, 256> m_values {};
};

Vector pointOnSphere(double longitude, double latitude)
{
    return {std::cos(latitude) * std::cos(longitude), std::sin(latitude), std::cos(latitude) * std::sin(longitude)};
}

// Cloud cover from 0 to 1 at a point of the unit sphere: swirled fractal noise, thicker along the
// equator and in the stormy middle latitudes, thinner over the subtropical deserts.
double cloudCover(const Noise& noise, Vector p, double latitude)
{
    const Vector warp {noise.fractal(p * 2.0 + Vector {5, 1, 2}, 4), noise.fractal(p * 2.0 + Vector {8, 3, 7}, 4),
                       noise.fractal(p * 2.0 + Vector {2, 9, 4}, 4)};
    const double n = noise.fractal(p * 3.0 + warp * 1.6, 7);
    const double degrees = std::abs(latitude) * 180.0 / Pi;
    const double band = 0.55 * std::exp(-std::pow(degrees / 9.0, 2)) + 0.75 * std::exp(-std::pow((degrees - 55.0) / 14.0, 2))
        + 0.25 * std::exp(-std::pow((degrees - 80.0) / 10.0, 2));
    const double threshold = 0.55 - 0.10 * band;
    return std::clamp((n - threshold) / 0.16, 0.0, 1.0);
}

QImage earthWithClouds(const QImage& earth, int width, int height)
{
    const QImage ground = earth.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_RGB32);
    const Noise noise(1971);
    QImage map(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        const double latitude = (0.5 - (y + 0.5) / height) * Pi;
        for (int x = 0; x < width; ++x) {
            const double longitude = ((x + 0.5) / width) * 2 * Pi - Pi;
            const double cover = cloudCover(noise, pointOnSphere(longitude, latitude), latitude);
            const QColor below = QColor::fromRgb(ground.pixel(x, y));
            const double white = 245;
            auto blend = [&](int channel) { return static_cast<int>(std::lround(channel + (white - channel) * cover * 0.92)); };
            map.setPixel(x, y, qRgb(blend(below.red()), blend(below.green()), blend(below.blue())));
        }
    }
    return map;
}

// The Earth seen from space against the stars, with the coaster track running towards it.
QImage previewPicture(const QImage& map, int width, int height)
{
    constexpr int Supersample = 4;
    const int w = width * Supersample;
    const int h = height * Supersample;
    QImage picture(w, h, QImage::Format_RGB32);
    picture.fill(Qt::black);

    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 260; ++i) {
            const double brightness = std::pow(unit(random), 2.5);
            const double radius = (0.5 + 1.6 * brightness) * Supersample * 0.5;
            const int level = static_cast<int>(90 + 165 * brightness);
            const int tint = static_cast<int>(unit(random) * 40);
            painter.setBrush(QColor(level - tint / 2, level - tint / 4, level));
            painter.drawEllipse(QPointF(unit(random) * w, unit(random) * h), radius, radius);
        }
    }

    // The planet, lit from the upper left, with a thin blue rim of air.
    const double centreX = w * 0.64;
    const double centreY = h * 0.36;
    const double radius = h * 0.33;
    const Vector light = normalised({-0.55, 0.45, 0.70});
    const QImage surface = map.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double dx = (x + 0.5 - centreX) / radius;
            const double dy = (centreY - (y + 0.5)) / radius;
            const double d2 = dx * dx + dy * dy;
            QColor pixel = QColor::fromRgb(picture.pixel(x, y));
            if (d2 < 1.0) {
                // Tilted so that Africa and Europe face the viewer.
                pixel = globeColour(surface, {dx, dy, std::sqrt(1.0 - d2)}, light, 0.35, 0.25);
            } else {
                const double distance = std::sqrt(d2) - 1.0;
                const double glow = std::exp(-distance * 28.0) * 0.55;
                pixel = QColor(std::clamp(static_cast<int>(pixel.red() + 70 * glow), 0, 255),
                               std::clamp(static_cast<int>(pixel.green() + 130 * glow), 0, 255),
                               std::clamp(static_cast<int>(pixel.blue() + 255 * glow), 0, 255));
            }
            picture.setPixel(x, y, pixel.rgb());
        }
    }

    // The track: a banked ribbon rising and curving away from the viewer towards the planet, drawn
    // from the far end forwards so that nearer parts cover farther ones.
    struct Section {
        QPointF left;
        QPointF right;
        double depth;
    };
    std::vector<Section> sections;
    constexpr int Steps = 160;
    for (int i = 0; i <= Steps; ++i) {
        const double t = static_cast<double>(i) / Steps;
        const double depth = 0.9 + t * 16.0;
        const double sideways = -0.9 * std::sin(t * 6.0) + t * 4.4;
        const double height = -1.15 + 0.9 * std::sin(t * 3.4 + 0.6) * t + t * 2.9;
        const double bank = -0.45 * std::cos(t * 6.0);
        const double halfWidth = 0.42;
        auto project = [&](double px, double py) {
            return QPointF(w * 0.5 + px / depth * w * 0.55, h * 0.62 - py / depth * w * 0.55);
        };
        sections.push_back({project(sideways - halfWidth * std::cos(bank), height - halfWidth * std::sin(bank)),
                            project(sideways + halfWidth * std::cos(bank), height + halfWidth * std::sin(bank)), depth});
    }
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = Steps - 1; i >= 0; --i) {
        const Section& near = sections[i];
        const Section& far = sections[i + 1];
        const double fade = std::clamp(1.3 - near.depth / 14.0, 0.15, 1.0);
        QPolygonF quad;
        quad << near.left << near.right << far.right << far.left;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(40, 70, 140, static_cast<int>(150 * fade)));
        painter.drawPolygon(quad);
        const double railWidth = std::max(0.8, 9.0 / near.depth) * Supersample * 0.5;
        painter.setPen(QPen(QColor(150, 220, 255, static_cast<int>(255 * fade)), railWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(near.left, far.left);
        painter.drawLine(near.right, far.right);
        if (i % 4 == 0) {
            painter.setPen(QPen(QColor(255, 240, 190, static_cast<int>(220 * fade)), railWidth * 0.7, Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(near.left, near.right);
        }
    }
    painter.end();

    return picture.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// JPEG for pictures, PNG for the small ones with sharp edges or transparency.
bool save(const QImage& picture, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    // The header's density is what the pixel sizes assume: 96 dots per inch.
    QImage stamped = picture;
    stamped.setDotsPerMeterX(3780);
    stamped.setDotsPerMeterY(3780);
    const bool png = name.endsWith(QStringLiteral(".png"));
    if (!stamped.save(path, png ? "PNG" : "JPG", png ? -1 : 95)) {
        std::fprintf(stderr, "tavrolin_art: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), picture.width(), picture.height());
    return true;
}
}

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrolin_art <earth.jpg> <output folder>\n");
        return 2;
    }
    // Text in the banner needs the font database, which needs a GUI application; no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QImage earth(QString::fromLocal8Bit(argv[1]));
    if (earth.isNull()) {
        std::fprintf(stderr, "tavrolin_art: cannot read %s\n", argv[1]);
        return 1;
    }
    const QDir folder(QString::fromLocal8Bit(argv[2]));

    QImage sheet(128, 128, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    // The big map feeds the preview's globe; the engine's copy is the same map at 256 x 256.
    const QImage map = earthWithClouds(earth, 1024, 512);
    const QImage sphere = map.scaled(256, 256, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage preview = previewPicture(map, 152, 112);

    bool ok = save(sheet, folder, "character_sheet.jpg") && save(sphere, folder, "earth_map.jpg")
        && save(preview, folder, "preview.jpg");
    for (int frame = 1; ok && frame <= BannerFrameCount; ++frame)
        ok = save(BannerFrame(map, frame), folder, QStringLiteral("banner%1.jpg").arg(frame, 2, 10, QLatin1Char('0')));
    ok = ok && save(RadioPicture(false), folder, "radio0.png") && save(RadioPicture(true), folder, "radio1.png")
        && save(WindowIcon(map), folder, "icon.png");
    return ok ? 0 : 1;
}
