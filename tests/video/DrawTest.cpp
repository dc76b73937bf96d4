// Pictures drawn into a real GL context and read back pixel by pixel: the
// quad's corners, the padding below the picture, mirroring, size, tint,
// drawPart and the frame pieces.

#include "Pictures.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "video/OpenGL.hpp"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

using namespace VideoEngine::OpenGL;
using TestSupport::Rgba;
using VideoTests::Color;

namespace
{

const Rgba background{51, 51, 51, 255};
const Rgba red{255, 0, 0, 255};
const Rgba green{0, 255, 0, 255};
const Rgba blue{0, 0, 255, 255};
const Rgba yellow{255, 255, 0, 255};

std::string describe(const Rgba& c)
{
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

::testing::AssertionResult near(const Rgba& expected, const Rgba& actual)
{
    if (std::abs(expected.r - actual.r) <= 2 && std::abs(expected.g - actual.g) <= 2 &&
        std::abs(expected.b - actual.b) <= 2)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "expected " << describe(expected) << ", read " << describe(actual);
}

// A GL window, cleared to grey, and a 100 x 50 picture of four coloured
// quadrants (texture 128 x 64).
class Drawing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        picture = dir.file("quadrants.png");
        VideoTests::writePicture(picture, 100, 50, 32,
                                 [](unsigned x, unsigned y)
                                 { return VideoTests::quadrants(100, 50, x, y); });
        gl.clear(0.2f, 0.2f, 0.2f);
    }

    Rgba at(int x, int y) const { return gl.pixel(x, y); }

    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    std::string picture;
};

} // namespace

TEST_F(Drawing, PictureSitsAtItsPositionWithThePaddingBelowIt)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{10, 20};
    texture.draw();

    EXPECT_TRUE(near(red, at(10, 20)));
    EXPECT_TRUE(near(green, at(109, 20)));
    EXPECT_TRUE(near(blue, at(10, 69)));
    EXPECT_TRUE(near(yellow, at(109, 69)));
    EXPECT_TRUE(near(red, at(59, 44)));
    EXPECT_TRUE(near(yellow, at(60, 45)));
    EXPECT_TRUE(near(background, at(9, 20)));
    EXPECT_TRUE(near(background, at(10, 19)));
    EXPECT_TRUE(near(background, at(110, 20)));
    EXPECT_TRUE(near(background, at(50, 70))) << "the transparent padding below";
    EXPECT_TRUE(near(background, at(50, 83)));
}

TEST_F(Drawing, DrawAtIgnoresThePosition)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{10, 20};
    texture.drawAt(500, 300);
    EXPECT_TRUE(near(background, at(10, 20)));
    EXPECT_TRUE(near(red, at(500, 300)));
    EXPECT_TRUE(near(yellow, at(599, 349)));
}

TEST_F(Drawing, MirrorSwapsLeftAndRight)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{10, 20};
    texture.mirror = true;
    texture.draw();
    EXPECT_TRUE(near(green, at(10, 20)));
    EXPECT_TRUE(near(red, at(109, 20)));
    EXPECT_TRUE(near(yellow, at(10, 69)));
    EXPECT_TRUE(near(blue, at(109, 69)));
    EXPECT_TRUE(near(background, at(110, 20)));
}

TEST_F(Drawing, SizeFiveHalvesThePicture)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{10, 20};
    texture.size = 5;
    texture.draw();
    EXPECT_TRUE(near(red, at(12, 22)));
    EXPECT_TRUE(near(green, at(57, 22)));
    EXPECT_TRUE(near(blue, at(12, 42)));
    EXPECT_TRUE(near(yellow, at(57, 42)));
    EXPECT_TRUE(near(background, at(61, 22)));
    EXPECT_TRUE(near(background, at(30, 46)));
}

TEST_F(Drawing, TintMultipliesThePicture)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{10, 20};
    texture.nextColor();
    texture.draw();
    EXPECT_TRUE(near(Rgba{204, 0, 0, 255}, at(20, 25)));
    EXPECT_TRUE(near(Rgba{204, 255, 0, 255}, at(100, 60)));
    EXPECT_TRUE(near(Rgba{0, 0, 255, 255}, at(20, 60)));
}

TEST_F(Drawing, DrawPartFillsTheDestinationWhateverTheSize)
{
    Texture<FastTextureData> texture(picture);
    texture.size = 5;
    texture.drawPart(25, 0, 75, 50, 200, 100, 300, 200);
    EXPECT_TRUE(near(red, at(210, 110)));
    EXPECT_TRUE(near(green, at(290, 110)));
    EXPECT_TRUE(near(blue, at(210, 190)));
    EXPECT_TRUE(near(yellow, at(290, 190)));
    EXPECT_TRUE(near(background, at(199, 150)));
    EXPECT_TRUE(near(background, at(300, 150)));
    EXPECT_TRUE(near(background, at(250, 200)));

    texture.mirror = true;
    texture.drawPart(25, 0, 75, 50, 400, 100, 500, 200);
    EXPECT_TRUE(near(green, at(410, 110)));
    EXPECT_TRUE(near(red, at(490, 110)));
}

TEST_F(Drawing, TextureWithoutPictureDrawsNothing)
{
    Texture<FastTextureData> empty("");
    empty.position = Position{5, 6};
    empty.draw();
    empty.drawPart(0, 0, 10, 10, 0, 0, 100, 100);
    EXPECT_TRUE(near(background, at(5, 6)));
    EXPECT_TRUE(near(background, at(50, 50)));
    EXPECT_EQ((Rectangl{5, 6, 5, 6}), empty.imageRect());

    Texture<FastTextureData> noData;
    noData.data.reset();
    noData.draw();
    EXPECT_TRUE(near(background, at(0, 0)));
}

TEST_F(Drawing, RectanglesAtThePositionIgnoreTheSize)
{
    Texture<FastTextureData> texture(picture);
    texture.position = Position{300, 400};
    texture.size = 5;
    EXPECT_EQ((Rectangl{300, 400, 428, 464}), texture.textureRect());
    EXPECT_EQ((Rectangl{300, 400, 400, 450}), texture.imageRect());
}

TEST_F(Drawing, LoadMovesToTheOriginAndKeepsTheLook)
{
    const std::string other = dir.file("other.png");
    VideoTests::writePicture(other, 20, 10, 24,
                             [](unsigned, unsigned) {
                                 return Color{0, 0, 255, 255};
                             });
    Texture<FastTextureData> texture(picture);
    texture.position = Position{300, 400};
    texture.mirror = true;
    texture.size = 7;
    texture.nextColor();
    texture.load(other);
    EXPECT_EQ((Position{0, 0}), texture.position);
    EXPECT_TRUE(texture.mirror);
    EXPECT_EQ(7u, texture.size);
    EXPECT_FLOAT_EQ(0.8f, texture.red);
    EXPECT_EQ(1, texture.colorChanger.step);
    EXPECT_EQ(20u, texture.data->imageWidth);
    EXPECT_EQ(other, texture.data->fileName);
}

TEST_F(Drawing, CopiesShareTheDataUntilMakeOwnCopy)
{
    Texture<FastTextureData> original(picture);
    Texture<FastTextureData> copy = original;
    EXPECT_EQ(original.data, copy.data);
    copy.makeOwnCopy();
    ASSERT_NE(original.data, copy.data);
    EXPECT_NE(original.data->textureId, copy.data->textureId);
    EXPECT_EQ(picture, copy.data->fileName);

    original.data.reset();
    copy.position = Position{10, 20};
    copy.draw();
    EXPECT_TRUE(near(red, at(10, 20)));
    EXPECT_TRUE(near(yellow, at(109, 69)));
}

TEST_F(Drawing, FramePiecesStandAtTheirPlaces)
{
    // Left panel red, top border green, bottom border blue, right border
    // yellow, inner area transparent.
    const std::string name = dir.file("frame.png");
    VideoTests::writePicture(name, 1024, 768, 32,
                             [](unsigned x, unsigned y)
                             {
                                 if (x < 254)
                                     return Color{255, 0, 0, 255};
                                 if (y < 60)
                                     return Color{0, 255, 0, 255};
                                 if (y >= 708)
                                     return Color{0, 0, 255, 255};
                                 if (x >= 964)
                                     return Color{255, 255, 0, 255};
                                 return Color{0, 0, 0, 0};
                             });
    Texture<FrameTextureData> frame;
    frame.load(name);
    frame.draw();

    EXPECT_TRUE(near(red, at(0, 0)));
    EXPECT_TRUE(near(red, at(253, 767)));
    EXPECT_TRUE(near(green, at(254, 0)));
    EXPECT_TRUE(near(green, at(1023, 59)));
    EXPECT_TRUE(near(blue, at(254, 708)));
    EXPECT_TRUE(near(blue, at(1023, 767)));
    EXPECT_TRUE(near(yellow, at(964, 60)));
    EXPECT_TRUE(near(yellow, at(1023, 707)));
    EXPECT_TRUE(near(background, at(254, 60)));
    EXPECT_TRUE(near(background, at(963, 707)));
    EXPECT_TRUE(near(background, at(600, 400)));

    EXPECT_THROW(frame.makeOwnCopy(), std::logic_error);
}
