#include "shell/shell_settings.h"
#include "shell/tavrolin_bgm.h"
#include "tests/shell/scripted_music_device.h"

#include <gtest/gtest.h>

namespace {

class MusicPlayer : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_settings = ShellSettings;
        ShellSettings = {};
    }
    void TearDown() override { ShellSettings = m_settings; }

    // One watch tick; returns the commands it sent.
    std::vector<std::string> Tick()
    {
        m_device.sent.clear();
        CdWatch();
        return m_device.commands();
    }

    ScriptedMusicDevice m_device;

private:
    ShellSettingsRecord m_settings;
};

using Commands = std::vector<std::string>;
const std::string CurrentTrack = "status cdaudio current track";
const std::string TrackCount = "status cdaudio number of tracks";
const std::string Mode = "status cdaudio mode";

TEST_F(MusicPlayer, MciCommandRepliesWithTheAnswerOrTheErrorsDescription)
{
    std::string reply = "old";
    EXPECT_EQ(MciCommand("", reply), -1);
    EXPECT_EQ(reply, "コマンド文字列が指定されていません");
    EXPECT_TRUE(m_device.sent.empty());

    m_device.answers["status cdaudio mode"] = {0, "playing"};
    EXPECT_EQ(MciCommand("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, "playing");
    EXPECT_EQ(m_device.sent.back(), (ScriptedMusicDevice::Sent{"status cdaudio mode", 512}));

    m_device.answers["open cdaudio"] = {306, ""};
    m_device.descriptions[306] = "no drive";
    EXPECT_EQ(MciCommand("open cdaudio", reply), 306);
    EXPECT_EQ(reply, "no drive");
    m_device.descriptions.clear();
    EXPECT_EQ(MciCommand("open cdaudio", reply), 306);
    EXPECT_EQ(reply, "Error (文字列が取れません)");
}

TEST_F(MusicPlayer, ARepliesFullBufferIsReadNoFurther)
{
    m_device.answers["status cdaudio mode"] = {0, std::string(600, 'p')};
    std::string reply;
    EXPECT_EQ(MciCommand("status cdaudio mode", reply), 0);
    EXPECT_EQ(reply, std::string(512, 'p'));
}

TEST_F(MusicPlayer, MciStatusTurnsAFailureIntoErrorAndItsCode)
{
    m_device.answers[CurrentTrack] = {275, "ignored"};
    m_device.descriptions[275] = "file not found";
    EXPECT_EQ(MciStatus(CurrentTrack), "Error:275");
    EXPECT_EQ(MciReply, "file not found");
    m_device.answers[CurrentTrack] = {0, "4"};
    EXPECT_EQ(MciStatus(CurrentTrack), "4");
}

TEST_F(MusicPlayer, WholeDiscStartsWhenStoppedAndIsLeftAloneWhilePlaying)
{
    m_device.disc(1, 12, "stopped");
    EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount, Mode, "play cdaudio"}));
    EXPECT_EQ(m_device.sent[0].replyLength, 512u);
    EXPECT_EQ(m_device.sent[1].replyLength, 512u);
    EXPECT_EQ(m_device.sent[2].replyLength, 255u);
    EXPECT_TRUE(CdWatchOk);

    m_device.disc(7, 12, "playing");
    EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount, Mode}));
    // The disc has played to its end: it starts again.
    m_device.disc(12, 12, "stopped");
    EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount, Mode, "play cdaudio"}));
    EXPECT_TRUE(CdWatchOk);
}

TEST_F(MusicPlayer, RepeatTrackIsStartedAndReturnedToWhenTheDiscMovesOn)
{
    ShellSettings.BgmRepeat = 3;
    const Commands backToThree{CurrentTrack, TrackCount, Mode, "status cdaudio position track 3",
                               "play cdaudio from 03:00:00:00"};
    m_device.disc(1, 12, "stopped");
    EXPECT_EQ(Tick(), backToThree);
    m_device.disc(3, 12, "playing");
    EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount, Mode}));
    m_device.disc(4, 12, "playing");
    EXPECT_EQ(Tick(), backToThree);
    m_device.disc(5, 12, "playing");
    EXPECT_EQ(Tick(), backToThree);
    // On the right track but stopped (the disc had only three tracks and ran out).
    m_device.disc(3, 12, "stopped");
    EXPECT_EQ(Tick(), backToThree);
    EXPECT_TRUE(CdWatchOk);
}

TEST_F(MusicPlayer, TrackNumbersAreComparedAsNumbers)
{
    ShellSettings.BgmRepeat = 3;
    m_device.disc(3, 12, "playing");
    m_device.answers[CurrentTrack] = {0, " 03 "};
    EXPECT_EQ(Tick().size(), 3u);
    m_device.answers[CurrentTrack] = {0, "three"};
    EXPECT_EQ(Tick().size(), 3u);
    EXPECT_FALSE(CdWatchOk);
}

TEST_F(MusicPlayer, ARepeatTrackTheDiscLacksIsTriedAgainAtEveryTick)
{
    ShellSettings.BgmRepeat = 30;
    m_device.disc(1, 12, "playing");
    m_device.answers["status cdaudio position track 30"] = {282, ""};
    for (int tick = 0; tick < 3; ++tick) {
        EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount, Mode, "status cdaudio position track 30",
                                    "play cdaudio from Error:282"}));
        EXPECT_TRUE(CdWatchOk);
    }
}

TEST_F(MusicPlayer, AFailedTrackQueryStopsTheWatchAtOnce)
{
    m_device.disc(1, 12, "stopped");
    m_device.answers[CurrentTrack] = {263, ""};
    EXPECT_EQ(Tick(), (Commands{CurrentTrack}));
    EXPECT_FALSE(CdWatchOk);

    m_device.disc(1, 12, "stopped");
    m_device.answers[TrackCount] = {276, ""};
    EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount}));
    EXPECT_FALSE(CdWatchOk);

    // Each run starts hopeful again.
    m_device.disc(1, 12, "playing");
    Tick();
    EXPECT_TRUE(CdWatchOk);
}

TEST_F(MusicPlayer, ErrInAnyLetterCaseIsAFailedQuery)
{
    for (const char* reply : {"err", "Device ERROR", "tERRible", "eRr"}) {
        m_device.disc(1, 12, "stopped");
        m_device.answers[TrackCount] = {0, reply};
        EXPECT_EQ(Tick(), (Commands{CurrentTrack, TrackCount})) << reply;
        EXPECT_FALSE(CdWatchOk) << reply;
    }
    m_device.disc(1, 12, "stopped");
    m_device.answers[CurrentTrack] = {0, "eRR"};
    EXPECT_EQ(Tick(), (Commands{CurrentTrack}));
    EXPECT_FALSE(CdWatchOk);
}

TEST_F(MusicPlayer, OnlyTheFirstSevenLettersOfTheModeCount)
{
    m_device.disc(1, 12, "stopped at the end of the disc");
    EXPECT_EQ(Tick().back(), "play cdaudio");
    m_device.disc(1, 12, "playing on");
    EXPECT_EQ(Tick().size(), 3u);
    m_device.disc(1, 12, "stoppe");
    EXPECT_EQ(Tick().size(), 3u);
}

TEST_F(MusicPlayer, Mp3IsOpenedQuotedAndPlayedOnlyWhenTheOpenWorked)
{
    ShellSettings.BgmFile = "/home/me/My Music/song.mp3";
    const std::string open = "open \"/home/me/My Music/song.mp3\" type MPEGVideo Alias MP3Play";
    FileMusicStart();
    EXPECT_EQ(m_device.sent, (std::vector<ScriptedMusicDevice::Sent>{{open, 0}, {"play MP3Play", 0}}));

    m_device.sent.clear();
    m_device.answers[open] = {296, ""};
    FileMusicStart();
    EXPECT_EQ(m_device.commands(), (Commands{open}));
}

TEST_F(MusicPlayer, AMusicPathWithAQuoteIsRefused)
{
    ShellSettings.BgmFile = "/m/a\" alias x \"b.mp3";
    FileMusicStart();
    EXPECT_TRUE(m_device.sent.empty());
}

TEST_F(MusicPlayer, Mp3IsRewoundOnlyOnceItHasStopped)
{
    m_device.answers["status MP3Play mode"] = {0, "playing and more"};
    FileMusicRewind();
    EXPECT_EQ(m_device.sent, (std::vector<ScriptedMusicDevice::Sent>{{"status MP3Play mode", 30}}));

    for (const ScriptedMusicDevice::Answer& stopped : {ScriptedMusicDevice::Answer{0, "stopped"}, {263, ""}}) {
        m_device.answers["status MP3Play mode"] = stopped;
        m_device.sent.clear();
        FileMusicRewind();
        EXPECT_EQ(m_device.sent, (std::vector<ScriptedMusicDevice::Sent>{{"status MP3Play mode", 30},
                                                                         {"stop MP3Play", 0},
                                                                         {"play MP3Play from 0", 0}}));
    }
}

}
