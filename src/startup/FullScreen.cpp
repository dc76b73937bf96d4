#include "startup/FullScreen.hpp"

#include <GL/freeglut.h>

namespace StartUp
{

void FullScreen::setScreen(int width, int height, bool modeSwitched)
{
    screenW = width;
    screenH = height;
    switched = modeSwitched;
}

void FullScreen::start(bool full, const VideoEngine::OpenGL::WindowPlace& windowPlace)
{
    place = windowPlace;
    fullScreen = full;
    askedFullScreen = full;
    windowW = full ? screenW : place.width;
    windowH = full ? screenH : place.height;
}

void FullScreen::resized(int width, int height)
{
    windowW = width;
    windowH = height;
    // Not during a switch, nor the screen's size: that is the full screen's,
    // perhaps reported late after quick presses.
    if (windowShown() && (width != screenW || height != screenH))
    {
        place.width = width;
        place.height = height;
    }
}

bool FullScreen::toggle()
{
    if (switched)
        return false;
    // The player may have moved the window; its size comes from resized.
    // During a switch its place is the switch's, not the player's.
    if (windowShown())
    {
        place.left = glutGet(GLUT_WINDOW_X);
        place.top = glutGet(GLUT_WINDOW_Y);
    }
    fullScreen = !fullScreen;
    lookAgain = true;
    return true;
}

// freeglut makes a request only after the callback that asked for it, and
// takes a second one before then for the first. A switch is shown once
// freeglut has made it and the window has the size it leads to (or at the
// latest a second later: a window manager may size it otherwise); only then
// is the next one asked for, so that no press is lost. Back in a window, the
// window is put where place says: leaving the full screen, freeglut gives the
// window the size it had before, the whole screen where the game began full
// screen.
bool FullScreen::follow(std::uint32_t now)
{
    lookAgain = look(now);
    return lookAgain;
}

bool FullScreen::look(std::uint32_t now)
{
    // A look's wait after the last request: the loop has passed it to the
    // window system.
    const bool made =
        bool(glutGet(GLUT_FULL_SCREEN)) == askedFullScreen && now - switchAskedMs >= followMs;
    if (made && !askedFullScreen && !windowPlaced)
    {
        glutPositionWindow(place.left, place.top);
        glutReshapeWindow(place.width, place.height);
        switchAskedMs = now;
        // Every other request of the switch went before these: what the
        // window does from now on, the player does.
        windowPlaced = true;
        return true;
    }
    const bool sized = askedFullScreen ? windowW == screenW && windowH == screenH
                                       : windowW == place.width && windowH == place.height;
    const bool shown = (made && sized) || now - switchAskedMs > 1000;
    if (shown && askedFullScreen == fullScreen)
        return false;
    if (shown)
    {
        askedFullScreen = fullScreen;
        switchAskedMs = now;
        if (fullScreen)
        {
            // From the origin, as at the start (see initGraphics).
            glutPositionWindow(0, 0);
            glutFullScreen();
        }
        else
        {
            glutLeaveFullScreen();
            windowPlaced = false;
        }
    }
    return true;
}

} // namespace StartUp
