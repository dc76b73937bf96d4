// Buttons, the check box and the cursor driven through the real GLUT mouse
// callback functions, with pictures loaded into a real GL context.

#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "ui/Button.hpp"
#include "ui/CheckBox.hpp"
#include "ui/MouseCursor.hpp"
#include "ui/TestGame.hpp"

#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
using namespace UiTests;
using GameLogic::Button;
using GameLogic::CheckBox;
using GameLogic::MouseCursor;

Utils::Array<std::string, 3> clearPictures()
{
    Utils::Array<std::string, 3> files;
    files[0] = "BMP/button/clear 01.png";
    files[1] = "BMP/button/clear 02.png";
    files[2] = "BMP/button/clear 03.png";
    return files;
}

Utils::Array<std::string, 5> boxPictures()
{
    Utils::Array<std::string, 5> files;
    for (unsigned k = 0; k < 5; ++k)
        files[k] = "BMP/button/checkbox 0" + std::to_string(k + 1) + ".png";
    return files;
}

class Widgets : public ::testing::Test
{
protected:
    Widgets()
    {
        screenWidth = 1024;
        screenHeight = 768;
        cursor = std::make_shared<MouseCursor>("");
        globalMouseCursor = cursor;
    }
    ~Widgets() override { globalMouseCursor.reset(); }

    // Every mouse event goes to the widget, as the toolbar passes them on.
    template <class Widget> void route(Widget& widget)
    {
        cursor->onButton = [this, &widget] { widget.handleMouse(cursor); };
        cursor->onMove = [this, &widget] { widget.handleMouse(cursor); };
    }

    TestSupport::GlContext gl;
    TestGame game;
    TestSupport::WorkingDirectory cwd{game.path()};
    SoundRecorder sounds;
    std::shared_ptr<MouseCursor> cursor;
    Mouse mouse;
};

TEST_F(Widgets, ButtonFiresOnThePressEdgeOnlyAndClicksAfterItsCommand)
{
    Button button(clearPictures(), 100, 100, false);
    int clicks = 0;
    std::size_t soundsDuringCommand = 99;
    button.onClick = [&]
    {
        ++clicks;
        soundsDuringCommand = sounds.played.size();
    };
    route(button);

    mouse.move(120, 115);
    EXPECT_EQ(button.current, button.hover.get());
    mouse.press(120, 115);
    EXPECT_EQ(button.current, button.pressed.get());
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(soundsDuringCommand, 0u);
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Sound/button.wav"});

    mouse.drag(122, 116);
    mouse.drag(125, 118);
    EXPECT_EQ(clicks, 1) << "a drag motion makes the press stale";
    EXPECT_EQ(button.current, button.pressed.get());

    mouse.release(125, 118);
    EXPECT_EQ(button.current, button.hover.get());
    mouse.move(300, 300);
    EXPECT_EQ(button.current, &button.normal);

    // A press that arrives at a new point moves the cursor first; the move
    // must not count as the press as well.
    mouse.press(110, 110);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(sounds.played.size(), 2u);
}

TEST_F(Widgets, PressStartedOutsideShowsPressedButRunsNothing)
{
    Button button(clearPictures(), 100, 100, false);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    route(button);

    mouse.press(50, 50);
    mouse.drag(120, 115);
    EXPECT_EQ(button.current, button.pressed.get());
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(Widgets, ButtonHitAreaIncludesEveryEdgeAndIgnoresMirroring)
{
    for (bool mirrored : {false, true})
    {
        Button button(clearPictures(), 100, 100, mirrored);
        EXPECT_TRUE(button.contains(100, 100));
        EXPECT_TRUE(button.contains(100 + buttonWidth, 100 + buttonHeight));
        EXPECT_FALSE(button.contains(99, 110));
        EXPECT_FALSE(button.contains(101 + buttonWidth, 110));
        EXPECT_FALSE(button.contains(110, 101 + buttonHeight));
        EXPECT_EQ(button.normal.mirror, mirrored);
        EXPECT_EQ(button.hover->mirror, mirrored);
        EXPECT_EQ(button.pressed->mirror, mirrored);
    }
}

TEST_F(Widgets, ButtonCopySharesPicturesButFiresNothing)
{
    Button button(clearPictures(), 100, 100, true);
    int clicks = 0;
    button.onClick = [&] { ++clicks; };
    Button copy(button);
    EXPECT_FALSE(copy.onClick);
    EXPECT_EQ(copy.current, &copy.normal);
    EXPECT_EQ(copy.normal.data, button.normal.data);
    EXPECT_EQ(copy.hover->data, button.hover->data);
    EXPECT_NE(copy.hover, button.hover) << "the copy has pictures of its own to place";
    EXPECT_TRUE(copy.pressed->mirror);

    copy.setPosition(500, 500);
    EXPECT_EQ(button.hover->position.x, 100);
    route(copy);
    mouse.press(510, 510);
    EXPECT_EQ(copy.current, copy.pressed.get());
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(sounds.played.empty());
}

TEST_F(Widgets, ButtonDrawsThePictureOfItsState)
{
    Button button(clearPictures(), 100, 100, false);
    route(button);
    auto shownAt = [&](int x, int y)
    {
        gl.clear(0, 0, 0);
        button.current->draw();
        const TestSupport::Rgba p = gl.pixel(x, y);
        return Colour{p.r, p.g, p.b, 255};
    };
    EXPECT_EQ(shownAt(110, 110), controlColour(1));
    mouse.move(110, 110);
    EXPECT_EQ(shownAt(110, 110), controlColour(2));
    mouse.press(110, 110);
    EXPECT_EQ(shownAt(110, 110), controlColour(3));
}

TEST_F(Widgets, CheckBoxShowsStateAndMouseAndFlipsOnEachFreshPress)
{
    CheckBox box(boxPictures(), 60, 60, false);
    route(box);
    auto shows = [&](unsigned k) { return box.current == &box.pictures[k - 1]; };

    EXPECT_TRUE(shows(1));
    mouse.move(70, 70);
    EXPECT_TRUE(shows(2));
    mouse.press(70, 70);
    EXPECT_TRUE(box.checked);
    EXPECT_TRUE(shows(3));
    mouse.drag(71, 71);
    EXPECT_TRUE(box.checked) << "holding the button does not flip it again";
    EXPECT_TRUE(shows(3));
    mouse.release(71, 71);
    EXPECT_TRUE(shows(5));
    mouse.move(300, 300);
    EXPECT_TRUE(shows(4));

    mouse.press(60 + boxWidth, 60 + boxHeight);
    EXPECT_FALSE(box.checked);
    EXPECT_TRUE(shows(3));
    mouse.release(60 + boxWidth, 60 + boxHeight);
    EXPECT_TRUE(shows(2));
    mouse.move(0, 0);
    EXPECT_TRUE(shows(1));
    EXPECT_EQ(sounds.played, (std::vector<std::string>{"Sound/button.wav", "Sound/button.wav"}));
}

TEST_F(Widgets, CursorScalesWindowPixelsAndDropsRepeatedPositions)
{
    screenWidth = 1280;
    screenHeight = 1024;
    int moves = 0;
    cursor->onMove = [&] { ++moves; };

    mouse.move(640, 512);
    EXPECT_EQ(cursor->position.x, 512);
    EXPECT_EQ(cursor->position.y, 384);
    EXPECT_EQ(cursor->picture.position.x, 512);
    EXPECT_EQ(moves, 1);
    mouse.move(641, 513);
    EXPECT_EQ(moves, 1) << "641 x 1024 / 1280 truncates to 512 again";
    mouse.move(1279, 1023);
    EXPECT_EQ(cursor->position.x, 1023);
    EXPECT_EQ(cursor->position.y, 767);
    EXPECT_EQ(cursor->previousPosition.x, 512);
    EXPECT_EQ(cursor->previousPosition.y, 384);
    EXPECT_EQ(moves, 2);
}

TEST_F(Widgets, CursorStartsAtItsPictureSoAFirstMoveThereChangesNothing)
{
    int moves = 0;
    cursor->onMove = [&] { ++moves; };
    mouse.move(400, 700);
    EXPECT_EQ(moves, 0);
    EXPECT_EQ(cursor->position.x, 0);
    EXPECT_EQ(cursor->position.y, 0);
}

TEST_F(Widgets, CursorKeepsButtonStatesAndTheirPreviousStates)
{
    int buttons = 0;
    cursor->onButton = [&] { ++buttons; };

    mouse.press(10, 10, Mouse::right);
    EXPECT_TRUE(cursor->rightDown);
    EXPECT_FALSE(cursor->rightWasDown);
    EXPECT_FALSE(cursor->leftDown);
    mouse.press(10, 10);
    EXPECT_TRUE(cursor->leftDown);
    EXPECT_FALSE(cursor->leftWasDown);
    EXPECT_TRUE(cursor->rightDown);
    EXPECT_TRUE(cursor->rightWasDown) << "the right press is no longer fresh";

    mouse.drag(20, 20);
    EXPECT_TRUE(cursor->leftWasDown);
    EXPECT_TRUE(cursor->rightWasDown);

    mouse.release(20, 20, Mouse::right);
    mouse.press(20, 20, Mouse::right);
    GameLogic::mouseCallback(1, Mouse::down, 30, 40);
    EXPECT_TRUE(cursor->leftDown);
    EXPECT_TRUE(cursor->rightDown);
    EXPECT_TRUE(cursor->rightWasDown) << "a middle button makes a press stale, never fresh";
    EXPECT_EQ(cursor->position.x, 30) << "a middle button moves the cursor";
    EXPECT_EQ(cursor->position.y, 40);
    EXPECT_EQ(buttons, 6);

    mouse.release(30, 40);
    EXPECT_FALSE(cursor->leftDown);
    EXPECT_TRUE(cursor->leftWasDown);
}

TEST_F(Widgets, CallbackFailureIsHeldForTheMainLoopAndStopsLaterCallbacks)
{
    int buttons = 0;
    cursor->onButton = [&]
    {
        ++buttons;
        throw std::runtime_error("exit");
    };
    GameLogic::mouseCallback(Mouse::left, Mouse::down, 10, 10);
    EXPECT_TRUE(StartUp::exceptionPending());
    GameLogic::mouseCallback(Mouse::left, Mouse::up, 10, 10);
    EXPECT_EQ(buttons, 1);
    EXPECT_THROW(StartUp::rethrowPending(), std::runtime_error);
}

TEST_F(Widgets, CallbacksWithoutACursorDoNothing)
{
    globalMouseCursor.reset();
    GameLogic::mouseCallback(Mouse::left, Mouse::down, 10, 10);
    GameLogic::motionCallback(20, 20);
    GameLogic::moveTo(30, 30);
    EXPECT_FALSE(StartUp::exceptionPending());
    EXPECT_EQ(cursor->position.x, 0);
}

} // namespace
