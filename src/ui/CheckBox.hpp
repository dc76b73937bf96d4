#pragma once
// A two-state toggle of five pictures, flipped by a fresh left press over it.
// It runs nothing itself; its owner reads checked.
//   01 not checked, mouse away     04 checked, mouse away
//   02 not checked, mouse over     05 checked, mouse over
//   03 left button held over it, either state

#include "video/Array.hpp"
#include "video/FastTextureData.hpp"
#include "video/Texture.hpp"

#include <memory>
#include <string>

namespace GameLogic
{

class MouseCursor;

class CheckBox
{
public:
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;

    // Loads the five pictures, places them at (x, y) and mirrors them when
    // asked; not checked, showing picture 01. Loading failures pass on.
    CheckBox(const Utils::Array<std::string, 5>& files, int x, int y, bool mirrored);

    CheckBox(const CheckBox&) = delete;
    CheckBox& operator=(const CheckBox&) = delete;

    // True when (x, y) lies in the current picture's unscaled image
    // rectangle, every edge included.
    bool contains(int x, int y) const;

    // Shows the picture for the state and the cursor; a fresh left press over
    // the box flips checked and plays the click.
    void handleMouse(const std::shared_ptr<MouseCursor>& cursor);

    Utils::Array<Picture, 5> pictures;
    Picture* current;
    bool checked = false;
};

} // namespace GameLogic
