#pragma once
// What the controls and keys of the list (Controls.hpp) may ask of the game
// screen, and the states that make a control inactive: all they see of the
// level, which implements it.

namespace GameLogic
{
namespace PalaceBuild
{

class Commands
{
public:
    // The keys that undo and redo: Ctrl+Z and Ctrl+Y; the key that prints:
    // Ctrl+P.
    static constexpr unsigned char undoKey = 26;
    static constexpr unsigned char redoKey = 25;
    static constexpr unsigned char printKey = 16;
    // Shift+Tab, which arrives as Tab: the run hands it on as this code,
    // one no key of the game uses.
    static constexpr unsigned char backTabKey = 31;

    virtual ~Commands() = default;

    virtual void nextBackground() = 0;
    virtual void previousBackground() = 0;
    virtual void nextFrame() = 0;
    virtual void previousFrame() = 0;
    virtual void clearPalace() = 0;
    // The selected piece: its tint, its mirror, and its size (with the size
    // box ticked also the cells' pictures and new pieces).
    virtual void nextColour() = 0;
    virtual void previousColour() = 0;
    virtual void mirrorSelected() = 0;
    virtual void growPieces() = 0;
    virtual void shrinkPieces() = 0;
    // The piece carried, if any.
    virtual void nextColourCarried() = 0;
    virtual void previousColourCarried() = 0;
    virtual void mirrorCarried() = 0;
    virtual void growCarried() = 0;
    virtual void shrinkCarried() = 0;
    // The cells' folder: folder k (0 palace, 1 decoration, 2 person), or the
    // following one.
    virtual void showFolder(unsigned k) = 0;
    virtual void nextFolder() = 0;
    virtual void savePicture() = 0;
    virtual void savePlainPicture() = 0;
    virtual void setWallpaper() = 0;
    virtual void print() = 0;
    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual void saveGame() = 0;
    virtual void loadGame() = 0;
    virtual void toggleGallery() = 0;

    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    virtual bool exitLocked() const = 0;
    virtual bool canPrint() const = 0;
};

} // namespace PalaceBuild
} // namespace GameLogic
