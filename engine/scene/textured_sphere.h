#pragma once

// One vertex of the sphere: unit normal, texture coordinate and position, in double precision.
struct SphereVertex {
    double normal[3];
    double texture[2];
    double position[3];
};

// The vertex at polar angle theta (radians from +y) and azimuth phi with texture (s, t).
SphereVertex sphereVertex(double radius, double theta, double phi, double s, double t);

// Visits the sphere's strips in drawing order: beginStrip() before each band, then every vertex
// of the band (lower, upper, lower, upper…). Bands run from the +y pole down; each has
// slices + 1 vertex pairs, the last repeating the first's place with s running on below 0.
// Fewer than 2 stacks or 1 slice gives no strips.
template<typename BeginStrip, typename Vertex>
void forEachSphereStrip(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                        double tOffset, BeginStrip beginStrip, Vertex vertex)
{
    if (stacks - 1 <= 0 || slices < 1)
        return;
    const double dPhi = 6.2831855f / slices;
    const double dTheta = 3.1415927f / (stacks - 1);
    for (int i = 0; i <= stacks - 2; ++i) {
        const double theta0 = i * dTheta;
        const double theta1 = (i + 1) * dTheta;
        const double t0 = i * tScale / stacks + tOffset;
        const double t1 = (i + 1) * tScale / stacks + tOffset;
        beginStrip();
        for (int j = slices - 1; j >= -1; --j) {
            const int k = j == -1 ? slices - 1 : j;
            const double phi = k * dPhi;
            const double s = j * sScale / slices + sOffset;
            vertex(sphereVertex(radius, theta1, phi, s, t1));
            vertex(sphereVertex(radius, theta0, phi, s, t0));
        }
    }
}

// Submits the sphere as triangle strips with normals and texture coordinates, winding
// counter-clockwise seen from outside.
void drawTexturedSphere(double radius, int slices, int stacks, double sScale, double tScale, double sOffset,
                        double tOffset);
