// The finished frame read back into a BMP and its PNG copy; a read-back that
// fails (a pixel pack buffer too small for the frame) writes neither.

#include "platform/GameLog.hpp"
#include "support/Level.hpp"
#include "video/ScreenCapture.hpp"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

using namespace TestSupport;

TEST(ScreenCapture, SavedOnlyWhenReadBack)
{
    GlContext gl;
    TempDir dir;
    Platform::gameLog.open(dir.file("gameLog.txt"));
    constexpr Rgba plum{200, 40, 90, 255};
    const struct
    {
        GLsizeiptr packBuffer; // bytes; 0: none bound
        const char* lastLog;
    } rows[] = {{0, "OpenGL 19 errno=0\n"}, {16, "no picture saved\n"}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.packBuffer);
        const std::string bmp = dir.file(std::to_string(row.packBuffer) + ".bmp"),
                          png = dir.file(std::to_string(row.packBuffer) + ".png");
        gl.clear(plum);
        GLuint buffer = 0;
        if (row.packBuffer)
        {
            glGenBuffers(1, &buffer);
            glBindBuffer(GL_PIXEL_PACK_BUFFER, buffer);
            glBufferData(GL_PIXEL_PACK_BUFFER, row.packBuffer, nullptr, GL_STREAM_READ);
        }
        const bool saved = VideoEngine::OpenGL::saveScreen(bmp, png);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        glDeleteBuffers(1, &buffer);
        const std::string log = readFile(dir.file("gameLog.txt")), last = row.lastLog;
        EXPECT_EQ(log.substr(log.size() - std::min(log.size(), last.size())), last);
        EXPECT_EQ(saved, !row.packBuffer);
        EXPECT_EQ(std::filesystem::exists(bmp), saved);
        EXPECT_EQ(std::filesystem::exists(png), saved);
        EXPECT_TRUE(!saved || (near(readPixel(bmp, 9, 9), plum) && near(readPixel(png, 9, 9), plum)));
    }
    Platform::gameLog.close();
}
