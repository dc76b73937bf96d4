#include "ui/Button.hpp"

#include "platform/Sound.hpp"

namespace GameLogic
{

Utils::Array<std::string, 3> Button::pictures(const std::string& stem)
{
    Utils::Array<std::string, 3> files;
    for (unsigned k = 0; k < files.size(); ++k)
        files[k] = "BMP/button/" + stem + "0" + std::to_string(k + 1) + ".png";
    return files;
}

Button::Button(const Utils::Array<std::string, 3>& files, int x, int y, bool mirrored)
    : normal(files[0]), hover(std::make_shared<Picture>(files[1])),
      pressed(std::make_shared<Picture>(files[2])), current(&normal)
{
    setPosition(x, y);
    if (mirrored)
    {
        normal.mirror = !normal.mirror;
        hover->mirror = !hover->mirror;
        pressed->mirror = !pressed->mirror;
    }
}

Button::Button(const Button& other)
    : normal(other.normal), hover(std::make_shared<Picture>(*other.hover)),
      pressed(std::make_shared<Picture>(*other.pressed)),
      inactive(other.inactive ? std::make_shared<Picture>(*other.inactive) : nullptr),
      isActive(other.isActive), current(isActive ? &normal : inactive.get())
{
}

void Button::setPosition(int x, int y)
{
    normal.position = {x, y};
    hover->position = {x, y};
    pressed->position = {x, y};
    if (inactive)
        inactive->position = {x, y};
}

void Button::addInactivePicture(const std::string& file)
{
    inactive = std::make_shared<Picture>(file);
    inactive->position = normal.position;
    inactive->mirror = normal.mirror;
}

void Button::setActive(bool on)
{
    isActive = on;
    if (!isActive)
        current = inactive.get();
    else if (current == inactive.get())
        current = &normal;
}

VideoEngine::OpenGL::Rectangl Button::box() const
{
    return normal.imageRect();
}

void Button::show(bool over, bool leftDown)
{
    if (!isActive)
        return;
    current = !over ? &normal : leftDown ? pressed.get() : hover.get();
}

void Button::click()
{
    if (!isActive)
    {
        if (onInactiveClick)
            onInactiveClick();
        return;
    }
    if (onClick)
    {
        onClick();
        Platform::playSound("Sound/button.wav");
    }
}

} // namespace GameLogic
