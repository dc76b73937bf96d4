#pragma once
// The keyboard as the game sees it: two callables that the game level sets.
// Escape never reaches them: it ends the game phase.

#include <functional>

namespace InputEngine
{
namespace OpenGL
{

class Keyboard
{
public:
    // Registers onKeyboard and onSpecial as the GLUT keyboard callbacks.
    Keyboard();
    // Registers no keyboard callbacks, then drops both callables.
    ~Keyboard();

    Keyboard(const Keyboard&) = delete;
    Keyboard& operator=(const Keyboard&) = delete;

    std::function<void(unsigned char key)> keyFunc;
    std::function<void(int key)> specialFunc;
};

} // namespace OpenGL
} // namespace InputEngine
