#pragma once

// Coloured points compiled once into a display list and drawn twice a frame, the second time
// turned 120 degrees about the vertical axis with bigger points.
class StarField {
public:
    // Where build places stars. Any other value means a ball shell.
    enum Shape {
        BallShell = 0,     // innerRadius ≤ distance from the origin ≤ radius
        CubeShell = 1,     // inside [-radius, radius)³, outside the cube of half-side innerRadius + 0.01
        UpperBallShell = 2 // as BallShell, with y ≥ 0
    };

    struct Star {
        double position[3];
        float colour[3]; // red, green, blue
    };

    StarField() = default;
    virtual ~StarField() = default; // the list outlives the object unless released

    int displayList = -1; // -1: none

    // Compiles count stars (radius in scene units) into a new list, replacing the old one.
    // Needs a current GL context. A shape whose region is empty gives an empty list.
    void build(int count, float radius, float innerRadius, int shape);

    // Calls the list twice with depth writes off; restores depth writes and point size.
    void draw() const;

    // Deletes the list.
    void release();

    // Draws one star from the random source: position by rejection sampling, then colour with
    // the channels drawn blue, green, red. False when the region is empty.
    static bool chooseStar(float radius, float innerRadius, int shape, Star& star);

    // Whether the shape's region holds any point.
    static bool regionHasPoints(float radius, float innerRadius, int shape);
};
