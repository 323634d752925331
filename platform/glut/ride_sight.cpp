#include "platform/glut/ride_sight.h"

bool RideSight::seen() const
{
    return windowVisible && hostMapped && power == MonitorPower::On;
}
