#include "platform/platform_check.h"

#include <gtest/gtest.h>

TEST(PlatformCheck, AcceptsTheSystemWeBuildForOnly)
{
    EXPECT_TRUE(platformAccepted("linux"));
    EXPECT_FALSE(platformAccepted("darwin"));
    EXPECT_FALSE(platformAccepted("winnt"));
    EXPECT_FALSE(platformAccepted(""));
    EXPECT_TRUE(platformAccepted()); // the machine the tests run on
    EXPECT_EQ(platformRefusal(), "This program is intended only for use with 32-bit Windows versions.");
}
