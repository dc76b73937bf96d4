// Pieces on the palace: snapping to the edges of laid pieces, cutting at the
// toolbar edge, and where masked pieces are hit; real pictures, real GL.

#include "model/Palace.hpp"
#include "support/Level.hpp"
#include "video/MaskFile.hpp"
#include "video/SceneFit.hpp"

#include <boost/filesystem.hpp>
#include <gtest/gtest.h>

using namespace TestSupport;
using GameLogic::PalaceBuild::Brick;

namespace
{

constexpr Rgba grey{51, 51, 51, 255};

struct Box
{
    int x, y, width, height;
};

class Geometry : public ::testing::Test
{
protected:
    // A piece of a red 24-bit picture (so without a mask).
    std::shared_ptr<Brick> piece(Box box, unsigned size = 10)
    {
        const std::string file =
            dir.file(std::to_string(box.width) + "x" + std::to_string(box.height) + ".bmp");
        if (!boost::filesystem::exists(file))
            writePicture(file, box.width, box.height, 24, [](int, int) { return red; });
        auto brick = std::make_shared<Brick>(file);
        brick->setSize(size);
        brick->setPosition(box.x, box.y);
        return brick;
    }

    GlContext gl;
    TempDir dir;
    SoundRecorder sounds;
    GameLogic::PalaceBuild::Palace palace;
};

} // namespace

TEST_F(Geometry, CarriedPieceSnapsToTheEdgesOfLaidPieces)
{
    const struct
    {
        Box laid, below; // below: laid first, if any
        Box carried;
        int x, y;
    } rows[] = {
        {{500, 300, 20, 20}, {}, {600, 277, 20, 20}, 600, 280}, // 3 above: set on top
        {{500, 300, 20, 20}, {}, {600, 276, 20, 20}, 600, 276}, // 4 above: too far
        {{500, 300, 20, 20}, {}, {600, 283, 20, 20}, 600, 280}, // 3 into it
        {{500, 300, 20, 20}, {}, {523, 350, 20, 20}, 520, 350}, // beside it
        {{500, 300, 20, 20}, {}, {502, 287, 23, 10}, 497, 290}, // on top, left, then right edges
        {{500, 300, 20, 20}, {}, {501, 297, 2, 2}, 498, 300},   // above before beside
        {{500, 300, 20, 2}, {}, {600, 299, 20, 2}, 600, 298},   // on top before below
        {{500, 300, 2, 20}, {}, {499, 400, 2, 20}, 498, 400},   // left of it before right of it
        {{500, 300, 20, 20}, {700, 305, 20, 20}, {600, 282, 20, 20}, 600, 280}, // top down
    };
    for (const auto& row : rows)
    {
        palace.clear();
        if (row.below.width)
            palace.addBrick(piece(row.below));
        palace.addBrick(piece(row.laid));
        const auto carried = piece(row.carried);
        palace.snap(carried);
        EXPECT_EQ(carried->picture().position.x, row.x) << row.carried.x << "," << row.carried.y;
        EXPECT_EQ(carried->picture().position.y, row.y) << row.carried.x << "," << row.carried.y;
        EXPECT_EQ(carried->screenRect().top, row.y) << "the whole piece moves";
    }
}

TEST_F(Geometry, LaidPiecesAreCutAtTheToolbarEdgeAndPickedUpWhole)
{
    const struct
    {
        int x;
        unsigned size;
        bool cut;
        int firstColumn; // of the picture shown
    } rows[] = {{100, 10, true, 119},
                {100, 5, true, 239},
                {0, 12, true, 183},
                {220, 10, true, 0},
                {221, 10, false, 0}};
    for (const auto& row : rows)
    {
        SCOPED_TRACE(std::to_string(row.x) + " at size " + std::to_string(row.size));
        palace.clear();
        sounds.played.clear();
        const auto laid = piece({row.x, 200, 300, 40}, row.size);
        palace.addBrick(laid);
        EXPECT_EQ(laid->clipped(), row.cut);
        EXPECT_EQ(laid->screenRect().left, std::max(row.x, 220));
        EXPECT_EQ(laid->sourceRect().left, row.firstColumn);
        gl.clear(grey);
        palace.batch(true).draw();
        EXPECT_EQ(gl.pixel(219, 210), grey) << "nothing over the toolbar";
        EXPECT_TRUE(near(gl.pixel(222, 210), red));
        gl.clear(grey);
        palace.batch(false).draw();
        EXPECT_TRUE(near(gl.pixel(row.x + 1, 210), red)) << "whole when cutting is off";

        const auto picked = palace.takeOff(0, false);
        ASSERT_EQ(picked, laid);
        EXPECT_FALSE(picked->clipped());
        EXPECT_EQ(picked->screenRect().left, row.x);
        EXPECT_EQ(sounds.played, "drop takeOff");
    }
}

TEST_F(Geometry, MaskedPiecesAreHitWhereTheyShow)
{
    // 8 x 8, its left half (columns 0 to 3) opaque; the game writes the mask.
    const std::string file = dir.file("1.half.png");
    writePicture(file, 8, 8, 32, [](int x, int) { return x < 4 ? red : Rgba{}; });
    VideoEngine::OpenGL::prepareMasks({file});
    const struct
    {
        bool mirror;
        unsigned size;
        int dx, dy;
        bool hit;
    } rows[] = {
        {false, 10, 1, 3, true},  {false, 10, 4, 3, true},   {false, 10, 6, 3, false},
        {false, 10, 1, 8, false}, {false, 10, 1, -1, false}, {true, 10, 1, 3, false},
        {true, 10, 3, 3, false},  {true, 10, 6, 3, true},    {true, 10, 8, 7, true},
        {false, 12, 2, 8, true},  {false, 12, 2, 5, false},  {false, 12, 4, 0, true},
        {false, 12, 5, 0, false}, {false, 5, 1, 3, true},    {false, 5, 3, 3, false},
        {false, 5, 1, 4, false},  {true, 5, 3, 3, true},     {true, 5, 1, 1, false},
    };
    for (const auto& row : rows)
    {
        Brick brick(file);
        ASSERT_TRUE(brick.mask().runs);
        brick.setMirrored(row.mirror);
        brick.setSize(row.size);
        brick.setPosition(500, 300);
        EXPECT_EQ(brick.hitTest(500 + row.dx, 300 + row.dy), row.hit)
            << row.mirror << ", " << row.size << " at " << row.dx << "," << row.dy;
    }
}

TEST(SceneFit, TheSceneKeepsItsShapeInAnyWindowAndTheMouseFindsIt)
{
    const struct
    {
        int windowWidth, windowHeight;
        int left, top, width, height;
        // A window pixel and the scene point it gives.
        int x, y, sceneX, sceneY;
    } rows[] = {
        {1024, 768, 0, 0, 1024, 768, 1023, 767, 1023, 767},
        {800, 600, 0, 0, 800, 600, 799, 599, 1022, 766},
        {1280, 1024, 0, 32, 1280, 960, 640, 512, 512, 384},
        {1280, 1024, 0, 32, 1280, 960, 100, 31, 80, 0},        // on the top bar
        {1280, 1024, 0, 32, 1280, 960, 1279, 1023, 1023, 767}, // on the bottom bar
        {1920, 1080, 240, 0, 1440, 1080, 240, 0, 0, 0},
        {1920, 1080, 240, 0, 1440, 1080, 239, 540, 0, 384}, // on the left bar
        {1920, 1080, 240, 0, 1440, 1080, 1680, 1079, 1023, 767},
        {1366, 768, 171, 0, 1024, 768, 171 + 300, 200, 300, 200},
        {1024, 600, 112, 0, 800, 600, 512, 300, 512, 384},
    };
    for (const auto& row : rows)
    {
        const auto fit = VideoEngine::OpenGL::fitScene(row.windowWidth, row.windowHeight);
        SCOPED_TRACE(std::to_string(row.windowWidth) + "x" + std::to_string(row.windowHeight));
        EXPECT_EQ(row.left, fit.left);
        EXPECT_EQ(row.top, fit.top);
        EXPECT_EQ(row.width, fit.width);
        EXPECT_EQ(row.height, fit.height);
        EXPECT_EQ(row.left == 0 && row.top == 0, fit.fillsWindow());
        const auto point = fit.toScene(row.x, row.y);
        EXPECT_EQ(row.sceneX, point.x) << row.x << "," << row.y;
        EXPECT_EQ(row.sceneY, point.y) << row.x << "," << row.y;
    }
}

TEST(SceneFit, AWindowIs1024x768OrTheLargest4To3ThatFitsTheWorkArea)
{
    const struct
    {
        int left, top, width, height; // the work area
        int placedLeft, placedTop, placedWidth, placedHeight;
    } rows[] = {
        {0, 0, 1920, 1080, 448, 156, 1024, 768},
        {0, 0, 1024, 768, 0, 0, 1024, 768},
        {0, 0, 800, 600, 0, 0, 800, 600},
        {0, 40, 800, 520, 54, 40, 692, 519},  // a panel at the top
        {70, 0, 1296, 700, 252, 0, 932, 699}, // a dock at the left
        {0, 0, 2, 2, 0, 0, 4, 3},
    };
    for (const auto& row : rows)
    {
        const auto place =
            VideoEngine::OpenGL::placeWindow(row.left, row.top, row.width, row.height);
        SCOPED_TRACE(std::to_string(row.width) + "x" + std::to_string(row.height));
        EXPECT_EQ(row.placedLeft, place.left);
        EXPECT_EQ(row.placedTop, place.top);
        EXPECT_EQ(row.placedWidth, place.width);
        EXPECT_EQ(row.placedHeight, place.height);
    }
}
