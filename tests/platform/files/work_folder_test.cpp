#include "platform/files/work_folder.h"
#include "tests/support/temporary_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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
}

}
