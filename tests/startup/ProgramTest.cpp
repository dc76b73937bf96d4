// The whole run (display mode, window, picture check, the three phases) with
// a stand-in level, real banners on real pictures, and a banner clock that
// runs as soon as each picture is shown, so the shutdown picture takes a
// moment, not 8 seconds.

#include "startup/Program.hpp"
#include "support/TempDir.hpp"

#include <FreeImage.h>
#include <GL/gl.h>
#include <boost/filesystem.hpp>
#include <csignal>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

using namespace StartUp;

namespace
{

std::vector<std::string> events;
std::function<void()> onBuild, onDraw, onAfterFrame;
bool sawStartupPicture = false;
bool sawShutdownPicture = false;

struct Rgb
{
    int r, g, b;
};

// The centre pixel of the last frame shown. Read from the back buffer, which
// Mesa's software renderer keeps after a swap: unlike the screen, it cannot be
// covered by the windows of tests running beside this one.
Rgb shownPixel()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    unsigned char p[4] = {};
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(viewport[2] / 2, viewport[3] / 2, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p);
    return {p[0], p[1], p[2]};
}

bool near(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) < 16 && std::abs(a.g - b.g) < 16 && std::abs(a.b - b.b) < 16;
}

const Rgb startupColour = {200, 40, 40};
const Rgb shutdownColour = {40, 40, 200};

struct StandInLevel
{
    StandInLevel()
    {
        events.push_back("build");
        sawStartupPicture = near(shownPixel(), startupColour);
        if (onBuild)
            onBuild();
        globalKeyboard->keyFunc = [](unsigned char key)
        { events.push_back(std::string("key ") + static_cast<char>(key)); };
        globalKeyboard->specialFunc = [](int key)
        { events.push_back("special " + std::to_string(key)); };
    }
    ~StandInLevel()
    {
        events.push_back(::currentBanner ? "delete under a banner" : "delete");
        globalKeyboard->keyFunc = nullptr;
        globalKeyboard->specialFunc = nullptr;
    }
    void draw()
    {
        if (events.back() != "draw")
            events.push_back("draw");
        if (onDraw)
            onDraw();
    }
    void captureIfDue()
    {
        if (onAfterFrame)
            onAfterFrame();
    }
};

StandInLevel* standInLevel = nullptr;

// The banners' clock: stands still until the banner's picture is on screen
// (or two seconds have passed), then advances one second per look. Notes each
// banner's first look and whether the shutdown picture was seen.
std::int32_t tickingClock()
{
    static std::int32_t now = 1000000;
    static int looksWhileDark = 0;
    if (!::currentBanner)
        return now;
    if (::currentBanner->startTime == 0)
    {
        events.push_back(dynamic_cast<ExitBanner*>(::currentBanner) ? "shutdown picture"
                                                                    : "startup picture");
        looksWhileDark = 0;
        return now;
    }
    const Rgb shown = shownPixel();
    if (dynamic_cast<ExitBanner*>(::currentBanner) && near(shown, shutdownColour))
        sawShutdownPicture = true;
    const bool dark = shown.r + shown.g + shown.b < 30;
    if (dark && ++looksWhileDark < 500)
        return now;
    return ++now;
}

void writePicture(const std::string& path, Rgb colour)
{
    FIBITMAP* bitmap = FreeImage_Allocate(1024, 768, 24);
    RGBQUAD fill = {static_cast<BYTE>(colour.b), static_cast<BYTE>(colour.g),
                    static_cast<BYTE>(colour.r), 0};
    FreeImage_FillBackground(bitmap, &fill);
    ASSERT_TRUE(FreeImage_Save(FIF_JPEG, bitmap, path.c_str(), JPEG_QUALITYSUPERB));
    FreeImage_Unload(bitmap);
}

class Program : public ::testing::Test
{
protected:
    void SetUp() override
    {
        boost::filesystem::create_directories(dir.file("BMP"));
        writePicture(dir.file("BMP/startup.jpg"), startupColour);
        writePicture(dir.file("BMP/shutdown.jpg"), shutdownColour);
        setup.pictures = {{"BMP/startup.jpg", fileDigest(dir.file("BMP/startup.jpg"))},
                          {"BMP/shutdown.jpg", fileDigest(dir.file("BMP/shutdown.jpg"))}};
        setup.showError = [this](const std::string& caption, const std::string& text)
        {
            events.push_back("message box");
            messages.push_back(caption + ": " + text);
        };
        gameLog.close();
        gameLog.open(dir.file("gameLog.txt"), std::ios::out | std::ios::trunc);
        setBannerClock(tickingClock);
    }

    int run()
    {
        TestSupport::WorkingDirectory inside(dir.path());
        return runProgram(setup, &standInLevel);
    }

    std::vector<std::string> logLines() const
    {
        std::ifstream file(dir.file("gameLog.txt"));
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);)
            lines.push_back(line);
        return lines;
    }

    void expectFirstLogLineNamesTheRenderer()
    {
        const auto lines = logLines();
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(0u, lines.front().rfind("brightwell 155 Renderer ", 0)) << lines.front();
        EXPECT_GT(lines.front().size(), std::string("brightwell 155 Renderer ").size());
    }

    TestSupport::TempDir dir;
    ProgramSetup setup;
    std::vector<std::string> messages;
};

} // namespace

TEST_F(Program, EscapeEndsTheGameAndTheShutdownPictureFollows)
{
    onDraw = []
    {
        onKeyboard('a', 5, 5);
        onSpecial(GLUT_KEY_LEFT, 5, 5);
        onKeyboard(27, 5, 5);
        onKeyboard('b', 5, 5);
    };
    EXPECT_EQ(0, run());

    const std::vector<std::string> expected = {"startup picture",
                                               "build",
                                               "draw",
                                               "key a",
                                               "special " + std::to_string(GLUT_KEY_LEFT),
                                               "delete",
                                               "shutdown picture"};
    EXPECT_EQ(expected, events);
    EXPECT_TRUE(sawStartupPicture) << "the level was built with the start-up picture shown";
    EXPECT_TRUE(sawShutdownPicture);
    expectFirstLogLineNamesTheRenderer();
    EXPECT_EQ("brightwell 198 exit", logLines().back());
    EXPECT_EQ(2u, logLines().size());
    EXPECT_EQ(nullptr, standInLevel);
    EXPECT_EQ(nullptr, ::currentBanner);
    EXPECT_EQ(nullptr, globalKeyboard);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Program, MissingPictureShowsTheMessageAndSkipsTheGame)
{
    boost::filesystem::remove(dir.file("BMP/startup.jpg"));
    EXPECT_EQ(0, run());

    EXPECT_EQ((std::vector<std::string>{"message box", "shutdown picture"}), events);
    ASSERT_EQ(1u, messages.size());
    EXPECT_EQ("Brickwork Garden: Unfortunately some of the images was removed or changed. Try to "
              "reinstall the application.",
              messages[0]);
    expectFirstLogLineNamesTheRenderer();
    EXPECT_EQ("brightwell 198 Some file was corrupted", logLines().back());
    EXPECT_EQ(2u, logLines().size());
}

TEST_F(Program, AlteredShutdownPictureIsCaughtToo)
{
    std::ofstream(dir.file("BMP/shutdown.jpg"), std::ios::app) << "changed";
    EXPECT_EQ(0, run());
    EXPECT_EQ("message box", events.at(0));
    EXPECT_EQ("brightwell 198 Some file was corrupted", logLines().back());
}

TEST_F(Program, FailureWhileBuildingTheLevelEndsInTheShutdownPicture)
{
    onBuild = [] { throw std::runtime_error("Unable to find backround images"); };
    EXPECT_EQ(0, run());
    // The start-up banner is torn down; the shutdown picture replaces it.
    EXPECT_EQ((std::vector<std::string>{"startup picture", "build", "shutdown picture"}), events);
    EXPECT_TRUE(sawShutdownPicture);
    EXPECT_EQ("brightwell 198 Unable to find backround images", logLines().back());
    EXPECT_EQ(nullptr, standInLevel);
}

TEST_F(Program, UnloadableStartupPictureIsLogged)
{
    std::ofstream(dir.file("BMP/startup.jpg"), std::ios::trunc) << "not a picture";
    setup.pictures[0].digest = fileDigest(dir.file("BMP/startup.jpg"));
    EXPECT_EQ(0, run());
    EXPECT_EQ(std::vector<std::string>{"shutdown picture"}, events);
    EXPECT_EQ(0u, logLines().back().rfind("brightwell 198 Unable to load", 0)) << logLines().back();
}

TEST_F(Program, UnloadableShutdownPictureStillEndsWithZero)
{
    std::ofstream(dir.file("BMP/shutdown.jpg"), std::ios::trunc) << "not a picture";
    setup.pictures[1].digest = fileDigest(dir.file("BMP/shutdown.jpg"));
    onDraw = [] { requestExit(); };
    EXPECT_EQ(0, run());
    EXPECT_EQ((std::vector<std::string>{"startup picture", "build", "draw", "delete"}), events);
    EXPECT_EQ("brightwell 198 exit", logLines().back());
}

TEST_F(Program, TerminationSignalEndsTheRunAtOnce)
{
    onDraw = [] { std::raise(SIGTERM); };
    EXPECT_EQ(0, run());
    EXPECT_EQ((std::vector<std::string>{"startup picture", "build", "draw", "delete"}), events);
    EXPECT_EQ("brightwell 198 Terminated", logLines().back());
}

TEST_F(Program, ClosedWindowIsAnExitRequestWithoutShutdownPicture)
{
    onDraw = [] { onWindowClosed(); };
    EXPECT_EQ(0, run());
    EXPECT_EQ((std::vector<std::string>{"startup picture", "build", "draw", "delete"}), events);
    EXPECT_EQ("brightwell 198 exit", logLines().back());
}

// Every game callback carries its exception out of the phase: the message of
// a standard exception is logged, any other ends the phase silently.
class ThrowingCallback : public Program, public ::testing::WithParamInterface<const char*>
{
};

TEST_P(ThrowingCallback, EndsTheGamePhase)
{
    const std::string where = GetParam();
    const bool standard = where.find("standard") != std::string::npos;
    auto fail = [standard, where]
    {
        if (standard)
            throw std::invalid_argument(where);
        throw 42;
    };
    if (where.find("draw") == 0)
        onDraw = fail;
    else if (where.find("after-frame") == 0)
        onAfterFrame = fail;
    else if (where.find("key") == 0)
        onDraw = [fail]
        {
            globalKeyboard->keyFunc = [fail](unsigned char) { fail(); };
            onKeyboard('x', 0, 0);
        };
    else
        onDraw = [fail]
        {
            globalKeyboard->specialFunc = [fail](int) { fail(); };
            onSpecial(GLUT_KEY_F1, 0, 0);
        };
    EXPECT_EQ(0, run());
    EXPECT_EQ((std::vector<std::string>{"startup picture", "build", "draw", "delete",
                                        "shutdown picture"}),
              events);
    if (standard)
        EXPECT_EQ("brightwell 198 " + where, logLines().back());
    else
        EXPECT_EQ(1u, logLines().size());
}

INSTANTIATE_TEST_SUITE_P(Program, ThrowingCallback,
                         ::testing::Values("draw_standard", "draw_other", "after-frame_standard",
                                           "key_standard", "special_other"));
