#pragma once
// A picture of the scene, asked for by the player and taken a few frames
// later: the frames in between show the background and the pieces alone, and
// the one the capture is due on is read back before it is shown. The frames
// are counted here alone, however the frame came to be drawn. A picture for
// the printer is taken the same way, on the same frames as a saved picture
// asked for with it.

#include <cstdint>
#include <optional>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class PictureCapture
{
public:
    // PNG copies go to the folder pictureCopies; none are made when empty.
    explicit PictureCapture(std::string pictureCopies);

    // Asks for a picture; the count starts again. A wallpaper asked for
    // before stays asked for.
    void request();
    // Asks for a plain picture: a wallpaper asked for before is not made.
    void requestPlain();
    // Asks for a picture that also becomes the desktop wallpaper.
    void requestWallpaper();
    // Asks for a picture for the printer, written as a new PNG file named
    // after printStem, beside a saved picture asked for before; see
    // takePrinted.
    void requestPrint(std::string printStem);

    // True while a capture is asked for and not yet taken.
    bool pending() const { return counted != 0; }
    bool wallpaperRequested() const { return wallpaper; }
    // How far the count has come: 0 when nothing is pending.
    std::uint32_t state() const { return std::uint32_t(counted); }

    // To be called after each frame drawn while pending, before it is shown.
    // On the frame the capture is due on, writes the viewport's pixels to
    // "PrintScreen/<local time>.bmp" and, with the same pixels, to
    // "<local time>.png" in the folder for copies (making the folders when
    // missing), each under the first free name (" 2", " 3" and so on added
    // to the time), never over a file; for a wallpaper hands the picture to
    // the desktop. A copy that cannot be written is logged and play goes on.
    // A picture for the printer goes to a new file of its own alone.
    void frameDrawn();
    // The file of a picture for the printer taken since the last call, once:
    // empty when it could not be written (that is logged); nothing when no
    // such picture was taken.
    std::optional<std::string> takePrinted();

private:
    void capture();

    std::string pictureCopies;
    int counted = 0;
    // What the capture makes: a saved picture, the wallpaper, a picture for
    // the printer (its file's stem; empty for none).
    bool picture = false;
    bool wallpaper = false;
    std::string printStem;
    std::optional<std::string> printed;
};

} // namespace PalaceBuild
} // namespace GameLogic
