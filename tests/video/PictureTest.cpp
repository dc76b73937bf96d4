// Picture files into textures (or their twins of twice the size), drawn in a
// real GL context and read back; the frame read back into a picture file and
// its PNG copy; the GL state each drawing leaves.

#include "platform/GameLog.hpp"
#include "support/Level.hpp"
#include "video/FastTextureData.hpp"
#include "video/ITextureData.hpp"
#include "output/ScreenCapture.hpp"
#include "startup/Banner.hpp"
#include "video/SceneFit.hpp"
#include "video/Texture.hpp"

#define GL_GLEXT_PROTOTYPES
#include <GL/gl.h>
#include <GL/glext.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>

using namespace TestSupport;
using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

namespace
{

constexpr Rgba grey{51, 51, 51, 255};

class Pictures : public ::testing::Test
{
protected:
    GlContext gl;
    TempDir dir;
};

} // namespace

TEST_F(Pictures, FormatsAcceptedAndRefused)
{
    // Left half plum, right half sky (transparent in 32 bits); bits 0: no
    // file, -1: a file that is no picture. The game's own pictures are of
    // BMP/, a family's of any other folder: PNG or BMP up to 1024 x 768 only.
    constexpr Rgba plum{200, 40, 90, 255}, skyBlue{30, 160, 220, 255};
    const struct
    {
        const char* name;
        int width, bits;
        const char* refusal;
    } rows[] = {
        {"BMP/a.png", 40, 32, nullptr},
        {"BMP/b.png", 40, 24, nullptr},
        {"BMP/c.bmp", 40, 24, nullptr},
        {"BMP/d.jpg", 40, 24, nullptr},
        {"BMP/e.png", 40, 8, "Bad image format"},
        {"BMP/f.png", 65537, 24, "Too large"},
        {"BMP/g.png", 40, 0, "Unable to load"},
        {"BMP/h.png", 40, -1, "Unable to load"},
        {"own/i.bmp", 40, 24, nullptr},
        {"own/j.jpg", 40, 24, "Unable to load"},
        {"gallery/k.png", 1025, 24, "Unable to load"},
    };
    const WorkingDirectory inside(dir.path());
    for (const auto& row : rows)
    {
        SCOPED_TRACE(row.name);
        const std::string file = row.name;
        const Rgba right = row.bits == 32 ? Rgba{} : skyBlue;
        if (row.bits > 0)
            writePicture(file, row.width, 20, row.bits,
                         [&](int x, int) { return x < 20 ? plum : right; });
        if (row.bits < 0)
            std::ofstream(file) << "not a picture";
        try
        {
            Picture picture(file);
            picture.position = {100, 100};
            gl.clear(grey);
            picture.draw();
            EXPECT_FALSE(row.refusal);
            EXPECT_TRUE(near(gl.pixel(105, 110), plum, 8)) << gl.pixel(105, 110);
            EXPECT_TRUE(near(gl.pixel(135, 110), row.bits == 32 ? grey : skyBlue, 8));
        }
        catch (const std::exception& refused)
        {
            ASSERT_TRUE(row.refusal) << refused.what();
            EXPECT_EQ(std::string(refused.what()).rfind(row.refusal, 0), 0u) << refused.what();
        }
    }
}

TEST_F(Pictures, TwinsOfTwiceTheSizeWhereTheSceneIsLarger)
{
    // BMP/pN.png is plum, 40 x 20; its twin BMP2x/pN.png of the row's width
    // sky blue: shown only on a larger scene and at twice the size, in units.
    // Loaded on a scene of the first width, the picture is read again when
    // the scene changes to the second; "gone": BMP/pN.png is removed first.
    constexpr Rgba plum{200, 40, 90, 255}, skyBlue{30, 160, 220, 255};
    const struct
    {
        int first, second, twinWidth;
        bool gone;
        Rgba shownFirst, shownSecond;
    } rows[] = {{2048, 1024, 80, false, skyBlue, plum}, {1024, 1920, 80, false, plum, skyBlue},
                {1024, 1025, 80, false, plum, skyBlue}, {1920, 2048, 80, false, skyBlue, skyBlue},
                {1024, 2048, 79, false, plum, plum},    {2048, 1024, 80, true, skyBlue, skyBlue}};
    const WorkingDirectory inside(dir.path());
    Platform::gameLog.open("gameLog.txt");
    std::filesystem::create_directories("BMP2x");
    int n = 0;
    for (const auto& row : rows)
    {
        const std::string name = "p" + std::to_string(n++) + ".png";
        writePicture("BMP/" + name, 40, 20, 32, [&](int, int) { return plum; });
        writePicture("BMP2x/" + name, row.twinWidth, 40, 32, [&](int, int) { return skyBlue; });
        VideoEngine::OpenGL::choosePictureDetail(row.first, row.first * 3 / 4);
        Picture picture("BMP/" + name);
        picture.position = {100, 100};
        for (const Rgba shown : {row.shownFirst, row.shownSecond})
        {
            gl.clear(grey);
            picture.draw();
            EXPECT_TRUE(near(gl.pixel(138, 118), shown, 8) && near(gl.pixel(141, 121), grey, 8))
                << n << ": " << gl.pixel(138, 118);
            if (row.gone)
                std::filesystem::remove("BMP/" + name);
            VideoEngine::OpenGL::choosePictureDetail(row.second, row.second * 3 / 4);
        }
        EXPECT_EQ(readFile("gameLog.txt").find("Unable to load BMP/" + name) != std::string::npos,
                  row.gone)
            << n;
    }
    VideoEngine::OpenGL::choosePictureDetail(1024, 768);
    Platform::gameLog.close();
}

TEST_F(Pictures, DrawnPlacedMirroredResizedAndTinted)
{
    // A 100 x 50 picture in quadrants, drawn at (10, 20), read near its corners.
    constexpr Rgba R{255, 0, 0, 255}, G{0, 255, 0, 255}, B{0, 0, 255, 255}, Y{255, 255, 0, 255},
        r8{204, 0, 0, 255}, y8{204, 255, 0, 255}, r4{102, 0, 0, 255}, g4{0, 102, 0, 255},
        y4{102, 102, 0, 255};
    const std::string file = dir.file("quadrants.png");
    writePicture(file, 100, 50, 32,
                 [&](int x, int y) { return y < 25 ? (x < 50 ? R : G) : (x < 50 ? B : Y); });
    const struct
    {
        bool mirror;
        unsigned size;
        int tintSteps;
        Rgba topLeft, topRight, bottomLeft, bottomRight;
    } rows[] = {
        {false, 10, 0, R, G, B, Y}, {true, 10, 0, G, R, Y, B},    {false, 5, 0, R, G, B, Y},
        {false, 12, 0, R, G, B, Y}, {false, 10, 1, r8, G, B, y8}, {false, 10, 15, r4, g4, B, y4},
        {true, 5, 1, G, r8, y8, B},
    };
    for (const auto& row : rows)
    {
        Picture picture(file);
        picture.position = {10, 20};
        picture.mirror = row.mirror;
        picture.size = row.size;
        for (int step = 0; step < row.tintSteps; ++step)
            picture.nextColor();
        gl.clear(grey);
        picture.draw();
        const int right = 10 + 10 * int(row.size) - 3, bottom = 20 + 5 * int(row.size) - 3;
        const struct
        {
            int x, y;
            Rgba colour;
        } probes[] = {{12, 22, row.topLeft},        {right, 22, row.topRight},
                      {12, bottom, row.bottomLeft}, {right, bottom, row.bottomRight},
                      {right + 5, 22, grey},        {12, bottom + 5, grey}};
        for (const auto& p : probes)
            EXPECT_TRUE(near(gl.pixel(p.x, p.y), p.colour))
                << "mirror " << row.mirror << ", size " << row.size << ", tint " << row.tintSteps
                << " at " << p.x << "," << p.y << ": " << gl.pixel(p.x, p.y);
    }
}

TEST_F(Pictures, FrameSavedOnlyWhenReadBackAndNeverOverAFile)
{
    // A pixel pack buffer too small for the frame makes the read-back fail.
    // A name taken, by a picture or by a link, is never written over.
    WorkingDirectory inside(dir.path());
    Platform::gameLog.open("gameLog.txt");
    std::ofstream("outside") << "kept";
    for (const char* link : {"linked.bmp", "linked.png"})
        std::filesystem::create_symlink("outside", link);
    const struct
    {
        const char* stem;
        GLsizeiptr packBuffer; // its size in bytes; 0: none bound
        const char* written;   // the name of both files; empty: none
        Rgba colour;
    } rows[] = {
        {"a", 0, "a", {200, 40, 90, 255}},
        {"a", 0, "a 2", {60, 120, 40, 255}}, // taken again within its second
        {"linked", 0, "linked 2", {30, 60, 200, 255}},
        {"b", 16, "", {200, 40, 90, 255}},
    };
    for (const auto& row : rows)
    {
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, row.packBuffer ? buffer : 0);
        if (row.packBuffer)
            glBufferData(GL_PIXEL_PACK_BUFFER, row.packBuffer, nullptr, GL_STREAM_READ);
        gl.clear(row.colour);
        const auto files = VideoEngine::OpenGL::saveScreen(row.stem, row.stem);
        glBindBuffer(GL_PIXEL_PACK_BUFFER, 0);
        glDeleteBuffers(1, &buffer);
        const std::string written = row.written;
        EXPECT_EQ(files.bmp, written.empty() ? "" : written + ".bmp") << row.stem;
        EXPECT_EQ(files.png, written.empty() ? "" : written + ".png") << row.stem;
        const std::string log = readFile("gameLog.txt");
        EXPECT_EQ(log.find("Unable to read the frame back") != std::string::npos, written.empty());
    }
    // Nothing went through a link; every picture stays with its own pixels.
    EXPECT_TRUE(readFile("outside") == "kept") << "written through a link";
    for (const auto& row : rows)
        for (const char* type : {".bmp", ".png"})
            EXPECT_TRUE(!*row.written ||
                        near(readPixel(std::string(row.written) + type, 9, 9), row.colour))
                << row.written << type;
    Platform::gameLog.close();
}

// Before each drawing: a colour, a clear colour, a texture bound, blending
// off, the scissor on, a framebuffer of the test's own and the projection
// matrix current. After it, each reads back the same.
TEST_F(Pictures, EveryDrawingLeavesTheGLStateAsItFoundIt)
{
    using namespace VideoEngine::OpenGL;
    const std::string file = dir.file("p.png");
    writePicture(file, 40, 20, 32, [](int, int) { return Rgba{200, 40, 90, 255}; });
    Picture picture(file), moved(file);
    picture.red = 0.5f;
    moved.position = {300, 200};
    ScenePictures scene;
    scene.background.add(picture);
    scene.backgroundCovers = true;
    scene.carried.add(picture);
    ScenePictures changed = scene, otherBackground = scene;
    scene.pieces.add(picture);
    changed.pieces.add(moved);
    otherBackground.background.add(moved);
    otherBackground.pieces = changed.pieces;
    const struct
    {
        const char* name;
        std::function<void()> draw;
    } rows[] = {
        {"a picture", [&] { picture.draw(); }},
        {"a batch", [&] { scene.pieces.draw(); }},
        {"a scene drawn whole and kept", [&] { SceneDrawing().draw(scene); }},
        {"a kept scene, again and within a changed box",
         [&]
         {
             SceneDrawing drawing;
             for (const ScenePictures* pictures : {&scene, &scene, &changed})
                 drawing.draw(*pictures);
         }},
        {"a new background under pieces kept in their own layer",
         [&]
         {
             SceneDrawing drawing;
             for (const ScenePictures* pictures : {&scene, &changed, &otherBackground})
                 drawing.draw(*pictures);
         }},
        {"a thumbnail",
         [&]
         {
             SceneTarget target;
             saveThumbnail(target, scene, dir.file("t.png"), 52, 39);
         }},
        {"the bars and the scene cleared", [&] { fitScene(1280, 768).clear(true, 1, 1, 0); }},
        {"the banner's warm-up", [&] { StartUp::warmRenderer(picture); }},
    };
    GLuint framebuffer = 0, colour = 0, texture = 0;
    glGenRenderbuffers(1, &colour);
    glBindRenderbuffer(GL_RENDERBUFFER, colour);
    glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, 1024, 768);
    glGenFramebuffers(1, &framebuffer);
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
    glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
    glGenTextures(1, &texture);
    const auto state = []
    {
        GLfloat colours[8];
        GLint numbers[9]; // the last four: the viewport
        glGetFloatv(GL_CURRENT_COLOR, colours);
        glGetFloatv(GL_COLOR_CLEAR_VALUE, colours + 4);
        const GLenum names[] = {GL_TEXTURE_BINDING_2D, GL_DRAW_FRAMEBUFFER_BINDING,
                                GL_READ_FRAMEBUFFER_BINDING, GL_RENDERBUFFER_BINDING,
                                GL_MATRIX_MODE, GL_VIEWPORT};
        for (int k = 0; k < 6; ++k)
            glGetIntegerv(names[k], &numbers[k]);
        std::ostringstream text; // colours, bindings, matrix mode, viewport
        for (GLfloat value : colours)
            text << " " << value;
        for (GLint value : numbers)
            text << " " << value;
        text << "; blend " << int(glIsEnabled(GL_BLEND)) << ", scissor "
             << int(glIsEnabled(GL_SCISSOR_TEST));
        return text.str();
    };
    for (const auto& row : rows)
    {
        glColor4f(0.25f, 0.5f, 0.75f, 1.0f);
        glClearColor(0.125f, 0.375f, 0.625f, 1.0f);
        glBindTexture(GL_TEXTURE_2D, texture);
        glDisable(GL_BLEND);
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, 0, 1024, 768);
        glMatrixMode(GL_PROJECTION);
        const std::string before = state();
        row.draw();
        EXPECT_EQ(before, state()) << row.name;
        EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError()) << row.name;
    }
}
