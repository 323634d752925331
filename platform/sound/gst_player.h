#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

typedef struct _GstElement GstElement;
struct GstPlayerOutcome;

// One GStreamer pipeline driven without an event loop. Its bus messages are read in
// GStreamer's own threads the moment they are posted and only their outcome is kept (the end
// was reached, a failure happened), so nothing piles up on the bus and neither a GLib main loop
// nor Qt's event dispatcher is needed. No call waits longer than the limit it is given.
class GstPlayer {
public:
    // Takes the pipeline over (a floating reference is sunk); null gives a player that fails.
    explicit GstPlayer(GstElement* pipeline);
    ~GstPlayer();
    GstPlayer(const GstPlayer&) = delete;
    GstPlayer& operator=(const GstPlayer&) = delete;

    // Brings the pipeline to paused with its first data ready, waiting at most `limit`; false
    // when it failed or had not got there in time.
    bool preroll(std::chrono::milliseconds limit);
    // Moves to a stream position in nanoseconds; stop < 0 plays to the end. Needs a prerolled
    // pipeline. Forgets an earlier end.
    bool seek(std::int64_t start, std::int64_t stop = -1);
    // Plays the whole stream as one segment from its start: its end calls the segment handler
    // instead of ending the stream. Flushing starts afresh; without, the sound goes on from the
    // start right after the end, without a gap. Needs a prerolled pipeline.
    bool seekSegment(bool flush);
    // Called in a GStreamer thread whenever a segment has played to its end; set it before the
    // pipeline runs.
    void onSegmentDone(std::function<void()> handler);
    bool play();
    bool pause();
    // Back to the state before preroll: decoders and devices released, outcome forgotten.
    void reset();

    // The stream reached its end since the last preroll or seek.
    bool ended() const;
    // An element reported an error since the last preroll or reset.
    bool failed() const;
    // Running towards the end: asked to play and neither ended nor failed.
    bool playing() const;
    // The stream position in nanoseconds, when the pipeline knows it.
    std::optional<std::int64_t> position() const;

    GstElement* pipeline() const { return m_pipeline; }

private:
    GstElement* m_pipeline;
    std::unique_ptr<GstPlayerOutcome> m_outcome;
    bool m_playRequested = false;
};

// Initialises GStreamer once per process; false when it cannot be used.
bool GstreamerReady();
