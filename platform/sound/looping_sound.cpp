#include "looping_sound.h"

#include "audio_playbin.h"

#include <chrono>
#include <condition_variable>
#include <gst/gst.h>
#include <mutex>

// Shared with GStreamer's threads.
struct LoopingSoundState {
    bool loop = false;
    std::mutex mutex;
    std::condition_variable changed;
    bool heard = false;     // sound of the file has reached the output
    unsigned roundsEnded = 0;
    bool stopping = false;  // the sound is being torn down
};

namespace {

constexpr std::chrono::milliseconds PrerollLimit{5000};
constexpr std::chrono::milliseconds PrerollStep{100};
// The first round may still be on its way to the output when it has been read to its end.
constexpr std::chrono::milliseconds FirstSoundWait{1000};

GstPadProbeReturn NoteFirstSound(GstPad*, GstPadProbeInfo*, gpointer data)
{
    auto* state = static_cast<LoopingSoundState*>(data);
    {
        const std::lock_guard lock(state->mutex);
        state->heard = true;
    }
    state->changed.notify_all();
    return GST_PAD_PROBE_REMOVE;
}

GstElement* MakeListenedPlaybin(const std::string& path, LoopingSoundState& state)
{
    GstElement* playbin = MakeAudioPlaybin(path);
    if (playbin == nullptr)
        return nullptr;
    GstElement* sink = nullptr;
    g_object_get(playbin, "audio-sink", &sink, nullptr);
    if (sink != nullptr) {
        if (GstPad* pad = gst_element_get_static_pad(sink, "sink")) {
            gst_pad_add_probe(pad, static_cast<GstPadProbeType>(GST_PAD_PROBE_TYPE_BUFFER | GST_PAD_PROBE_TYPE_BUFFER_LIST),
                              NoteFirstSound, &state, nullptr);
            gst_object_unref(pad);
        }
        gst_object_unref(sink);
    }
    return playbin;
}

std::unique_ptr<LoopingSoundState> NewState(bool loop)
{
    auto state = std::make_unique<LoopingSoundState>();
    state->loop = loop;
    return state;
}

}

LoopingSound::LoopingSound(const std::string& path, bool loop)
    : m_state(NewState(loop))
    , m_player(MakeListenedPlaybin(path, *m_state))
{
    LoopingSoundState* state = m_state.get();
    m_player.onSegmentDone([state] {
        {
            const std::lock_guard lock(state->mutex);
            ++state->roundsEnded;
        }
        state->changed.notify_all();
    });
}

LoopingSound::~LoopingSound()
{
    {
        const std::lock_guard lock(m_state->mutex);
        m_state->stopping = true;
    }
    m_state->changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

bool LoopingSound::start()
{
    if (m_player.pipeline() == nullptr)
        return false;
    m_thread = std::thread([this] { run(); });
    return true;
}

bool LoopingSound::stopping()
{
    const std::lock_guard lock(m_state->mutex);
    return m_state->stopping;
}

void LoopingSound::run()
{
    // Waits in short steps, so that stopping never waits for a slow file.
    bool ready = false;
    for (auto waited = std::chrono::milliseconds{0};
         !ready && !m_player.failed() && waited < PrerollLimit && !stopping(); waited += PrerollStep)
        ready = m_player.preroll(PrerollStep);
    if (!ready || m_player.failed())
        return;
    if (!m_state->loop) {
        m_player.play();
        return;
    }
    if (!m_player.seekSegment(true) || !m_player.play())
        return;
    unsigned rounds = 0;
    std::unique_lock lock(m_state->mutex);
    while (true) {
        m_state->changed.wait(lock, [&] { return m_state->stopping || m_state->roundsEnded != rounds; });
        if (m_state->stopping)
            return;
        rounds = m_state->roundsEnded;
        m_state->changed.wait_for(lock, FirstSoundWait, [&] { return m_state->heard || m_state->stopping; });
        if (m_state->stopping || !m_state->heard)
            return;
        lock.unlock();
        m_player.seekSegment(false);
        lock.lock();
    }
}
