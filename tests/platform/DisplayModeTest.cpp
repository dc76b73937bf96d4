#include "platform/DisplayMode.hpp"
#include "DummyXServer.hpp"
#include "platform/ModeWatchdog.hpp"
#include "startup/DisplaySettings.hpp"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using Platform::DisplayMode;
using TestSupport::DummyXServer;

namespace
{

bool offers(const std::vector<DisplayMode>& modes, std::uint32_t width, std::uint32_t height,
            std::uint32_t refresh)
{
    return std::any_of(modes.begin(), modes.end(),
                       [&](const DisplayMode& m) {
                           return m.width == width && m.height == height && m.refresh == refresh &&
                                  m.depth == 24;
                       });
}

// Waits up to five seconds for the display to show mode.
bool becomes(const DummyXServer& server, const std::string& mode)
{
    for (int i = 0; i < 100; ++i)
    {
        if (server.currentMode() == mode)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

#define NEED_DUMMY_X_SERVER()                                                                      \
    if (!DummyXServer::available())                                                                \
    GTEST_SKIP() << "needs root and the Xorg dummy driver (scripts/install-deps.sh)"

} // namespace

TEST(DisplayMode, SwitchesToTheBestCandidateAndBack)
{
    NEED_DUMMY_X_SERVER();
    DummyXServer server;
    const std::string desktop = server.currentMode();
    ASSERT_EQ(0u, desktop.rfind("1280x1024@", 0)) << desktop;

    int width = 0;
    int height = 0;
    const DisplayMode saved = StartUp::getDisplaySettings(width, height);
    EXPECT_EQ(1280, width);
    EXPECT_EQ(1024, height);

    const std::vector<DisplayMode> modes = Platform::listModes();
    EXPECT_TRUE(offers(modes, 1024, 768, 60));
    EXPECT_TRUE(offers(modes, 1024, 768, 75));
    EXPECT_TRUE(offers(modes, 800, 600, 60));
    EXPECT_FALSE(offers(modes, 1024, 768, 85));

    StartUp::setDisplayMode({800, 1024});
    EXPECT_EQ("1024x768@75", server.currentMode());
    StartUp::getDisplaySettings(width, height);
    EXPECT_EQ(1024, width);
    EXPECT_EQ(768, height);

    EXPECT_TRUE(StartUp::restoreDisplaySettings(saved));
    EXPECT_EQ(desktop, server.currentMode());

    // Only 800 wide asked for: the best 800-wide mode.
    StartUp::setDisplayMode({800});
    EXPECT_EQ(0u, server.currentMode().rfind("800x600@", 0)) << server.currentMode();
    EXPECT_TRUE(StartUp::restoreDisplaySettings(saved));
    EXPECT_EQ(desktop, server.currentMode());
}

TEST(DisplayMode, WatchdogRestoresTheModeWhenTheGameIsKilled)
{
    NEED_DUMMY_X_SERVER();
    DummyXServer server;
    const std::string desktop = server.currentMode();
    int width = 0;
    int height = 0;
    const DisplayMode saved = StartUp::getDisplaySettings(width, height);

    int ready[2];
    ASSERT_EQ(0, pipe(ready));
    const pid_t game = fork();
    if (game == 0)
    {
        // A game that switches the mode and never restores it.
        Platform::ModeWatchdog watchdog(saved);
        StartUp::setDisplayMode({1024});
        ssize_t ignored = write(ready[1], "s", 1);
        (void)ignored;
        for (;;)
            pause();
    }
    close(ready[1]);
    char word = 0;
    ASSERT_EQ(1, read(ready[0], &word, 1));
    close(ready[0]);
    EXPECT_EQ("1024x768@75", server.currentMode());

    kill(game, SIGKILL);
    waitpid(game, nullptr, 0);
    EXPECT_TRUE(becomes(server, desktop)) << server.currentMode();
}

TEST(DisplayMode, WatchdogLeavesTheModeAloneWhenTheGameRestoredIt)
{
    NEED_DUMMY_X_SERVER();
    DummyXServer server;
    int width = 0;
    int height = 0;
    const DisplayMode saved = StartUp::getDisplaySettings(width, height);
    pid_t watcher = -1;
    {
        Platform::ModeWatchdog watchdog(saved);
        watcher = watchdog.process();
        ASSERT_GT(watcher, 0);
        StartUp::setDisplayMode({800});
    }
    // Reaped by the guard: the watchdog has ended without switching back.
    EXPECT_EQ(-1, kill(watcher, 0));
    EXPECT_EQ(0u, server.currentMode().rfind("800x600@", 0)) << server.currentMode();
}

TEST(DisplayMode, WithoutChoiceKeepsTheCurrentModeAndReportsItsSize)
{
    // The private Xvfb of the test run: one fixed size.
    DisplayMode current;
    ASSERT_TRUE(Platform::readCurrentMode(current));
    EXPECT_EQ(1024u, current.width);
    EXPECT_EQ(768u, current.height);

    DisplayMode unknown = current;
    unknown.sizeIndex = 42;
    EXPECT_FALSE(Platform::switchMode(unknown));
    unknown.sizeIndex = -1;
    EXPECT_FALSE(Platform::switchMode(unknown));

    StartUp::setDisplayMode({800});
    DisplayMode after;
    ASSERT_TRUE(Platform::readCurrentMode(after));
    EXPECT_EQ(1024u, after.width);
    EXPECT_EQ(768u, after.height);
}

TEST(DisplayMode, NoDisplayIsReportedAsUnreadable)
{
    setenv("DISPLAY", ":9999", 1);
    DisplayMode mode;
    EXPECT_FALSE(Platform::readCurrentMode(mode));
    EXPECT_TRUE(Platform::listModes().empty());
    int width = 0;
    int height = 0;
    try
    {
        StartUp::getDisplaySettings(width, height);
        FAIL() << "no exception";
    }
    catch (const std::logic_error& e)
    {
        EXPECT_STREQ("Unable to get display settings", e.what());
    }
}
