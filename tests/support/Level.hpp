#pragma once
// A GL window, a recorder of the sounds played, and the game level as the
// game runs it: on writeGameFolder's pictures in a temporary working
// directory (its log goes there too), driven through the game's own GLUT
// input callbacks.

#include "play/GameLevel.hpp"
#include "startup/Game.hpp"
#include "support/Pictures.hpp"
#include "support/TempDir.hpp"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace TestSupport
{

// A 1024 x 768 GLUT window with the game's GL state (texturing, blending,
// the logical projection with the origin top left): a unit is a pixel.
class GlContext
{
public:
    GlContext();
    ~GlContext();
    GlContext(const GlContext&) = delete;
    GlContext& operator=(const GlContext&) = delete;

    void clear(const Rgba& colour) const;
    // The back buffer's pixel at (x, y).
    Rgba pixel(int x, int y) const;
    // The whole back buffer, bottom row first.
    std::vector<Rgba> screen() const;

private:
    int window = 0;
};

// Records the sounds played, by file name without folder and extension,
// separated by spaces.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    std::string played;
};

// A point of the arch that the first cell shows.
constexpr int archInCellX = 105;
constexpr int archInCellY = 195;

class LevelTest : public ::testing::Test
{
protected:
    LevelTest();
    ~LevelTest() override;

    // Plays steps separated by spaces, in logical units: "t" takes the arch
    // from the first cell; "mX,Y" moves the mouse; "lX,Y" and "rX,Y" click
    // the left and the right button; "pX,Y", "dX,Y" and "uX,Y" press, drag
    // with and release the left one; "kC" types C; "<", ">", "^" and "v"
    // are the arrow keys; "z" and "y" are Ctrl+Z and Ctrl+Y, handed to the
    // level's keyboard (GLUT knows the modifiers only inside its own event
    // dispatch). What the game throws passes on.
    void play(const std::string& script);
    // Runs the click of the target of that name and index, as a player
    // without a mouse would; fails the test when there is none.
    void click(const std::string& name, std::size_t index = 0);
    // The picture file the cell of the row shows.
    std::string shownInRow(int row) const;
    // The saved game's text for the scene as it is.
    std::string saved() const;

    GlContext gl;
    TempDir dir;
    WorkingDirectory cwd{dir.path()};
    SoundRecorder sounds;
    StartUp::Game game;
    // The game's level, built anew by game.buildLevel().
    struct
    {
        StartUp::Game& game;
        GameLogic::PalaceBuild::GameLevel* operator->() const { return game.level(); }
    } level{game};
};

} // namespace TestSupport
