#pragma once
// The pixel mask of a brick: the runs of non-transparent pixels of its
// picture, read once from the picture's ".mask" file and shared, unchanged,
// by every copy of the brick.

#include "model/RowData.hpp"
#include "video/Position.hpp"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{

struct Mask
{
    using Runs = std::vector<RowData>;

    // Reads the runs from a ".mask" file: the picture width, then lines
    // "row first end". A missing, unreadable or empty file, or one that holds
    // only the width, leaves runs null: no mask applies. So does a damaged
    // file (a line cut short or not ending in a newline, anything but
    // numbers) and one that does not fit the picture (pictureWidth x
    // pictureHeight): another width, a row outside the picture, runs out of
    // order, reversed or beyond the right edge. Never throws for a bad file.
    void load(const std::string& maskFileName, std::uint32_t pictureWidth,
              std::uint32_t pictureHeight);

    // The runs in file order; null when the brick has no mask.
    std::shared_ptr<const Runs> runs = std::make_shared<Runs>();
    // The brick's picture position whenever runs is set.
    VideoEngine::OpenGL::Position position;
    // The picture width, the first number of the file; mirrors the runs.
    int width = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
