#include "engine/engine_options.h"
#include "engine/engine_usage.h"
#include "engine/glut_callbacks.h"
#include "platform/files/standard_descriptors.h"

int main(int argc, char** argv)
{
    // Before the X connection opens: it must not take a closed standard descriptor's number.
    OpenStandardDescriptors();
    if (const std::optional<int> status = AnswerEngineUsage(argc, argv))
        return *status;
    engineOptions = parseEngineOptions(argc, argv);
    return runEngine(argc, argv);
}
