#include "platform/sound/mci.h"
#include "platform/sound/play_sound.h"
#include "platform/sound/wave_out.h"
#include "tests/support/pulse_audio_test.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_media.h"
#include "tests/support/wait_until.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Real sound into a null sink of a private PulseAudio server: decoded by GStreamer, heard through
// the sink's monitor.
class SoundPlayback : public PulseAudioTest {
protected:
    static std::string Mode()
    {
        char reply[30] = {};
        mciSendStringA("status MP3Play mode", reply, sizeof reply, nullptr);
        return reply;
    }

    static bool WaitForMode(const std::string& mode, std::chrono::milliseconds limit)
    {
        return WaitUntil([&] { return Mode() == mode; }, limit);
    }

    TemporaryFolder m_folder;
};

double ProcessorSeconds()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

TEST_F(SoundPlayback, TheNullSinkCountsAsAnOutputDevice)
{
    EXPECT_GE(waveOutGetNumDevs(), 1u);
}

TEST_F(SoundPlayback, Mp3PlaysToItsEndThenAgainFromTheStartAndCloseEndsIt)
{
    const std::filesystem::path tone = m_folder.path() / "tone.mp3";
    MakeMp3Tone(tone, 1500ms);
    const std::string open = "open \"" + tone.string() + "\" type MPEGVideo Alias MP3Play";
    ASSERT_EQ(mciSendStringA(open.c_str(), nullptr, 0, nullptr), 0u);
    EXPECT_EQ(Pulse().playingStreamCount(), 0);

    ASSERT_EQ(mciSendStringA("play MP3Play", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(Pulse().waitForPlayingStreams(1, 3s));
    EXPECT_TRUE(WaitUntil([&] { return SoundShare(Pulse().record(400ms)) > 0.6; }, 3s));

    // A second and a half of sound: it ends on its own, and then stays quiet.
    ASSERT_TRUE(WaitForMode("stopped", 10s));
    EXPECT_LT(SoundShare(Pulse().record(300ms)), 0.2);

    EXPECT_EQ(mciSendStringA("stop MP3Play", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(mciSendStringA("play MP3Play from 0", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(Mode(), "playing");
    EXPECT_TRUE(WaitUntil([&] { return SoundShare(Pulse().record(400ms)) > 0.6; }, 3s));

    EXPECT_EQ(mciSendStringA("stop MP3Play", nullptr, 0, nullptr), 0u);
    EXPECT_EQ(Mode(), "stopped");
    EXPECT_EQ(mciSendStringA("close MP3Play", nullptr, 0, nullptr), 0u);
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
    EXPECT_EQ(Pulse().streamCount(), 0);
}

// The silent stretches between loud ones, in seconds, from 50 ms stretches of the recording.
std::vector<double> Gaps(const std::vector<short>& samples)
{
    constexpr std::size_t Stretch = 400;
    std::vector<double> gaps;
    int quiet = -1; // stretches of silence since the last loud one; -1 before the first
    for (std::size_t at = 0; at + Stretch <= samples.size(); at += Stretch) {
        const bool loud = SoundShare(std::vector<short>(samples.begin() + at, samples.begin() + at + Stretch)) > 0.5;
        if (loud && quiet > 0)
            gaps.push_back(quiet * 0.05);
        if (loud)
            quiet = 0;
        else if (quiet >= 0)
            ++quiet;
    }
    return gaps;
}

TEST_F(SoundPlayback, Mp3RewoundEverySecondComesBackWithinASecondOfItsEnd)
{
    const std::filesystem::path tone = m_folder.path() / "loop.mp3";
    MakeMp3Tone(tone, 1500ms);
    const std::string open = "open \"" + tone.string() + "\" type MPEGVideo Alias MP3Play";
    ASSERT_EQ(mciSendStringA(open.c_str(), nullptr, 0, nullptr), 0u);
    ASSERT_EQ(mciSendStringA("play MP3Play", nullptr, 0, nullptr), 0u);
    ASSERT_TRUE(Pulse().waitForPlayingStreams(1, 3s));
    const std::vector<int> stream = Pulse().streamNumbers();
    std::vector<short> recording;
    std::thread listener([&] { recording = Pulse().record(14s); });
    // What the host window's one-second timer does, for as long as the recording lasts.
    const auto start = std::chrono::steady_clock::now();
    int rewinds = 0;
    for (auto tick = start + 1s; tick < start + 14s; tick += 1s) {
        std::this_thread::sleep_until(tick);
        if (Mode() != "playing") {
            mciSendStringA("stop MP3Play", nullptr, 0, nullptr);
            mciSendStringA("play MP3Play from 0", nullptr, 0, nullptr);
            ++rewinds;
            // Kept open: a sound output let go between loops may take seconds to start again.
            EXPECT_EQ(Pulse().streamNumbers(), stream);
        }
    }
    listener.join();
    mciSendStringA("close MP3Play", nullptr, 0, nullptr);
    EXPECT_GE(rewinds, 5);
    const std::vector<double> gaps = Gaps(recording);
    EXPECT_GE(gaps.size(), 4u);
    for (double gap : gaps)
        EXPECT_LE(gap, 1.1) << "seconds of silence between loops";
}

TEST_F(SoundPlayback, TruncatedMp3PlaysWhatItHoldsAndCanBeRewound)
{
    const std::filesystem::path whole = m_folder.path() / "whole.mp3";
    MakeMp3Tone(whole, 1000ms);
    const std::string bytes = TemporaryFolder::read(whole);
    const std::filesystem::path cut = m_folder.write("cut.mp3", bytes.substr(0, bytes.size() / 3));
    const std::string open = "open \"" + cut.string() + "\" type MPEGVideo Alias MP3Play";
    ASSERT_EQ(mciSendStringA(open.c_str(), nullptr, 0, nullptr), 0u);
    for (int round = 0; round < 3; ++round) {
        ASSERT_EQ(mciSendStringA("play MP3Play from 0", nullptr, 0, nullptr), 0u);
        EXPECT_TRUE(WaitForMode("stopped", 10s));
    }
    EXPECT_EQ(mciSendStringA("close MP3Play", nullptr, 0, nullptr), 0u);
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
}

TEST_F(SoundPlayback, WavLoopsWithoutGapsUntilStopped)
{
    const std::filesystem::path tone = m_folder.path() / "tone.wav";
    MakeWavTone(tone, 500ms);
    ASSERT_TRUE(PlaySoundA(tone.c_str(), nullptr, SND_ASYNC | SND_LOOP));
    EXPECT_TRUE(Pulse().waitForPlayingStreams(1, 3s));
    // Past the file's half second the sound goes on: whole recordings of it without a break.
    EXPECT_TRUE(WaitUntil([&] { return SoundShare(Pulse().record(800ms)) > 0.8; }, 10s));
    EXPECT_EQ(Pulse().playingStreamCount(), 1);

    EXPECT_TRUE(PlaySoundA(nullptr, nullptr, 0));
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
    EXPECT_LT(SoundShare(Pulse().record(300ms)), 0.2);
}

TEST_F(SoundPlayback, SoundFilesWithNothingToLoopStayQuietWithoutSpinning)
{
    const std::filesystem::path noSamples = m_folder.path() / "nothing.wav";
    MakeWavTone(noSamples, 0ms);
    const std::filesystem::path text = m_folder.write("text.wav", "not a sound\n");

    for (const std::filesystem::path& file : {noSamples, text}) {
        const double before = ProcessorSeconds();
        PlaySoundA(file.c_str(), nullptr, SND_ASYNC | SND_LOOP);
        std::this_thread::sleep_for(1500ms);
        EXPECT_LT(ProcessorSeconds() - before, 0.5) << file;
        EXPECT_LT(SoundShare(Pulse().record(300ms)), 0.2) << file;
    }
    EXPECT_FALSE(PlaySoundA((m_folder.path() / "missing.wav").c_str(), nullptr, SND_ASYNC | SND_LOOP));
    EXPECT_FALSE(PlaySoundA(noSamples.c_str(), nullptr, SND_SYNC));
    PlaySoundA(nullptr, nullptr, 0);
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
}

TEST_F(SoundPlayback, AVeryShortSoundLoopsSeamlesslyWithoutTakingTheProcessor)
{
    const std::filesystem::path tiny = m_folder.path() / "tiny.wav";
    MakeWavTone(tiny, 20ms);
    const double before = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(PlaySoundA(tiny.c_str(), nullptr, SND_ASYNC | SND_LOOP));
    EXPECT_TRUE(WaitUntil([&] { return SoundShare(Pulse().record(500ms)) > 0.8; }, 10s));
    // Far above what the loop takes, far below a processor kept busy all along.
    const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT((ProcessorSeconds() - before) / elapsed, 0.4);
    PlaySoundA(nullptr, nullptr, 0);
}

}
