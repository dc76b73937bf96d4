#include "ui/Targets.hpp"

#include "ui/MouseCursor.hpp"

#include <algorithm>

namespace GameLogic
{

bool Target::contains(VideoEngine::OpenGL::Position point) const
{
    return VideoEngine::OpenGL::contains(box, point.x, point.y) &&
           (!inside || inside(point.x, point.y));
}

void Targets::add(Target target)
{
    list.push_back(std::move(target));
}

std::vector<const Target*> Targets::at(VideoEngine::OpenGL::Position point) const
{
    std::vector<const Target*> hit;
    for (const Target& target : list)
        if (target.contains(point))
            hit.push_back(&target);
    return hit;
}

const Target* Targets::first(Target::Group group, VideoEngine::OpenGL::Position point) const
{
    for (const Target& target : list)
        if (target.group == group && target.contains(point))
            return &target;
    return nullptr;
}

bool Targets::hits(VideoEngine::OpenGL::Position point, const std::string& name,
                   std::size_t index) const
{
    for (const Target& target : list)
        if (target.name == name && target.index == index && target.contains(point))
            return true;
    return false;
}

void Targets::handleMouse(const MouseCursor& cursor,
                          std::initializer_list<Target::Group> groups) const
{
    std::vector<const Target*> hit;
    for (const Target& target : list)
    {
        if (std::find(groups.begin(), groups.end(), target.group) == groups.end())
            continue;
        const bool over = target.contains(cursor.position());
        if (target.light)
            target.light(over, cursor.leftDown());
        if (over)
            hit.push_back(&target);
    }
    if (!cursor.leftPressed())
        return;
    for (const Target* target : hit)
        if (target->act)
            target->act();
}

} // namespace GameLogic
