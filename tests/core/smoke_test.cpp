#include <gtest/gtest.h>

#include "core/CalcHost.h"

TEST(CalcHost, DefaultsDoNothing)
{
    CalcHost host;
    EXPECT_FALSE(host.WantsChangeNotifications());
    EXPECT_TRUE(host.AskSaveProgramPath().empty());
}
