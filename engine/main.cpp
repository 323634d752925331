#include "engine/engine_usage.h"
#include "engine/glut_callbacks.h"

int main(int argc, char** argv)
{
    if (const std::optional<int> status = AnswerEngineUsage(argc, argv))
        return *status;
    return runEngine(argc, argv);
}
