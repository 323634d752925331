#include "monitor_power.h"

#include "x_connection.h"

#include <X11/Xmd.h>
#include <X11/extensions/dpms.h>

MonitorPower MonitorPowerFromDpms(bool capable, bool enabled, unsigned level)
{
    if (!capable || !enabled)
        return MonitorPower::On;
    switch (level) {
    case DPMSModeStandby:
        return MonitorPower::Standby;
    case DPMSModeSuspend:
        return MonitorPower::Suspend;
    case DPMSModeOff:
        return MonitorPower::Off;
    default:
        return MonitorPower::On;
    }
}

MonitorPower CurrentMonitorPower()
{
    Display* const display = SharedDisplay();
    if (!display)
        return MonitorPower::On;
    static const bool hasDpms = [display] {
        int eventBase = 0;
        int errorBase = 0;
        return DPMSQueryExtension(display, &eventBase, &errorBase) && DPMSCapable(display);
    }();
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    const bool known = hasDpms && DPMSInfo(display, &level, &enabled);
    return MonitorPowerFromDpms(known, enabled, level);
}
