#include "startup/Keyboard.hpp"

#include "startup/GameCallbacks.hpp"

#include <GL/freeglut.h>

namespace InputEngine
{
namespace OpenGL
{

Keyboard::Keyboard()
{
    glutKeyboardFunc(StartUp::onKeyboard);
    glutSpecialFunc(StartUp::onSpecial);
}

Keyboard::~Keyboard()
{
    glutKeyboardFunc(nullptr);
    glutSpecialFunc(nullptr);
}

} // namespace OpenGL
} // namespace InputEngine
