#pragma once
// The game's control surface: the controls of the list in Controls.hpp (the
// buttons and the size check box along the left edge; the undo, redo, mirror
// and exit buttons at the top right, on the frame's top border), and three
// picture cells, one per row of the picture folder shown: each pages through
// all of its row, the game's own pictures and then the family's own ones
// (OwnPictures.hpp, checked once, when the toolbar is built). A control's place
// may be measured from one built before it, so the layout follows the
// pictures. Each control runs its command on the Commands given; the
// toolbar lists its controls, pieces and arrows as targets and lights and
// clicks them by that list.

#include "play/Cell.hpp"
#include "play/Controls.hpp"
#include "ui/Button.hpp"
#include "ui/CheckBox.hpp"
#include "video/PictureBatch.hpp"

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{

namespace PalaceBuild
{

class Brick;

class Toolbar
{
public:
    // File names that may appear in a toolbar row: a row digit, a dot, a name.
    static const char* const picturePattern;
    // The groups of the toolbar's controls and arrows (not its pieces).
    static constexpr std::initializer_list<Target::Group> controlGroups = {
        Target::Group::folders, Target::Group::topControls, Target::Group::bottomControls,
        Target::Group::cellArrows};

    // Builds the controls of the list (it must outlive the toolbar), their
    // commands run on commands (which must too), and a cell for each list
    // of the first folder (the first folder's own pictures appended to it,
    // in the argument itself), and writes the ".mask" files of all three
    // folders and their own pictures. Picture and listing failures of the
    // game's own folders pass on; nothing is built then.
    Toolbar(const std::vector<Control>& list, std::vector<std::vector<std::string>>& firstFolder,
            Commands& commands);

    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // Lists the controls in the list's order (each lit and clicked by the
    // list), then each cell's piece and arrows, top to bottom; a piece's
    // click runs take with its row. The targets refer to the toolbar, which
    // must outlive the list. Its mouse pass is Targets::handleMouse with
    // the groups of controls below.
    void addTargets(Targets& targets, const std::function<void(std::size_t row)>& take);
    // Lists the one control of that name.
    void addTarget(Targets& targets, const std::string& name);

    // Shows each control that can be inactive as the commands' state has it.
    void refresh(const Commands& commands);

    // Adds the cells' pictures, top to bottom, to the batch.
    void addCells(VideoEngine::OpenGL::PictureBatch& batch) const;
    // Adds the controls in the list's order, then the cells' arrows.
    void addControls(VideoEngine::OpenGL::PictureBatch& batch) const;
    // Adds the picture the control of that name shows; throws
    // std::out_of_range for none.
    void addControl(VideoEngine::OpenGL::PictureBatch& batch, const std::string& name) const;

    // A new piece from the cell of the row (see Cell::take).
    std::shared_ptr<Brick> takePiece(std::size_t row, const std::string& carried);

    // Shows every cell's picture at the size step.
    void setCellsSize(unsigned step);

    // Fills the cells from the folder's rows, each followed by the folder's
    // own pictures. Failures are logged and passed on.
    void selectFolder(const std::string& folder);
    // Shows folder k of folders (0 palace, 1 decoration, 2 person).
    void showFolder(std::size_t k);
    // Shows the following folder, after the last the first.
    void nextFolder();

    std::size_t cellCount() const { return rows.size(); }
    const Cell& cell(std::size_t row) const { return *rows.at(row); }
    bool sizeBoxTicked() const { return checkBox->checked(); }

private:
    // A control of the list as built: its button, or null for the check box
    // and for keys.
    struct Shown
    {
        const Control* control;
        std::shared_ptr<Button> button;
    };

    // Where the place puts a control, measured on the controls built so far.
    VideoEngine::OpenGL::Position placeOf(const Place& place) const;
    const Shown& control(const std::string& name) const;
    void addTarget(Targets& targets, const Shown& built);

    std::vector<Shown> shown;
    std::vector<std::unique_ptr<Cell>> rows;
    std::vector<std::string> folders;
    std::size_t current = 0;
    std::unique_ptr<CheckBox> checkBox;
    // The own pictures of each of folders, by row.
    std::vector<std::vector<std::vector<std::string>>> own;
};

} // namespace PalaceBuild
} // namespace GameLogic
