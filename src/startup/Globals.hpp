#pragma once
// Process-wide state shared by the run phases, the level and the widgets.
// Everything here lives for the whole process and is touched only on the one
// GLUT thread.

#include <memory>

namespace InputEngine::OpenGL
{
class Keyboard;
}
namespace GameLogic
{
class MouseCursor;
namespace PalaceBuild
{
struct GameLevel;
}
} // namespace GameLogic
namespace StartUp
{
class BannerImpl;
}

extern std::shared_ptr<InputEngine::OpenGL::Keyboard> globalKeyboard;

// The game's one mouse cursor (the drag-and-drop handler); the GLUT mouse
// callbacks act on it.
extern std::shared_ptr<GameLogic::MouseCursor> globalMouseCursor;

// The game level; owned here, deleted by main (or at exit if still set).
extern GameLogic::PalaceBuild::GameLevel* currentLevel;

// The banner on screen, if any; it deletes itself when its time is up.
extern StartUp::BannerImpl* currentBanner;

// Pixel size of the display mode in force.
extern int screenWidth;
extern int screenHeight;

// Size of the game window, as last reported by GLUT.
extern int windowWidth;
extern int windowHeight;

// Ends the game phase: always throws the exit request, a std::runtime_error
// whose message is "exit".
[[noreturn]] void requestExit();
