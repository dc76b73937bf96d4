// The game level on a temporary game folder: what it binds to the controls,
// keys and mouse, what it draws on top of what, the picture capture, and
// saving and loading as commands that never end the game.

#include "palace/GameLevel.hpp"
#include "palace/Brick.hpp"
#include "palace/MouseHandler.hpp"
#include "palace/Palace.hpp"
#include "startup/Keyboard.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "ui/TestGame.hpp"
#include "ui/Toolbar.hpp"

#include <GL/freeglut.h>
#include <boost/filesystem.hpp>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace
{
using namespace UiTests;
using GameLogic::PalaceBuild::GameLevel;
namespace fs = boost::filesystem;

const Colour red{250, 0, 0, 255};
const Colour green{0, 200, 0, 255};

// Where the test folder's controls stand (every button 40 x 30).
struct At
{
    int x, y;
};
constexpr At backgroundButton{30, 675};
constexpr At frameButton{95, 675};
constexpr At clearButton{160, 675};
constexpr At savePictureButton{32, 707};
constexpr At wallpaperButton{77, 707};
constexpr At saveButton{32, 740};
constexpr At loadButton{77, 740};
constexpr At previousColorButton{29, 101};
constexpr At nextColorButton{119, 101};
constexpr At folder1Button{34, 30};
constexpr At folder2Button{82, 30};
constexpr At folder3Button{130, 30};
constexpr At exitButton{1010, 10};
constexpr At mirrorButton{900, 10};
constexpr At smallerButton{29, 65};
constexpr At checkBox{70, 65};
constexpr At largerButton{97, 65};

class Level : public ::testing::Test
{
protected:
    Level()
    {
        screenWidth = 1024;
        screenHeight = 768;
        game.addPieceToEveryRow(green);
        // The first palace piece is a larger red gate.
        fs::remove(game.file("BMP/palace/1.wall.png"));
        game.addPiece("BMP/palace/1.gate.png", 100, 81, red);
        writeSolid(game.file("BMP/background/water.png"), 1024, 768, {0, 100, 100, 255});
        writeSolid(game.file("BMP/frame/wood.png"), 1024, 768, {90, 60, 0, 255});
        globalKeyboard = std::make_shared<InputEngine::OpenGL::Keyboard>();
    }
    ~Level() override
    {
        level.reset();
        globalMouseCursor.reset();
        globalKeyboard.reset();
    }

    void build() { level = std::make_unique<GameLevel>(); }

    void key(unsigned char k) { globalKeyboard->keyFunc(k); }
    void special(int k) { globalKeyboard->specialFunc(k); }

    void click(At at, int button = Mouse::left)
    {
        mouse.move(at.x, at.y);
        mouse.click(at.x, at.y, button);
    }

    // Takes the gate from the first cell and drops it with its top-left
    // corner at (left, top).
    void placeGateAt(int left, int top)
    {
        click({113, 200});
        mouse.move(left + 50, top + 40);
        mouse.click(left + 50, top + 40);
    }

    Colour colourAt(int x, int y) const
    {
        const TestSupport::Rgba p = gl.pixel(x, y);
        return Colour{p.r, p.g, p.b, 255};
    }

    void drawFrame()
    {
        gl.clear(1, 1, 0);
        level->draw();
    }

    std::string shownInRow(int row) const
    {
        return level->toolbar->rows[row]->brick.picture.data->fileName;
    }

    TestSupport::GlContext gl;
    TestGame game;
    TestSupport::WorkingDirectory cwd{game.path()};
    SoundRecorder sounds;
    LogCapture log;
    Mouse mouse;
    std::unique_ptr<GameLevel> level;
};

TEST_F(Level, BuildsInOrderAndBindsMouseAndKeyboardUntilDestroyed)
{
    build();
    const auto lines = log.lines();
    const auto first = std::find(lines.begin(), lines.end(), "PalaceBuild 649 GameLevel::init");
    const auto last = std::find(lines.begin(), lines.end(), "PalaceBuild 703GameLevel::init");
    ASSERT_NE(first, lines.end());
    ASSERT_NE(last, lines.end());
    EXPECT_LT(first, last);
    EXPECT_EQ(std::count_if(first, last,
                            [](const std::string& line)
                            { return line.rfind("PalaceBuild 779 Cell::Cell 1 ", 0) == 0; }),
              3);

    EXPECT_EQ(globalMouseCursor, level->mouseHandler);
    EXPECT_TRUE(globalKeyboard->keyFunc);
    EXPECT_TRUE(globalKeyboard->specialFunc);
    const auto handler = level->mouseHandler;
    level.reset();
    EXPECT_FALSE(globalKeyboard->keyFunc);
    EXPECT_FALSE(globalKeyboard->specialFunc);
    EXPECT_FALSE(handler->onButton) << "a late mouse event must not reach a deleted level";
    EXPECT_EQ(globalMouseCursor, handler) << "the handler lives on";
    mouse.move(300, 300);
    mouse.click(300, 300);
}

TEST_F(Level, BuildsWithAnEmptyRowButNotWithoutFrames)
{
    fs::remove("BMP/palace/3.roof.png");
    build();
    EXPECT_FALSE(level->toolbar->rows[2]->hasPicture());
    level.reset();

    fs::remove_all("BMP/frame");
    fs::create_directories("BMP/frame");
    try
    {
        build();
        FAIL() << "a level without frames was built";
    }
    catch (const std::logic_error& failure)
    {
        EXPECT_STREQ(failure.what(), "Unable to find backround images");
    }
    EXPECT_FALSE(globalKeyboard->keyFunc);
}

TEST_F(Level, LettersAreMatchedExactly)
{
    build();
    key('b');
    EXPECT_EQ(level->backgrounds->index, 1u);
    key('B');
    EXPECT_EQ(level->backgrounds->index, 0u);
    key('f');
    EXPECT_EQ(level->frames.index, 1u);
    key('F');
    EXPECT_EQ(level->frames.index, 0u);

    key('n');
    EXPECT_EQ(shownInRow(0), "BMP/decoration/1.flag.png");
    key('N');
    EXPECT_EQ(shownInRow(0), "BMP/person/1.king.png");
    key('n');
    EXPECT_EQ(shownInRow(0), "BMP/palace/1.gate.png");

    key('S');
    key('L');
    EXPECT_FALSE(fs::exists("savegame.txt"));
    placeGateAt(500, 400);
    key('s');
    EXPECT_TRUE(fs::exists("savegame.txt"));
    level->clearPalace();
    key('L');
    EXPECT_TRUE(level->palace->bricks.empty());
    key('l');
    ASSERT_EQ(level->palace->bricks.size(), 1u);
    EXPECT_EQ(level->palace->bricks.front()->picture.position.x, 500);

    key('W');
    EXPECT_TRUE(level->wallpaperRequested);
    EXPECT_EQ(level->captureState, 1);
    key('P');
    EXPECT_FALSE(level->wallpaperRequested) << "P after W saves a plain picture";
    EXPECT_EQ(level->captureState, 1);
    key('w');
    EXPECT_TRUE(level->wallpaperRequested);
    key('p');
    EXPECT_FALSE(level->wallpaperRequested);
    for (unsigned char ignored : {'x', 'I', 'U', 'q', '1', ' '})
        key(ignored);
}

TEST_F(Level, ColourAndShapeKeysActOnTheCarriedBrickOnly)
{
    build();
    key('i');
    special(GLUT_KEY_UP);
    click({113, 200});
    mouse.move(500, 400);
    const auto carried = level->mouseHandler->dragged;
    ASSERT_NE(carried, nullptr);

    key('i');
    key('i');
    key('u');
    key('I');
    key('U');
    EXPECT_EQ(carried->picture.colorChanger.step, 1);
    special(GLUT_KEY_LEFT);
    EXPECT_TRUE(carried->picture.mirror);
    special(GLUT_KEY_RIGHT);
    EXPECT_FALSE(carried->picture.mirror);
    special(GLUT_KEY_UP);
    EXPECT_EQ(carried->picture.size, 11u);
    special(GLUT_KEY_DOWN);
    special(GLUT_KEY_DOWN);
    EXPECT_EQ(carried->picture.size, 9u);
    special(GLUT_KEY_F1);
    special(GLUT_KEY_HOME);
    EXPECT_EQ(carried->picture.size, 9u);
    EXPECT_FALSE(carried->picture.mirror);
}

TEST_F(Level, ToolbarControlsRunTheirCommands)
{
    build();
    click(backgroundButton);
    EXPECT_EQ(level->backgrounds->index, 1u);
    click(frameButton);
    EXPECT_EQ(level->frames.index, 1u);
    EXPECT_EQ(std::count(sounds.played.begin(), sounds.played.end(), "Sound/button.wav"), 2);

    click(folder1Button);
    EXPECT_EQ(shownInRow(1), "BMP/person/2.queen.png");
    click(folder3Button);
    EXPECT_EQ(shownInRow(1), "BMP/decoration/2.flower.png");
    click(folder2Button);
    EXPECT_EQ(shownInRow(1), "BMP/palace/2.tower.png");

    placeGateAt(500, 400);
    const auto gate = level->palace->selected;
    ASSERT_NE(gate, nullptr);
    click(mirrorButton);
    EXPECT_TRUE(gate->picture.mirror);
    click(nextColorButton);
    click(nextColorButton);
    click(previousColorButton);
    EXPECT_EQ(gate->picture.colorChanger.step, 1);

    click(largerButton);
    EXPECT_EQ(gate->picture.size, 11u);
    EXPECT_EQ(level->toolbar->rows[0]->cellSize, 10u) << "the size box is not ticked";
    click(checkBox);
    EXPECT_TRUE(level->toolbar->checkBox->checked);
    click(smallerButton);
    click(smallerButton);
    EXPECT_EQ(gate->picture.size, 9u);
    EXPECT_EQ(level->toolbar->rows[0]->cellSize, 9u);
    EXPECT_EQ(level->palace->defaultSize, 9u);

    click(saveButton);
    EXPECT_TRUE(fs::exists("savegame.txt"));
    click(clearButton);
    EXPECT_TRUE(level->palace->bricks.empty());
    click(loadButton);
    ASSERT_EQ(level->palace->bricks.size(), 1u);
    EXPECT_TRUE(level->palace->bricks.front()->picture.mirror);

    click(savePictureButton);
    EXPECT_EQ(level->captureState, 1);
    EXPECT_FALSE(level->wallpaperRequested);
    click(wallpaperButton);
    EXPECT_TRUE(level->wallpaperRequested);

    try
    {
        click(exitButton);
        FAIL() << "the exit button did not end the game";
    }
    catch (const std::runtime_error& exitRequest)
    {
        EXPECT_STREQ(exitRequest.what(), "exit");
    }
}

TEST_F(Level, DrawsBackgroundPalaceCellsFrameControlsAndCarriedBrickInThatOrder)
{
    build();
    placeGateAt(600, 30);
    placeGateAt(200, 400);
    click({113, 200});
    mouse.move(800, 40);

    drawFrame();
    EXPECT_EQ(colourAt(650, 300), backgroundColour);
    EXPECT_EQ(colourAt(650, 90), red) << "the palace over the background";
    EXPECT_EQ(colourAt(650, 45), frameColour) << "the frame over the palace";
    EXPECT_EQ(colourAt(113, 200), red) << "a cell picture through the frame's window";
    EXPECT_EQ(colourAt(113, 380), frameColour) << "the frame over the cell pictures";
    EXPECT_EQ(colourAt(backgroundButton.x, backgroundButton.y), controlColour(1))
        << "the controls over the frame";
    EXPECT_EQ(colourAt(800, 30), red) << "the carried brick over everything";
    EXPECT_EQ(colourAt(260, 420), red);

    level->savePicture();
    drawFrame();
    EXPECT_EQ(level->captureState, 2);
    EXPECT_EQ(colourAt(650, 45), red) << "no frame while a capture is pending";
    EXPECT_EQ(colourAt(113, 380), backgroundColour);
    EXPECT_EQ(colourAt(backgroundButton.x, backgroundButton.y), backgroundColour);
    EXPECT_EQ(colourAt(800, 30), backgroundColour);
    EXPECT_EQ(colourAt(205, 420), red) << "clipped bricks are drawn whole";
}

TEST_F(Level, CaptureWritesOnePictureTwoFramesAfterTheRequest)
{
    TestSupport::TempDir data;
    setenv("XDG_DATA_HOME", data.path().c_str(), 1);
    setenv("XDG_CURRENT_DESKTOP", "", 1);
    build();
    level->captureIfDue();
    EXPECT_FALSE(fs::exists("PrintScreen"));

    level->setWallpaper();
    level->draw();
    level->captureIfDue();
    EXPECT_FALSE(fs::exists("PrintScreen"));
    level->draw();
    level->captureIfDue();
    EXPECT_EQ(level->captureState, 0);
    EXPECT_FALSE(level->wallpaperRequested);
    ASSERT_TRUE(fs::is_directory("PrintScreen")) << "the folder is made when missing";
    std::vector<fs::path> pictures(fs::directory_iterator("PrintScreen"), {});
    ASSERT_EQ(pictures.size(), 1u);
    const std::string name = pictures[0].filename().string();
    EXPECT_EQ(name.size(), std::string("2024-03-03 09-05-07.bmp").size()) << name;
    EXPECT_EQ(name.substr(name.size() - 4), ".bmp");
    EXPECT_TRUE(fs::exists(fs::path(data.path()) / "backgrounds" / name))
        << "the wallpaper copy lies outside the game folder";
    EXPECT_EQ(log.linesStartingWith("PalaceBuild 535").size(), 1u);
    EXPECT_EQ(log.linesStartingWith("PalaceBuild 535").front(), "PalaceBuild 535 ");
    unsetenv("XDG_DATA_HOME");
}

TEST_F(Level, FailedSaveIsLoggedAndFailedLoadEmptiesThePalace)
{
    build();
    placeGateAt(500, 400);
    fs::create_directories("savegame.txt/blocked");
    level->saveGame();
    EXPECT_EQ(log.linesStartingWith("PalaceBuild 620 ").size(), 1u);
    EXPECT_EQ(level->palace->bricks.size(), 1u);

    fs::remove_all("savegame.txt");
    const auto before = log.lines().size();
    key('l');
    EXPECT_TRUE(level->palace->bricks.empty());
    EXPECT_EQ(level->palace->selected, nullptr);
    EXPECT_EQ(log.lines().size(), before) << "a failed load logs nothing";
}

} // namespace
