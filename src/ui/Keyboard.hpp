#pragma once
// The keyboard as the game sees it: two callables that the game level sets
// and clears. The GLUT keyboard callbacks of the run pass keys to them;
// Escape never reaches them: it ends the game phase.

#include <functional>

namespace GameLogic
{

struct Keyboard
{
    std::function<void(unsigned char key)> keyFunc;
    std::function<void(int key)> specialFunc;
};

} // namespace GameLogic
