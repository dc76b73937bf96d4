#pragma once
// The game screen as a whole: it owns the background and frame catalogues,
// the toolbar, the palace and the drag-and-drop handler, wires every toolbar
// control, key and mouse event to its command, and draws one frame on
// request. Built by the start-up banner and owned by the run's Game, which
// releases it when the game phase ends: every GL texture the level made goes
// with it.

#include "palace/History.hpp"
#include "palace/ImageManager.hpp"
#include "palace/SceneStore.hpp"
#include "ui/Keyboard.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/SceneLayer.hpp"
#include "video/Texture.hpp"

#include <memory>
#include <string>

namespace GameLogic
{
namespace PalaceBuild
{

class MouseHandler;
class Palace;
class Toolbar;

struct GameLevel
{
    // The keys that undo and redo: Ctrl+Z and Ctrl+Y.
    static constexpr unsigned char undoKey = 26;
    static constexpr unsigned char redoKey = 25;

    using Background = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FastTextureData>;
    using Frame = VideoEngine::OpenGL::Texture<VideoEngine::OpenGL::FrameTextureData>;

    // The frame and background catalogues, whose pictures take most of a
    // level's making: made ahead while the start-up picture shows, then
    // handed to the level.
    struct Catalogues
    {
        std::unique_ptr<ImageManager<Frame>> frames;
        std::unique_ptr<ImageManager<Background>> backgrounds;
    };

    // Makes the catalogues of "BMP/frame/" and "BMP/background/" (in that
    // order), failing as a level's making would.
    static Catalogues makeCatalogues();

    // What the run's settings ask of the level.
    struct Options
    {
        // The child lock: the exit button looks inactive and does nothing.
        bool exitLocked = false;
        // The folder for PNG copies of saved pictures; none are made when
        // empty.
        std::string pictureCopies;
        // Catalogues made ahead, taken over by the level; it makes those
        // missing itself.
        Catalogues catalogues;
    };

    // Loads the frames and backgrounds (unless made ahead), writes the
    // toolbar pictures' masks, builds the toolbar, the palace and the mouse
    // handler, and binds controls, mouse and keyboard. The keyboard and the saved game must
    // outlive the level. Every failure passes on with nothing left bound; a
    // termination signal ends the building between its steps with
    // "Terminated".
    GameLevel(GameLogic::Keyboard& keyboard, SceneStore& savedGame, Options options);

    // Unbinds the keyboard, then releases the members.
    ~GameLevel();

    GameLevel(const GameLevel&) = delete;
    GameLevel& operator=(const GameLevel&) = delete;

    // One frame: background, palace, toolbar pictures, frame, controls and the
    // carried brick; only background and palace (bricks whole) while a
    // picture capture is pending. All but the carried brick is drawn once
    // and kept (see SceneLayer) until any of it changes.
    void draw();
    // The signature of what draw() would show now.
    std::uint64_t frameSignature() const;
    // True when draw() sets every pixel of the window, so that it needs no
    // clearing first: the background is opaque and covers the screen.
    bool coversWindow() const;

    void nextBackground();
    void previousBackground();
    void nextFrame();
    void previousFrame();
    void clearPalace();

    // The size buttons: the selected brick (and, with the size box ticked,
    // the pictures of new pieces) one step larger or smaller.
    void growPieces();
    void shrinkPieces();

    // Request a capture of the scene as a picture, or as a picture that also
    // becomes the desktop wallpaper. The capture runs two frames later.
    void savePicture();
    void setWallpaper();
    // After every frame is drawn, before it is shown: when a requested
    // capture is due, writes the viewport's pixels to
    // "PrintScreen/<local time>.bmp" and, with the same pixels, to
    // "<local time>.png" in the folder for copies, making the folders when
    // they are missing. A copy that cannot be written is logged.
    void captureIfDue();

    // One step back or forward (the undo and redo buttons and keys). While a
    // piece is carried, undo only cancels the carry: a new piece vanishes, a
    // picked-up one goes back where it lay, as it was; redo cancels the carry
    // before it steps forward.
    void undo();
    void redo();

    // Keeps the scene in the saved game; a failure is logged and the game
    // goes on.
    void saveGame();
    // Reads the saved game; on any failure the palace is left empty.
    void loadGame();

    void onMouseButton();
    void onMouseMove();
    void onKey(unsigned char key);
    void onSpecialKey(int key);

    std::shared_ptr<MouseHandler> mouseHandler;
    std::shared_ptr<ImageManager<Background>> backgrounds;
    ImageManager<Frame> frames;
    std::shared_ptr<Toolbar> toolbar;
    std::shared_ptr<Palace> palace;
    // 0: no capture pending; else the frames counted since the request.
    int captureState = 0;
    bool wallpaperRequested = false;

private:
    // Background, the palace's pieces, cells, frame and controls, and their
    // signature; the signature of all but the pieces.
    void drawStill(const VideoEngine::OpenGL::PictureBatch& pieces) const;
    std::uint64_t stillSignature() const;
    std::uint64_t signatureBesidePieces() const;
    void drawBackground() const;
    // After input: notes a carry that began or ended, records the step the
    // input finished, if any, and shows whether undo and redo can act.
    void afterInput(const std::shared_ptr<Brick>& carriedBefore);
    void recordStep();
    // Drops the carried piece, putting a picked-up one back; returns whether
    // a piece was carried.
    bool cancelCarry();
    // Shows the background and frame of a scene undone or redone.
    void show(const History::Scene& scene);

    GameLogic::Keyboard& keyboard;
    SceneStore& savedGame;
    std::string pictureCopies;
    VideoEngine::OpenGL::SceneLayer still;
    // The pieces the still layer shows, and the signature of all beside them.
    VideoEngine::OpenGL::PictureBatch keptPieces;
    std::uint64_t keptBesidePieces = 0;
    History history{History::Scene{}};
};

} // namespace PalaceBuild
} // namespace GameLogic
