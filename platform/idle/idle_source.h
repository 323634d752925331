#pragma once

#include <functional>

// What an idle source tells its watcher: the session has had no input for the timeout, input is
// back, or the source itself has gone (compositor, bus or display closed; it says nothing more).
enum class IdleEvent { Idle, Active, Gone };

// One way of learning the session's idle time. Idle and Active alternate, Idle first. A source
// either runs inside Qt's event loop by itself (descriptor() -1) or wants dispatch() called when
// its descriptor can be read and when nextCheckMilliseconds() has passed.
class IdleSource {
public:
    using Report = std::function<void(IdleEvent)>;

    virtual ~IdleSource() = default;
    // Starts watching; events arrive through `report`, never from inside start().
    virtual void start(Report report) = 0;
    virtual int descriptor() const { return -1; }
    virtual void dispatch() {}
    // When dispatch() wants calling without input on the descriptor; -1: never.
    virtual int nextCheckMilliseconds() const { return -1; }
    // True while something in the session asks that nothing starts on idle (a video playing)
    // where the desktop keeps that apart from the idle time itself.
    virtual bool inhibited() { return false; }
};
