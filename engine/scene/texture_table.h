#pragma once

// Every texture name the engine made, in creation order, released together at exit.
class TextureTable {
public:
    static constexpr int capacity = 20;

    virtual ~TextureTable() = default;

    unsigned int names[capacity] = {};
    int count = 0;

    // Appends a name, 0 included (a missing picture still takes its place). A full table
    // ignores further names rather than writing past its end.
    void append(unsigned int name);

    // Deletes all names with one call (none when empty) and empties the table. Needs a
    // current GL context.
    void release();
};
