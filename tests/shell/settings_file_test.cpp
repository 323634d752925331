#include "files/program_folder.h"
#include "files/work_folder.h"
#include "shell/path_text.h"
#include "shell/settings_file.h"
#include "shell/shell_settings.h"
#include "tests/support/temporary_folder.h"

#include <fstream>
#include <gtest/gtest.h>

namespace {

class LoadSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellSettings = {};
        MakeWorkFolder();
    }

    // Writes the settings file with the given key lines under "[Section]".
    void settingsFile(const std::string& lines)
    {
        std::ofstream(SettingsFilePath(), std::ios::binary) << "[Section]\r\n" << lines;
    }

    std::string key(std::string_view name, const std::string& value)
    {
        return std::string(name) + "=" + value + "\r\n";
    }

    TemporaryHome home;
    TemporaryFolder music;
};

TEST_F(LoadSettingsTest, NoFileGivesCentredSlidersNoMusicAndTheProgramFolder)
{
    ShellSettings.BgmFile = "stale";
    LoadSettings();
    EXPECT_EQ(ShellSettings.ScalePos, 0);
    EXPECT_EQ(ShellSettings.FastPos, 0);
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindNone);
    EXPECT_EQ(ShellSettings.BgmRepeat, 0);
    EXPECT_EQ(ShellSettings.BgmFile, "");
    EXPECT_EQ(ShellSettings.BgmFolder, ProgramFolder().string());
}

TEST_F(LoadSettingsTest, LevelsBecomeSliderPositionsRoundedDown)
{
    settingsFile(key(ScaleKey, "11") + key(FastKey, "1"));
    LoadSettings();
    EXPECT_EQ(ShellSettings.ScalePos, 5);
    EXPECT_EQ(ShellSettings.FastPos, -5);

    settingsFile(key(ScaleKey, "7.9") + key(FastKey, " -0.5 ") + key(BgmRepeatKey, "3.99"));
    LoadSettings();
    EXPECT_EQ(ShellSettings.ScalePos, 1);
    EXPECT_EQ(ShellSettings.FastPos, -7);
    EXPECT_EQ(ShellSettings.BgmRepeat, 3);
}

TEST_F(LoadSettingsTest, NonNumbersAndOverflowsLeaveFieldsAsTheyWere)
{
    ShellSettings.ScalePos = 2;
    ShellSettings.FastPos = -3;
    ShellSettings.BgmRepeat = 4;
    ShellSettings.BgmKind = 1;
    settingsFile(key(ScaleKey, "abc") + key(FastKey, "7x") + key(BgmRepeatKey, "99999") + key(BgmKindKey, "1e9"));
    LoadSettings();
    EXPECT_EQ(ShellSettings.ScalePos, 2);
    EXPECT_EQ(ShellSettings.FastPos, -3);
    EXPECT_EQ(ShellSettings.BgmRepeat, 4);
    EXPECT_EQ(ShellSettings.BgmKind, 1);

    // Empty text is no failure: it reads as 0.
    settingsFile(key(ScaleKey, "") + key(BgmKindKey, ""));
    LoadSettings();
    EXPECT_EQ(ShellSettings.ScalePos, 0);
    EXPECT_EQ(ShellSettings.BgmKind, 0);
}

TEST_F(LoadSettingsTest, FileMusicWithoutAReadableFileIsTurnedOffForThisRunOnly)
{
    const std::string missing = (music.path() / "gone.mp3").string();
    settingsFile(key(BgmKindKey, "2") + key(BgmFileKey, missing));
    const std::string before = TemporaryFolder::read(SettingsFilePath());
    LoadSettings();
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindNone);
    EXPECT_EQ(ShellSettings.BgmFile, "");
    EXPECT_EQ(ShellSettings.BgmFolder, ProgramFolder().string());
    EXPECT_EQ(TemporaryFolder::read(SettingsFilePath()), before);

    settingsFile(key(BgmKindKey, "2") + key(BgmFileKey, ""));
    LoadSettings();
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindNone);
}

TEST_F(LoadSettingsTest, CdMusicNeedsNoFile)
{
    settingsFile(key(BgmKindKey, "1") + key(BgmRepeatKey, "12") + key(BgmFileKey, ""));
    LoadSettings();
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindCd);
    EXPECT_EQ(ShellSettings.BgmRepeat, 12);
}

TEST_F(LoadSettingsTest, ReadableMusicFileIsKeptWithItsFolder)
{
    // A UTF-8 name with a blank: stored as the file system's bytes, it must come back unchanged.
    const std::string path = music.write("ひかり 1.MP3", "ID3").string();
    settingsFile(key(BgmKindKey, "2") + key(BgmFileKey, path));
    LoadSettings();
    EXPECT_EQ(ShellSettings.BgmKind, BgmKindFile);
    EXPECT_EQ(ShellSettings.BgmFile, path);
    EXPECT_EQ(ShellSettings.BgmFolder, music.path().string());
}

TEST(IniStringTest, ValuesAreCutTo255BytesAndAtANul)
{
    TemporaryFolder folder;
    const auto file = folder.write("t.ini", "[Section]\r\nLong=" + std::string(300, 'a') + "\r\nNul=ab" + std::string(1, '\0') + "cd\r\n");
    EXPECT_EQ(GetIniString("Section", "Long", file), std::string(255, 'a'));
    EXPECT_EQ(GetIniString("Section", "Nul", file), "ab");
    EXPECT_EQ(GetIniString("Section", "None", file), "");
    EXPECT_EQ(GetIniString("Section", "Long", folder.path() / "none.ini"), "");
}

TEST(IniStringTest, WritingAllKeysGivesTheExactShiftJisFile)
{
    TemporaryFolder folder;
    const auto file = folder.path() / "Tavrolin.ini";
    PutIniString("Section", ScaleKey, "6", file);
    PutIniString("Section", FastKey, "11", file);
    PutIniString("Section", BgmKindKey, "2", file);
    PutIniString("Section", BgmRepeatKey, "0", file);
    PutIniString("Section", BgmFileKey, "/home/u/a.mp3", file);
    const std::string expected = "[Section]\r\nScale=6\r\nFast=11\r\n"
                                 "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
                                 "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=0\r\n"
                                 "\x42\x47\x4D\xCC\xA7\xB2\xD9=/home/u/a.mp3\r\n";
    EXPECT_EQ(TemporaryFolder::read(file), expected);

    // A second save replaces values in place; an empty path keeps its key.
    PutIniString("Section", ScaleKey, "1", file);
    PutIniString("Section", BgmFileKey, "", file);
    EXPECT_EQ(TemporaryFolder::read(file),
              "[Section]\r\nScale=1\r\nFast=11\r\n"
              "\x42\x47\x4D\x8B\xE6\x95\xAA=2\r\n"
              "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4=0\r\n"
              "\x42\x47\x4D\xCC\xA7\xB2\xD9=\r\n");
    EXPECT_EQ(GetIniString("Section", BgmKindKey, file), "2");
}

TEST(FileExistsTest, OnlyReadableFilesPassAndOneTrailingSlashIsDropped)
{
    TemporaryFolder folder;
    const std::string file = folder.write("a.mp3", "x").string();
    EXPECT_TRUE(FileExists(file));
    EXPECT_TRUE(FileExists(file + "/"));
    EXPECT_FALSE(FileExists(file + "//"));
    EXPECT_FALSE(FileExists(folder.path().string()));
    EXPECT_FALSE(FileExists(folder.path().string() + "/"));
    EXPECT_FALSE(FileExists((folder.path() / "b.mp3").string()));
    EXPECT_FALSE(FileExists("/"));
}

TEST(FolderOfPathTest, TakesTheTextBeforeTheLastSlash)
{
    EXPECT_EQ(FolderOfPath("/home/u/music/a.mp3"), "/home/u/music");
    EXPECT_EQ(FolderOfPath("/a.mp3"), "/");
    EXPECT_EQ(FolderOfPath("a.mp3"), "");
    EXPECT_EQ(FolderOfPath("music/"), "music");
}

}
