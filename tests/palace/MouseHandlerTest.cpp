// Drag and drop through the real mouse callbacks: a real toolbar on pictures
// in a temporary game folder, a real palace, and the handler as the game's
// cursor. Each test walks rows of the handler's state table.

#include "palace/MouseHandler.hpp"
#include "palace/Brick.hpp"
#include "palace/Palace.hpp"
#include "palace/PictureListing.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "ui/TestGame.hpp"
#include "ui/Toolbar.hpp"

#include <gtest/gtest.h>

namespace
{
using namespace UiTests;
using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::MouseHandler;
using GameLogic::PalaceBuild::Palace;
using GameLogic::PalaceBuild::Toolbar;

const Colour red{250, 0, 0, 255};
const Colour green{0, 200, 0, 255};

// The first cell shows a 100 x 81 picture at (63, 158) to (163, 239); the
// second a 60 x 60 picture at (83, 352) to (143, 412).
constexpr int firstCellX = 113;
constexpr int firstCellY = 200;
constexpr int secondCellX = 113;
constexpr int secondCellY = 380;

class DragAndDrop : public ::testing::Test
{
protected:
    DragAndDrop()
    {
        screenWidth = 1024;
        screenHeight = 768;
        game.addPiece("BMP/palace/1.gate.png", 100, 81, red);
        game.addPiece("BMP/palace/2.tower.png", 60, 60, green);
        game.addPiece("BMP/palace/3.roof.png", 60, 60, green);
        std::vector<std::vector<std::string>> rows;
        GameLogic::PalaceBuild::listPicturesByRow("BMP/palace/", rows, Toolbar::picturePattern);
        toolbar = std::make_shared<Toolbar>(rows);
        palace = std::make_shared<Palace>();
        handler = std::make_shared<MouseHandler>("", toolbar, palace);
        globalMouseCursor = handler;
        handler->onButton = [this] { handler->handleButton(); };
        handler->onMove = [this] { handler->handleMove(); };
    }
    ~DragAndDrop() override { globalMouseCursor.reset(); }

    // Takes the first cell's picture and carries it to (x, y) without
    // crossing back over the toolbar strip.
    std::shared_ptr<Brick> carryGateTo(int x, int y)
    {
        mouse.move(firstCellX, firstCellY);
        mouse.click(firstCellX, firstCellY);
        mouse.move(x, y);
        return handler->dragged;
    }

    // Drops a gate with its top-left corner at (left, top).
    std::shared_ptr<Brick> placeGateAt(int left, int top)
    {
        std::shared_ptr<Brick> gate = carryGateTo(left + 50, top + 40);
        mouse.click(left + 50, top + 40);
        return gate;
    }

    int played(const std::string& sound) const
    {
        return static_cast<int>(std::count(sounds.played.begin(), sounds.played.end(), sound));
    }

    TestSupport::GlContext gl;
    TestGame game;
    TestSupport::WorkingDirectory cwd{game.path()};
    SoundRecorder sounds;
    std::shared_ptr<Toolbar> toolbar;
    std::shared_ptr<Palace> palace;
    std::shared_ptr<MouseHandler> handler;
    Mouse mouse;
};

TEST_F(DragAndDrop, LeftPressOnAToolbarPictureTakesANewBrickCentredOnTheCursor)
{
    mouse.move(firstCellX, firstCellY);
    mouse.press(firstCellX, firstCellY);
    ASSERT_NE(handler->dragged, nullptr);
    EXPECT_EQ(handler->dragged->picture.data->fileName, "BMP/palace/1.gate.png");
    EXPECT_EQ(handler->dragged->picture.position.x, firstCellX - 50);
    EXPECT_EQ(handler->dragged->picture.position.y, firstCellY - 40) << "trunc(-40.5)";
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Sound/startDrag.wav"});

    mouse.release(firstCellX, firstCellY);
    mouse.move(firstCellX + 10, firstCellY + 5);
    EXPECT_EQ(handler->dragged->picture.position.x, firstCellX + 10 - 50) << "follows the mouse";
    EXPECT_EQ(handler->dragged->picture.position.y, firstCellY + 5 - 40);
}

TEST_F(DragAndDrop, PressesOnEmptyToolbarOrPalaceTakeNothing)
{
    mouse.click(10, 10);
    mouse.click(600, 400);
    mouse.click(600, 400, Mouse::right);
    EXPECT_EQ(handler->dragged, nullptr);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(DragAndDrop, LeftPressBeyondTheDropZoneDropsButNotWithinTheGap)
{
    std::shared_ptr<Brick> gate = carryGateTo(230, 400);
    mouse.click(230, 400);
    mouse.move(225, 400);
    mouse.click(225, 400);
    EXPECT_EQ(handler->dragged, gate);
    EXPECT_TRUE(palace->bricks.empty());

    mouse.move(235, 400);
    mouse.click(235, 400);
    EXPECT_EQ(handler->dragged, gate) << "235 is still outside the drop zone";
    mouse.move(236, 400);
    mouse.click(236, 400);
    EXPECT_EQ(handler->dragged, nullptr);
    ASSERT_EQ(palace->bricks.size(), 1u);
    EXPECT_EQ(palace->bricks.front(), gate);
    EXPECT_EQ(palace->selected, gate);
    EXPECT_TRUE(gate->clipped) << "its left part reaches into the toolbar";
    EXPECT_EQ(played("Sound/drop.wav"), 1);
}

TEST_F(DragAndDrop, LeftPressOnAPlacedBrickPicksItUpWhereItWasGrabbed)
{
    std::shared_ptr<Brick> gate = placeGateAt(400, 300);
    mouse.move(420, 330);
    mouse.press(420, 330);
    EXPECT_EQ(handler->dragged, gate);
    EXPECT_TRUE(palace->bricks.empty());
    EXPECT_EQ(played("Sound/takeOff.wav"), 1);
    EXPECT_EQ(played("Sound/drop.wav"), 1) << "the pick-up press does not drop it again";
    EXPECT_EQ(gate->picture.position.x, 400);

    mouse.release(420, 330);
    mouse.move(620, 430);
    EXPECT_EQ(gate->picture.position.x, 600);
    EXPECT_EQ(gate->picture.position.y, 400);
}

TEST_F(DragAndDrop, PressWithTheRightButtonHeldRemovesTheBrick)
{
    placeGateAt(400, 300);
    placeGateAt(600, 300);
    mouse.move(420, 330);
    mouse.press(420, 330, Mouse::right);
    EXPECT_EQ(palace->bricks.size(), 1u);
    EXPECT_EQ(handler->dragged, nullptr);
    mouse.release(420, 330, Mouse::right);

    mouse.move(650, 330);
    mouse.press(650, 330, Mouse::right);
    mouse.release(650, 330, Mouse::right);
    EXPECT_TRUE(palace->bricks.empty());

    std::shared_ptr<Brick> third = placeGateAt(400, 500);
    mouse.press(700, 100, Mouse::right);
    mouse.move(420, 520);
    mouse.click(420, 520);
    EXPECT_TRUE(palace->bricks.empty()) << "a left click while the right button is held";
    EXPECT_EQ(handler->dragged, nullptr);
    EXPECT_EQ(played("Sound/takeOff.wav"), 3);
}

TEST_F(DragAndDrop, RightPressStampsCopiesAndKeepsCarrying)
{
    std::shared_ptr<Brick> gate = carryGateTo(500, 400);
    mouse.click(500, 400, Mouse::right);
    mouse.move(520, 450);
    mouse.click(520, 450, Mouse::right);
    EXPECT_EQ(handler->dragged, gate);
    ASSERT_EQ(palace->bricks.size(), 2u);
    for (const auto& copy : palace->bricks)
    {
        EXPECT_NE(copy, gate);
        EXPECT_EQ(copy->picture.data, gate->picture.data) << "copies share one picture";
    }
    EXPECT_EQ(palace->bricks.front()->picture.position.x, 470);
    EXPECT_EQ(palace->bricks.back()->picture.position.x, 450);
    EXPECT_EQ(played("Sound/drop.wav"), 2);

    mouse.move(230, 450);
    mouse.click(230, 450, Mouse::right);
    EXPECT_EQ(palace->bricks.size(), 2u) << "no stamps outside the drop zone";
}

TEST_F(DragAndDrop, CarryingBackOverTheToolbarThrowsTheBrickAway)
{
    std::shared_ptr<Brick> gate = carryGateTo(200, 300);
    mouse.move(224, 300);
    EXPECT_EQ(handler->dragged, gate) << "still within the toolbar strip";
    mouse.move(300, 300);
    mouse.move(224, 300);
    EXPECT_EQ(handler->dragged, nullptr);
    EXPECT_TRUE(palace->bricks.empty());
    mouse.click(224, 300);
    mouse.move(400, 300);
    mouse.click(400, 300);
    EXPECT_TRUE(palace->bricks.empty());
}

TEST_F(DragAndDrop, ToolbarPressReplacesTheCarriedBrickOnlyByAnotherPicture)
{
    std::shared_ptr<Brick> gate = carryGateTo(firstCellX, firstCellY + 5);
    mouse.click(firstCellX, firstCellY + 5);
    EXPECT_EQ(handler->dragged, gate) << "the same picture changes nothing";
    EXPECT_EQ(played("Sound/startDrag.wav"), 1);

    mouse.move(secondCellX, secondCellY);
    mouse.click(secondCellX, secondCellY);
    ASSERT_NE(handler->dragged, gate);
    EXPECT_EQ(handler->dragged->picture.data->fileName, "BMP/palace/2.tower.png");
    EXPECT_EQ(handler->dragged->picture.position.x, secondCellX - 30);
    EXPECT_EQ(played("Sound/startDrag.wav"), 2);
}

TEST_F(DragAndDrop, FreeMovesSnapAndButtonEventsPlaceUnsnapped)
{
    std::shared_ptr<Brick> placed = placeGateAt(400, 300);
    // The gate's bottom 3 units above the placed gate's top: it snaps down.
    std::shared_ptr<Brick> carried = carryGateTo(450 + 1, 300 - 81 - 3 + 40);
    EXPECT_EQ(carried->picture.position.y, 300 - 81);
    EXPECT_EQ(carried->picture.position.x, 400) << "and aligns its left edge";

    mouse.release(450 + 1, 300 - 81 - 3 + 40);
    EXPECT_EQ(carried->picture.position.y, 300 - 81 - 3) << "a button event places unsnapped";
    EXPECT_EQ(carried->picture.position.x, 401);

    mouse.move(450, 300 - 81 - 4 + 40);
    EXPECT_EQ(carried->picture.position.y, 300 - 81 - 4) << "4 units away does not snap";
    mouse.move(451, 300 - 81 - 3 + 40);
    mouse.click(451, 300 - 81 - 3 + 40);
    EXPECT_EQ(palace->bricks.front(), carried);
    EXPECT_EQ(carried->picture.position.y, 300 - 81) << "dropped where it snapped";
    EXPECT_EQ(carried->picture.position.x, 400);
}

TEST_F(DragAndDrop, KeyCommandsChangeOnlyACarriedBrick)
{
    handler->mirrorDragged();
    handler->growDragged();
    handler->shrinkDragged();
    handler->nextColorDragged();
    handler->previousColorDragged();
    std::shared_ptr<Brick> gate = carryGateTo(500, 400);
    const Brick& cell = toolbar->rows[0]->brick;

    handler->mirrorDragged();
    EXPECT_TRUE(gate->picture.mirror);
    handler->growDragged();
    handler->growDragged();
    handler->growDragged();
    EXPECT_EQ(gate->picture.size, 12u);
    EXPECT_EQ(gate->picture.position.x, 450) << "the top-left corner stays";
    for (int i = 0; i < 10; ++i)
        handler->shrinkDragged();
    EXPECT_EQ(gate->picture.size, 4u);
    handler->nextColorDragged();
    handler->nextColorDragged();
    EXPECT_EQ(gate->picture.colorChanger.step, 2);
    handler->previousColorDragged();
    EXPECT_EQ(gate->picture.colorChanger.step, 1);
    EXPECT_FLOAT_EQ(gate->picture.red, 0.8f);
    EXPECT_FALSE(cell.picture.mirror);
    EXPECT_EQ(cell.picture.colorChanger.step, 0) << "the cell's picture stays as it was";
}

TEST_F(DragAndDrop, DrawsOnlyTheCarriedBrick)
{
    gl.clear(0, 0, 0);
    handler->draw();
    EXPECT_EQ(gl.pixel(400, 700).r, 0) << "the cursor has no picture of its own";
    carryGateTo(500, 400);
    handler->draw();
    EXPECT_EQ(gl.pixel(500, 400).r, 250);
}

} // namespace
