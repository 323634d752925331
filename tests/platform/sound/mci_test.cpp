#include "platform/sound/cd_toc.h"
#include "platform/sound/mci.h"
#include "tests/support/temporary_folder.h"
#include "tests/support/test_media.h"

#include <gtest/gtest.h>

namespace {

struct Answer {
    MCIERROR code;
    std::string reply;
};

// Sends the command; every failure must come with a description of its code.
Answer Send(const std::string& command, unsigned replyLength = 128)
{
    std::vector<char> buffer(replyLength + 1, 'x');
    const MCIERROR code = mciSendStringA(command.c_str(), replyLength ? buffer.data() : nullptr, replyLength, nullptr);
    char description[256] = "";
    EXPECT_EQ(mciGetErrorStringA(code, description, sizeof description), code != 0) << command;
    EXPECT_EQ(std::string(description).empty(), code == 0) << command;
    return {code, replyLength ? std::string(buffer.data()) : std::string()};
}

TEST(Mci, CommandsAndDevicesThatAreNotKnownFail)
{
    EXPECT_EQ(Send("").code, MCIERR_MISSING_COMMAND_STRING);
    EXPECT_EQ(mciSendStringA(nullptr, nullptr, 0, nullptr), MCIERR_MISSING_COMMAND_STRING);
    EXPECT_EQ(Send("eject cdaudio").code, MCIERR_UNRECOGNIZED_COMMAND);
    EXPECT_EQ(Send("status MP3Play mode").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("play MP3Play from 0").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("stop MP3Play").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("close MP3Play").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("status").code, MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(Send("open \"/no/such/file.mp3 type MPEGVideo").code, MCIERR_NO_CLOSING_QUOTE);
    EXPECT_EQ(Send("open /tmp/a.mp3").code, MCIERR_DEVICE_TYPE_REQUIRED);
    EXPECT_EQ(Send("open /tmp/a.mp3 type waveaudio").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send("open /tmp/a.mp3 type MPEGVideo alias").code, MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(Send("open /tmp/a.mp3 type MPEGVideo wait now").code, MCIERR_UNRECOGNIZED_KEYWORD);
}

TEST(Mci, AFailedCommandLeavesTheReplyEmpty)
{
    const Answer answer = Send("status MP3Play mode");
    EXPECT_EQ(answer.code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(answer.reply, "");
}

TEST(Mci, UnknownCodesHaveNoDescriptionAndTextIsCutToTheBuffer)
{
    char text[256] = "x";
    EXPECT_FALSE(mciGetErrorStringA(0, text, sizeof text));
    EXPECT_STREQ(text, "");
    EXPECT_FALSE(mciGetErrorStringA(99999, text, sizeof text));
    char small[8];
    EXPECT_TRUE(mciGetErrorStringA(MCIERR_FILE_NOT_FOUND, small, sizeof small));
    EXPECT_EQ(std::string(small).size(), 7u);
}

TEST(Mci, WithoutACdDriveOpeningAndEveryQueryFail)
{
    if (FindCdDrive())
        GTEST_SKIP() << "this machine has a CD drive";
    EXPECT_EQ(Send("open cdaudio").code, MCIERR_DEVICE_NOT_INSTALLED);
    EXPECT_EQ(Send("set cdaudio time format tmsf").code, MCIERR_INVALID_DEVICE_NAME);
    for (const char* query : {"status cdaudio current track", "status cdaudio number of tracks",
                              "status cdaudio mode", "status cdaudio position track 1"})
        EXPECT_NE(Send(query).code, 0u) << query;
    EXPECT_NE(Send("play cdaudio").code, 0u);
}

TEST(Mci, FilesWithoutDecodableSoundDoNotOpenAndLeaveNoDevice)
{
    TemporaryFolder folder;
    const std::string missing = (folder.path() / "missing.mp3").string();
    const std::string empty = folder.write("empty.mp3", "").string();
    const std::string text = folder.write("text.mp3", "This is a text file, not a sound.\n").string();
    std::filesystem::create_directory(folder.path() / "folder.mp3");
    const std::string directory = (folder.path() / "folder.mp3").string();

    EXPECT_EQ(Send("open \"" + missing + "\" type MPEGVideo Alias MP3Play").code, MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(Send("open \"" + directory + "\" type MPEGVideo Alias MP3Play").code, MCIERR_FILE_NOT_FOUND);
    EXPECT_EQ(Send("open \"" + empty + "\" type MPEGVideo Alias MP3Play").code, MCIERR_INVALID_FILE);
    EXPECT_EQ(Send("open \"" + text + "\" type MPEGVideo Alias MP3Play").code, MCIERR_INVALID_FILE);
    // The rewind watch keeps trying: every try fails at once and nothing is kept.
    for (int tick = 0; tick < 50; ++tick) {
        EXPECT_EQ(Send("status MP3Play mode", 30).code, MCIERR_INVALID_DEVICE_NAME);
        EXPECT_EQ(Send("stop MP3Play", 0).code, MCIERR_INVALID_DEVICE_NAME);
        EXPECT_EQ(Send("play MP3Play from 0", 0).code, MCIERR_INVALID_DEVICE_NAME);
    }
}

TEST(Mci, AnOpenFileAnswersStatusAndRefusesASecondOpenUnderItsName)
{
    TemporaryFolder folder;
    const std::filesystem::path tone = folder.path() / "tone.mp3";
    MakeMp3Tone(tone, std::chrono::milliseconds(500));
    const std::string open = "open \"" + tone.string() + "\" type MPEGVideo Alias MP3Play";
    ASSERT_EQ(Send(open).code, 0u);
    EXPECT_EQ(Send(open).code, MCIERR_DUPLICATE_ALIAS);
    EXPECT_EQ(Send("status mp3play MODE").reply, "stopped");
    EXPECT_EQ(Send("status MP3Play mode", 7).code, MCIERR_PARAM_OVERFLOW);
    EXPECT_EQ(Send("status MP3Play mode", 8).reply, "stopped");
    EXPECT_EQ(Send("status MP3Play length").code, MCIERR_UNRECOGNIZED_KEYWORD);
    EXPECT_EQ(Send("status MP3Play").code, MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(Send("play MP3Play from soon").code, MCIERR_BAD_INTEGER);
    EXPECT_EQ(Send("play MP3Play from").code, MCIERR_MISSING_PARAMETER);
    EXPECT_EQ(Send("set MP3Play time format tmsf").code, MCIERR_BAD_TIME_FORMAT);
    EXPECT_EQ(Send("set MP3Play time format milliseconds").code, 0u);
    EXPECT_EQ(Send("close MP3Play").code, 0u);
    EXPECT_EQ(Send("close MP3Play").code, MCIERR_INVALID_DEVICE_NAME);
    EXPECT_EQ(Send(open).code, 0u);
    EXPECT_EQ(Send("close MP3Play").code, 0u);
}

}
