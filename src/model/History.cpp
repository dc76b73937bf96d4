#include "model/History.hpp"

#include "model/Palace.hpp"

#include <algorithm>
#include <iterator>
#include <list>
#include <unordered_map>
#include <unordered_set>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{

// Whether the two bricks show the same picture in the same way and place:
// everything the saved game keeps of a brick.
bool sameParameters(const Brick& a, const Brick& b)
{
    const auto& p = a.picture();
    const auto& q = b.picture();
    return p.data == q.data && p.mirror == q.mirror && p.position == q.position &&
           p.size == q.size && p.red == q.red && p.green == q.green && p.blue == q.blue &&
           p.colorChanger.step == q.colorChanger.step && a.clipped() == b.clipped() &&
           a.screenRect() == b.screenRect() && a.sourceRect() == b.sourceRect();
}

// The topmost brick of scene to whose placement scene from does not have:
// the piece a move from one to the other touched. Null when there is none.
std::shared_ptr<Brick> touchedPiece(const History::Scene& from, const History::Scene& to)
{
    std::unordered_set<const History::Placement*> before;
    for (const auto& placement : from.pile)
        before.insert(placement.get());
    for (const auto& placement : to.pile)
        if (before.count(placement.get()) == 0)
            return placement->brick;
    return nullptr;
}

} // namespace

History::History(Scene start)
{
    scenes.push_back(std::move(start));
}

History::Scene History::capture(const Palace& palace, const std::string& background,
                                const std::string& frame, const std::string& palaceName) const
{
    std::unordered_map<const Brick*, const std::shared_ptr<const Placement>*> current;
    for (const auto& placement : scenes[now].pile)
        current.emplace(placement->brick.get(), &placement);

    Scene scene;
    scene.reserved = palace.reserved;
    scene.background = background;
    scene.frame = frame;
    scene.palace = palaceName;
    scene.pile.reserve(palace.bricks().size() + 1);
    for (const std::shared_ptr<Brick>& brick : palace.bricks())
    {
        const auto known = current.find(brick.get());
        if (known != current.end() && sameParameters(*brick, (*known->second)->state))
            scene.pile.push_back(*known->second);
        else
            scene.pile.push_back(std::make_shared<const Placement>(Placement{brick, *brick}));
    }
    if (carried)
    {
        const std::size_t below = std::min(carriedBelow, scene.pile.size());
        scene.pile.insert(scene.pile.end() - static_cast<std::ptrdiff_t>(below), carried);
    }
    return scene;
}

bool History::record(Scene scene, bool betweenSteps)
{
    Scene& current = scenes[now];
    if (scene.pile == current.pile && scene.background == current.background &&
        scene.frame == current.frame)
    {
        if (betweenSteps)
            current.reserved = scene.reserved;
        current.palace = scene.palace;
        return false;
    }
    scenes.erase(scenes.begin() + static_cast<std::ptrdiff_t>(now) + 1, scenes.end());
    scenes.push_back(std::move(scene));
    if (scenes.size() > depth + 1)
        scenes.pop_front();
    now = scenes.size() - 1;
    return true;
}

bool History::canUndo() const
{
    return now > 0;
}

bool History::canRedo() const
{
    return now + 1 < scenes.size();
}

const History::Scene* History::before() const
{
    return canUndo() ? &scenes[now - 1] : nullptr;
}

const History::Scene* History::after() const
{
    return canRedo() ? &scenes[now + 1] : nullptr;
}

void History::renamePalace(const std::string& from, const std::string& to)
{
    for (Scene& scene : scenes)
        if (scene.palace == from)
            scene.palace = to;
}

const History::Scene* History::undo(Palace& palace)
{
    if (!canUndo())
        return nullptr;
    --now;
    restore(palace, now + 1);
    return &scenes[now];
}

const History::Scene* History::redo(Palace& palace)
{
    if (!canRedo())
        return nullptr;
    ++now;
    restore(palace, now - 1);
    return &scenes[now];
}

void History::pickedUp(const std::shared_ptr<Brick>& brick)
{
    const auto& pile = scenes[now].pile;
    const auto lay = std::find_if(pile.begin(), pile.end(),
                                  [&](const auto& placement) { return placement->brick == brick; });
    if (lay == pile.end())
        return;
    carried = *lay;
    carriedBelow = static_cast<std::size_t>(std::distance(lay, pile.end())) - 1;
}

void History::carryEnded()
{
    carried.reset();
}

bool History::putBack(Palace& palace)
{
    if (!carried)
        return false;
    *carried->brick = carried->state;
    palace.putBack(carried->brick, carriedBelow);
    carried.reset();
    return true;
}

void History::restore(Palace& palace, std::size_t from) const
{
    const Scene& scene = scenes[now];
    std::list<std::shared_ptr<Brick>> bricks;
    for (const auto& placement : scene.pile)
    {
        *placement->brick = placement->state;
        bricks.push_back(placement->brick);
    }
    palace.replacePile(std::move(bricks), touchedPiece(scenes[from], scene));
    palace.reserved = scene.reserved;
}

} // namespace PalaceBuild
} // namespace GameLogic
