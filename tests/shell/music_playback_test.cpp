#include "shell/shell_settings.h"
#include "shell/tavrolin_bgm.h"
#include "tests/support/pulse_audio_test.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_media.h"
#include "tests/support/wait_until.h"

#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// The player with the system's own sound services, played for real into a private PulseAudio
// null sink.
class MusicPlayback : public PulseAudioTest {
protected:
    void SetUp() override
    {
        m_settings = ShellSettings;
        ShellSettings = {};
    }
    void TearDown() override { ShellSettings = m_settings; }

    TemporaryFolder m_folder;

private:
    ShellSettingsRecord m_settings;
};

TEST_F(MusicPlayback, Mp3StartsAgainWithinASecondOfItsEnd)
{
    ShellSettings.BgmFile = (m_folder.path() / "My Music" / "song.mp3").string();
    std::filesystem::create_directory(m_folder.path() / "My Music");
    MakeMp3Tone(ShellSettings.BgmFile, 1000ms);
    FileMusicStart();
    EXPECT_TRUE(FileMusicIsPlaying());
    EXPECT_TRUE(Pulse().waitForPlayingStreams(1, 3s));

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
    ASSERT_TRUE(WaitUntil([] { return !FileMusicIsPlaying(); }, 3s));
    FileMusicRewind();
    EXPECT_GT(SoundShare(Pulse().record(500ms)), 0.6);

    FileMusicStop();
    EXPECT_FALSE(FileMusicIsPlaying());
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
    EXPECT_EQ(Pulse().streamCount(), 0);
}

TEST_F(MusicPlayback, AFileThatIsNoSoundStaysSilentWhileTheWatchKeepsTrying)
{
    ShellSettings.BgmFile = m_folder.write("broken.mp3", std::string(4096, '\x55')).string();
    FileMusicStart();
    for (int tick = 0; tick < 20; ++tick) {
        FileMusicRewind();
        EXPECT_FALSE(FileMusicIsPlaying());
    }
    EXPECT_EQ(Pulse().streamCount(), 0);
    FileMusicStop();
}

TEST_F(MusicPlayback, WavLoopsUntilStopped)
{
    ShellSettings.BgmFile = (m_folder.path() / "loop.wav").string();
    MakeWavTone(ShellSettings.BgmFile, 400ms);
    WavStart();
    EXPECT_TRUE(Pulse().waitForPlayingStreams(1, 3s));
    std::this_thread::sleep_for(1200ms);
    EXPECT_GT(SoundShare(Pulse().record(600ms)), 0.8);
    WavStop();
    EXPECT_TRUE(Pulse().waitForPlayingStreams(0, 3s));
}

}
