#include "startup/Globals.hpp"

#include "palace/GameLevel.hpp"
#include "startup/Keyboard.hpp"

#include <stdexcept>

// Defined in the order the process needs them: the keyboard pointer is
// released last, after the level that clears its callables.
std::shared_ptr<InputEngine::OpenGL::Keyboard> globalKeyboard;
std::shared_ptr<GameLogic::MouseCursor> globalMouseCursor;
GameLogic::PalaceBuild::GameLevel* currentLevel = nullptr;
StartUp::BannerImpl* currentBanner = nullptr;

int screenWidth = 0;
int screenHeight = 0;
int windowWidth = 800;
int windowHeight = 600;

namespace
{

// Deletes a level still set when the process ends; main clears it on every
// ordinary path, so this only acts after an unusual end.
struct LevelAtExit
{
    ~LevelAtExit()
    {
        delete currentLevel;
        currentLevel = nullptr;
    }
} levelAtExit;

} // namespace

void requestExit()
{
    throw std::runtime_error("exit");
}
