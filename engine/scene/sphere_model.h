#pragma once

// The car's sphere compiled once into a display list, so a frame submits one call instead of
// every strip and vertex again.
class SphereModel {
public:
    SphereModel() = default;
    virtual ~SphereModel() = default; // the list outlives the object unless released

    int displayList = -1; // -1: none

    // Compiles a sphere of `radius` scene units with texture coordinates 0..1 and normals,
    // replacing the old list. Needs a current GL context.
    void build(double radius, int slices, int stacks);

    // Calls the list in the current matrix, colour, texture and lighting; nothing without a list.
    void draw() const;

    // Deletes the list.
    void release();
};
