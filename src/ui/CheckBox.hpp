#pragma once
// A two-state toggle of five pictures, flipped by a click. It runs nothing
// itself; its owner reads checked(). Whether the cursor is over it is its
// owner's to say, from the list of targets.
//   01 not checked, mouse away     04 checked, mouse away
//   02 not checked, mouse over     05 checked, mouse over
//   03 left button held over it, either state

#include "video/Array.hpp"
#include "video/FastTextureData.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

#include <memory>
#include <string>

namespace GameLogic
{

class CheckBox
{
public:
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    // Loads the five pictures, places them at (x, y) and mirrors them when
    // asked; not checked, showing picture 01. Loading failures pass on.
    CheckBox(const Utils::Array<std::string, 5>& files, int x, int y, bool mirrored);

    CheckBox(const CheckBox&) = delete;
    CheckBox& operator=(const CheckBox&) = delete;

    // The current picture's unscaled image rectangle.
    VideoEngine::OpenGL::Rectangl box() const;
    const Picture& shown() const { return *current; }
    bool checked() const { return ticked; }

    // Shows the held picture while over it with the left button down, else
    // the picture of the state, lit while over it.
    void show(bool over, bool leftDown);
    // Flips the state and plays the click.
    void click();

private:
    Utils::Array<Picture, 5> pictures;
    Picture* current;
    bool ticked = false;
};

} // namespace GameLogic
