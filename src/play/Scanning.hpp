#pragma once
// Play without a mouse button: a highlight walks the frame's targets, and
// choosing one acts as a click on it. With switches the choices come in
// groups (each cell with its two arrows, each folder, the laid pieces, the
// top and bottom controls; over the gallery its thumbnails, page arrows and
// bin), then the items of the chosen group; with keys they are one list, in
// that order. While a piece is carried the choices are places: beside the
// piece laid last (on it, right and left of it, under it), each other laid
// piece to build against, the open scene in regions and places within them,
// and back to the toolbar; the arrow keys move over all those places at
// once. The carried piece shows at the place highlighted.
//
// Invariant: the highlight always stands on a choice of the current list
// when there is one; after an act it starts again on the pieces, or on the
// first place when a piece is carried, except that a choice often repeated
// (an arrow, a control) keeps it while the screen keeps its groups.

#include "play/Access.hpp"
#include "ui/Targets.hpp"
#include "video/FastTextureData.hpp"
#include "video/PictureBatch.hpp"
#include "video/Texture.hpp"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

class MouseHandler;
class Palace;

class Scanning
{
public:
    // Loads the highlight's picture when the access shows it (loading
    // failures pass on). The handler and the palace belong to the level;
    // listTargets gives the frame's targets as they are now, letGo puts a
    // carried piece back as a step back would.
    Scanning(AccessOptions options, MouseHandler& handler, const Palace& palace,
             std::function<Targets()> listTargets, std::function<void()> letGo);

    // Whether the highlight shows: keys and switches.
    bool shown() const;
    Access access() const { return options.access; }

    // The highlight moves to the next or previous choice, or to the nearest
    // one in the direction (dx, dy), with a tick; the carried piece follows
    // to a place.
    void next();
    void previous();
    void toward(int dx, int dy);
    // Acts on the highlighted choice: a group or region opens, a target's
    // click runs, a place lays the carried piece; after an act the
    // highlight starts again.
    void choose();
    // Starts again from the first choice: the places while a piece is
    // carried, else the pieces.
    void restart();
    // After input that was not the highlight's: keeps it on its choice
    // where the list still holds it, else starts again.
    void follow();

    // One switch: moves on when the scan time has passed since the last
    // move; true when it moved. Milliseconds until then; -1 for another
    // access.
    bool moveIfDue();
    int msUntilMove() const;

    // Adds the highlight around the current choice.
    void addTo(VideoEngine::OpenGL::PictureBatch& batch) const;

private:
    enum class Stage
    {
        groups,
        items,
        places,
        laidPlaces,
        regionPlaces,
        everyPlace
    };

    // A target as the lists name it: its group, name and index.
    using Identity = std::tuple<Target::Group, std::string, std::size_t>;

    struct Choice
    {
        Choice(VideoEngine::OpenGL::Rectangl box, std::function<void()> act,
               std::optional<VideoEngine::OpenGL::Position> place, bool opens = false,
               std::optional<Identity> identity = std::nullopt)
            : box(box), act(std::move(act)), place(place), opens(opens), identity(std::move(identity))
        {
        }

        VideoEngine::OpenGL::Rectangl box;
        std::function<void()> act;
        // Where the carried piece's picture then stands (its top left).
        std::optional<VideoEngine::OpenGL::Position> place;
        // The act opens another list rather than acting on the game.
        bool opens;
        // The target chosen, for an item.
        std::optional<Identity> identity;
    };

    std::vector<Choice> choices();
    std::vector<Choice> places();
    // The places snapped against the laid piece at that place from the top.
    void addSnaps(std::vector<Choice>& list, std::size_t laid) const;
    // The choice that acts on the target.
    static Choice item(const Target& target);
    // The carried piece centred in each quarter of the region k.
    void addRegionPlaces(std::vector<Choice>& list, std::size_t k) const;
    // Puts the highlight back on the target chosen; false when it is gone.
    bool stay(const Identity& chosen);
    // A place choice: the carried piece's picture with its top left there.
    std::optional<Choice> placeAt(int left, int top) const;
    void enter(Stage next);
    void moveBy(int step);
    // Shows the choice at index (wrapped into the list); a move also ticks
    // and brings the carried piece to a place.
    void show(bool moved);

    AccessOptions options;
    MouseHandler& handler;
    const Palace& palace;
    std::function<Targets()> listTargets;
    std::function<void()> letGo;
    using Picture = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;
    Picture picture;
    Stage stage = Stage::groups;
    Target::Group group = Target::Group::pieces;
    // The cell's row, or the folder's place, when the group is one of them.
    std::size_t groupKey = 0;
    // The laid piece, or the region, whose places are offered.
    std::size_t within = 0;
    std::size_t index = 0;
    // Moves since the list was entered, for the one switch's round.
    std::size_t moves = 0;
    std::uint32_t lastMoveMs = 0;
    std::optional<VideoEngine::OpenGL::Rectangl> box;
};

} // namespace PalaceBuild
} // namespace GameLogic
