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

// The groups in the order they are offered: the game's first, the pieces
// leading; over the gallery its thumbnails lead.
constexpr Group groupOrder[] = {Group::pieces,     Group::thumbnails, Group::laidPieces,
                                Group::cellArrows, Group::pageArrows, Group::folders,
                                Group::topControls, Group::bottomControls, Group::bin};

// The highlight's picture: corners of `corner` units kept, edges stretched,
// the middle left out; it stands `outset` units outside the box.
constexpr int corner = 16;
constexpr int outset = 6;

// The open scene, cut into columns x rows regions.
constexpr int columns = 3;
constexpr int rows = 2;
const Rectangl scene{MouseHandler::dropZone + 1, 0, 1023, 767};
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
        for (Group g : groupOrder)
        {
            std::optional<Rectangl> all;
            for (const Target& target : targets.all())
                if (target.group == g)
                    all = all ? joined(*all, target.box) : target.box;
            if (all)
                list.push_back({*all, [this, g]
                                {
                                    group = g;
                                    enter(Stage::items);
                                },
                                std::nullopt, true});
        }
        break;
    case Stage::items:
        // With keys every target is one list, group after group.
        for (Group g : groupOrder)
            for (const Target& target : targets.all())
                if (target.group == g && (options.access == Access::keys || g == group))
                    list.push_back({target.box, target.act, std::nullopt});
        break;
    case Stage::laidPieces:
    {
        std::size_t k = 0;
        for (const std::shared_ptr<Brick>& laid : palace.bricks())
        {
            list.push_back({laid->box(), [this, k]
                            {
                                within = k;
                                enter(Stage::laidPlaces);
                            },
                            std::nullopt, true});
            ++k;
        }
        break;
    }
    case Stage::laidPlaces:
        addSnaps(list, within);
        break;
    case Stage::regionPlaces:
    {
        for (std::size_t k = 0; k < 4; ++k)
        {
            const Rectangl quarter = part(region(within), k, 2, 2);
            const Rectangl carried = handler.carried()->picture().imageRect();
            const Position middle = centre(quarter);
            if (std::optional<Choice> place =
                    placeAt(middle.x - (carried.right - carried.left) / 2,
                            middle.y - (carried.bottom - carried.top) / 2))
                list.push_back(*place);
        }
        break;
    }
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
    if (palace.bricks().size() > 1)
    {
        Rectangl all = palace.bricks().front()->box();
        for (const std::shared_ptr<Brick>& laid : palace.bricks())
            all = joined(all, laid->box());
        list.push_back({all, [this] { enter(Stage::laidPieces); },
                        std::nullopt, true});
    }
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
    // One switch: a round of the items with no choice leads back.
    const bool within = stage != Stage::groups && stage != Stage::places;
    if (options.access == Access::oneSwitch && within && ++moves >= count)
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
        const long score = ahead + 2 * aside;
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
    if (chosen.act)
        chosen.act();
    if (!chosen.opens)
        restart();
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
