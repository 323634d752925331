#pragma once

#include <cstdint>

// The engine's only random source: a 32-bit linear congruential generator whose draws are
// 15-bit values. Starts from state 1, so a run's first draws are the same every time.

// Uniform random number in [0, x): the next 15-bit draw / 32768 × x.
double frand(double x);

// Replaces the generator's state (the engine reseeds it with the elapsed milliseconds).
void seedRandom(std::uint32_t seed);

// The next 15-bit draw, 0 to 32767.
int nextRandomDraw();
