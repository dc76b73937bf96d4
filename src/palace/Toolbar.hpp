#pragma once
// The game's control surface: eighteen buttons and the size check box along
// the left edge (the undo, redo, mirror and exit buttons at the top right, on
// the frame's top border), and three picture cells, one per row of the
// picture folder shown. Each button's position after the first few comes
// from the picture size of a button built before it, so the layout follows
// the pictures. The level binds the buttons' commands.

#include "palace/Cell.hpp"
#include "ui/Button.hpp"
#include "ui/CheckBox.hpp"
#include "video/SceneSignature.hpp"

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

    // Builds the controls and a cell for each list of the first folder (cut to
    // its first three pictures, in the argument itself), and writes the
    // ".mask" files of all three folders. Picture and listing failures pass
    // on; nothing is built then.
    explicit Toolbar(std::vector<std::vector<std::string>>& firstFolder);

    Toolbar(const Toolbar&) = delete;
    Toolbar& operator=(const Toolbar&) = delete;

    // Passes the cursor to every button, the check box and the cells' arrows.
    // A command may run during the pass; what it throws ends the pass.
    void handleMouse(const std::shared_ptr<MouseCursor>& cursor);

    // The cells' pictures, top to bottom.
    void drawCells() const;
    // The buttons, the check box, then the cells' arrows.
    void drawControls() const;
    // Adds what drawCells and drawControls show to the signature.
    void sign(VideoEngine::OpenGL::SceneSignature& signature) const;

    // The first cell's answer to a drag starting at (x, y) while the picture
    // file name is carried (empty when nothing is); null when none answers.
    std::shared_ptr<Brick> startDrag(int x, int y, const std::string& name);

    // Shows every cell's picture at the size step.
    void setCellsSize(unsigned step);

    // The child lock: the exit button shows its faded picture and runs
    // nothing.
    void lockExit();

    // Fills the cells from the folder's rows (at most three pictures each).
    // Failures are logged and passed on.
    void selectFolder(const std::string& folder);
    // Shows folder k of folders (0 palace, 1 decoration, 2 person).
    void showFolder(std::size_t k);
    // Shows the following folder, after the last the first.
    void nextFolder();

    std::vector<std::shared_ptr<Cell>> rows;
    std::vector<std::string> folders;
    std::size_t current = 0;
    std::shared_ptr<Button> backgroundButton;
    std::shared_ptr<Button> frameButton;
    std::shared_ptr<Button> clearButton;
    std::shared_ptr<Button> savePictureButton;
    std::shared_ptr<Button> folder1Button;
    std::shared_ptr<Button> folder2Button;
    std::shared_ptr<Button> folder3Button;
    std::shared_ptr<Button> saveButton;
    std::shared_ptr<Button> loadButton;
    std::shared_ptr<Button> previousColorButton;
    std::shared_ptr<Button> nextColorButton;
    std::shared_ptr<Button> exitButton;
    std::shared_ptr<Button> mirrorButton;
    std::shared_ptr<Button> wallpaperButton;
    std::shared_ptr<Button> largerButton;
    std::shared_ptr<Button> smallerButton;
    // Inactive at first: there is nothing to undo or redo yet.
    std::shared_ptr<Button> undoButton;
    std::shared_ptr<Button> redoButton;
    std::shared_ptr<CheckBox> checkBox;

private:
    // The buttons in the order of the mouse pass and of drawing.
    std::vector<Button*> buttonsInOrder() const;
};

} // namespace PalaceBuild
} // namespace GameLogic
