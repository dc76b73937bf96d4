// The palace: drops clipped at the toolbar edge, pick-ups, snapping, resizing
// and drawing, with real pictures in a real GL context and recorded sounds.

#include "palace/Palace.hpp"
#include "PictureFiles.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>
#include <memory>

using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::Palace;
using PalaceTests::Colour;
using VideoEngine::OpenGL::Rectangl;

namespace
{

const std::string drop = "Sound/drop.wav";
const std::string takeOff = "Sound/takeOff.wav";

class PalaceTest : public ::testing::Test
{
protected:
    // A brick of a 24-bit (maskless) picture of the given size and colour,
    // at (x, y) with the given size step.
    std::shared_ptr<Brick> brick(int width, int height, int x, int y, unsigned size = 10,
                                 Colour colour = {200, 40, 40})
    {
        const std::string file = dir.file(
            std::to_string(width) + "x" + std::to_string(height) + "-" + std::to_string(colour.r) +
            "." + std::to_string(colour.g) + "." + std::to_string(colour.b) + ".bmp");
        if (!boost::filesystem::exists(file))
            PalaceTests::writePicture(file, width, height, colour);
        auto result = std::make_shared<Brick>(file);
        result->setSize(size);
        result->setPosition(x, y);
        return result;
    }

    // Drops a new brick and returns it.
    std::shared_ptr<Brick> dropped(int width, int height, int x, int y, unsigned size = 10,
                                   Colour colour = {200, 40, 40})
    {
        auto result = brick(width, height, x, y, size, colour);
        palace.addBrick(result);
        return result;
    }

    int x(const std::shared_ptr<Brick>& b) const { return b->picture.position.x; }
    int y(const std::shared_ptr<Brick>& b) const { return b->picture.position.y; }

    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    PalaceTests::SoundRecorder sounds;
    Palace palace;
};

} // namespace

TEST_F(PalaceTest, DropsAreClippedAtTheToolbarEdgeWithTruncatedColumns)
{
    const auto natural = dropped(300, 40, 100, 200, 10);
    EXPECT_TRUE(natural->clipped);
    EXPECT_EQ(natural->screenRect, (Rectangl{220, 200, 400, 240}));
    EXPECT_EQ(natural->sourceRect.left, 119) << "120 / 1.0000000149 truncated";

    const auto half = dropped(300, 40, 100, 300, 5);
    EXPECT_EQ(half->screenRect.right, 250);
    EXPECT_EQ(half->sourceRect.left, 239);

    const auto smallest = dropped(300, 40, 100, 400, 4);
    EXPECT_EQ(smallest->sourceRect.left, 299);

    const auto atEdge = dropped(300, 40, 220, 500);
    EXPECT_TRUE(atEdge->clipped);
    EXPECT_EQ(atEdge->sourceRect.left, 0);
    EXPECT_EQ(atEdge->screenRect.left, 220);

    const auto rightOfEdge = dropped(300, 40, 221, 600);
    EXPECT_FALSE(rightOfEdge->clipped);
    EXPECT_EQ(rightOfEdge->screenRect, (Rectangl{221, 600, 221 + 512, 600 + 64}));
    EXPECT_EQ(rightOfEdge->sourceRect, (Rectangl{0, 0, 300, 40}));
}

TEST_F(PalaceTest, PickingUpRestoresTheLeftEdgeTruncatingTowardZero)
{
    dropped(300, 40, 100, 200, 10);
    const auto picked = palace.takeOff(300, 220, false);
    ASSERT_TRUE(picked);
    EXPECT_FALSE(picked->clipped);
    EXPECT_EQ(picked->screenRect, (Rectangl{100, 200, 100 + 512, 200 + 64}));
    EXPECT_EQ(picked->sourceRect, (Rectangl{0, 0, 300, 40}));

    // 220 - 881 x s = -220.5000066, which truncates to -220, not -221.
    const auto wide = dropped(1000, 10, -221, 300, 5);
    EXPECT_EQ(wide->sourceRect.left, 881);
    EXPECT_EQ(wide->screenRect.right, 279);
    const auto again = palace.takeOff(250, 302, false);
    ASSERT_EQ(again, wide);
    EXPECT_EQ(again->screenRect.left, -220);
}

TEST_F(PalaceTest, DropsGoOnTopSelectedWithTheDropSound)
{
    palace.addBrick(nullptr);
    EXPECT_TRUE(palace.bricks.empty());
    EXPECT_TRUE(sounds.played.empty());

    const auto first = dropped(40, 40, 300, 300);
    const auto second = dropped(40, 40, 320, 300);
    ASSERT_EQ(palace.bricks.size(), 2u);
    EXPECT_EQ(palace.bricks.front(), second);
    EXPECT_EQ(palace.bricks.back(), first);
    EXPECT_EQ(palace.selected, second);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{drop, drop}));
}

TEST_F(PalaceTest, TakeOffPicksTheTopmostHitAndReselectsTheFront)
{
    const auto back = dropped(40, 40, 300, 300);
    const auto front = dropped(40, 40, 320, 300);

    palace.selected.reset();
    EXPECT_FALSE(palace.takeOff(600, 600, false)) << "empty palace area";
    EXPECT_TRUE(sounds.played.size() == 2u) << "no sound for a miss";
    EXPECT_EQ(palace.bricks.size(), 2u);
    EXPECT_EQ(palace.selected, front) << "a miss still selects the front brick";

    EXPECT_EQ(palace.takeOff(330, 310, false), front) << "the overlap belongs to the front";
    EXPECT_EQ(palace.selected, back);
    EXPECT_EQ(sounds.played.back(), takeOff);

    EXPECT_FALSE(palace.takeOff(310, 310, true)) << "a discard returns nothing";
    EXPECT_TRUE(palace.bricks.empty());
    EXPECT_FALSE(palace.selected);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{drop, drop, takeOff, takeOff}));
}

TEST_F(PalaceTest, SnapsWithinThreeUnitsWhereverTheBricksAre)
{
    EXPECT_EQ(palace.reserved, 0);
    dropped(40, 20, 500, 300);

    const auto above = brick(20, 20, 600, 277); // 3 above the top, 60 to the right
    palace.snap(above);
    EXPECT_EQ(y(above), 280);
    EXPECT_EQ(x(above), 600);
    EXPECT_EQ(palace.reserved, 65535);

    const auto tooFar = brick(20, 20, 600, 276);
    palace.snap(tooFar);
    EXPECT_EQ(y(tooFar), 276);

    const auto overlapping = brick(20, 20, 600, 283);
    palace.snap(overlapping);
    EXPECT_EQ(y(overlapping), 280);
    EXPECT_EQ(overlapping->screenRect.top, 280) << "snapping moves the whole brick";
}

TEST_F(PalaceTest, SnapTestsRunInTheirFixedOrder)
{
    dropped(20, 20, 500, 300);

    // Left edges first (-2), then right edges measured after that move (-3).
    const auto aligned = brick(23, 10, 502, 287);
    palace.snap(aligned);
    EXPECT_EQ(x(aligned), 497);
    EXPECT_EQ(y(aligned), 290);

    // Vertical tests before horizontal ones: set on top, aligned left, then
    // set left of the brick and aligned at the top.
    const auto corner = brick(2, 2, 501, 297);
    palace.snap(corner);
    EXPECT_EQ(x(corner), 498);
    EXPECT_EQ(y(corner), 300);

    palace.clear();
    dropped(20, 2, 500, 300); // a thin brick: top 300, bottom 302
    const auto thin = brick(20, 2, 600, 299);
    palace.snap(thin);
    EXPECT_EQ(y(thin), 298) << "on top of it (-1) before below it (+3)";

    palace.clear();
    dropped(2, 20, 500, 300); // a narrow brick: left 500, right 502
    const auto narrow = brick(2, 20, 499, 400);
    palace.snap(narrow);
    EXPECT_EQ(x(narrow), 498) << "left of it (-1) before right of it (+3)";
}

TEST_F(PalaceTest, SnapsAccumulateFromTheTopmostBrickDown)
{
    dropped(20, 20, 700, 305); // lower in the pile
    dropped(20, 20, 500, 300); // topmost
    const auto dragged = brick(20, 20, 600, 282);
    palace.snap(dragged);
    EXPECT_EQ(y(dragged), 280) << "the topmost brick's -2 first, then the other is 5 away";
}

TEST_F(PalaceTest, ClearMirrorAndTintActOnTheSelectedBrickOnly)
{
    palace.toggleMirror();
    palace.nextColor();
    palace.previousColor();

    const auto brick = dropped(40, 40, 300, 300);
    palace.toggleMirror();
    EXPECT_TRUE(brick->picture.mirror);
    palace.nextColor();
    palace.nextColor();
    EXPECT_EQ(brick->picture.colorChanger.step, 2);
    palace.previousColor();
    EXPECT_EQ(brick->picture.colorChanger.step, 1);

    palace.defaultSize = 7;
    palace.clear();
    EXPECT_TRUE(palace.bricks.empty());
    EXPECT_FALSE(palace.selected);
    EXPECT_EQ(palace.defaultSize, 7u);
    palace.toggleMirror();
    EXPECT_TRUE(brick->picture.mirror);
}

TEST_F(PalaceTest, ResizingDropsTheSelectedBrickAgain)
{
    const auto brick = dropped(300, 40, 100, 200, 10);
    EXPECT_EQ(palace.increaseSize(true), 11u);
    EXPECT_EQ(brick->picture.size, 11u);
    EXPECT_EQ(brick->screenRect, (Rectangl{220, 200, 430, 244}));
    EXPECT_EQ(brick->sourceRect.left, 109) << "120 / 1.1000000164 truncated";

    palace.decreaseSize(false);
    EXPECT_EQ(brick->picture.size, 10u);
    EXPECT_EQ(palace.defaultSize, 11u);

    const auto largest = dropped(300, 40, 100, 300, 12);
    EXPECT_EQ(largest->sourceRect.left, 99);
    sounds.played.clear();
    EXPECT_EQ(palace.increaseSize(false), 11u);
    EXPECT_EQ(largest->picture.size, 12u);
    EXPECT_EQ(palace.bricks.size(), 2u);
    EXPECT_EQ(palace.bricks.front(), largest);
    EXPECT_TRUE(largest->clipped);
    // Made whole at trunc(220 - 99 x 1.2000000179) = 101, the rectangle is
    // then rebuilt from the picture at 100 by the size step and cut anew.
    EXPECT_EQ(largest->sourceRect.left, 99);
    EXPECT_EQ(largest->screenRect, (Rectangl{220, 300, 460, 348}));
    EXPECT_EQ(largest->picture.position.x, 100);
    EXPECT_EQ(sounds.played, (std::vector<std::string>{drop}));
}

TEST_F(PalaceTest, WithoutASelectionOnlyTheDefaultSizeSteps)
{
    EXPECT_EQ(palace.increaseSize(false), 10u);
    EXPECT_EQ(palace.increaseSize(true), 11u);
    EXPECT_EQ(palace.increaseSize(true), 12u);
    EXPECT_EQ(palace.increaseSize(true), 12u);
    for (int i = 0; i < 8; ++i)
        palace.decreaseSize(true);
    EXPECT_EQ(palace.defaultSize, 4u);
    EXPECT_EQ(palace.decreaseSize(true), 4u);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(PalaceTest, ABrickWhollyBehindTheToolbarKeepsAnEmptyArea)
{
    const auto hidden = dropped(300, 20, -300, 500);
    EXPECT_TRUE(hidden->clipped);
    EXPECT_EQ(hidden->screenRect.left, 220);
    EXPECT_EQ(hidden->screenRect.right, 220);
    EXPECT_LE(hidden->sourceRect.left, hidden->sourceRect.right);

    gl.clear(0, 0, 0);
    palace.draw(true);
    EXPECT_EQ(gl.pixel(100, 505).r, 0) << "nothing drawn over the toolbar";
    EXPECT_EQ(gl.pixel(219, 505).r, 0);
}

TEST_F(PalaceTest, DrawsFromTheLowestBrickUpClippingOnlyWhenAllowed)
{
    dropped(40, 40, 300, 300, 10, {255, 0, 0});
    dropped(40, 40, 320, 300, 10, {0, 0, 255});
    dropped(100, 20, 180, 400, 10, {0, 255, 0});

    gl.clear(0, 0, 0);
    palace.draw(true);
    EXPECT_EQ(gl.pixel(310, 310).r, 255);
    EXPECT_EQ(gl.pixel(330, 310).b, 255) << "the front brick covers the one below";
    EXPECT_EQ(gl.pixel(330, 310).r, 0);
    EXPECT_EQ(gl.pixel(200, 410).g, 0) << "clipped at the toolbar edge";
    EXPECT_EQ(gl.pixel(230, 410).g, 255);
    EXPECT_EQ(gl.pixel(278, 410).g, 255);
    EXPECT_EQ(gl.pixel(282, 410).g, 0);

    gl.clear(0, 0, 0);
    palace.draw(false);
    EXPECT_EQ(gl.pixel(200, 410).g, 255) << "whole when clipping is not allowed";
    EXPECT_EQ(gl.pixel(182, 410).g, 255);
}
