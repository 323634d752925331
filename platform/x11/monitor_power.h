#pragma once

// The monitors' power state as the X server's DPMS extension reports it.
enum class MonitorPower {
    On,
    Standby,
    Suspend,
    Off,
};

// The state for what DPMS reports: `level` (DPMSModeOn, Standby, Suspend, Off) counts only where
// the server is DPMS capable and DPMS is enabled; any other level reads as On.
MonitorPower MonitorPowerFromDpms(bool capable, bool enabled, unsigned level);

// The current state, asked over the process's shared X connection (one round trip). On when
// there is no display, no DPMS extension, or DPMS is disabled: then nothing powers the monitors
// down behind the server's back.
MonitorPower CurrentMonitorPower();
