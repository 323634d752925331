#pragma once

#include <functional>
#include <vector>

// A double-buffered RGB window with a depth buffer, like the engine's, made once per test
// program and kept current. Size in pixels.
void makeGlTestWindow(int width = 320, int height = 240);

// Clears pending GL errors and puts back the engine's resting state: blend function source
// alpha / one minus source alpha, alpha test above 0, overlay projection, black cleared buffers.
void resetToRestingGlState();

// Whether everything a drawing routine may switch on is off again and the resting functions are
// back (GoogleTest expectations; call from a test).
void expectRestingGlState();

// One pixel (RGB, 0..255) of the back buffer; x and y from the bottom-left corner.
struct Pixel {
    int red, green, blue;
};
Pixel readBackPixel(int x, int y);

// A vertex of captured geometry, in window pixels from the bottom-left corner.
struct FeedbackVertex {
    float x, y;
};

// The polygons a drawing function submits, captured with GL feedback, each as its vertices.
// Mesa hands quads back as two triangles each.
std::vector<std::vector<FeedbackVertex>> capturePolygons(const std::function<void()>& draw);

// The distinct corners of each quad when a capture holds quads split into triangle pairs
// (or whole quads), in first-seen order.
std::vector<std::vector<FeedbackVertex>> quadCorners(const std::vector<std::vector<FeedbackVertex>>& polygons);
