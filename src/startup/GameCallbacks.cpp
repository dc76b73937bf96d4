#include "startup/GameCallbacks.hpp"

#include "platform/Clock.hpp"
#include "startup/Globals.hpp"
#include "startup/Keyboard.hpp"
#include "startup/PhaseLoop.hpp"

#include <GL/glu.h>

namespace StartUp
{
std::uint64_t (*currentSceneSignature)() = nullptr;
std::uint64_t shownSceneSignature = 0;

namespace
{

std::uint32_t lastRedisplayMs = 0;

// The logical screen: 1024 x 768 units, origin top left, y downwards,
// stretched over the whole window. Leaves the model-view matrix current.
void setLogicalProjection()
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluOrtho2D(0, 1024, 768, 0);
    glMatrixMode(GL_MODELVIEW);
}

// The window's content until a phase draws: black. freeglut ends the process
// when a window without a display callback needs drawing.
void blankDisplay()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glutSwapBuffers();
}

} // namespace

void initGraphics()
{
    int argc = 1;
    char name[] = "123";
    char* argv[] = {name, nullptr};
    glutInit(&argc, argv);
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_RGB);
    // At the display mode's size: a smaller window would show the start-up
    // picture shrunk until the full-screen switch arrives, and the level's
    // building holds up the redraw after it.
    windowWidth = screenWidth;
    windowHeight = screenHeight;
    glutInitWindowSize(windowWidth, windowHeight);
    // At the origin: without a window manager, freeglut's full-screen switch
    // shifts the window off screen by any other starting position.
    glutInitWindowPosition(0, 0);
    glutCreateWindow("123");
    glutFullScreen();
    glutDisplayFunc(blankDisplay);
    glutCloseFunc(onWindowClosed);
    watchForLostWindow();

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    setLogicalProjection();
}

std::string rendererName()
{
    const GLubyte* name = glGetString(GL_RENDERER);
    return name ? reinterpret_cast<const char*>(name) : "unknown";
}

bool redrawDue(std::uint32_t now, std::uint32_t& lastRedisplayMs)
{
    if (lastRedisplayMs == 0)
        lastRedisplayMs = now - 25;
    if (now - lastRedisplayMs > 25)
    {
        lastRedisplayMs = now;
        return true;
    }
    return false;
}

void onIdle()
{
    guardCallback(
        []
        {
            // An unchanged scene is not drawn again: a game left alone
            // costs next to nothing. A change waits for the pacing, never
            // longer.
            if (sceneChangePending() && redrawDue(Platform::steadyMilliseconds(), lastRedisplayMs))
            {
                forgetSceneChange();
                if (!currentSceneSignature || currentSceneSignature() != shownSceneSignature)
                    glutPostRedisplay();
            }
        });
}

int idleWakeAfterMs()
{
    if (!sceneChangePending())
        return -1;
    if (lastRedisplayMs == 0)
        return 0;
    const std::uint32_t since = Platform::steadyMilliseconds() - lastRedisplayMs;
    return since > 25 ? 0 : static_cast<int>(26 - since);
}

void onReshape(int width, int height)
{
    guardCallback(
        [=]
        {
            noteSceneChange();
            shownSceneSignature = 0;
            windowWidth = width;
            windowHeight = height;
            setLogicalProjection();
            glViewport(0, 0, width, height);
        });
}

void onKeyboard(unsigned char key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            if (key == 27)
                requestExit();
            if (globalKeyboard && globalKeyboard->keyFunc)
                globalKeyboard->keyFunc(key);
        });
}

void onSpecial(int key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            if (globalKeyboard && globalKeyboard->specialFunc)
                globalKeyboard->specialFunc(key);
        });
}

} // namespace StartUp
