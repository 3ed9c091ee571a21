#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

TEST(SingleInstance, ASecondClaimFailsAndAsksTheFirstToComeForward)
{
    const std::string name = "single instance test " + std::to_string(std::random_device {}());
    ASSERT_TRUE(platform::claimSingleInstance(name.c_str()));
    EXPECT_FALSE(platform::takeBringToFrontRequest());
    EXPECT_FALSE(platform::claimSingleInstance(name.c_str()));
    EXPECT_TRUE(platform::takeBringToFrontRequest());
    EXPECT_FALSE(platform::takeBringToFrontRequest());
    platform::releaseSingleInstance();
    EXPECT_TRUE(platform::claimSingleInstance(name.c_str()));
    platform::releaseSingleInstance();
}
