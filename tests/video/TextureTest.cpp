// The tint steps with their log lines, and the rectangle arithmetic.

#include "startup/GameLog.hpp"
#include "support/TempDir.hpp"
#include "video/OpenGL.hpp"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace VideoEngine::OpenGL;

namespace
{

// Sends the game log to a file of the test's own and reads it back.
class Tinting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gameLog.close();
        gameLog.open(dir.file("gameLog.txt"), std::ios::out | std::ios::trunc);
    }

    std::string logText() const
    {
        std::ifstream in(dir.file("gameLog.txt"));
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    void clearLog() { gameLog.close(), gameLog.open(dir.file("gameLog.txt"), std::ios::trunc); }

    TestSupport::TempDir dir;
    Texture<FastTextureData> texture;
};

} // namespace

TEST_F(Tinting, FirstStepsDimRedAndLogRulesAndFactors)
{
    texture.nextColor();
    EXPECT_EQ(1, texture.colorChanger.step);
    EXPECT_FLOAT_EQ(0.8f, texture.red);
    EXPECT_EQ(1.0f, texture.green);
    EXPECT_EQ(1.0f, texture.blue);
    EXPECT_EQ("OpenGL 666 chg=(1, 0, 0)\nOpenGL 682 color=(0.8, 1, 1)\n", logText());

    clearLog();
    texture.previousColor();
    EXPECT_EQ(0, texture.colorChanger.step);
    EXPECT_FLOAT_EQ(0.9f, texture.red);
    EXPECT_EQ("OpenGL 706 chg=(1, 0, 0)\nOpenGL 722 color=(0.9, 1, 1)\n", logText());

    clearLog();
    texture.previousColor();
    EXPECT_EQ(0, texture.colorChanger.step);
    EXPECT_EQ(1.0f, texture.red);
    EXPECT_EQ("OpenGL 706 chg=(0, 0, 0)\nOpenGL 722 color=(1, 1, 1)\n", logText());
}

TEST_F(Tinting, StepsWalkTheSixFamiliesAndStopAt59)
{
    for (int i = 0; i < 19; ++i)
        texture.nextColor();
    EXPECT_EQ(19, texture.colorChanger.step);
    EXPECT_EQ(0.0f, texture.red);
    EXPECT_EQ(0.0f, texture.green);
    EXPECT_EQ(1.0f, texture.blue);
    texture.nextColor();
    EXPECT_FLOAT_EQ(0.9f, texture.red);
    EXPECT_EQ(1.0f, texture.green);
    EXPECT_FLOAT_EQ(0.9f, texture.blue);

    for (int i = 20; i < 59; ++i)
        texture.nextColor();
    EXPECT_EQ(59, texture.colorChanger.step);
    EXPECT_EQ(1.0f, texture.red);
    EXPECT_EQ(0.0f, texture.green);
    EXPECT_EQ(0.0f, texture.blue);

    clearLog();
    texture.nextColor();
    EXPECT_EQ(59, texture.colorChanger.step);
    EXPECT_EQ(1.0f, texture.red);
    EXPECT_EQ(0.0f, texture.green);
    EXPECT_EQ("OpenGL 666 chg=(0, 1, 1)\nOpenGL 682 color=(1, 0, 0)\n", logText());
}

TEST(ColorChanger, FamiliesInTableOrder)
{
    const ColorMode expected[6] = {{1, 0, 0}, {1, 1, 0}, {1, 0, 1},
                                   {0, 1, 0}, {0, 0, 1}, {0, 1, 1}};
    ColorChanger changer;
    for (int step = 1; step <= 59; ++step)
        EXPECT_EQ(expected[step / 10], changer.next()) << "step " << step;
    for (int step = 58; step >= 0; --step)
        EXPECT_EQ(expected[step / 10], changer.previous()) << "step " << step;
    EXPECT_EQ((ColorMode{0, 0, 0}), changer.previous());
    EXPECT_EQ(0, changer.step);
}

TEST(Rectangl, ScaleKeepsTheCornerAndTruncatesTowardZero)
{
    Rectangl r{10, 20, 110, 70};
    r.scale(0.5f);
    EXPECT_EQ((Rectangl{10, 20, 60, 45}), r);

    Rectangl negative{-10, -10, 5, 5};
    negative.scale(0.3f);
    EXPECT_EQ((Rectangl{-10, -10, -5, -5}), negative) << "about -5.5 truncates to -5, not -6";

    // 10 x 0.7f is just below 7; single precision would round it up to 7.
    Rectangl seven{0, 0, 10, 10};
    seven.scale(0.7f);
    EXPECT_EQ((Rectangl{0, 0, 6, 6}), seven);

    Rectangl larger{100, 100, 200, 150};
    larger.scale(1.2f);
    EXPECT_EQ((Rectangl{100, 100, 220, 160}), larger);
}
