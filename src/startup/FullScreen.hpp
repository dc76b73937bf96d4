#pragma once
// The game window's size against the screen's, and F11's switch between a
// window of its own and the full screen. The switch asked for is known at
// once (isOn); the window follows it one request to freeglut at a time
// (follow). While the window is a window of its own and no switch is under
// way, what it reports is the player's doing, kept for the next F11.

#include "video/SceneFit.hpp"

#include <cstdint>

namespace StartUp
{

class FullScreen
{
public:
    // How often follow is to look while the window follows F11.
    static constexpr unsigned followMs = 10;

    // The pixel size of the display mode in force, and whether the run
    // switched the mode. Where it did not, the desktop's mode stays and saved
    // pictures are drawn offscreen at the logical screen's own size.
    void setScreen(int width, int height, bool modeSwitched);
    int screenWidth() const { return screenW; }
    int screenHeight() const { return screenH; }
    bool modeSwitched() const { return switched; }

    // The window as it opens: covering the screen, or a window of its own at
    // place ("display = window"), which is also where F11 first leads.
    void start(bool full, const VideoEngine::OpenGL::WindowPlace& place);
    // The size of the game window, as last reported by GLUT (see resized).
    int windowWidth() const { return windowW; }
    int windowHeight() const { return windowH; }
    // True while the window covers the screen, or is to once the switch F11
    // asked for is made.
    bool isOn() const { return fullScreen; }
    // Where a window of its own goes.
    const VideoEngine::OpenGL::WindowPlace& windowed() const { return place; }

    // GLUT reports the window's size: kept, and as the player's for F11
    // while the window is shown as a window of its own, unless it is the
    // screen's size (the full screen's, perhaps reported late).
    void resized(int width, int height);

    // F11: the window is to fill the screen, or to become the window again
    // at its size and place. Every press counts; follow brings the window
    // after it. False, changing nothing, on a switched mode.
    bool toggle();

    // One look at the window while it follows isOn (see the .cpp). True
    // while there is more to do: look again after followMs.
    bool follow(std::uint32_t now);
    // True from a press until follow has nothing more to do: the game's loop
    // must then wake within followMs for the next look.
    bool following() const { return lookAgain; }

private:
    bool look(std::uint32_t now);

    // True while the window is a window of its own and no switch is under
    // way.
    bool windowShown() const { return !fullScreen && !askedFullScreen && windowPlaced; }

    int screenW = 0;
    int screenH = 0;
    bool switched = false;
    int windowW = 1024;
    int windowH = 768;
    bool fullScreen = true;
    VideoEngine::OpenGL::WindowPlace place;
    // What freeglut was last asked for, the full screen or not, and when.
    bool askedFullScreen = true;
    std::uint32_t switchAskedMs = 0;
    // False from a switch back to the window until the window has been put
    // where place says.
    bool windowPlaced = true;
    bool lookAgain = false;
};

} // namespace StartUp
