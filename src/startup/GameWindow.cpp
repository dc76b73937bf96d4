#include "startup/GameWindow.hpp"

#include "platform/KeyModifiers.hpp"
#include "platform/WindowClass.hpp"
#include "platform/WorkArea.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/GameInput.hpp"
#include "startup/PhaseLoop.hpp"
#include "video/KeptGLState.hpp"
#include "video/ITextureData.hpp"

#include <GL/freeglut.h>
#include <GL/glu.h>

namespace StartUp
{

namespace
{

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
    {
        const VideoEngine::OpenGL::KeptGLState kept(GL_COLOR_BUFFER_BIT);
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glutSwapBuffers();
}

// A window for the scene in the screen's work area (see placeWindow).
VideoEngine::OpenGL::WindowPlace placeInWorkArea(const FullScreen& screen)
{
    Platform::WorkArea area{0, 0, screen.screenWidth(), screen.screenHeight()};
    Platform::readWorkArea(area);
    return VideoEngine::OpenGL::placeWindow(area.left, area.top, area.width, area.height);
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
    // Full screen at the display mode's size: a smaller window would show the
    // start-up picture shrunk until the full-screen switch arrives, and the
    // level's building holds up the redraw after it.
    Game& game = *Game::current;
    FullScreen& screen = game.fullScreen();
    screen.start(game.settings().display != DisplayChoice::Window, placeInWorkArea(screen));
    glutInitWindowSize(screen.windowWidth(), screen.windowHeight());
    // Full screen at the origin: without a window manager, freeglut's
    // full-screen switch shifts the window off screen by any other starting
    // position.
    if (screen.isOn())
        glutInitWindowPosition(0, 0);
    else
        glutInitWindowPosition(screen.windowed().left, screen.windowed().top);
    glutCreateWindow("123");
    Platform::keepShiftTab();
    // An empty cursor: on a touch screen the pointer only gets in the way,
    // and a larger pointer is the game's own.
    if (!game.settings().showPointer || game.settings().access.pointerSize > 1)
        glutSetCursor(GLUT_CURSOR_NONE);
    // The desktop finds the game's entry and icon by the window's class.
    Platform::setWindowClass("brickwork-garden");
    if (screen.isOn())
        glutFullScreen();
    glutDisplayFunc(blankDisplay);
    glutCloseFunc(onWindowClosed);
    glutReshapeFunc(onReshape);
    glutKeyboardFunc(onKeyboard);
    glutSpecialFunc(onSpecial);
    watchForLostWindow();

    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    setLogicalProjection();
    const VideoEngine::OpenGL::SceneFit fit = game.sceneFit();
    fit.setViewport();
    VideoEngine::OpenGL::choosePictureDetail(fit.width, fit.height);
}

std::string rendererName()
{
    const GLubyte* name = glGetString(GL_RENDERER);
    return name ? reinterpret_cast<const char*>(name) : "unknown";
}

void onReshape(int width, int height)
{
    guardCallback(
        [=]
        {
            noteSceneChange();
            Game& game = *Game::current;
            game.pacing().forgetShown();
            game.fullScreen().resized(width, height);
            setLogicalProjection();
            const VideoEngine::OpenGL::SceneFit fit = game.sceneFit();
            fit.setViewport();
            // A window enlarged past 1024x768, or shrunk back, reads its
            // pictures again at the detail of its new size.
            VideoEngine::OpenGL::choosePictureDetail(fit.width, fit.height);
        });
}

} // namespace StartUp
