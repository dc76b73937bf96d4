#include "play/Scanning.hpp"

#include "model/Palace.hpp"
#include "platform/Clock.hpp"
#include "platform/Sound.hpp"
#include "play/MouseHandler.hpp"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{

using VideoEngine::OpenGL::Position;
using VideoEngine::OpenGL::Rectangl;
using Group = Target::Group;

// The groups in the order they are offered: the pieces leading, each cell
// a group of its own with its two arrows, then the folders that fill the
// cells; over the gallery its thumbnails lead.
constexpr Group groupOrder[] = {Group::pieces,     Group::thumbnails,  Group::folders,
                                Group::laidPieces, Group::pageArrows,  Group::topControls,
                                Group::bottomControls, Group::bin};

// A group as offered: a cell with its two arrows, a folder alone, else every
// target of the group; `key` tells the cells (their row) and the folders
// (their place) apart.
struct Part
{
    Group group;
    std::size_t key;
    std::vector<const Target*> targets;
};

std::vector<Part> partsOf(const Targets& targets)
{
    std::vector<Part> parts;
    for (Group g : groupOrder)
    {
        std::size_t folder = 0;
        for (const Target& target : targets.all())
        {
            const bool cell = target.group == Group::cellArrows && g == Group::pieces;
            if (target.group != g && !cell)
                continue;
            const std::size_t key = g == Group::pieces  ? target.index
                                    : g == Group::folders ? folder++
                                                          : 0;
            auto part = std::find_if(parts.begin(), parts.end(), [&](const Part& p)
                                     { return p.group == g && p.key == key; });
            if (part == parts.end())
                part = parts.insert(parts.end(), Part{g, key, {}});
            part->targets.push_back(&target);
        }
    }
    return parts;
}

// Choices that are often made again and again (paging, sizes, colours,
// undo) keep the highlight where it is.
bool repeatable(Group group)
{
    return group == Group::cellArrows || group == Group::pageArrows ||
           group == Group::topControls || group == Group::bottomControls;
}

// Which groups the list holds: a choice that changes them changes the screen.
std::vector<bool> groupsOf(const Targets& targets)
{
    std::vector<bool> present(std::size_t(Group::bin) + 1);
    for (const Target& target : targets.all())
        present[std::size_t(target.group)] = true;
    return present;
}

// The highlight's picture: corners of `corner` units kept, edges stretched,
// the middle left out; it stands `outset` units outside the box.
constexpr int corner = 16;
constexpr int outset = 6;

// The open scene, cut into columns x rows regions: the window every frame
// leaves over the scene, so that no place puts a piece under the frame.
constexpr int columns = 3;
constexpr int rows = 2;
const Rectangl scene{254, 60, 963, 707};
// "Back to the toolbar" is highlighted around the cells.
const Rectangl toolbarBox{8, 8, 212, 760};

Rectangl joined(const Rectangl& a, const Rectangl& b)
{
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

// The k-th of columns x rows parts of the area, the lowest row first (a
// palace is built from the ground up), left to right.
Rectangl part(const Rectangl& area, std::size_t k, int columns, int rows)
{
    const int width = (area.right - area.left + 1) / columns;
    const int height = (area.bottom - area.top + 1) / rows;
    const int left = area.left + int(k % columns) * width;
    const int top = area.top + (rows - 1 - int(k / columns)) * height;
    return {left, top, left + width - 1, top + height - 1};
}

Rectangl region(std::size_t k)
{
    return part(scene, k, columns, rows);
}

Position centre(const Rectangl& r)
{
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

} // namespace

Scanning::Scanning(AccessOptions options, MouseHandler& handler, const Palace& palace,
                   std::function<Targets()> listTargets, std::function<void()> letGo)
    : options(options), handler(handler), palace(palace), listTargets(std::move(listTargets)),
      letGo(std::move(letGo)),
      picture(shown() ? Picture("BMP/access/highlight.png") : Picture()),
      lastMoveMs(Platform::steadyMilliseconds())
{
    if (options.access == Access::keys)
        stage = Stage::items;
}

bool Scanning::shown() const
{
    return options.access != Access::mouse && options.access != Access::dwell;
}

std::vector<Scanning::Choice> Scanning::choices()
{
    std::vector<Choice> list;
    const Targets targets = listTargets();
    switch (stage)
    {
    case Stage::groups:
        for (const Part& part : partsOf(targets))
        {
            // A group of one is offered as its one choice.
            if (part.targets.size() == 1)
            {
                list.push_back(item(*part.targets.front()));
                continue;
            }
            Rectangl all = part.targets.front()->box;
            for (const Target* target : part.targets)
                all = joined(all, target->box);
            list.push_back({all, [this, g = part.group, key = part.key]
                            {
                                group = g;
                                groupKey = key;
                                enter(Stage::items);
                            },
                            std::nullopt, true});
        }
        break;
    case Stage::items:
        // With keys every target is one list, group after group.
        for (const Part& part : partsOf(targets))
            if (options.access == Access::keys || (part.group == group && part.key == groupKey))
                for (const Target* target : part.targets)
                    list.push_back(item(*target));
        break;
    case Stage::laidPlaces:
        addSnaps(list, within);
        break;
    case Stage::regionPlaces:
        addRegionPlaces(list, within);
        break;
    case Stage::everyPlace:
        for (std::size_t k = 0; k < palace.bricks().size(); ++k)
            addSnaps(list, k);
        for (std::size_t k = 0; k < columns * rows; ++k)
            addRegionPlaces(list, k);
        break;
    case Stage::places:
        list = places();
        break;
    }
    return list;
}

std::vector<Scanning::Choice> Scanning::places()
{
    std::vector<Choice> list;
    if (!palace.bricks().empty())
        addSnaps(list, 0);
    // Then each other laid piece, the last laid first, to build against.
    for (std::size_t k = 1; k < palace.bricks().size(); ++k)
        list.push_back({(*std::next(palace.bricks().begin(), std::ptrdiff_t(k)))->box(),
                        [this, k]
                        {
                            within = k;
                            enter(Stage::laidPlaces);
                        },
                        std::nullopt, true});
    const Rectangl carried = handler.carried()->picture().imageRect();
    for (std::size_t k = 0; k < columns * rows; ++k)
    {
        const Rectangl r = region(k);
        const Position middle = centre(r);
        list.push_back({r,
                        [this, k]
                        {
                            within = k;
                            enter(Stage::regionPlaces);
                        },
                        Position{middle.x - (carried.right - carried.left) / 2,
                                 middle.y - (carried.bottom - carried.top) / 2},
                        true});
    }
    list.push_back({toolbarBox, letGo, std::nullopt});
    return list;
}

void Scanning::addSnaps(std::vector<Choice>& list, std::size_t laid) const
{
    if (laid >= palace.bricks().size())
        return;
    const Rectangl b = (*std::next(palace.bricks().begin(), std::ptrdiff_t(laid)))->picture().imageRect();
    const Rectangl d = handler.carried()->picture().imageRect();
    const int width = d.right - d.left;
    const int height = d.bottom - d.top;
    const int middle = (b.left + b.right - width) / 2;
    // On it and under it, centred (or slid sideways into the scene, still
    // touching it); right of it, left of it.
    const int slid = std::clamp(middle, std::max(scene.left, b.left - width),
                                std::max(scene.left, std::min(scene.right - width, b.right)));
    for (const Position at : {Position{slid, b.top - height}, Position{b.right, b.bottom - height},
                              Position{b.left - width, b.bottom - height}, Position{slid, b.bottom}})
        if (std::optional<Choice> place = placeAt(at.x, at.y))
            list.push_back(*place);
}

Scanning::Choice Scanning::item(const Target& target)
{
    return {target.box, target.act, std::nullopt, false,
            Identity{target.group, target.name, target.index}};
}

void Scanning::addRegionPlaces(std::vector<Choice>& list, std::size_t k) const
{
    const Rectangl carried = handler.carried()->picture().imageRect();
    const int width = carried.right - carried.left;
    const int height = carried.bottom - carried.top;
    // Centred in the quarter, slid into the open scene where it is wider.
    for (std::size_t quarter = 0; quarter < 4; ++quarter)
    {
        const Position middle = centre(part(region(k), quarter, 2, 2));
        const int left = std::clamp(middle.x - width / 2, scene.left, std::max(scene.left, scene.right - width));
        const int top = std::clamp(middle.y - height / 2, scene.top, std::max(scene.top, scene.bottom - height));
        if (std::optional<Choice> place = placeAt(left, top))
            list.push_back(*place);
    }
}

std::optional<Scanning::Choice> Scanning::placeAt(int left, int top) const
{
    const Rectangl d = handler.carried()->picture().imageRect();
    const Rectangl at{left, top, left + d.right - d.left, top + d.bottom - d.top};
    // Only where the whole piece shows in the open scene.
    if (at.left < scene.left || at.top < scene.top || at.right > scene.right ||
        at.bottom > scene.bottom)
        return std::nullopt;
    MouseHandler& carrier = handler;
    return Choice{at,
                  [&carrier, left, top]
                  {
                      carrier.carryTo({left, top});
                      carrier.layCarried();
                  },
                  Position{left, top}};
}

void Scanning::enter(Stage next)
{
    stage = next;
    index = 0;
    moves = 0;
    show(true);
}

void Scanning::restart()
{
    if (handler.carried())
        stage = Stage::places;
    else
        stage = options.access == Access::keys ? Stage::items : Stage::groups;
    index = 0;
    moves = 0;
    show(true);
}

void Scanning::follow()
{
    const bool placing = stage != Stage::groups && stage != Stage::items;
    if (placing != bool(handler.carried()))
    {
        restart();
        return;
    }
    const std::size_t count = choices().size();
    if (count == 0 && stage == Stage::items)
        restart();
    else
        show(false);
}

void Scanning::moveBy(int step)
{
    const std::vector<Choice> list = choices();
    if (list.empty())
        return;
    const std::size_t count = list.size();
    index = (index + count + std::size_t(step)) % count;
    // Switches: a round of the items with no choice leads back.
    const bool within = stage != Stage::groups && stage != Stage::places;
    if (options.access != Access::keys && within && ++moves >= count)
    {
        enter(stage == Stage::items ? Stage::groups : Stage::places);
        return;
    }
    show(true);
}

void Scanning::next()
{
    moveBy(1);
}

void Scanning::previous()
{
    moveBy(-1);
}

void Scanning::toward(int dx, int dy)
{
    // A carried piece moves over every place at once.
    if (handler.carried() && stage != Stage::everyPlace)
    {
        stage = Stage::everyPlace;
        moves = 0;
    }
    const std::vector<Choice> list = choices();
    if (list.empty() || !box)
        return;
    const Position from = centre(*box);
    std::optional<std::size_t> best;
    long bestScore = 0;
    for (std::size_t k = 0; k < list.size(); ++k)
    {
        const Position to = centre(list[k].box);
        const long ahead = long(to.x - from.x) * dx + long(to.y - from.y) * dy;
        const long aside = std::labs(long(to.x - from.x) * dy - long(to.y - from.y) * dx);
        // Aside counts thrice, so that the cells and each column of arrows
        // are columns of their own.
        const long score = ahead + 3 * aside;
        if (ahead > 0 && (!best || score < bestScore))
        {
            best = k;
            bestScore = score;
        }
    }
    if (!best)
        return;
    index = *best;
    show(true);
}

void Scanning::choose()
{
    const std::vector<Choice> list = choices();
    if (list.empty())
        return;
    const Choice chosen = list[index % list.size()];
    const std::vector<bool> groups = groupsOf(listTargets());
    if (chosen.act)
        chosen.act();
    if (chosen.opens)
        return;
    // A choice that may well come again keeps the highlight, unless the
    // screen changed around it.
    if (chosen.identity && repeatable(std::get<Group>(*chosen.identity)) && !handler.carried() &&
        groupsOf(listTargets()) == groups && stay(*chosen.identity))
        return;
    restart();
}

bool Scanning::stay(const Identity& chosen)
{
    const std::vector<Choice> list = choices();
    for (std::size_t k = 0; k < list.size(); ++k)
        if (list[k].identity == chosen)
        {
            index = k;
            moves = 0;
            lastMoveMs = Platform::steadyMilliseconds();
            box = list[k].box;
            return true;
        }
    return false;
}

bool Scanning::moveIfDue()
{
    if (msUntilMove() != 0)
        return false;
    next();
    return true;
}

int Scanning::msUntilMove() const
{
    if (options.access != Access::oneSwitch)
        return -1;
    const std::uint32_t since = Platform::steadyMilliseconds() - lastMoveMs;
    return since >= std::uint32_t(options.scanMs) ? 0 : int(options.scanMs - since);
}

void Scanning::show(bool moved)
{
    const std::vector<Choice> list = choices();
    if (list.empty())
    {
        box.reset();
        return;
    }
    index %= list.size();
    box = list[index].box;
    if (!moved)
        return;
    lastMoveMs = Platform::steadyMilliseconds();
    if (list[index].place && handler.carried())
        handler.carryTo(*list[index].place);
    Platform::playSound("Sound/tick.wav");
}

void Scanning::addTo(VideoEngine::OpenGL::PictureBatch& batch) const
{
    if (!box || !picture.data)
        return;
    const int size = int(picture.data->imageWidth);
    // A box too small for whole corners keeps them smaller.
    const int across = std::min(corner, (box->right - box->left) / 2 + outset);
    const int down = std::min(corner, (box->bottom - box->top) / 2 + outset);
    const int xs[] = {box->left - outset, box->left - outset + across, box->right + outset - across,
                      box->right + outset};
    const int ys[] = {box->top - outset, box->top - outset + down, box->bottom + outset - down,
                      box->bottom + outset};
    const int sources[] = {0, corner, size - corner, size};
    // Eight pieces: the corners as they are, the edges stretched between.
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            if (row != 1 || column != 1)
                batch.addPart(picture, sources[column], sources[row], sources[column + 1],
                              sources[row + 1], xs[column], ys[row], xs[column + 1], ys[row + 1]);
}

} // namespace PalaceBuild
} // namespace GameLogic
