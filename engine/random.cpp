#include "random.h"

namespace {

std::uint32_t randomState = 1;

}

void seedRandom(std::uint32_t seed)
{
    randomState = seed;
}

int nextRandomDraw()
{
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7fff);
}

double frand(double x)
{
    return nextRandomDraw() * 3.0517578125e-05 * x;
}
