#include "globe.h"

#include <algorithm>

QColor globeColour(const QImage& surface, Vector normal, Vector light, double tilt, double turn)
{
    const Vector turned {normal.x, normal.y * std::cos(tilt) + normal.z * std::sin(tilt),
                         -normal.y * std::sin(tilt) + normal.z * std::cos(tilt)};
    const double latitude = std::asin(std::clamp(turned.y, -1.0, 1.0));
    const double longitude = std::atan2(turned.x, turned.z) + turn;
    double u = (longitude + Pi) / (2 * Pi);
    u -= std::floor(u);
    const double v = 0.5 - latitude / Pi;
    const QColor ground = QColor::fromRgb(surface.pixel(std::clamp(static_cast<int>(u * surface.width()), 0, surface.width() - 1),
                                                        std::clamp(static_cast<int>(v * surface.height()), 0, surface.height() - 1)));
    const double lit = std::clamp(dot(normal, light), 0.0, 1.0);
    const double shade = 0.06 + 0.94 * std::pow(lit, 0.8);
    const double rim = std::pow(1.0 - normal.z, 3.0);
    auto channel = [&](double value, double air) {
        return std::clamp(static_cast<int>(value * shade + air * rim * (0.25 + lit)), 0, 255);
    };
    return QColor(channel(ground.red(), 90), channel(ground.green(), 150), channel(ground.blue(), 255));
}
