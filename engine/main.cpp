#include "engine/glut_callbacks.h"

int main(int argc, char** argv)
{
    return runEngine(argc, argv);
}
