#include "startup/GameCallbacks.hpp"

#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

void registerGameCallbacks()
{
    Game::current->shownSignature = 0;
    glutDisplayFunc(onDisplay);
    glutReshapeFunc(onReshape);
    glutMouseFunc(onMouse);
    glutMotionFunc(onMotion);
    glutPassiveMotionFunc(onPassiveMotion);
    setIdleFunc(onIdle, idleWakeAfterMs);
}

} // namespace StartUp
