#include "engine/engine_options.h"
#include "engine/glut_callbacks.h"

int main(int argc, char** argv)
{
    engineOptions = parseEngineOptions(argc, argv);
    return runEngine(argc, argv);
}
