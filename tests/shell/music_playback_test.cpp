#include "shell/shell_settings.h"
#include "shell/tavrolin_bgm.h"
#include "tests/support/private_pulse_audio.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_media.h"

#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace {

using namespace std::chrono_literals;

// The player with the system's own sound services, played for real into a private PulseAudio
// null sink.
class MusicPlayback : public ::testing::Test {
protected:
    static void SetUpTestSuite() { s_pulse = std::make_unique<PrivatePulseAudio>(); }
    static void TearDownTestSuite() { s_pulse.reset(); }
    void SetUp() override { ShellSettings = {}; }

    static std::unique_ptr<PrivatePulseAudio> s_pulse;
    TemporaryFolder m_folder;
};

std::unique_ptr<PrivatePulseAudio> MusicPlayback::s_pulse;

TEST_F(MusicPlayback, Mp3StartsAgainWithinASecondOfItsEnd)
{
    ShellSettings.BgmFile = (m_folder.path() / "My Music" / "song.mp3").string();
    std::filesystem::create_directory(m_folder.path() / "My Music");
    MakeMp3Tone(ShellSettings.BgmFile, 1000ms);
    FileMusicStart();
    EXPECT_TRUE(FileMusicIsPlaying());
    EXPECT_TRUE(s_pulse->waitForPlayingStreams(1, 3s));

    // The host's repeat watch, once a second; the file lasts one second.
    int rewinds = 0;
    for (int tick = 0; tick < 5; ++tick) {
        std::this_thread::sleep_for(1000ms);
        if (!FileMusicIsPlaying())
            ++rewinds;
        FileMusicRewind();
        EXPECT_TRUE(FileMusicIsPlaying());
    }
    EXPECT_GE(rewinds, 2);

    // Heard again right after a rewind.
    for (int wait = 0; wait < 60 && FileMusicIsPlaying(); ++wait)
        std::this_thread::sleep_for(50ms);
    ASSERT_FALSE(FileMusicIsPlaying());
    FileMusicRewind();
    EXPECT_GT(SoundShare(s_pulse->record(500ms)), 0.6);

    FileMusicStop();
    EXPECT_FALSE(FileMusicIsPlaying());
    EXPECT_TRUE(s_pulse->waitForPlayingStreams(0, 3s));
    EXPECT_EQ(s_pulse->streamCount(), 0);
}

TEST_F(MusicPlayback, AFileThatIsNoSoundStaysSilentWhileTheWatchKeepsTrying)
{
    ShellSettings.BgmFile = m_folder.write("broken.mp3", std::string(4096, '\x55')).string();
    FileMusicStart();
    for (int tick = 0; tick < 20; ++tick) {
        FileMusicRewind();
        EXPECT_FALSE(FileMusicIsPlaying());
    }
    EXPECT_EQ(s_pulse->streamCount(), 0);
    FileMusicStop();
}

TEST_F(MusicPlayback, WavLoopsUntilStopped)
{
    ShellSettings.BgmFile = (m_folder.path() / "loop.wav").string();
    MakeWavTone(ShellSettings.BgmFile, 400ms);
    WavStart();
    EXPECT_TRUE(s_pulse->waitForPlayingStreams(1, 3s));
    std::this_thread::sleep_for(1200ms);
    EXPECT_GT(SoundShare(s_pulse->record(600ms)), 0.8);
    WavStop();
    EXPECT_TRUE(s_pulse->waitForPlayingStreams(0, 3s));
}

}
