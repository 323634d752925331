#include "platform/glut/ride_rest.h"

#include "platform/glut/ride_sight.h"

#include <GL/freeglut.h>
#include <chrono>
#include <cstdint>
#include <poll.h>

namespace {

// The host's notices come on a connection of its own: a look this often costs next to nothing.
constexpr int restPeriodMs = 50;
// Asking the server for the monitors' power is a round trip; once a second is soon enough.
constexpr std::int64_t powerPeriodMs = 1000;

RideSight sight;
std::int64_t powerAskedMs = -powerPeriodMs;

std::int64_t millisecondsNow()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void onWindowStatus(int status)
{
    sight.windowVisible = status == GLUT_FULLY_RETAINED || status == GLUT_PARTIALLY_RETAINED;
}

}

void PrepareRest()
{
    glutWindowStatusFunc(onWindowStatus);
}

bool RideUnseen(bool hostMapped)
{
    sight.hostMapped = hostMapped;
    const std::int64_t now = millisecondsNow();
    if (now - powerAskedMs >= powerPeriodMs) {
        powerAskedMs = now;
        sight.power = CurrentMonitorPower();
    }
    return !sight.seen();
}

void RestAWhile(int displayDescriptor, int stopDescriptor)
{
    pollfd watched[2] = {{displayDescriptor, POLLIN, 0}, {stopDescriptor, POLLIN, 0}};
    poll(watched, stopDescriptor >= 0 ? 2 : 1, restPeriodMs);
}
