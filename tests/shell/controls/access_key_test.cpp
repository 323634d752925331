#include "shell/controls/access_key.h"

#include <gtest/gtest.h>

namespace {

TEST(AccessKey, IsTheLowerCaseCharacterAfterTheFirstSingleAmpersand)
{
    EXPECT_EQ(AccessKeyOf("&OK"), QChar(u'o'));
    EXPECT_EQ(AccessKeyOf("Can&cel"), QChar(u'c'));
    EXPECT_EQ(AccessKeyOf("A&&B&Xy&Z"), QChar(u'x'));
    EXPECT_EQ(AccessKeyOf("&&&Q"), QChar(u'q'));
}

TEST(AccessKey, PairsAndTrailingAmpersandMarkNone)
{
    EXPECT_TRUE(AccessKeyOf("").isNull());
    EXPECT_TRUE(AccessKeyOf("OK").isNull());
    EXPECT_TRUE(AccessKeyOf("Fish && Chips").isNull());
    EXPECT_TRUE(AccessKeyOf("OK&").isNull());
    EXPECT_TRUE(AccessKeyOf("&&&").isNull());
}

}
