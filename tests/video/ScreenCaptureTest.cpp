// The frame read back into a BMP and its PNG copy; a failed read-back (into a
// pixel pack buffer too small for the frame) writes neither and says so.

#include "video/ScreenCapture.hpp"
#include "platform/GameLog.hpp"
#include "support/Level.hpp"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <filesystem>
#include <gtest/gtest.h>

using namespace TestSupport;
namespace fs = std::filesystem;

TEST(ScreenCapture, SavedOnlyWhenReadBack)
{
    GlContext gl;
    TempDir dir;
    WorkingDirectory inside(dir.path());
    Platform::gameLog.open("gameLog.txt");
    constexpr Rgba plum{200, 40, 90, 255};
    for (const GLsizeiptr packBuffer : {0, 16}) // its size in bytes; 0: none bound
    {
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, packBuffer ? buffer : 0);
        if (packBuffer)
            glBufferData(GL_PIXEL_PACK_BUFFER, packBuffer, nullptr, GL_STREAM_READ);
        gl.clear(plum);
        const std::string name = std::to_string(packBuffer);
        const bool saved = VideoEngine::OpenGL::saveScreen(name + ".bmp", name + ".png");
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        glDeleteBuffers(1, &buffer);
        EXPECT_EQ(saved, !packBuffer) << packBuffer;
        EXPECT_EQ(fs::exists(name + ".bmp") || fs::exists(name + ".png"), saved) << packBuffer;
        EXPECT_TRUE(!saved || near(readPixel(name + ".png", 9, 9), plum));
        const std::string log = readFile("gameLog.txt");
        EXPECT_NE(log.find("Unable to read the frame back") != std::string::npos, saved);
    }
    Platform::gameLog.close();
}
