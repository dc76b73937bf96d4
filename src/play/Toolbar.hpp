#pragma once
// The game's control surface: the controls of the list in Controls.hpp (the
// buttons and the size check box along the left edge; the undo, redo, mirror
// and exit buttons at the top right, on the frame's top border), and three
// picture cells, one per row of the picture folder shown: each pages through
// all of its row, the game's own pictures and then the family's own ones
// (OwnPictures.hpp, checked once, when the toolbar is built). A control's place
// may be measured from one built before it, so the layout follows the
// pictures. The level binds the commands.

#include "play/Cell.hpp"
#include "play/Controls.hpp"
#include "ui/Button.hpp"
#include "ui/CheckBox.hpp"
#include "video/PictureBatch.hpp"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace GameLogic
{

class MouseCursor;

namespace PalaceBuild
{

class Brick;

class Toolbar
{
public:
    // File names that may appear in a toolbar row: a row digit, a dot, a name.
    static const char* const picturePattern;

    // A control of the list as built: its button, or null for the check box
    // and for keys.
    struct Shown
    {
        const Control* control;
        std::shared_ptr<Button> button;
    };

    // Builds the controls of the list (it must outlive the toolbar) and a
    // cell for each list of the first folder (the first folder's own
    // pictures appended to it, in the argument itself), and writes the
    // ".mask" files of all three folders and their own pictures. Picture and
    // listing failures of the game's own folders pass on; nothing is built
    // then.
    Toolbar(const std::vector<Control>& list, std::vector<std::vector<std::string>>& firstFolder);

    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // Passes the cursor to every control in the list's order, then to the
    // cells' arrows. A command may run during the pass; what it throws ends
    // the pass.
    void handleMouse(const std::shared_ptr<MouseCursor>& cursor);

    // Shows each control that can be inactive as the level's state has it.
    void refresh(const GameLevel& level);

    // Adds the cells' pictures, top to bottom, to the batch.
    void addCells(VideoEngine::OpenGL::PictureBatch& batch) const;
    // Adds the controls in the list's order, then the cells' arrows.
    void addControls(VideoEngine::OpenGL::PictureBatch& batch) const;

    // The controls as built, in the list's order.
    const std::vector<Shown>& controls() const { return shown; }
    // The button of the control so named; throws std::out_of_range for none.
    Button& button(const std::string& name) const;

    // The first cell's answer to a drag starting at (x, y) while the picture
    // file name is carried (empty when nothing is); null when none answers.
    std::shared_ptr<Brick> startDrag(int x, int y, const std::string& name);

    // Shows every cell's picture at the size step.
    void setCellsSize(unsigned step);

    // Fills the cells from the folder's rows, each followed by the folder's
    // own pictures. Failures are logged and passed on.
    void selectFolder(const std::string& folder);
    // Shows folder k of folders (0 palace, 1 decoration, 2 person).
    void showFolder(std::size_t k);
    // Shows the following folder, after the last the first.
    void nextFolder();

    std::vector<std::shared_ptr<Cell>> rows;
    std::vector<std::string> folders;
    std::size_t current = 0;
    std::shared_ptr<CheckBox> checkBox;

private:
    // Where the place puts a control, measured on the controls built so far.
    VideoEngine::OpenGL::Position placeOf(const Place& place) const;

    std::vector<Shown> shown;
    // The own pictures of each of folders, by row.
    std::vector<std::vector<std::vector<std::string>>> own;
};

} // namespace PalaceBuild
} // namespace GameLogic
