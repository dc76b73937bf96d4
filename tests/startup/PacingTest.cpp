#include "startup/GameCallbacks.hpp"

#include <gtest/gtest.h>

using StartUp::redrawDue;

TEST(Pacing, FirstCallOnlyPrimesTheClock)
{
    std::uint32_t last = 0;
    EXPECT_FALSE(redrawDue(5000, last));
    EXPECT_TRUE(redrawDue(5001, last));
    EXPECT_EQ(5001u, last);
}

TEST(Pacing, RedrawsOnlyAfterMoreThan25Milliseconds)
{
    std::uint32_t last = 1000;
    EXPECT_FALSE(redrawDue(1025, last));
    EXPECT_EQ(1000u, last);
    EXPECT_TRUE(redrawDue(1026, last));
    EXPECT_FALSE(redrawDue(1026 + 25, last));
    EXPECT_TRUE(redrawDue(1026 + 26, last));
}

TEST(Pacing, SurvivesTheCounterWrapping)
{
    std::uint32_t last = 0xFFFFFFF0u;
    EXPECT_FALSE(redrawDue(0x00000009u, last)); // 25 ms later
    EXPECT_TRUE(redrawDue(0x0000000Au, last));  // 26 ms later
    EXPECT_EQ(0x0000000Au, last);
}
