#include "ui/CheckBox.hpp"

#include "platform/Sound.hpp"
#include "ui/MouseCursor.hpp"

namespace GameLogic
{
namespace
{
constexpr unsigned notCheckedAway = 0;
constexpr unsigned notCheckedOver = 1;
constexpr unsigned held = 2;
constexpr unsigned checkedAway = 3;
constexpr unsigned checkedOver = 4;
} // namespace

CheckBox::CheckBox(const Utils::Array<std::string, 5>& files, int x, int y, bool mirrored)
{
    for (unsigned k = 0; k < pictures.size(); ++k)
    {
        pictures[k] = Picture(files[k]);
        pictures[k].position = {x, y};
        if (mirrored)
            pictures[k].mirror = !pictures[k].mirror;
    }
    current = &pictures[notCheckedAway];
}

bool CheckBox::contains(int x, int y) const
{
    const VideoEngine::OpenGL::Rectangl r = current->imageRect();
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

void CheckBox::handleMouse(const std::shared_ptr<MouseCursor>& cursor)
{
    const VideoEngine::OpenGL::Position at = cursor->picture.position;
    if (!contains(at.x, at.y))
    {
        current = &pictures[checked ? checkedAway : notCheckedAway];
        return;
    }
    if (!cursor->leftDown)
    {
        current = &pictures[checked ? checkedOver : notCheckedOver];
        return;
    }
    current = &pictures[held];
    if (!cursor->leftWasDown)
    {
        checked = !checked;
        Platform::playSound("Sound/button.wav");
    }
}

} // namespace GameLogic
