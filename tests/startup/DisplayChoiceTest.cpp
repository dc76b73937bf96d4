#include "startup/DisplaySettings.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using namespace StartUp;

namespace
{

DisplayMode mode(std::uint32_t width, std::uint32_t height, std::uint32_t depth,
                 std::uint32_t refresh)
{
    DisplayMode m;
    m.width = width;
    m.height = height;
    m.depth = depth;
    m.refresh = refresh;
    return m;
}

std::string name(const DisplayMode& m)
{
    return std::to_string(m.width) + "x" + std::to_string(m.height) + "x" +
           std::to_string(m.depth) + "@" + std::to_string(m.refresh);
}

// Runs the choice on modes; the display accepts only the modes named in
// accepted (all when empty). Returns every mode tried, in order.
std::vector<std::string> tried(const std::vector<DisplayMode>& modes,
                               const std::vector<int>& widths,
                               const std::vector<std::string>& accepted = {})
{
    std::vector<std::string> attempts;
    chooseDisplayMode(modes, widths,
                      [&](const DisplayMode& m)
                      {
                          attempts.push_back(name(m));
                          return accepted.empty() || std::find(accepted.begin(), accepted.end(),
                                                               name(m)) != accepted.end();
                      });
    return attempts;
}

const std::vector<int> candidates = {800, 1024};

} // namespace

TEST(DisplayChoice, PrefersTheWidestCandidateThenDepthThenRefresh)
{
    const std::vector<DisplayMode> modes = {mode(1024, 768, 32, 60), mode(1280, 1024, 32, 85),
                                            mode(1024, 768, 16, 75), mode(800, 600, 32, 85),
                                            mode(1024, 768, 32, 75), mode(640, 480, 32, 60)};
    EXPECT_EQ(std::vector<std::string>{"1024x768x32@75"}, tried(modes, candidates));
}

TEST(DisplayChoice, WalksDownTheOrderWhileTheDisplayRefuses)
{
    const std::vector<DisplayMode> modes = {mode(1024, 768, 32, 75), mode(1024, 768, 32, 60),
                                            mode(800, 600, 32, 60), mode(1600, 1200, 32, 60)};
    EXPECT_EQ((std::vector<std::string>{"1024x768x32@75", "1024x768x32@60", "800x600x32@60"}),
              tried(modes, candidates, {"800x600x32@60"}));
    // Refused everywhere: every candidate is tried once and the display stays.
    EXPECT_EQ(3u, tried(modes, candidates, {"none"}).size());
}

TEST(DisplayChoice, LooksAtWidthsOnly)
{
    // Only 800-wide candidates: the best of them.
    EXPECT_EQ(std::vector<std::string>{"800x600x24@75"},
              tried({mode(800, 600, 24, 60), mode(800, 600, 24, 75), mode(1280, 1024, 24, 60)},
                    candidates));
    // The only 1024-wide mode is 1024 x 600: the height is not looked at.
    EXPECT_EQ(std::vector<std::string>{"1024x600x24@60"},
              tried({mode(800, 600, 24, 60), mode(1024, 600, 24, 60)}, candidates));
    // No candidate width at all: nothing is tried.
    EXPECT_TRUE(tried({mode(1280, 1024, 24, 60), mode(640, 480, 24, 60)}, candidates).empty());
    EXPECT_TRUE(tried({mode(1024, 768, 24, 60)}, {}).empty());
}

TEST(DisplayChoice, ModeLessIgnoresTheHeight)
{
    EXPECT_TRUE(modeLess(mode(800, 600, 32, 85), mode(1024, 768, 16, 60)));
    EXPECT_TRUE(modeLess(mode(1024, 768, 16, 85), mode(1024, 768, 32, 60)));
    EXPECT_TRUE(modeLess(mode(1024, 768, 32, 60), mode(1024, 768, 32, 75)));
    EXPECT_FALSE(modeLess(mode(1024, 768, 32, 60), mode(1024, 600, 32, 60)));
    EXPECT_FALSE(modeLess(mode(1024, 600, 32, 60), mode(1024, 768, 32, 60)));
}
