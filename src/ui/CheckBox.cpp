#include "ui/CheckBox.hpp"

#include "platform/Sound.hpp"

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

VideoEngine::OpenGL::Rectangl CheckBox::box() const
{
    return current->imageRect();
}

void CheckBox::show(bool over, bool leftDown)
{
    if (over && leftDown)
        current = &pictures[held];
    else if (over)
        current = &pictures[ticked ? checkedOver : notCheckedOver];
    else
        current = &pictures[ticked ? checkedAway : notCheckedAway];
}

void CheckBox::click()
{
    ticked = !ticked;
    Platform::playSound("Sound/button.wav");
}

} // namespace GameLogic
