#include "gst_player.h"

#include <atomic>
#include <gst/gst.h>

// Written by GStreamer's threads, read by the player's.
struct GstPlayerOutcome {
    std::atomic<bool> ended{false};
    std::atomic<bool> failed{false};
    std::function<void()> segmentDone;
};

namespace {

// Runs in whichever thread posts the message; keeps only what the player asks about and drops
// the message, so the bus never grows.
GstBusSyncReply NoteMessage(GstBus*, GstMessage* message, gpointer data)
{
    auto* outcome = static_cast<GstPlayerOutcome*>(data);
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS)
        outcome->ended = true;
    else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR)
        outcome->failed = true;
    else if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_SEGMENT_DONE && outcome->segmentDone)
        outcome->segmentDone();
    gst_message_unref(message);
    return GST_BUS_DROP;
}

}

bool GstreamerReady()
{
    static const bool ready = gst_init_check(nullptr, nullptr, nullptr);
    return ready;
}

GstPlayer::GstPlayer(GstElement* pipeline)
    : m_pipeline(pipeline ? GST_ELEMENT(gst_object_ref_sink(pipeline)) : nullptr)
    , m_outcome(std::make_unique<GstPlayerOutcome>())
{
    if (m_pipeline == nullptr) {
        m_outcome->failed = true;
        return;
    }
    GstBus* bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, NoteMessage, m_outcome.get(), nullptr);
    gst_object_unref(bus);
}

GstPlayer::~GstPlayer()
{
    if (m_pipeline == nullptr)
        return;
    // Stops every streaming thread before the outcome they write to goes.
    gst_element_set_state(m_pipeline, GST_STATE_NULL);
    GstBus* bus = gst_element_get_bus(m_pipeline);
    gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
    gst_object_unref(bus);
    gst_object_unref(m_pipeline);
}

bool GstPlayer::preroll(std::chrono::milliseconds limit)
{
    if (m_pipeline == nullptr)
        return false;
    m_outcome->ended = false;
    if (gst_element_set_state(m_pipeline, GST_STATE_PAUSED) == GST_STATE_CHANGE_FAILURE)
        return false;
    const GstClockTime wait = static_cast<GstClockTime>(limit.count()) * GST_MSECOND;
    const GstStateChangeReturn result = gst_element_get_state(m_pipeline, nullptr, nullptr, wait);
    return (result == GST_STATE_CHANGE_SUCCESS || result == GST_STATE_CHANGE_NO_PREROLL) && !failed();
}

bool GstPlayer::seek(std::int64_t start, std::int64_t stop)
{
    if (m_pipeline == nullptr || failed())
        return false;
    m_outcome->ended = false;
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE);
    return gst_element_seek(m_pipeline, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, start,
                            stop < 0 ? GST_SEEK_TYPE_NONE : GST_SEEK_TYPE_SET, stop < 0 ? GST_CLOCK_TIME_NONE : stop);
}

bool GstPlayer::seekSegment(bool flush)
{
    if (m_pipeline == nullptr || failed())
        return false;
    const auto flags = static_cast<GstSeekFlags>(GST_SEEK_FLAG_SEGMENT | (flush ? GST_SEEK_FLAG_FLUSH : 0));
    return gst_element_seek(m_pipeline, 1.0, GST_FORMAT_TIME, flags, GST_SEEK_TYPE_SET, 0, GST_SEEK_TYPE_NONE,
                            GST_CLOCK_TIME_NONE);
}

void GstPlayer::onSegmentDone(std::function<void()> handler)
{
    m_outcome->segmentDone = std::move(handler);
}

bool GstPlayer::play()
{
    if (m_pipeline == nullptr || failed())
        return false;
    m_playRequested = gst_element_set_state(m_pipeline, GST_STATE_PLAYING) != GST_STATE_CHANGE_FAILURE;
    return m_playRequested;
}

bool GstPlayer::pause()
{
    m_playRequested = false;
    if (m_pipeline == nullptr || failed())
        return false;
    return gst_element_set_state(m_pipeline, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE;
}

void GstPlayer::reset()
{
    m_playRequested = false;
    if (m_pipeline == nullptr)
        return;
    gst_element_set_state(m_pipeline, GST_STATE_READY);
    m_outcome->ended = false;
    m_outcome->failed = false;
}

bool GstPlayer::ended() const
{
    return m_outcome->ended;
}

bool GstPlayer::failed() const
{
    return m_outcome->failed;
}

bool GstPlayer::playing() const
{
    return m_playRequested && !ended() && !failed();
}

std::optional<std::int64_t> GstPlayer::position() const
{
    gint64 position = 0;
    if (m_pipeline == nullptr || !gst_element_query_position(m_pipeline, GST_FORMAT_TIME, &position))
        return std::nullopt;
    return position;
}
