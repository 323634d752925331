#pragma once

#include <string>

// An atomic lock by name, per user and per X display (as the marker windows are per display),
// held until the object goes or the process ends however it ends: the kernel releases it. Built on
// a Unix socket in the abstract namespace, so no file is left behind and none has to exist. Not
// inherited by the programs the shell starts.
class InstanceLock {
public:
    // purpose: what is locked, e.g. "run" or "window-0x600008".
    explicit InstanceLock(const std::string& purpose);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock; true when this object holds it (also when it already did).
    bool take();
    bool held() const { return m_socket >= 0; }
    // True when another holder has it. Takes nothing.
    bool heldElsewhere();

    // The display part of the name: $DISPLAY without its screen number, so ":0" and ":0.0" are one.
    static std::string DisplayName(const char* display);

private:
    std::string m_name;
    int m_socket = -1;
};
