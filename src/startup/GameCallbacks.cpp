#include "startup/GameCallbacks.hpp"

#include "play/MouseHandler.hpp"
#include "platform/Clock.hpp"
#include "platform/KeyModifiers.hpp"
#include "platform/WindowClass.hpp"
#include "platform/WorkArea.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/Game.hpp"
#include "startup/PhaseLoop.hpp"
#include "ui/ExitRequest.hpp"
#include "video/KeptGLState.hpp"
#include "video/PictureDetail.hpp"

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

GameLogic::PalaceBuild::GameLevel* currentLevel()
{
    return Game::current ? Game::current->level.get() : nullptr;
}

// What the level would draw now; 0 without a level.
std::uint64_t levelSignature()
{
    GameLogic::PalaceBuild::GameLevel* level = currentLevel();
    return level ? level->frameSignature() : 0;
}

// A frame of a picture capture drawn offscreen at the logical screen's own
// size, so that the saved picture is the one a 1024 x 768 screen would give;
// the window keeps showing the frame before the capture. False, with nothing
// drawn, where the GL has no offscreen pictures; shown is then the frame's
// signature.
bool drawCaptureOffscreen(Game& game, GameLogic::PalaceBuild::GameLevel& level,
                          std::uint64_t& shown)
{
    if (!game.offscreen.begin())
        return false;
    if (!level.coversWindow())
    {
        const VideoEngine::OpenGL::KeptGLState kept(GL_COLOR_BUFFER_BIT);
        glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    shown = level.draw();
    game.offscreen.end();
    noteSceneChange();
    return true;
}

// Runs body on the level's mouse handler inside the callback guard, with the
// window pixel (x, y) as a logical point.
template <class Body> void withMouse(int x, int y, Body&& body)
{
    guardCallback(
        [&]
        {
            noteSceneChange();
            if (GameLogic::PalaceBuild::GameLevel* level = currentLevel())
                body(level->mouse(), Game::current->logicalPoint(x, y));
        });
}

// How often followFullScreen looks while the window follows F11.
constexpr unsigned followMs = 10;

// A window for the scene in the screen's work area (see placeWindow).
VideoEngine::OpenGL::WindowPlace placeInWorkArea(const Game& game)
{
    Platform::WorkArea area{0, 0, game.screenWidth, game.screenHeight};
    Platform::readWorkArea(area);
    return VideoEngine::OpenGL::placeWindow(area.left, area.top, area.width, area.height);
}

// Brings the window to what Game::fullScreen asks, one request to freeglut
// at a time: freeglut makes a request only after the callback that asked for
// it, and takes a second one before then for the first. A switch is shown
// once freeglut has made it and the window has the size it leads to (or at
// the latest a second later: a window manager may size it otherwise); only
// then is the next one asked for, and a timer looks again meanwhile, so that
// no press is lost. Back in a window, it puts the window where
// Game::windowed says: leaving the full screen, freeglut gives the window the
// size it had before, the whole screen where the game began full screen.
void followFullScreen(int)
{
    Game* game = Game::current;
    if (!game)
        return;
    const std::uint32_t now = Platform::steadyMilliseconds();
    // A timer's wait after the last request: the loop has passed it to the
    // window system.
    const bool made = bool(glutGet(GLUT_FULL_SCREEN)) == game->askedFullScreen &&
                      now - game->switchAskedMs >= followMs;
    if (made && !game->askedFullScreen && !game->windowPlaced)
    {
        glutPositionWindow(game->windowed.left, game->windowed.top);
        glutReshapeWindow(game->windowed.width, game->windowed.height);
        game->switchAskedMs = now;
        // Every other request of the switch went before these: what the
        // window does from now on, the player does.
        game->windowPlaced = true;
    }
    else
    {
        const bool sized = game->askedFullScreen ? game->windowWidth == game->screenWidth &&
                                                       game->windowHeight == game->screenHeight
                                                 : game->windowWidth == game->windowed.width &&
                                                       game->windowHeight == game->windowed.height;
        const bool shown = (made && sized) || now - game->switchAskedMs > 1000;
        if (shown && game->askedFullScreen == game->fullScreen)
            return;
        if (shown)
        {
            game->askedFullScreen = game->fullScreen;
            game->switchAskedMs = now;
            if (game->fullScreen)
            {
                // From the origin, as at the start (see initGraphics).
                glutPositionWindow(0, 0);
                glutFullScreen();
            }
            else
            {
                glutLeaveFullScreen();
                game->windowPlaced = false;
            }
        }
    }
    // Also keeps the loop awake for the timer.
    noteSceneChange();
    glutTimerFunc(followMs, followFullScreen, 0);
}

// F11 where the display mode was kept ("display = window" or "keep", or a
// switch that did not happen): the window fills the screen, or becomes the
// window again at its size and place (at first the window "display =
// window" would open), the display mode never changing. Every press counts,
// however quick; the window follows. Nothing happens under the child lock,
// nor on a switched mode.
void toggleFullScreen(Game& game)
{
    if (game.settings.lock || game.modeSwitched)
        return;
    // The player may have moved the window; its size comes from onReshape.
    // During a switch its place is the switch's, not the player's.
    if (game.windowShown())
    {
        game.windowed.left = glutGet(GLUT_WINDOW_X);
        game.windowed.top = glutGet(GLUT_WINDOW_Y);
    }
    game.fullScreen = !game.fullScreen;
    // From a timer, after every event at hand: a request made there is
    // passed on before the next event, this press's place among them.
    noteSceneChange();
    glutTimerFunc(0, followFullScreen, 0);
}

// Ctrl+Shift+Z reaches the level as Ctrl+Y: both redo. Shift+Tab reaches
// it as its own code.
unsigned char byShift(unsigned char key, const Platform::KeyModifiers& held)
{
    using GameLogic::PalaceBuild::GameLevel;
    if (!held.shift)
        return key;
    return key == GameLevel::undoKey ? GameLevel::redoKey
           : key == '\t'             ? GameLevel::backTabKey
                                     : key;
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
    game.windowed = placeInWorkArea(game);
    game.fullScreen = game.settings.display != DisplayChoice::Window;
    game.askedFullScreen = game.fullScreen;
    game.windowWidth = game.fullScreen ? game.screenWidth : game.windowed.width;
    game.windowHeight = game.fullScreen ? game.screenHeight : game.windowed.height;
    glutInitWindowSize(game.windowWidth, game.windowHeight);
    // Full screen at the origin: without a window manager, freeglut's
    // full-screen switch shifts the window off screen by any other starting
    // position.
    if (game.fullScreen)
        glutInitWindowPosition(0, 0);
    else
        glutInitWindowPosition(game.windowed.left, game.windowed.top);
    glutCreateWindow("123");
    // An empty cursor: on a touch screen the pointer only gets in the way.
    if (!game.settings.showPointer)
        glutSetCursor(GLUT_CURSOR_NONE);
    // The desktop finds the game's entry and icon by the window's class.
    Platform::setWindowClass("brickwork-garden");
    if (game.fullScreen)
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

int msUntilRedraw(std::uint32_t now, std::uint32_t lastRedisplayMs)
{
    if (lastRedisplayMs == 0)
        return 0;
    const std::uint32_t since = now - lastRedisplayMs;
    return since > 25 ? 0 : static_cast<int>(26 - since);
}

bool redrawDue(std::uint32_t now, std::uint32_t& lastRedisplayMs)
{
    if (lastRedisplayMs == 0)
        lastRedisplayMs = now - 25;
    if (msUntilRedraw(now, lastRedisplayMs) > 0)
        return false;
    lastRedisplayMs = now;
    return true;
}

void onIdle()
{
    guardCallback(
        []
        {
            if (GameLogic::PalaceBuild::GameLevel* level = currentLevel())
            {
                level->keepIfDue();
                if (level->followPrinter() || level->scanIfDue())
                    noteSceneChange();
            }
            // An unchanged scene is not drawn again: a game left alone
            // costs next to nothing. A change waits for the pacing, never
            // longer.
            if (sceneChangePending() &&
                redrawDue(Platform::steadyMilliseconds(), Game::current->lastRedisplayMs))
            {
                forgetSceneChange();
                if (levelSignature() != Game::current->shownSignature)
                    glutPostRedisplay();
            }
        });
}

int idleWakeAfterMs()
{
    // The palace in play falls due to be kept, the printer to be looked
    // at, and the one switch's highlight to move on, too.
    GameLogic::PalaceBuild::GameLevel* level = currentLevel();
    int keep = level ? level->msUntilKeep() : -1;
    for (const int due : {level ? level->msUntilPrinter() : -1, level ? level->msUntilScan() : -1})
        if (due >= 0 && (keep < 0 || due < keep))
            keep = due;
    if (!sceneChangePending())
        return keep;
    const int redraw =
        msUntilRedraw(Platform::steadyMilliseconds(), Game::current->lastRedisplayMs);
    return keep >= 0 && keep < redraw ? keep : redraw;
}

void onReshape(int width, int height)
{
    guardCallback(
        [=]
        {
            noteSceneChange();
            Game& game = *Game::current;
            game.shownSignature = 0;
            game.windowWidth = width;
            game.windowHeight = height;
            // A window's new size is the player's, kept for F11; not during
            // a switch, nor the screen's size: that is the full screen's,
            // perhaps reported late after quick presses.
            if (game.windowShown() && (width != game.screenWidth || height != game.screenHeight))
            {
                game.windowed.width = width;
                game.windowed.height = height;
            }
            setLogicalProjection();
            const VideoEngine::OpenGL::SceneFit fit = Game::current->sceneFit();
            fit.setViewport();
            // A window enlarged past 1024x768, or shrunk back, reads its
            // pictures again at the detail of its new size.
            VideoEngine::OpenGL::choosePictureDetail(fit.width, fit.height);
        });
}

void onKeyboard(unsigned char key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            using GameLogic::PalaceBuild::GameLevel;
            // Only these keys ask which modifiers are held.
            const bool modified = key == 27 || key == GameLevel::undoKey || key == '\t';
            const Platform::KeyModifiers held =
                modified ? Platform::keyModifiers() : Platform::KeyModifiers{};
            GameLevel* level = currentLevel();
            if (key == 27 && !(level && level->galleryOpen()))
            {
                // Under the child lock only Ctrl+Shift+Escape ends the game.
                if (!Game::current->settings.lock || (held.control && held.shift))
                    GameLogic::requestExit();
                return;
            }
            GameLogic::Keyboard& keyboard = Game::current->keyboard;
            if (keyboard.keyFunc)
                keyboard.keyFunc(byShift(key, held));
        });
}

void onSpecial(int key, int, int)
{
    guardCallback(
        [key]
        {
            noteSceneChange();
            if (key == GLUT_KEY_F11)
            {
                toggleFullScreen(*Game::current);
                return;
            }
            GameLogic::Keyboard& keyboard = Game::current->keyboard;
            if (keyboard.specialFunc)
                keyboard.specialFunc(key);
        });
}

void onMouse(int button, int state, int x, int y)
{
    withMouse(x, y,
              [&](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.press(button, state == GLUT_DOWN, point); });
}

void onMotion(int x, int y)
{
    withMouse(x, y,
              [](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.dragTo(point); });
}

void onPassiveMotion(int x, int y)
{
    withMouse(x, y,
              [](GameLogic::MouseCursor& cursor, VideoEngine::OpenGL::Position point)
              { cursor.moveTo(point); });
}

std::uint64_t drawGameFrame()
{
    Game& game = *Game::current;
    GameLogic::PalaceBuild::GameLevel* level = currentLevel();
    const bool capturing = level && level->capture().pending();
    std::uint64_t shown = 0;
    if (capturing && !game.modeSwitched && drawCaptureOffscreen(game, *level, shown))
        return shown;
    game.sceneFit().clear(!level || !level->coversWindow(), 1.0f, 1.0f, 0.0f);
    if (!level)
        return 0;
    shown = level->draw();
    glutSwapBuffers();
    glFinish();
    if (capturing)
        noteSceneChange();
    return shown;
}

void onDisplay()
{
    guardCallback([] { Game::current->shownSignature = drawGameFrame(); });
}

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
