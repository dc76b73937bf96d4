#pragma once
// One picture cell of the toolbar: a 180 x 158 box at (x, y) that shows one
// picture of its row, fitted to the box, with a left and a right arrow under
// it to page through the row. The picture shown is where new pieces come
// from; the cell lists it and its arrows as targets.
// A cell whose row holds no picture shows nothing and starts no drag until it
// is given pictures again; its arrows then do nothing.

#include "model/Brick.hpp"
#include "ui/Button.hpp"
#include "ui/Targets.hpp"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{

namespace PalaceBuild
{

class Cell
{
public:
    static constexpr int boxWidth = 180;
    static constexpr int boxHeight = 158;

    // Shows the first picture of the list (none for an empty list) in the box
    // at (x, y), at size 10, with copies of the two arrow prototypes under it
    // bound to showPrevious and showNext. Picture loading failures pass on.
    Cell(const std::vector<std::string>& pictureFiles, int x, int y, const Button& leftPrototype,
         const Button& rightPrototype);

    // The arrows' callables point at this cell, so it stays where it is made.
    Cell(const Cell&) = delete;
    Cell& operator=(const Cell&) = delete;

    // Takes a copy of the list and shows its first picture. Loading failures
    // pass on.
    void setPictures(const std::vector<std::string>& pictureFiles);

    // The following or preceding picture of the row, wrapping around.
    void showNext();
    void showPrevious();

    // Shows the picture at a new size step (clamped to 4..12).
    void setSize(unsigned step);

    // A whole copy of the shown brick (sharing its picture data), unless
    // the row is empty or its file is carried, the file carried now (empty
    // for none); then null.
    std::shared_ptr<Brick> take(const std::string& carried);

    // Lists the shown picture (a piece, with its mask; none for an empty
    // row), whose click runs take, then the left and the right arrow, lit
    // and clicked by the list; each numbered by row.
    void addTargets(Targets& list, std::size_t row, const std::function<void()>& take);

    // Adds the shown picture to the batch (nothing for an empty row).
    void addPicture(VideoEngine::OpenGL::PictureBatch& batch) const;
    // Adds the left, then the right arrow.
    void addArrows(VideoEngine::OpenGL::PictureBatch& batch) const;

    bool hasPicture() const { return !pictures.empty(); }
    // The picture file shown; empty for an empty row.
    std::string shownFile() const;
    const std::vector<std::string>& pictureFiles() const { return pictures; }
    unsigned size() const { return cellSize; }

private:
    // Places the brick in the box: a picture smaller than the box, after its
    // size factor, is centred; a larger one shows its top-left 180 x 158 units.
    void fitPicture();
    void showCurrent();

    std::vector<std::string> pictures;
    std::size_t current = 0;
    Brick brick;
    Button previousArrow;
    Button nextArrow;
    int x;
    int y;
    unsigned cellSize = 10;
};

} // namespace PalaceBuild
} // namespace GameLogic
