#include "shell/shell_settings.h"
#include "shell/tavrolin_bgm.h"
#include "shell/tavrolin_s.h"
#include "tests/support/test_application.h"
#include "tests/shell/scripted_music_device.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

using Commands = std::vector<std::string>;
using Sounds = std::vector<std::pair<std::string, unsigned>>;

// The music steps of the host window's start-up, timers and end, against the scripted device.
class HostMusic : public ::testing::Test {
protected:
    void SetUp() override
    {
        EnsureApplication();
        m_host = std::make_unique<Tavrolin_S>('S');
        m_settings = ShellSettings;
        ShellSettings = {};
    }
    void TearDown() override { ShellSettings = m_settings; }

    void UseFile(const std::string& path)
    {
        ShellSettings.BgmKind = BgmKindFile;
        ShellSettings.BgmFile = path;
    }

    ScriptedMusicDevice m_device;
    std::unique_ptr<Tavrolin_S> m_host;

private:
    ShellSettingsRecord m_settings;
};

TEST_F(HostMusic, CdIsOpenedAndWatchedAndClosedAtTheEnd)
{
    ShellSettings.BgmKind = BgmKindCd;
    ShellSettings.BgmFile = "/m/song.mp3";
    m_host->StartMusic();
    EXPECT_EQ(m_device.commands(), (Commands{"open cdaudio", "set cdaudio time format tmsf"}));
    EXPECT_TRUE(m_host->Timer2.isActive());
    EXPECT_EQ(m_host->Timer2.interval(), 200);
    EXPECT_FALSE(m_host->Timer1.isActive());

    m_device.disc(1, 9, "stopped");
    m_host->Timer2Tick();
    EXPECT_EQ(m_device.commands().back(), "play cdaudio");
    EXPECT_TRUE(m_host->Timer2.isActive());

    m_device.sent.clear();
    m_host->StopMusic();
    EXPECT_EQ(m_device.commands(), (Commands{"stop cdaudio", "close cdaudio"}));
    EXPECT_FALSE(m_host->Timer2.isActive());
    EXPECT_TRUE(m_device.sounds.empty());
}

TEST_F(HostMusic, WithoutADiscTheCdWatchGivesUpAndTheEndLeavesTheDeviceAlone)
{
    ShellSettings.BgmKind = BgmKindCd;
    m_device.answers["status cdaudio current track"] = {263, ""};
    m_host->StartMusic();
    m_host->Timer2Tick();
    EXPECT_FALSE(CdWatchOk);
    EXPECT_FALSE(m_host->Timer2.isActive());
    m_device.sent.clear();
    m_host->StopMusic();
    EXPECT_TRUE(m_device.sent.empty());
}

TEST_F(HostMusic, Mp3IsPlayedAndRewoundByTimer1InAnyLetterCase)
{
    UseFile("/m/Song.Mp3");
    m_host->StartMusic();
    EXPECT_EQ(m_device.commands(), (Commands{"open \"/m/Song.Mp3\" type MPEGVideo Alias MP3Play", "play MP3Play"}));
    EXPECT_TRUE(m_host->Timer1.isActive());
    EXPECT_EQ(m_host->Timer1.interval(), 1000);
    EXPECT_FALSE(m_host->Timer2.isActive());
    EXPECT_EQ(m_host->Timer3.interval(), 500);

    m_device.sent.clear();
    m_device.answers["status MP3Play mode"] = {0, "stopped"};
    m_host->Timer1Tick();
    EXPECT_EQ(m_device.commands(), (Commands{"status MP3Play mode", "stop MP3Play", "play MP3Play from 0"}));

    m_device.sent.clear();
    m_host->StopMusic();
    EXPECT_EQ(m_device.commands(), (Commands{"stop MP3Play", "close MP3Play"}));
    EXPECT_FALSE(m_host->Timer1.isActive());

    // A file that does not open is watched all the same.
    m_device.sent.clear();
    m_device.answers["open \"/m/Song.Mp3\" type MPEGVideo Alias MP3Play"] = {275, ""};
    m_host->StartMusic();
    EXPECT_EQ(m_device.commands().size(), 1u);
    EXPECT_TRUE(m_host->Timer1.isActive());
}

TEST_F(HostMusic, WavLoopsByItselfUntilTheEndWhenThereIsAnOutput)
{
    UseFile("/m/loop.wav");
    m_host->StartMusic();
    EXPECT_FALSE(m_host->Timer1.isActive());
    EXPECT_FALSE(m_host->Timer2.isActive());
    m_host->StopMusic();
    m_device.outputs = 0;
    m_host->StartMusic();
    EXPECT_EQ(m_device.sounds, (Sounds{{"/m/loop.wav", 9}, {"", 0}}));
    EXPECT_TRUE(m_device.sent.empty());
}

TEST_F(HostMusic, OtherKindsAndEndingsPlayNothing)
{
    for (const std::string file : {"/m/film.mpeg", "/m/loop.wave", "/m/song.mp2", ""}) {
        UseFile(file);
        m_host->StartMusic();
        m_host->StopMusic();
    }
    ShellSettings.BgmFile = "/m/song.mp3";
    for (const std::int16_t kind : {BgmKindNone, std::int16_t{3}, std::int16_t{-1}}) {
        ShellSettings.BgmKind = kind;
        m_host->StartMusic();
        m_host->StopMusic();
    }
    EXPECT_TRUE(m_device.sent.empty());
    EXPECT_TRUE(m_device.sounds.empty());
    EXPECT_FALSE(m_host->Timer1.isActive());
    EXPECT_FALSE(m_host->Timer2.isActive());
}

}
