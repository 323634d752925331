#pragma once

#include <QColor>
#include <QImage>
#include <cmath>

inline constexpr double Pi = 3.14159265358979323846;

struct Vector {
    double x = 0;
    double y = 0;
    double z = 0;
};

inline Vector operator+(Vector a, Vector b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vector operator*(Vector a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double dot(Vector a, Vector b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vector normalised(Vector a) { return a * (1.0 / std::sqrt(dot(a, a))); }

// The colour of a lit globe wrapped in `surface` (an equirectangular map) at a point of its
// visible face, given by its unit outward normal (z towards the viewer): the globe is tipped
// towards the viewer by `tilt` and turned by `turn` (radians), lit from the unit vector `light`,
// with a thin blue rim of air.
QColor globeColour(const QImage& surface, Vector normal, Vector light, double tilt, double turn);
