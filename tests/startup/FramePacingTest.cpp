// The redraw pacing: never due on its first look, then at most once every
// 26 ms, across the clock's wrap.

#include "startup/FramePacing.hpp"

#include <gtest/gtest.h>
#include <vector>

TEST(FramePacing, RedrawsAtMostEvery26Ms)
{
    struct Look
    {
        std::uint32_t now;
        int msBefore;
        bool due;
    };
    const std::pair<const char*, std::vector<Look>> rows[] = {
        {"first look",
         {{1000, 0, false}, {1000, 1, false}, {1001, 0, true}, {1020, 7, false}, {1027, 0, true}}},
        {"clock wraps",
         {{0xFFFFFFF0u, 0, false}, {0xFFFFFFF1u, 0, true}, {10, 1, false}, {11, 0, true}}},
    };
    for (const auto& [name, looks] : rows)
    {
        StartUp::FramePacing pacing;
        for (const Look& look : looks)
        {
            EXPECT_EQ(pacing.msUntilRedraw(look.now), look.msBefore) << name << " " << look.now;
            EXPECT_EQ(pacing.redrawDue(look.now), look.due) << name << " " << look.now;
        }
    }
}
