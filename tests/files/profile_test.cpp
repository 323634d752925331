#include "files/profile.h"
#include "tests/support/fifo_probe.h"
#include "tests/support/temporary_folder.h"

#include <cerrno>
#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string KindKey = "BGM\x8B\xE6\x95\xAA"; // "BGM区分" in Shift-JIS

class ProfileTest : public ::testing::Test {
protected:
    TemporaryFolder folder;
    std::filesystem::path file(const std::string& bytes) { return folder.write("Tavrolin.ini", bytes); }
};

TEST_F(ProfileTest, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, folder.path() / "none.ini"), 5);
    const auto path = file("[Other]\r\nScale=9\r\n[Section]\r\nFast=2\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, path), 5);
    EXPECT_EQ(GetPrivateProfileIntA("Missing", "Fast", 7, path), 7);
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Scale", "dflt", 256, path), "dflt");
}

TEST_F(ProfileTest, IntegerReadTakesSignAndLeadingDigitsOnly)
{
    const auto path = file("[Section]\nA=11\nB= -3\nC=7.9\nD=abc\nE=\nF=+4x\nG=99999999999\nH=-99999999999\n");
    EXPECT_EQ(GetPrivateProfileIntA("Section", "A", 5, path), 11);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "B", 5, path), -3);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "C", 5, path), 7);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "D", 5, path), 0);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "E", 5, path), 0);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "F", 5, path), 4);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "G", 5, path), INT_MAX);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "H", 5, path), INT_MIN);
}

TEST_F(ProfileTest, NamesMatchAsciiCaseInsensitivelyAndBlanksAreIgnored)
{
    const auto path = file("  [ section ]  \r\n  SCALE =  8  \r\n" + KindKey + "=2\r\n");
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, path), 8);
    EXPECT_EQ(GetPrivateProfileStringA("SECTION", "scale", "", 256, path), "8");
    EXPECT_EQ(GetPrivateProfileIntA("Section", KindKey, 0, path), 2);
}

TEST_F(ProfileTest, FirstSectionAndFirstKeyWin)
{
    const auto path = file("[Section]\nScale=1\nScale=2\n[Section]\nScale=3\nFast=4\n");
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, path), 1);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Fast", 5, path), 5);
}

TEST_F(ProfileTest, StringReadIsCutToTheBufferLessOne)
{
    const auto path = file("[Section]\nPath=" + std::string(300, 'x') + "\n");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Path", "", 256, path).size(), 255u);
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Path", "", 1, path), "");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "None", "abcdef", 4, path), "abc");
}

TEST_F(ProfileTest, WriteCreatesFileAndSectionWithCrlf)
{
    const auto path = folder.path() / "new.ini";
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "6", path));
    ASSERT_TRUE(WritePrivateProfileStringA("Section", KindKey, "2", path));
    EXPECT_EQ(TemporaryFolder::read(path), "[Section]\r\nScale=6\r\n" + KindKey + "=2\r\n");
}

TEST_F(ProfileTest, WriteReplacesInPlaceAndKeepsEveryOtherLine)
{
    const auto path = file("; note\n[Other]\nScale=1\n\n[Section]\nscale = 3\nFast=4\n\n[Tail]\nX=y");
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "11", path));
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Path", "", path));
    ASSERT_TRUE(WritePrivateProfileStringA("Tail", "Z", "1", path));
    EXPECT_EQ(TemporaryFolder::read(path),
              "; note\n[Other]\nScale=1\n\n[Section]\nScale=11\nFast=4\nPath=\r\n\n[Tail]\nX=y\r\nZ=1\r\n");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Path", "dflt", 256, path), "");
}

TEST_F(ProfileTest, ValuesAreKeptByteForByte)
{
    const auto path = folder.path() / "bytes.ini";
    const std::string value = "/music/\xe6\x9b\xb2 \"a\"=b.mp3";
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "File", value, path));
    EXPECT_EQ(GetPrivateProfileStringA("Section", "File", "", 256, path), value);
}

TEST_F(ProfileTest, NamesAndValuesThatWouldAddOrHideEntriesAreRefused)
{
    const std::string before = "[Section]\r\nScale=3\r\n[Other]\r\nFast=4\r\n";
    const auto path = file(before);
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "File", "a.mp3\r\nScale=11", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "File", "a.mp3\rScale=11", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Fa\nst", "1", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale=9", "1", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "[Other]", "1", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", " [Other", "1", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Section", " ", "1", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Other]\r\n[Section", "Scale", "9", path));
    EXPECT_FALSE(WritePrivateProfileStringA("Sec]tion", "Scale", "9", path));
    EXPECT_EQ(TemporaryFolder::read(path), before);
    EXPECT_FALSE(WritePrivateProfileStringA("New\nSection", "A", "1", folder.path() / "fresh.ini"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "fresh.ini"));
}

TEST_F(ProfileTest, ALastLineEndingInALoneCrIsEndedBeforeAnythingIsAppended)
{
    const auto path = file("[Section]\r\nScale=6\r");
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Fast", "6", path));
    EXPECT_EQ(TemporaryFolder::read(path), "[Section]\r\nScale=6\r\nFast=6\r\n");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Scale", "", 256, path), "6");
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Fast", 5, path), 6);

    const auto other = folder.write("other.ini", "[Other]\nX=1\r");
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "2", other));
    EXPECT_EQ(TemporaryFolder::read(other), "[Other]\nX=1\r\n[Section]\r\nScale=2\r\n");
    ASSERT_TRUE(WritePrivateProfileStringA("Other", "X", "3", other));
    EXPECT_EQ(TemporaryFolder::read(other), "[Other]\nX=3\r\n[Section]\r\nScale=2\r\n");
}

TEST_F(ProfileTest, StringReadDropsOnePairOfMatchingQuotes)
{
    const auto path = file("[Section]\nFast=\"3\"\nA=' x '\nB=\"y'\nC=\"\nD=\"\"z\"\"\nE= \"\" \n");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Fast", "", 256, path), "3");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "A", "", 256, path), " x ");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "B", "", 256, path), "\"y'");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "C", "", 256, path), "\"");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "D", "", 256, path), "\"z\"");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "E", "dflt", 256, path), "");
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Fast", "", 2, path), "3");
    // The integer read is documented as the integer of the text, nothing about quotes.
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Fast", 5, path), 0);
}

TEST_F(ProfileTest, WriteReplacesTheFileItselfAndLeavesNothingBehind)
{
    const auto path = file("[Section]\r\nScale=3\r\n");
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "4", path));
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "written in place, not renamed over";
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
}

TEST_F(ProfileTest, OnlyARegularFileIsReadOrReplaced)
{
    const auto fifo = folder.path() / "fifo.ini";
    int value = 0;
    EXPECT_TRUE(ReturnsWithoutAWriter(fifo, [&] { value = GetPrivateProfileIntA("Section", "Scale", 5, fifo); }));
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale", "6", fifo));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));

    const auto device = folder.path() / "device.ini";
    std::filesystem::create_symlink("/dev/zero", device);
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Scale", "dflt", 256, device), "dflt");
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale", "6", device));
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, folder.path()), 5);
}

TEST_F(ProfileTest, AHugeFileCostsNoMoreMemoryThanASmallOne)
{
    const auto path = folder.path() / "huge.ini";
    const std::size_t megabytes = 24;
    {
        std::ofstream out(path, std::ios::binary);
        out << "[Section]\r\nJunk=";
        const std::string chunk(1 << 20, '7');
        for (std::size_t i = 0; i < megabytes; ++i)
            out << chunk;
        out << "\r\nScale=9\r\n";
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    const long peakBefore = usage.ru_maxrss;
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Scale", 5, path), 9);
    EXPECT_EQ(GetPrivateProfileStringA("Section", "Junk", "", 256, path), std::string(255, '7'));
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Fast", "6", path));
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss - peakBefore, 4 * 1024) << "kilobytes grown while reading and writing";
    EXPECT_EQ(std::filesystem::file_size(path), 11 + 5 + (megabytes << 20) + 2 + 9 + 8);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Fast", 5, path), 6);
}

TEST_F(ProfileTest, AFailedWriteLeavesTheFileIntactAndSaysWhy)
{
    const std::string before = "[Section]\r\nScale=3\r\n";
    const auto path = file(before);
    chmod(path.c_str(), 0444);
    errno = 0;
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale", "9", path));
    EXPECT_EQ(errno, EACCES);
    EXPECT_EQ(TemporaryFolder::read(path), before);
    chmod(path.c_str(), 0644);

    errno = 0;
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale", "9", folder.path() / "no" / "such.ini"));
    EXPECT_EQ(errno, ENOENT);
    errno = 0;
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Scale", "9", folder.path()));
    EXPECT_EQ(errno, EISDIR);
    errno = 0;
    EXPECT_FALSE(WritePrivateProfileStringA("Section", "Sca\nle", "9", path));
    EXPECT_EQ(errno, EINVAL);

    // A full disk, as far as this process can tell: no file may grow past 8 bytes.
    signal(SIGXFSZ, SIG_IGN);
    rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 8;
    setrlimit(RLIMIT_FSIZE, &small);
    errno = 0;
    const bool written = WritePrivateProfileStringA("Section", "Scale", "9", path);
    const int error = errno;
    setrlimit(RLIMIT_FSIZE, &old);
    signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, EFBIG);
    EXPECT_EQ(TemporaryFolder::read(path), before);
    int entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1) << "the temporary file was left behind";
}

TEST_F(ProfileTest, TheReplacementKeepsTheModeAndGroup)
{
    const auto path = file("[Section]\r\nScale=3\r\n");
    chmod(path.c_str(), 0600);
    ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "4", path));
    struct stat status {};
    ASSERT_EQ(stat(path.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    // Another group than the user's own: only root may give any group here.
    if (geteuid() == 0) {
        const gid_t otherGroup = 65534;
        ASSERT_EQ(chown(path.c_str(), static_cast<uid_t>(-1), otherGroup), 0);
        chmod(path.c_str(), 0664);
        ASSERT_TRUE(WritePrivateProfileStringA("Section", "Scale", "5", path));
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_gid, otherGroup);
        EXPECT_EQ(status.st_mode & 07777, 0664u);
    }
}

}
