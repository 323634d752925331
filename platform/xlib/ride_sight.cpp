#include "platform/xlib/ride_sight.h"

bool RideSight::seen() const
{
    return windowVisible && hostMapped && power == MonitorPower::On;
}
