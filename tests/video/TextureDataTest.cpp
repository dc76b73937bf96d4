// Pictures into RGBA buffers and GL textures: sizes, byte order, padding,
// regions, failures, and the life of the GL texture.

#include "Pictures.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "video/OpenGL.hpp"

#include <FreeImage.h>
#include <GL/gl.h>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace VideoEngine::OpenGL;
using VideoTests::Color;

namespace
{

// The buffer alone, for checks that need no GL context.
class PixelsOnly : public TextureData
{
public:
    void drawPart(int, int, int, int, int, int, int, int, bool, float) override {}
    void draw(int, int, bool, float) override {}
};

Color bufferPixel(const TextureData& data, unsigned x, unsigned y)
{
    const std::uint8_t* p = data.pixels.get() + (std::size_t(y) * data.textureWidth + x) * 4;
    return Color{p[0], p[1], p[2], p[3]};
}

void expectColor(const Color& expected, const Color& actual, const std::string& where)
{
    EXPECT_EQ(expected.r, actual.r) << where;
    EXPECT_EQ(expected.g, actual.g) << where;
    EXPECT_EQ(expected.b, actual.b) << where;
    EXPECT_EQ(expected.a, actual.a) << where;
}

// A different colour for every pixel, so that a swapped row, column or
// channel shows.
Color distinct(unsigned x, unsigned y)
{
    return Color{std::uint8_t(10 + x), std::uint8_t(100 + y), std::uint8_t(200 + x + y),
                 std::uint8_t(50 + 10 * x + y)};
}

// Writes a 4 x 4 picture of distinct pixels into dir and returns its name.
std::string writeDistinctPicture(const TestSupport::TempDir& dir)
{
    const std::string name = dir.file("a.png");
    VideoTests::writePicture(name, 4, 4, 32, distinct);
    return name;
}

std::string messageOf(const std::function<void()>& action)
{
    try
    {
        action();
    }
    catch (const std::exception& e)
    {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace

TEST(NextPowerOfTwo, SmallestPowerNotBelowTheValueUpTo65536)
{
    EXPECT_EQ(2u, nextPowerOfTwo(0));
    EXPECT_EQ(2u, nextPowerOfTwo(1));
    EXPECT_EQ(2u, nextPowerOfTwo(2));
    EXPECT_EQ(4u, nextPowerOfTwo(3));
    EXPECT_EQ(128u, nextPowerOfTwo(100));
    EXPECT_EQ(256u, nextPowerOfTwo(256));
    EXPECT_EQ(512u, nextPowerOfTwo(257));
    EXPECT_EQ(65536u, nextPowerOfTwo(32769));
    EXPECT_EQ(65536u, nextPowerOfTwo(65536));
    EXPECT_EQ("Too large", messageOf([] { nextPowerOfTwo(65537); }));
    EXPECT_EQ("Too large", messageOf([] { nextPowerOfTwo(0xFFFFFFFFu); }));
}

TEST(TextureData, OnePixelPictureIsPaddedToTwoByTwo)
{
    TestSupport::TempDir dir;
    const std::string name = dir.file("dot.bmp");
    VideoTests::writePicture(name, 1, 1, 24,
                             [](unsigned, unsigned) {
                                 return Color{10, 20, 30, 0};
                             });
    PixelsOnly data;
    data.loadFromFile(name, 0, 0, 0, 0);
    EXPECT_EQ(1u, data.imageWidth);
    EXPECT_EQ(1u, data.imageHeight);
    EXPECT_EQ(2u, data.textureWidth);
    EXPECT_EQ(2u, data.textureHeight);
    EXPECT_EQ(name, data.fileName);
    expectColor({10, 20, 30, 255}, bufferPixel(data, 0, 0), "the picture's pixel, opaque");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 1, 0), "right padding");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 0, 1), "bottom padding");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 1, 1), "corner padding");
}

TEST(TextureData, ThirtyTwoBitPixelsKeepChannelsAlphaAndRowOrder)
{
    TestSupport::TempDir dir;
    const std::string name = dir.file("distinct.png");
    VideoTests::writePicture(name, 3, 2, 32, distinct);
    PixelsOnly data;
    data.loadFromFile(name, 0, 0, 0, 0);
    ASSERT_EQ(4u, data.textureWidth);
    ASSERT_EQ(2u, data.textureHeight);
    for (unsigned y = 0; y < 2; ++y)
        for (unsigned x = 0; x < 3; ++x)
            expectColor(distinct(x, y), bufferPixel(data, x, y),
                        "pixel " + std::to_string(x) + "," + std::to_string(y));
    expectColor({0, 0, 0, 0}, bufferPixel(data, 3, 0), "right padding");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 3, 1), "right padding");
}

TEST(TextureData, TexturesAreTheNextPowersOfTwoAndPaddingStaysZero)
{
    const auto picture =
        VideoTests::makeBitmap(300, 200, 24,
                               [](unsigned x, unsigned y) {
                                   return Color{std::uint8_t(x), std::uint8_t(y), 7, 0};
                               });
    PixelsOnly data;
    data.loadFromBitmap(picture.get(), 0, 0, 0, 0);
    EXPECT_EQ(300u, data.imageWidth);
    EXPECT_EQ(200u, data.imageHeight);
    EXPECT_EQ(512u, data.textureWidth);
    EXPECT_EQ(256u, data.textureHeight);
    expectColor({std::uint8_t(299), 199, 7, 255}, bufferPixel(data, 299, 199), "last pixel");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 300, 0), "first column of padding");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 0, 200), "first row of padding");
    expectColor({0, 0, 0, 0}, bufferPixel(data, 511, 255), "last byte of the buffer");

    const auto screen = VideoTests::makeBitmap(1024, 768, 32,
                                               [](unsigned, unsigned) {
                                                   return Color{1, 2, 3, 4};
                                               });
    data.loadFromBitmap(screen.get(), 0, 0, 0, 0);
    EXPECT_EQ(1024u, data.textureWidth);
    EXPECT_EQ(1024u, data.textureHeight);
}

TEST(TextureData, RegionIsCutFromTheTopLeftOfThePicture)
{
    const auto picture = VideoTests::makeBitmap(6, 4, 32, distinct);
    PixelsOnly data;
    data.loadFromBitmap(picture.get(), 2, 1, 3, 2);
    EXPECT_EQ(3u, data.imageWidth);
    EXPECT_EQ(2u, data.imageHeight);
    EXPECT_EQ(4u, data.textureWidth);
    EXPECT_EQ(2u, data.textureHeight);
    for (unsigned y = 0; y < 2; ++y)
        for (unsigned x = 0; x < 3; ++x)
            expectColor(distinct(x + 2, y + 1), bufferPixel(data, x, y),
                        "region pixel " + std::to_string(x) + "," + std::to_string(y));
    expectColor({0, 0, 0, 0}, bufferPixel(data, 3, 0), "padding");

    EXPECT_THROW(data.loadFromBitmap(picture.get(), 4, 0, 3, 1), std::invalid_argument);
    EXPECT_THROW(data.loadFromBitmap(picture.get(), 0, 3, 1, 2), std::invalid_argument);
    EXPECT_THROW(data.loadFromBitmap(picture.get(), -1, 0, 1, 1), std::invalid_argument);
}

TEST(TextureData, RejectsPalettisedPicturesAndUnreadableFiles)
{
    TestSupport::TempDir dir;
    const std::string palettised = dir.file("palette.png");
    VideoTests::writePalettisedPicture(palettised, 4, 4);
    PixelsOnly data;
    EXPECT_EQ("Bad image format", messageOf([&] { data.loadFromFile(palettised, 0, 0, 0, 0); }));
    EXPECT_EQ("", data.fileName);

    const std::string good = dir.file("good.png");
    VideoTests::writePicture(good, 2, 2, 24, [](unsigned, unsigned) { return Color{}; });
    data.loadFromFile(good, 0, 0, 0, 0);
    const std::string missing = dir.file("missing.png");
    EXPECT_EQ("Unable to load " + missing,
              messageOf([&] { data.loadFromFile(missing, 0, 0, 0, 0); }));
    EXPECT_EQ(good, data.fileName);

    const std::string garbage = dir.file("garbage.png");
    std::ofstream(garbage) << "not a picture";
    EXPECT_EQ("Unable to load " + garbage,
              messageOf([&] { data.loadFromFile(garbage, 0, 0, 0, 0); }));
}

TEST(TextureData, ReadsByContentWhateverTheExtension)
{
    TestSupport::TempDir dir;
    const std::string png = dir.file("really-a-png.bmp");
    const auto bitmap = VideoTests::makeBitmap(2, 1, 32, distinct);
    ASSERT_TRUE(FreeImage_Save(FIF_PNG, bitmap.get(), png.c_str(), 0));
    PixelsOnly data;
    data.loadFromFile(png, 0, 0, 0, 0);
    expectColor(distinct(1, 0), bufferPixel(data, 1, 0), "pixel read through PNG");
}

TEST(TextureData, TooLargeAbove65536AndTheOldPictureStaysWhole)
{
    PixelsOnly data;
    const auto small = VideoTests::makeBitmap(3, 3, 24, distinct);
    data.loadFromBitmap(small.get(), 0, 0, 0, 0);
    const std::uint8_t* oldPixels = data.pixels.get();

    const auto wide = VideoTests::makeBitmap(65537, 1, 24, distinct);
    EXPECT_EQ("Too large", messageOf([&] { data.loadFromBitmap(wide.get(), 0, 0, 0, 0); }));
    EXPECT_EQ(oldPixels, data.pixels.get());
    EXPECT_EQ(4u, data.textureWidth);
    EXPECT_EQ(4u, data.textureHeight);

    const auto widest = VideoTests::makeBitmap(65536, 1, 24, distinct);
    data.loadFromBitmap(widest.get(), 0, 0, 0, 0);
    EXPECT_EQ(65536u, data.textureWidth);
    EXPECT_EQ(2u, data.textureHeight);
}

TEST(TextureData, CopyHasItsOwnPixelsAndNoTexture)
{
    PixelsOnly data;
    const auto picture = VideoTests::makeBitmap(3, 2, 32, distinct);
    data.loadFromBitmap(picture.get(), 0, 0, 0, 0);
    data.fileName = "BMP/palace/1.tower.png";
    data.textureId = 42;
    const PixelsOnly copy(data);
    EXPECT_EQ(TextureData::noTexture, copy.textureId);
    EXPECT_EQ(data.fileName, copy.fileName);
    EXPECT_EQ(3u, copy.imageWidth);
    EXPECT_EQ(4u, copy.textureWidth);
    ASSERT_NE(data.pixels.get(), copy.pixels.get());
    EXPECT_EQ(0, std::memcmp(data.pixels.get(), copy.pixels.get(), 4 * 2 * 4));
}

TEST(UtilsArray, IndexAtTheSizeThrowsNamingTheArrayType)
{
    Utils::Array<FastTextureData, 4> pieces;
    EXPECT_NO_THROW(pieces[3]);
    const std::string message = messageOf([&] { pieces[4]; });
    EXPECT_EQ(0u,
              message.find("Out of range in Utils::Array<VideoEngine::OpenGL::FastTextureData, 4"))
        << message;
    const Utils::Array<std::string, 3>& names = Utils::Array<std::string, 3>();
    EXPECT_THROW(names[3], std::out_of_range);
}

TEST(FastTextureData, EachLoadReplacesTheTextureAndAFailedLoadLeavesNone)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    const std::string name = writeDistinctPicture(dir);

    FastTextureData data;
    data.loadFromFile(name, 0, 0, 0, 0);
    const GLuint first = data.textureId;
    ASSERT_NE(TextureData::noTexture, first);
    EXPECT_TRUE(glIsTexture(first));

    const std::string palettised = dir.file("palette.png");
    VideoTests::writePalettisedPicture(palettised, 4, 4);
    EXPECT_THROW(data.loadFromFile(palettised, 0, 0, 0, 0), std::invalid_argument);
    EXPECT_EQ(TextureData::noTexture, data.textureId);
    EXPECT_FALSE(glIsTexture(first));

    data.loadFromFile(name, 0, 0, 0, 0);
    const GLuint second = data.textureId;
    ASSERT_NE(TextureData::noTexture, second);
    EXPECT_THROW(data.loadFromFile(dir.file("missing.png"), 0, 0, 0, 0), std::invalid_argument);
    EXPECT_EQ(TextureData::noTexture, data.textureId);
    EXPECT_FALSE(glIsTexture(second));
    EXPECT_EQ(name, data.fileName);
}

TEST(FastTextureData, EmptyNameOnlyReleasesTheTexture)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    const std::string name = writeDistinctPicture(dir);
    FastTextureData data;
    data.loadFromFile(name, 0, 0, 0, 0);
    const GLuint texture = data.textureId;
    const std::uint8_t* pixels = data.pixels.get();

    data.loadFromFile("", 0, 0, 0, 0);
    EXPECT_EQ(TextureData::noTexture, data.textureId);
    EXPECT_FALSE(glIsTexture(texture));
    EXPECT_EQ(pixels, data.pixels.get());
    EXPECT_EQ(name, data.fileName);
    EXPECT_EQ(4u, data.imageWidth);
}

TEST(FastTextureData, CopyOwnsATextureThatOutlivesTheOriginal)
{
    TestSupport::GlContext gl;
    const auto picture = VideoTests::makeBitmap(4, 4, 32, distinct);
    auto original = std::make_unique<FastTextureData>();
    original->loadFromBitmap(picture.get(), 0, 0, 0, 0);
    const GLuint originalTexture = original->textureId;

    const FastTextureData copy(*original);
    ASSERT_NE(TextureData::noTexture, copy.textureId);
    EXPECT_NE(originalTexture, copy.textureId);
    original.reset();
    EXPECT_FALSE(glIsTexture(originalTexture));
    EXPECT_TRUE(glIsTexture(copy.textureId));

    GLint width = 0;
    glBindTexture(GL_TEXTURE_2D, copy.textureId);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    EXPECT_EQ(4, width);
    std::vector<std::uint8_t> uploaded(4 * 4 * 4);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, uploaded.data());
    EXPECT_EQ(0, std::memcmp(uploaded.data(), copy.pixels.get(), uploaded.size()));
    glBindTexture(GL_TEXTURE_2D, 0);
}

TEST(FastTextureData, UploadUsesClampLinearAndThePaddedSize)
{
    TestSupport::GlContext gl;
    const auto picture = VideoTests::makeBitmap(300, 200, 24, distinct);
    FastTextureData data;
    data.loadFromBitmap(picture.get(), 0, 0, 0, 0);
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(0, bound) << "loading must leave the texture binding as it was";

    glBindTexture(GL_TEXTURE_2D, data.textureId);
    GLint width = 0, height = 0, wrapS = 0, wrapT = 0, minFilter = 0, magFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &wrapS);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &wrapT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glBindTexture(GL_TEXTURE_2D, 0);
    EXPECT_EQ(512, width);
    EXPECT_EQ(256, height);
    EXPECT_EQ(GL_CLAMP, wrapS);
    EXPECT_EQ(GL_CLAMP, wrapT);
    EXPECT_EQ(GL_LINEAR, minFilter);
    EXPECT_EQ(GL_LINEAR, magFilter);
}

TEST(FastTextureData, TextureTheGlCannotHoldFailsTheLoad)
{
    TestSupport::GlContext gl;
    GLint maximum = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maximum);
    if (maximum >= 65536)
        GTEST_SKIP() << "this GL takes 65536 x 2 textures";
    const auto widest = VideoTests::makeBitmap(65536, 1, 24, distinct);
    FastTextureData data;
    EXPECT_THROW(data.loadFromBitmap(widest.get(), 0, 0, 0, 0), std::runtime_error);
    EXPECT_EQ(TextureData::noTexture, data.textureId);
    EXPECT_EQ(GLenum(GL_NO_ERROR), glGetError());
}

TEST(FrameTextureData, CutsFourPiecesWithTheirOwnTextures)
{
    TestSupport::GlContext gl;
    const auto picture = VideoTests::makeBitmap(1024, 768, 32, distinct);
    FrameTextureData frame;
    frame.loadFromBitmap(picture.get(), 5, 7, 0, 0);
    EXPECT_EQ(1024u, frame.imageWidth);
    EXPECT_EQ(1024u, frame.textureWidth);
    EXPECT_EQ(768u, frame.imageHeight);
    EXPECT_EQ(768u, frame.textureHeight);

    const unsigned expected[4][4] = {
        {254, 768, 256, 1024}, {770, 60, 1024, 64}, {770, 60, 1024, 64}, {60, 768, 64, 1024}};
    for (unsigned i = 0; i < 4; ++i)
    {
        EXPECT_EQ(expected[i][0], frame.pieces[i].imageWidth) << "piece " << i;
        EXPECT_EQ(expected[i][1], frame.pieces[i].imageHeight) << "piece " << i;
        EXPECT_EQ(expected[i][2], frame.pieces[i].textureWidth) << "piece " << i;
        EXPECT_EQ(expected[i][3], frame.pieces[i].textureHeight) << "piece " << i;
        EXPECT_NE(TextureData::noTexture, frame.pieces[i].textureId) << "piece " << i;
    }
    expectColor(distinct(254, 0), bufferPixel(frame.pieces[1], 0, 0), "top border");
    expectColor(distinct(254, 708), bufferPixel(frame.pieces[2], 0, 0), "bottom border");
    expectColor(distinct(964, 0), bufferPixel(frame.pieces[3], 0, 0), "right border");
}

TEST(FrameTextureData, RejectsPicturesTooSmallOrOfTheWrongDepth)
{
    TestSupport::GlContext gl;
    FrameTextureData frame;
    const auto narrow = VideoTests::makeBitmap(254, 100, 32, distinct);
    EXPECT_THROW(frame.loadFromBitmap(narrow.get(), 0, 0, 0, 0), std::invalid_argument);
    const auto low = VideoTests::makeBitmap(400, 59, 32, distinct);
    EXPECT_THROW(frame.loadFromBitmap(low.get(), 0, 0, 0, 0), std::invalid_argument);
    const auto smallest = VideoTests::makeBitmap(255, 60, 24, distinct);
    frame.loadFromBitmap(smallest.get(), 0, 0, 0, 0);
    EXPECT_EQ(1u, frame.pieces[1].imageWidth);

    VideoEngine::OpenGL::BitmapPtr palettised(FreeImage_Allocate(400, 300, 8));
    EXPECT_EQ("Bad image format",
              messageOf([&] { frame.loadFromBitmap(palettised.get(), 0, 0, 0, 0); }));
}
