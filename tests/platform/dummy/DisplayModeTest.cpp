// The game, with a stand-in level, in a child process per run, under Xorg's
// dummy driver (tests/support/xserver.py --dummy): a 1280x1024 desktop that
// also offers 1024x768 at 60 and 75 Hz and 800x600. The game switches to the
// best 1024-wide mode, and however it ends the desktop gets its mode back, as
// the xrandr tool shows.

#include "platform/ChildProcess.hpp"
#include "startup/Program.hpp"
#include "support/TempDir.hpp"

#include <chrono>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace StartUp;

namespace
{

// The mode in force as "WIDTHxHEIGHT@RATE".
std::string currentMode()
{
    const auto xrandr = Platform::runProgram({"xrandr", "--current"}, std::chrono::seconds(10));
    const std::string listing = xrandr ? xrandr->output : "";
    std::smatch size, rate;
    if (!std::regex_search(listing, size, std::regex(R"(current (\d+) x (\d+))")) ||
        !std::regex_search(listing, rate, std::regex(R"(([\d.]+)\*)")))
        return "unknown";
    return size[1].str() + "x" + size[2].str() + "@" +
           std::to_string(std::lround(std::stod(rate[1])));
}

// How the stand-in game ends, after noting the mode in force then.
const int AtFirstFrame = 0, LevelFails = 1, BannerAltered = 2, Killed = 3;
int ending;
void noteMode()
{
    std::ofstream("mode") << currentMode();
}
void end()
{
    noteMode();
    if (ending == Killed)
        raise(SIGKILL);
    if (ending == LevelFails)
        throw std::runtime_error("no pictures");
    requestExit();
}

struct StandInLevel
{
    StandInLevel()
    {
        if (ending == LevelFails)
            end();
    }
    void draw() { end(); }
    void captureIfDue() {}
    std::uint64_t frameSignature() const { return 1; }
    bool coversWindow() const { return false; }
    int captureState = 0;
};
StandInLevel* level = nullptr;

} // namespace

TEST(DummyXorg, EveryEndingOfTheGameGivesTheDesktopItsModeBack)
{
    const std::string desktop = currentMode();
    for (const int e : {AtFirstFrame, LevelFails, BannerAltered, Killed})
    {
        SCOPED_TRACE(e);
        ASSERT_EQ(desktop, currentMode());
        TestSupport::TempDir dir;
        std::filesystem::create_directory_symlink(GAME_DIR "/BMP", dir.file("BMP"));
        const pid_t game = fork();
        if (game == 0)
        {
            TestSupport::WorkingDirectory inside(dir.path());
            gameLog.close();
            gameLog.open("gameLog.txt");
            // Banners whose seconds pass at every look.
            setBannerClock(
                []() -> std::int32_t
                {
                    static std::int32_t now = 0;
                    return ++now;
                });
            ending = e;
            ProgramSetup setup;
            setup.pictures = {{"BMP/startup.jpg", fileDigest("BMP/startup.jpg")}};
            setup.pictures[0].digest[0] ^= e == BannerAltered;
            setup.showError = [](const std::string&, const std::string&) { noteMode(); };
            _exit(runProgram(setup, &level));
        }
        int status = -1;
        waitpid(game, &status, 0);
        EXPECT_EQ(e == Killed ? SIGKILL : 0, e == Killed ? WTERMSIG(status) : WEXITSTATUS(status));
        EXPECT_EQ("1024x768@75", TestSupport::readFile(dir.file("mode")));
        // When the game is killed, its watchdog process switches back.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (currentMode() != desktop && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(desktop, currentMode());
    }
}
