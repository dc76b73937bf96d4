#pragma once
// A push button of three pictures (away, over, pressed) that runs its onClick
// on a fresh left press over it and then clicks. A button may have a fourth
// picture, shown while it is inactive: then it runs nothing. The pictures
// always share one position and one mirror flag; current points at one of
// them.

#include "video/Array.hpp"
#include "video/FastTextureData.hpp"
#include "video/Texture.hpp"

#include <functional>
#include <memory>
#include <string>

namespace GameLogic
{

class MouseCursor;

class Button
{
public:
    // The three pictures of a button, "BMP/button/<stem>01.png" to
    // "...03.png"; its inactive one is "...04.png".
    static Utils::Array<std::string, 3> pictures(const std::string& stem);

    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    // Loads pictures 01, 02 and 03 from the three names, places them at (x, y)
    // and mirrors all three when asked. A picture that cannot be read throws
    // the loading failure; no button is made.
    Button(const Utils::Array<std::string, 3>& files, int x, int y, bool mirrored);

    // Shares the source's picture data but takes no callable: a copy fires
    // nothing until its owner assigns one. The copy shows its own normal picture.
    Button(const Button& other);
    Button& operator=(const Button&) = delete;

    void setPosition(int x, int y);

    // Gives the button its inactive picture, at its place and mirrored like
    // the others. Loading failures pass on.
    void addInactivePicture(const std::string& file);
    // An inactive button shows its inactive picture (it needs one); an active
    // one shows its normal picture until the mouse passes again.
    void setActive(bool on);

    // True when (x, y) lies in the normal picture's unscaled image rectangle,
    // every edge included.
    bool contains(int x, int y) const;

    // Shows the picture for where the cursor is and what its left button does;
    // on a fresh left press over the button runs onClick and then plays the
    // click. Whatever onClick throws passes on, and no click sounds. An
    // inactive button keeps its inactive picture and runs onInactiveClick,
    // when it has one, on a fresh left press over it, without a click.
    void handleMouse(const std::shared_ptr<MouseCursor>& cursor);

    Picture normal;
    std::shared_ptr<Picture> hover;
    std::shared_ptr<Picture> pressed;
    std::shared_ptr<Picture> inactive;
    bool active = true;
    Picture* current;
    std::function<void()> onClick;
    std::function<void()> onInactiveClick;
};

} // namespace GameLogic
