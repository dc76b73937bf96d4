#pragma once
// Test scaffolding for the widgets, the toolbar and the level: pictures
// written with FreeImage, a complete game folder of solid-coloured controls in
// a temporary directory, a recorder of played sounds, the log redirected to a
// file, and the mouse driven through the real GLUT callback functions.
// Header-only, so that the palace tests can use it too.

#include "platform/Sound.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/GameLog.hpp"
#include "startup/Globals.hpp"
#include "support/TempDir.hpp"
#include "ui/MouseCursor.hpp"

#include <FreeImage.h>
#include <boost/filesystem.hpp>
#include <cstdint>
#include <fstream>
#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace UiTests
{

struct Colour
{
    std::uint8_t r, g, b, a;
};

inline bool operator==(const Colour& p, const Colour& q)
{
    return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a;
}

constexpr Colour transparent{0, 0, 0, 0};

// Writes a 32-bit PNG whose pixel (x, y), counted from the top left, is
// colourAt(x, y).
inline void writePicture(const std::string& fileName, int width, int height,
                         const std::function<Colour(int x, int y)>& colourAt)
{
    boost::filesystem::create_directories(boost::filesystem::path(fileName).parent_path());
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, 32);
    if (!bitmap)
        throw std::runtime_error("cannot allocate " + fileName);
    for (int y = 0; y < height; ++y)
    {
        BYTE* line = FreeImage_GetScanLine(bitmap, height - 1 - y);
        for (int x = 0; x < width; ++x)
        {
            const Colour c = colourAt(x, y);
            line[4 * x + FI_RGBA_RED] = c.r;
            line[4 * x + FI_RGBA_GREEN] = c.g;
            line[4 * x + FI_RGBA_BLUE] = c.b;
            line[4 * x + FI_RGBA_ALPHA] = c.a;
        }
    }
    const bool saved = FreeImage_Save(FIF_PNG, bitmap, fileName.c_str(), 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write " + fileName);
}

inline void writeSolid(const std::string& fileName, int width, int height, Colour colour)
{
    writePicture(fileName, width, height, [&](int, int) { return colour; });
}

// Sizes and colours of the controls in a TestGame folder.
constexpr int buttonWidth = 40;
constexpr int buttonHeight = 30;
constexpr int arrowWidth = 60;
constexpr int arrowHeight = 20;
constexpr int boxWidth = 24;
constexpr int boxHeight = 36;
// Picture k (1 to 5) of every control is drawn in controlColour(k).
inline Colour controlColour(int k)
{
    return Colour{static_cast<std::uint8_t>(40 * k), 250, static_cast<std::uint8_t>(200 - 30 * k),
                  255};
}

constexpr Colour backgroundColour{0, 0, 255, 255};
constexpr Colour frameColour{128, 0, 128, 255};

// A complete game folder in a temporary directory: every control picture,
// one background, one frame, and the three toolbar folders (empty until
// pieces are added). The frame's left panel is opaque except for a window
// over the first cell's box, so that cell pictures show only there.
class TestGame
{
public:
    TestGame()
    {
        const char* stems[] = {"background ", "frame ",    "clear ",    "save picture ",
                               "wallpaper ",  "save ",     "load ",     "arrow color ",
                               "folder 1.",   "folder 2.", "folder 3.", "exit ",
                               "mirror ",     "dec size "};
        for (const char* stem : stems)
            for (int k = 1; k <= 3; ++k)
                writeSolid(
                    file("BMP/button/" + std::string(stem) + "0" + std::to_string(k) + ".png"),
                    buttonWidth, buttonHeight, controlColour(k));
        for (int k = 1; k <= 3; ++k)
            writeSolid(file("BMP/button/arrow 0" + std::to_string(k) + ".png"), arrowWidth,
                       arrowHeight, controlColour(k));
        for (int k = 1; k <= 5; ++k)
            writeSolid(file("BMP/button/checkbox 0" + std::to_string(k) + ".png"), boxWidth,
                       boxHeight, controlColour(k));
        writeSolid(file("BMP/background/sky.png"), 1024, 768, backgroundColour);
        writePicture(file("BMP/frame/plain.png"), 1024, 768,
                     [](int x, int y)
                     {
                         const bool cellWindow = x >= 23 && x < 203 && y >= 120 && y < 278;
                         const bool border = x < 254 || x >= 964 || y < 60 || y >= 708;
                         return border && !cellWindow ? frameColour : transparent;
                     });
        for (const char* folder : {"BMP/palace", "BMP/decoration", "BMP/person"})
            boost::filesystem::create_directories(file(folder));
    }

    // Writes a piece picture of one colour, e.g. addPiece("BMP/palace/1.tower.png",
    // ...). Its bottom-right pixel is transparent, so that the file keeps its
    // alpha channel and the piece gets a mask.
    void addPiece(const std::string& name, int width, int height, Colour colour)
    {
        writePicture(file(name), width, height,
                     [&](int x, int y)
                     { return x == width - 1 && y == height - 1 ? transparent : colour; });
    }

    // Gives each row of the three toolbar folders a 60 x 60 piece of one
    // colour: palace 1.wall, 2.tower, 3.roof; decoration 1.flag, 2.flower,
    // 3.tree; person 1.king, 2.queen, 3.cat.
    void addPieceToEveryRow(Colour colour)
    {
        for (const char* name :
             {"BMP/palace/1.wall.png", "BMP/palace/2.tower.png", "BMP/palace/3.roof.png",
              "BMP/decoration/1.flag.png", "BMP/decoration/2.flower.png",
              "BMP/decoration/3.tree.png", "BMP/person/1.king.png", "BMP/person/2.queen.png",
              "BMP/person/3.cat.png"})
            addPiece(name, 60, 60, colour);
    }

    std::string file(const std::string& name) const { return dir.file(name); }
    const std::string& path() const { return dir.path(); }

private:
    TestSupport::TempDir dir;
};

// Records every sound the game plays while it lives.
class SoundRecorder
{
public:
    SoundRecorder()
    {
        Platform::setSoundSink([this](const std::string& name) { played.push_back(name); });
    }
    ~SoundRecorder() { Platform::setSoundSink(nullptr); }
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    std::vector<std::string> played;
};

// Sends the game log into a file of its own while it lives.
class LogCapture
{
public:
    LogCapture()
    {
        gameLog.close();
        gameLog.clear();
        gameLog.open(dir.file("gameLog.txt"), std::ios::out | std::ios::trunc);
    }
    ~LogCapture() { gameLog.close(); }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    std::vector<std::string> lines() const
    {
        std::ifstream in(dir.file("gameLog.txt"));
        std::vector<std::string> result;
        for (std::string line; std::getline(in, line);)
            result.push_back(line);
        return result;
    }

    // The lines that begin with prefix.
    std::vector<std::string> linesStartingWith(const std::string& prefix) const
    {
        std::vector<std::string> result;
        for (const std::string& line : lines())
            if (line.rfind(prefix, 0) == 0)
                result.push_back(line);
        return result;
    }

private:
    TestSupport::TempDir dir;
};

// Drives the mouse through the real GLUT callback functions, in window pixels
// of a 1024 x 768 screen unless the test sets screenWidth and screenHeight.
// Whatever a callback records as escaped is thrown on to the test.
struct Mouse
{
    static constexpr int left = 0;
    static constexpr int right = 2;
    static constexpr int down = 0;
    static constexpr int up = 1;

    void move(int x, int y)
    {
        GameLogic::moveTo(x, y);
        StartUp::rethrowPending();
    }
    void drag(int x, int y)
    {
        GameLogic::motionCallback(x, y);
        StartUp::rethrowPending();
    }
    void press(int x, int y, int button = left)
    {
        GameLogic::mouseCallback(button, down, x, y);
        StartUp::rethrowPending();
    }
    void release(int x, int y, int button = left)
    {
        GameLogic::mouseCallback(button, up, x, y);
        StartUp::rethrowPending();
    }
    void click(int x, int y, int button = left)
    {
        press(x, y, button);
        release(x, y, button);
    }
};

} // namespace UiTests
