#pragma once

#include "tests/support/temporary_folder.h"

#include <chrono>
#include <sys/types.h>
#include <vector>

// A PulseAudio server of the test's own with one null sink ("tavrolin_test"), so sound can be
// played for real and listened to through the sink's monitor without touching the machine's
// own sound. Points PULSE_SERVER at it for as long as it lives; create it before GStreamer first
// looks for an audio output. Throws when the server, or listening to it, does not come up within
// ten seconds.
class PrivatePulseAudio {
public:
    PrivatePulseAudio();
    ~PrivatePulseAudio();
    PrivatePulseAudio(const PrivatePulseAudio&) = delete;
    PrivatePulseAudio& operator=(const PrivatePulseAudio&) = delete;

    // The sound streams connected to the sink right now, and those of them not paused.
    int streamCount() const;
    int playingStreamCount() const;
    // The server's numbers of those streams; a stream opened anew gets a new number.
    std::vector<int> streamNumbers() const;
    // Waits up to `limit` until playingStreamCount() is `count`; true when it got there.
    bool waitForPlayingStreams(int count, std::chrono::milliseconds limit) const;

    // What the sink plays during the given time from now: 8000 mono 16-bit samples a second.
    std::vector<short> record(std::chrono::milliseconds duration) const;

private:
    void stop(pid_t process) const;

    TemporaryFolder m_folder;
    pid_t m_server = -1;
    // Listens to the sink all the time: a listener takes seconds to deliver its first sound.
    pid_t m_listener = -1;
};

// The share of 50 ms stretches of the recording that hold sound rather than silence (0 to 1).
double SoundShare(const std::vector<short>& samples);
