// Bricks: construction, masks, geometry and the hit test, on real pictures
// loaded into a real GL context.

#include "palace/Brick.hpp"
#include "PictureFiles.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "video/Image.hpp"
#include "video/MaskFile.hpp"

#include <gtest/gtest.h>

using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::Mask;
using PalaceTests::writePicture;
using PalaceTests::writeText;
using VideoEngine::OpenGL::Rectangl;

namespace
{

class BrickTest : public ::testing::Test
{
protected:
    // A one-colour picture; 24 bits unless opaque is given.
    std::string picture(const std::string& name, int width, int height,
                        const PalaceTests::Opaque& opaque = {})
    {
        writePicture(dir.file(name), width, height, {200, 40, 40}, opaque);
        return dir.file(name);
    }

    // A brick of the picture with the given mask text, at (x, y) and size.
    Brick maskedBrick(const std::string& maskText, int width, int height, int x, int y,
                      unsigned size)
    {
        const std::string file =
            picture("masked.png", width, height, [](int, int) { return true; });
        writeText(file + ".mask", maskText);
        Brick brick(file);
        brick.setSize(size);
        brick.setPosition(x, y);
        return brick;
    }

    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
};

// Eight rows of a picture 8 wide whose left half (columns 0 to 3) is opaque.
std::string leftHalfMask()
{
    std::string text = "8\n";
    for (int row = 0; row < 8; ++row)
        text += std::to_string(row) + " 0 4\n";
    return text;
}

} // namespace

TEST_F(BrickTest, BuiltFromAFileShowsTheWholePictureAndReadsItsMask)
{
    const std::string file = picture("tower.png", 300, 40, [](int x, int) { return x >= 10; });
    writeText(file + ".mask", "300\n0 10 299\n1 12 200\n");
    const Brick brick(file);

    EXPECT_EQ(brick.picture.size, 10u);
    EXPECT_EQ(brick.screenRect, (Rectangl{0, 0, 512, 64}));
    EXPECT_EQ(brick.sourceRect, (Rectangl{0, 0, 300, 40}));
    EXPECT_FALSE(brick.clipped);
    ASSERT_TRUE(brick.mask.runs);
    EXPECT_EQ(brick.mask.runs->size(), 2u);
    EXPECT_EQ(brick.mask.width, 300);
    EXPECT_EQ(brick.mask.bounds, (Rectangl{10, 0, 299, 1}));

    const Brick copy = brick;
    EXPECT_EQ(copy.mask.runs, brick.mask.runs);
    EXPECT_EQ(copy.picture.data, brick.picture.data);

    const Brick plain(picture("wall.bmp", 20, 10));
    EXPECT_FALSE(plain.mask.runs);
    EXPECT_THROW(Brick(dir.file("missing.png")), std::exception);
}

TEST(MaskFile, ReadsRunsUntilATripleIsIncompleteAndDropsUselessFiles)
{
    TestSupport::TempDir dir;
    Mask mask;
    mask.load(dir.file("none.mask"));
    EXPECT_FALSE(mask.runs) << "a missing file gives no mask";

    writeText(dir.file("empty.mask"), "");
    mask.load(dir.file("empty.mask"));
    EXPECT_FALSE(mask.runs) << "an empty file (24-bit picture) gives no mask";

    writeText(dir.file("width.mask"), "64\n");
    mask.load(dir.file("width.mask"));
    EXPECT_FALSE(mask.runs) << "a fully transparent picture gives no mask";

    writeText(dir.file("cut.mask"), "8\n0 0 4\n1 2 6");
    mask.load(dir.file("cut.mask"));
    ASSERT_TRUE(mask.runs);
    ASSERT_EQ(mask.runs->size(), 1u) << "an unterminated last line is dropped";
    EXPECT_EQ(mask.bounds, (Rectangl{0, 0, 4, 0}));

    writeText(dir.file("junk.mask"), "8\n0 0 4\nx 1 2\n2 0 4\n");
    mask.load(dir.file("junk.mask"));
    ASSERT_TRUE(mask.runs);
    EXPECT_EQ(mask.runs->size(), 1u) << "reading stops at the first value that is no number";

    writeText(dir.file("windows.mask"), "8\r\n2 3 5\r\n3 1 7\r\n6 2 4\r\n");
    mask.load(dir.file("windows.mask"));
    ASSERT_TRUE(mask.runs);
    ASSERT_EQ(mask.runs->size(), 3u);
    EXPECT_EQ(mask.width, 8);
    EXPECT_EQ(mask.bounds, (Rectangl{1, 2, 7, 6}));
    EXPECT_EQ((*mask.runs)[1].row, 3);
    EXPECT_EQ((*mask.runs)[1].first, 1);
    EXPECT_EQ((*mask.runs)[1].end, 7);
}

TEST_F(BrickTest, MovesKeepTheRectangleAndTheMaskWithThePicture)
{
    Brick brick = maskedBrick(leftHalfMask(), 8, 8, 0, 0, 10);
    brick.setPosition(300, 200);
    EXPECT_EQ(brick.screenRect, (Rectangl{300, 200, 308, 208}));
    EXPECT_EQ(brick.picture.position.x, 300);
    EXPECT_EQ(brick.mask.position.y, 200);

    brick.moveBy(-5, 7);
    EXPECT_EQ(brick.screenRect, (Rectangl{295, 207, 303, 215}));
    EXPECT_EQ(brick.picture.position.x, 295);
    EXPECT_EQ(brick.picture.position.y, 207);
    EXPECT_EQ(brick.mask.position.x, 295);
    EXPECT_EQ(brick.mask.position.y, 207);

    brick.reload(brick.picture.data->fileName);
    EXPECT_EQ(brick.picture.position.x, 0);
    EXPECT_EQ(brick.mask.position.x, 0) << "a reloaded mask stands at the picture";
}

TEST_F(BrickTest, SizesAreClampedAndScaledWithTheSinglePrecisionTenth)
{
    Brick brick(picture("block.bmp", 64, 32));
    brick.setPosition(100, 50);

    EXPECT_EQ(brick.setSize(3), 4u);
    EXPECT_EQ(brick.screenRect, (Rectangl{100, 50, 125, 62})); // 25.6 and 12.8 truncated
    EXPECT_EQ(brick.shrink(), 4u);
    EXPECT_EQ(brick.grow(), 5u);
    EXPECT_EQ(brick.setSize(13), 12u);
    EXPECT_EQ(brick.screenRect, (Rectangl{100, 50, 176, 88})); // 76.8 and 38.4 truncated
    EXPECT_EQ(brick.grow(), 12u);
    EXPECT_EQ(brick.picture.size, 12u);

    // 30 x 7 / 10.0 is 20.99... in double arithmetic but 21.0000003 with the
    // single-precision tenth the game uses.
    Brick narrow(picture("narrow.bmp", 30, 30));
    narrow.setSize(7);
    narrow.setPosition(0, 0);
    narrow.fitScreenRect();
    EXPECT_EQ(narrow.screenRect.right, 21);
    EXPECT_EQ(narrow.screenRect.bottom, 21);
}

TEST_F(BrickTest, WithoutAMaskTheScaledPictureRectangleIsHitEdgesIncluded)
{
    Brick brick(picture("plain.bmp", 40, 20));
    brick.setPosition(300, 200);
    EXPECT_TRUE(brick.hitTest(300, 200));
    EXPECT_TRUE(brick.hitTest(340, 220));
    EXPECT_FALSE(brick.hitTest(341, 210));
    EXPECT_FALSE(brick.hitTest(299, 210));
    EXPECT_FALSE(brick.hitTest(320, 221));

    brick.setSize(5);
    EXPECT_TRUE(brick.hitTest(320, 210));
    EXPECT_FALSE(brick.hitTest(321, 205));
    EXPECT_FALSE(brick.hitTest(310, 211));

    brick.clipped = true;
    brick.screenRect = Rectangl{305, 200, 320, 210};
    EXPECT_FALSE(brick.hitTest(302, 205)) << "a clipped brick is hit within screenRect only";
    EXPECT_TRUE(brick.hitTest(305, 205));
}

TEST_F(BrickTest, AMirroredMaskIsHitOnlyInTheMirroredHalf)
{
    Brick brick = maskedBrick(leftHalfMask(), 8, 8, 500, 300, 10);
    EXPECT_TRUE(brick.hitTest(501, 303));
    EXPECT_TRUE(brick.hitTest(504, 303)) << "the run's end column counts";
    EXPECT_FALSE(brick.hitTest(506, 303));
    EXPECT_FALSE(brick.hitTest(501, 299)) << "above the picture";
    EXPECT_FALSE(brick.hitTest(501, 308)) << "below the last run";

    brick.picture.mirror = true;
    EXPECT_FALSE(brick.hitTest(501, 303));
    EXPECT_FALSE(brick.hitTest(503, 303));
    EXPECT_TRUE(brick.hitTest(506, 303));
    EXPECT_TRUE(brick.hitTest(508, 307));
}

TEST_F(BrickTest, EnlargedMasksMissThePixelRowsNoStoredRowMapsTo)
{
    std::string text = "10\n";
    for (int row = 0; row < 10; ++row)
        text += std::to_string(row) + " 0 9\n";
    Brick brick = maskedBrick(text, 10, 10, 400, 100, 12);

    // Stored rows 0..9 land on trunc(row x 1.2): 0 1 2 3 4 6 7 8 9 10.
    for (int dy : {0, 1, 2, 3, 4, 6, 7, 8, 9, 10})
        EXPECT_TRUE(brick.hitTest(405, 100 + dy)) << "row " << dy;
    EXPECT_FALSE(brick.hitTest(405, 105)) << "no stored row maps to 5";
    EXPECT_FALSE(brick.hitTest(405, 111));
    EXPECT_TRUE(brick.hitTest(410, 100)) << "column 9 reaches 10.8";
    EXPECT_FALSE(brick.hitTest(411, 100));
}

TEST_F(BrickTest, ShrunkMasksLetEveryRunOfAScreenRowHit)
{
    // Rows 0 and 1 both land on screen row 0 at size 5.
    Brick brick = maskedBrick("10\n0 0 2\n1 6 8\n2 0 9\n", 10, 3, 600, 400, 5);
    EXPECT_TRUE(brick.hitTest(601, 400));
    EXPECT_FALSE(brick.hitTest(602, 400));
    EXPECT_FALSE(brick.hitTest(603, 400)) << "column 6 lands just right of 3";
    EXPECT_TRUE(brick.hitTest(604, 400));
    EXPECT_FALSE(brick.hitTest(605, 400));
    EXPECT_TRUE(brick.hitTest(604, 401)) << "row 2 lands on screen row 1";
    EXPECT_FALSE(brick.hitTest(604, 402));
}

TEST_F(BrickTest, AMaskWrittenByTheVideoEngineHitsOnlyOpaquePixels)
{
    const std::string file =
        picture("ring.png", 16, 8, [](int x, int y) { return x >= 4 && x < 8 && y >= 2; });
    {
        const VideoEngine::OpenGL::BitmapPtr bitmap = VideoEngine::OpenGL::loadImage(file, 0);
        ASSERT_TRUE(bitmap);
        VideoEngine::OpenGL::prepareMask(file, bitmap.get());
    }
    Brick brick(file);
    brick.setPosition(700, 500);
    ASSERT_TRUE(brick.mask.runs);
    EXPECT_TRUE(brick.hitTest(706, 504));
    EXPECT_FALSE(brick.hitTest(702, 504));
    EXPECT_FALSE(brick.hitTest(712, 504));
    EXPECT_FALSE(brick.hitTest(706, 501));
}
