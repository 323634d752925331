#include "files/work_folder.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

TEST(WorkFolder, FollowsAbsoluteConfigHomeElseHome)
{
    TemporaryHome home;
    EXPECT_EQ(WorkFolderPath(), home.path() / ".config" / "nerevo_temp");
    setenv("XDG_CONFIG_HOME", "/srv/conf", 1);
    EXPECT_EQ(WorkFolderPath(), std::filesystem::path("/srv/conf/nerevo_temp"));
    setenv("XDG_CONFIG_HOME", "relative/conf", 1);
    EXPECT_EQ(WorkFolderPath(), home.path() / ".config" / "nerevo_temp");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(WorkFolderPath(), home.path() / ".config" / "nerevo_temp");
}

TEST(WorkFolder, IsCreatedPrivateWithItsParents)
{
    TemporaryHome home;
    ASSERT_TRUE(MakeWorkFolder());
    struct stat info {};
    ASSERT_EQ(stat(WorkFolderPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_TRUE(MakeWorkFolder());
    EXPECT_TRUE(WorkFolderIsPrivate());
    EXPECT_EQ(WorkFilePath(SettingsFileName), WorkFolderPath() / SettingsFileName);
}

TEST(WorkFolder, AFolderOthersOwnCanWriteOrCanSwapIsNeverUsed)
{
    TemporaryHome home;
    const std::filesystem::path folder = WorkFolderPath();
    const auto refused = [&](const char* what) {
        EXPECT_FALSE(MakeWorkFolder()) << what;
        EXPECT_FALSE(WorkFolderIsPrivate()) << what;
        EXPECT_EQ(WorkFilePath(SettingsFileName), std::filesystem::path()) << what;
    };
    std::filesystem::create_directories(folder);
    chmod(folder.c_str(), 0777);
    refused("a folder anyone can write");
    chmod(folder.c_str(), 0755);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(folder.c_str(), 65534, 65534), 0);
        refused("another user's folder");
        chmod(folder.c_str(), 0777);
        refused("another user's folder anyone can write");
    }
    std::filesystem::remove(folder);

    const std::filesystem::path elsewhere = home.path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    chmod(elsewhere.c_str(), 0700);
    std::filesystem::create_directory_symlink(elsewhere, folder);
    refused("a link");
    std::filesystem::remove(folder);

    // Private itself, but inside a folder where anyone could rename it away and put theirs.
    const std::filesystem::path shared = home.path() / "shared";
    std::filesystem::create_directories(shared / "nerevo_temp");
    chmod((shared / "nerevo_temp").c_str(), 0700);
    chmod(shared.c_str(), 0777);
    setenv("XDG_CONFIG_HOME", shared.c_str(), 1);
    refused("a folder inside a shared one");
    std::filesystem::remove(shared / "nerevo_temp");
    EXPECT_FALSE(MakeWorkFolder());
    EXPECT_FALSE(std::filesystem::exists(shared / "nerevo_temp")) << "made inside a shared folder";
    chmod(shared.c_str(), 01777);
    EXPECT_TRUE(MakeWorkFolder()) << "a sticky folder, as /tmp is, lets nobody else rename it";
}

}
