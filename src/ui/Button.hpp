#pragma once
// A push button of three pictures (away, over, pressed) whose click runs its
// command and then sounds. A button may have a fourth picture, shown while it
// is inactive: then its click runs only the inactive command, if any, and
// makes no sound. The pictures always share one position and one mirror
// flag; the one shown is one of them. Whether the cursor is over it is its
// owner's to say, from the list of targets.

#include "video/Array.hpp"
#include "video/FastTextureData.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

#include <functional>
#include <memory>
#include <string>

namespace GameLogic
{

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

    // Shares the source's picture data but takes no command: a copy runs
    // nothing until its owner gives it one. The copy shows its own normal
    // picture.
    Button(const Button& other);
    Button& operator=(const Button&) = delete;

    void setPosition(int x, int y);

    // Gives the button its inactive picture, at its place and mirrored like
    // the others. Loading failures pass on.
    void addInactivePicture(const std::string& file);
    // An inactive button shows its inactive picture (it needs one); an active
    // one shows its normal picture until the mouse passes again.
    void setActive(bool on);

    bool active() const { return isActive; }

    // The normal picture's unscaled image rectangle.
    VideoEngine::OpenGL::Rectangl box() const;
    // The picture shown now.
    const Picture& shown() const { return *current; }

    // Shows the pressed picture while over it with the left button down, the
    // lit one while over it, else the normal one; an inactive button keeps
    // its inactive picture.
    void show(bool over, bool leftDown);
    // An active button runs its command and then plays the click; whatever
    // the command throws passes on, and no click sounds. An inactive one runs
    // its inactive command, when it has one, without a click.
    void click();

    void setCommand(std::function<void()> command) { onClick = std::move(command); }
    void setInactiveCommand(std::function<void()> command)
    {
        onInactiveClick = std::move(command);
    }

private:
    Picture normal;
    std::shared_ptr<Picture> hover;
    std::shared_ptr<Picture> pressed;
    std::shared_ptr<Picture> inactive;
    bool isActive = true;
    Picture* current;
    std::function<void()> onClick;
    std::function<void()> onInactiveClick;
};

} // namespace GameLogic
