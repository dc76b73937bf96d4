#pragma once
// The game screen as a whole: it owns the background and frame catalogues,
// the toolbar, the palace, the drag-and-drop handler, the steps for undo and
// redo, the palace in play as the gallery keeps it, the gallery screen while
// it is open, the picture capture and the drawing of the screen. It carries
// out the commands of the controls of the list (Controls.hpp), routes keys
// and mouse to them, and describes each frame: what is drawn, and beside it
// the targets that can be acted on, where the mouse finds what it hits. Built by the start-up banner and
// owned by the run's Game, which releases it when the game phase ends: every
// GL texture the level made goes with it.

#include "gallery/Gallery.hpp"
#include "content/ImageManager.hpp"
#include "model/PalaceGallery.hpp"
#include "gallery/PalaceInPlay.hpp"
#include "output/PictureCapture.hpp"
#include "output/Printing.hpp"
#include "model/SceneStore.hpp"
#include "play/Access.hpp"
#include "play/Commands.hpp"
#include "play/Pointing.hpp"
#include "play/Scanning.hpp"
#include "play/Steps.hpp"
#include "ui/Keyboard.hpp"
#include "ui/Targets.hpp"
#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/SceneDrawing.hpp"
#include "video/Texture.hpp"

#include <memory>
#include <string>

namespace GameLogic
{

class MouseCursor;

namespace PalaceBuild
{

class MouseHandler;
class Palace;
class Toolbar;
struct Control;
class Brick;

class GameLevel : public Commands
{
public:
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
        // Begin with the palace in play when the last run ended, not a new
        // one.
        bool startWithLast = false;
        // Printing on (the control inactive for good when off), and the wait
        // in seconds after each print.
        bool printing = true;
        int printWaitSeconds = 60;
        // How the child plays.
        AccessOptions access;
        // Catalogues made ahead, taken over by the level; it makes those
        // missing itself.
        Catalogues catalogues;
    };

    // Loads the frames and backgrounds (unless made ahead), writes the
    // toolbar pictures' masks, builds the toolbar, the palace and the mouse
    // handler, and binds controls, mouse and keyboard. The keyboard, the
    // saved game and the gallery must outlive the level. Every failure
    // passes on with nothing left bound; a termination signal ends the
    // building between its steps with "Terminated".
    GameLevel(GameLogic::Keyboard& keyboard, SceneStore& savedGame, PalaceGallery& kept,
              Options options);

    // Unbinds the keyboard, then releases the members. The palace in play
    // must have been kept before (see endPlay).
    ~GameLevel() override;

    GameLevel(const GameLevel&) = delete;
    GameLevel& operator=(const GameLevel&) = delete;

    // One frame: background, palace, toolbar pictures, frame, controls and
    // the carried brick, all but the carried brick kept from frame to frame
    // (see SceneDrawing). While a picture capture is pending, only the
    // background and the palace (bricks whole), and the capture counts the
    // frame. Returns the signature frameSignature() gave just before.
    std::uint64_t draw();
    // The signature of what draw() would show now.
    std::uint64_t frameSignature() const;
    // True when draw() sets every pixel of the window, so that it needs no
    // clearing first: the background is opaque and covers the screen.
    bool coversWindow() const;

    // The commands of the controls and keys (see Commands).
    void nextBackground() override;
    void previousBackground() override;
    void nextFrame() override;
    void previousFrame() override;
    void clearPalace() override;
    void nextColour() override;
    void previousColour() override;
    void mirrorSelected() override;
    // The size buttons: the selected brick (and, with the size box ticked,
    // the pictures of new pieces) one step larger or smaller.
    void growPieces() override;
    void shrinkPieces() override;
    void nextColourCarried() override;
    void previousColourCarried() override;
    void mirrorCarried() override;
    void growCarried() override;
    void shrinkCarried() override;
    void showFolder(unsigned k) override;
    void nextFolder() override;
    // A picture of the scene, a plain one (a wallpaper asked for before is
    // not made), or one that also becomes the desktop wallpaper; see
    // PictureCapture.
    void savePicture() override;
    void savePlainPicture() override;
    void setWallpaper() override;
    // Prints the scene picture, as a saved picture shows it, when printing
    // is available; else logs why not. See Printing.
    void print() override;
    // One step back or forward; see Steps.
    void undo() override;
    void redo() override;
    // Keeps the scene in the saved game; a failure is logged and the game
    // goes on.
    void saveGame() override;
    // Reads the saved game; on any failure the palace is left empty. A new
    // palace is in play after it.
    void loadGame() override;
    // Opens the gallery screen, or closes it.
    void toggleGallery() override;

    // The palace in play is written when a write is due, and at once at the
    // end of play, which also notes it as the one to start with next time.
    // Failures are logged.
    void keepIfDue();
    void endPlay();
    // Milliseconds until the next write of the palace falls due; -1 for
    // none.
    int msUntilKeep() const;
    // The gallery's page fills in its missing thumbnails, one a step; true
    // when the page changed. fillingGallery tells whether a step is left.
    bool followGallery() { return gallery->fillSome(); }
    bool fillingGallery() const { return gallery->filling(); }
    // At a quiet moment: the kept palace in play gets its thumbnail, so
    // that the gallery finds it made.
    void onQuiet() { gallery->keepThumbnailInPlay(); }
    // Follows the printer without waiting; true when the print control has
    // changed between active and inactive (the controls show it already).
    bool followPrinter();
    // Milliseconds until followPrinter has something to do; -1 for nothing.
    int msUntilPrinter() const;
    // What the access does by time alone: with one switch the highlight
    // moves on, with dwell a resting pointer clicks where it is and its ring
    // fills. True when the scene may have changed. Milliseconds until the
    // next of these; -1 for none.
    bool followAccess();
    int msUntilAccess() const;
    // The pointer has left the window: a resting pointer does not act.
    void pointerLeft() { pointing.left(); }

    // What decides whether a control is active.
    bool canUndo() const override;
    bool canRedo() const override;
    bool exitLocked() const override { return locked; }
    bool canPrint() const override { return printing.available(); }
    bool galleryOpen() const { return gallery->shown(); }

    // What can be acted on now, beside what is drawn: over the gallery its
    // targets and the gallery control; else the toolbar's controls, pieces
    // and arrows, then the laid pieces, topmost first. The targets are good
    // until the next change of the screen.
    Targets targets();

    // Input from the run's GLUT callbacks: the mouse cursor they move and
    // press (its callables run the level's mouse handling), and the keys.
    // While the gallery is open, input goes to it (Escape closes it).
    MouseCursor& mouse();
    void onKey(unsigned char key);
    void onSpecialKey(int key);

    // The parts as they are, for the saved game and for tests.
    const Palace& palace() const { return *pile; }
    const Toolbar& toolbar() const { return *bar; }
    const BackgroundCatalogue& backgrounds() const { return *backgroundCatalogue; }
    const FrameCatalogue& frames() const { return frameCatalogue; }
    // The piece carried; null for none.
    std::shared_ptr<const Brick> carried() const;
    const PictureCapture& capture() const { return pictureCapture; }
    const PalaceInPlay& palaceInPlay() const { return *inPlay; }
    const Gallery& palaceGallery() const { return *gallery; }

private:
    void onMouseButton();
    void onMouseMove();
    // After input: the steps, then the controls' active states.
    void afterInput(const std::shared_ptr<Brick>& carriedBefore);
    // Runs the command of a control that is active, else its inactive one.
    void run(const Control& control);
    // What a frame shows now, and its signature with the capture's state.
    VideoEngine::OpenGL::ScenePictures describe() const;
    std::uint64_t signatureOf(const VideoEngine::OpenGL::ScenePictures& scene) const;

    // Keys and mouse buttons that move the highlight or choose, by the
    // access; true when the input was the highlight's.
    bool onScanKey(unsigned char key);
    bool onScanSpecialKey(int key);
    bool onScanButton();

    // The gallery's own input while it is shown: whether the key is the
    // gallery control's, and the mouse, which also reaches that control.
    static bool isGalleryKey(unsigned char key);
    void onGalleryMouse();

    GameLogic::Keyboard& keyboard;
    SceneStore& savedGame;
    PalaceGallery& kept;
    bool locked;
    std::unique_ptr<ImageManager<Background>> backgroundCatalogue;
    ImageManager<Frame> frameCatalogue;
    std::unique_ptr<Toolbar> bar;
    std::unique_ptr<Palace> pile;
    std::shared_ptr<MouseHandler> handler;
    std::unique_ptr<PalaceInPlay> inPlay;
    std::unique_ptr<Steps> steps;
    std::unique_ptr<Gallery> gallery;
    std::unique_ptr<Scanning> scanning;
    Pointing pointing;
    PictureCapture pictureCapture;
    Printing printing;
    VideoEngine::OpenGL::SceneDrawing drawing;
};

} // namespace PalaceBuild
} // namespace GameLogic
