#pragma once

#include <string>

// An atomic lock by name, per user and per display (as the marker windows are per display), held
// until the object goes or the process ends however it ends: the kernel releases it, and the
// kernel names its holder, so a holder's id is never read from a file that may be stale. A lock
// of the process on a file in this user's private lock folder (see lock_folder.h), so no other
// account can take or see it; not inherited by the programs the shell starts. A name held by one
// object is held for every other object of the process too. The file must be a regular file:
// a link, a FIFO or a folder at its name is refused and left as it is (problem() says so).
class InstanceLock {
public:
    // purpose: what is locked, e.g. "run" or "window-6291464".
    explicit InstanceLock(std::string purpose);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Takes the lock; true when this object holds it (also when it already did). False when
    // another holder has it, or when the file cannot be used (then problem() is not empty).
    bool take();
    bool held() const { return m_descriptor >= 0; }
    // True when another holder has it, or when that cannot be told (problem()). Takes nothing.
    bool heldElsewhere() const;
    // The process id of the holder at this moment (this process included); 0 when nobody holds it
    // or the file cannot be used (problem()); -1 for a holder outside this process's view (another
    // process namespace).
    int holder() const;
    // Why the last call could not use the lock file, in one line; empty when it could.
    const std::string& problem() const { return m_problem; }

    // The lock folder's file name for this purpose and the current display; other files that
    // belong to the display's locks live beside it under names made the same way.
    static std::string FileName(const std::string& purpose);
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
    // Opens the lock file with `flags` when it is a regular file; -1 otherwise, with m_problem
    // set unless the file is merely missing (`missing` then true).
    int open(int flags, bool& missing) const;
    // The holder as the kernel sees it through `descriptor`, as holder() says.
    int kernelHolder(int descriptor) const;

    std::string m_purpose;
    std::string m_heldName;
    int m_descriptor = -1;
    mutable std::string m_problem;
};
