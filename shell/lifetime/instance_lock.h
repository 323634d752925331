#pragma once

#include <string>

// An atomic lock by name, per user and per display (as the marker windows are per display), held
// until the object goes or the process ends however it ends: the kernel releases it. An open-file
// lock on a file in this user's private lock folder (see lock_folder.h), so no other account can
// take or see it; the file holds the holder's process id. Not inherited by the programs the
// shell starts. Without a private folder nothing can be taken and everything counts as held.
class InstanceLock {
public:
    // purpose: what is locked, e.g. "run" or "window-6291464".
    explicit InstanceLock(std::string purpose);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock; true when this object holds it (also when it already did).
    bool take();
    bool held() const { return m_descriptor >= 0; }
    // True when another holder has it, or when no private lock folder can be had. Takes nothing.
    bool heldElsewhere() const;
    // The process id of the holder (this process included), 0 when nobody holds it.
    int holder() const;

    // The display part of the name for an X display: local displays (":0", "unix:0", "unix/:0",
    // "/tmp/.X11-unix/X0") all become ":0", screen numbers dropped; remote ones keep their host.
    static std::string DisplayName(const char* display);
    // The display part of the name for a Wayland display: the socket's absolute path, a relative
    // name (default "wayland-0") taken inside `runtimeDirectory`.
    static std::string WaylandDisplayName(const char* waylandDisplay, const char* runtimeDirectory);
    // Which display this process's locks are for, said once at start-up; DisplayName($DISPLAY)
    // until then.
    static void UseDisplay(const std::string& displayName);

private:
    // The lock file's name in the lock folder for this purpose and the current display.
    std::string fileName() const;
    // Opens the lock file read-only; -1 when it does not exist. `folderMissing` tells why not.
    int openExisting(bool& folderMissing) const;

    std::string m_purpose;
    int m_descriptor = -1;
};
