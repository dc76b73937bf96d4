// The saved picture against what was drawn: real GL under Xvfb, the BMP read
// back with FreeImage.

#include "video/ScreenCapture.hpp"
#include "startup/GameLog.hpp"
#include "startup/Globals.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"

#include <FreeImage.h>
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace
{

void fillRect(int left, int top, int right, int bottom, float r, float g, float b)
{
    glDisable(GL_TEXTURE_2D);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    glVertex2i(left, top);
    glVertex2i(right, top);
    glVertex2i(right, bottom);
    glVertex2i(left, bottom);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}

// A scene with distinct colours in the corners and a gradient across, so a
// swapped channel, a flipped row order or a skewed row shows.
void drawScene(TestSupport::GlContext& gl)
{
    gl.clear(0.1f, 0.2f, 0.3f);
    fillRect(0, 0, 40, 30, 1, 0, 0);
    fillRect(984, 738, 1024, 768, 0, 1, 0);
    fillRect(0, 738, 40, 768, 0, 0, 1);
    for (int x = 100; x < 900; x += 7)
        fillRect(x, 200 + x / 5, x + 7, 560, x / 900.0f, 0.5f, 1 - x / 900.0f);
    glFinish();
}

std::string lastLine(const std::string& fileName)
{
    std::ifstream file(fileName);
    std::string line, last;
    while (std::getline(file, line))
        last = line;
    return last;
}

void expectFileShowsTheBackBuffer(TestSupport::GlContext& gl, const std::string& file, int width,
                                  int height)
{
    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, file.c_str(), 0);
    ASSERT_TRUE(bitmap) << file;
    EXPECT_EQ(FreeImage_GetBPP(bitmap), 24u);
    ASSERT_EQ(FreeImage_GetWidth(bitmap), static_cast<unsigned>(width));
    ASSERT_EQ(FreeImage_GetHeight(bitmap), static_cast<unsigned>(height));
    int compared = 0;
    for (int y = 0; y < height; y += 13)
        for (int x = 0; x < width; x += 11)
        {
            RGBQUAD saved{};
            // FreeImage counts rows from the bottom, the window as well; the
            // test context counts from the top of its 768 rows.
            FreeImage_GetPixelColor(bitmap, x, y, &saved);
            const TestSupport::Rgba drawn = gl.pixel(x, 767 - y);
            ASSERT_EQ(saved.rgbRed, drawn.r) << x << "," << y;
            ASSERT_EQ(saved.rgbGreen, drawn.g) << x << "," << y;
            ASSERT_EQ(saved.rgbBlue, drawn.b) << x << "," << y;
            ++compared;
        }
    EXPECT_GT(compared, 1000);
    FreeImage_Unload(bitmap);
}

// Every test captures the scene drawn into a fresh context.
class ScreenCaptureTest : public ::testing::Test
{
protected:
    // The log goes to the test's own folder: tests running side by side
    // would truncate a shared one.
    ScreenCaptureTest()
    {
        gameLog.close();
        gameLog.clear();
        gameLog.open(folder.file("gameLog.txt"), std::ios::out | std::ios::trunc);
        drawScene(gl);
    }

    TestSupport::GlContext gl;
    TestSupport::TempDir folder;
};

} // namespace

TEST_F(ScreenCaptureTest, SavedPictureIsWhatWasDrawn)
{
    screenWidth = 1024;
    screenHeight = 768;
    const std::string file = folder.file("2024-03-03 09-05-07.bmp");
    VideoEngine::OpenGL::saveScreen(file);
    expectFileShowsTheBackBuffer(gl, file, 1024, 768);
    EXPECT_EQ(lastLine(folder.file("gameLog.txt")), "OpenGL 19 errno=0");

    // The corners land where they were drawn: red at the top left, blue at
    // the bottom left, green at the bottom right.
    FIBITMAP* bitmap = FreeImage_Load(FIF_BMP, file.c_str(), 0);
    RGBQUAD corner{};
    FreeImage_GetPixelColor(bitmap, 5, 767 - 5, &corner);
    EXPECT_EQ(corner.rgbRed, 255);
    EXPECT_EQ(corner.rgbBlue, 0);
    FreeImage_GetPixelColor(bitmap, 5, 5, &corner);
    EXPECT_EQ(corner.rgbBlue, 255);
    FreeImage_GetPixelColor(bitmap, 1020, 5, &corner);
    EXPECT_EQ(corner.rgbGreen, 255);
    FreeImage_Unload(bitmap);
}

TEST_F(ScreenCaptureTest, RowsWhoseWidthIsNoMultipleOfFourStayAligned)
{
    // The display mode decides the size; 1001 * 3 bytes is no multiple of four.
    screenWidth = 1001;
    screenHeight = 701;
    const std::string file = folder.file("odd.bmp");
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    VideoEngine::OpenGL::saveScreen(file);
    // The capture leaves the packing as it found it.
    GLint alignment = 0;
    glGetIntegerv(GL_PACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);
    expectFileShowsTheBackBuffer(gl, file, 1001, 701);
}

TEST_F(ScreenCaptureTest, UnwritablePlaceWritesNothingAndGoesOn)
{
    screenWidth = 1024;
    screenHeight = 768;
    const std::string file = folder.file("missing/shot.bmp");
    VideoEngine::OpenGL::saveScreen(file);
    EXPECT_FALSE(std::filesystem::exists(file));
}
