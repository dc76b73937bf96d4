#include "palace/GameLevel.hpp"

#include "palace/MouseHandler.hpp"
#include "palace/Palace.hpp"
#include "palace/PictureListing.hpp"
#include "palace/Toolbar.hpp"
#include "platform/GameLog.hpp"
#include "platform/Termination.hpp"
#include "platform/Wallpaper.hpp"
#include "ui/ExitRequest.hpp"
#include "video/ScreenCapture.hpp"

#include <GL/freeglut.h>
#include <boost/filesystem.hpp>
#include <ctime>
#include <stdexcept>
#include <string>
#include <vector>

namespace GameLogic
{
namespace PalaceBuild
{
namespace
{
// A capture is taken after this many frames drawn without the toolbar.
constexpr int captureDue = 3;

std::vector<std::vector<std::string>> listPalaceFolder()
{
    std::vector<std::vector<std::string>> lists;
    try
    {
        listPicturesByRow("BMP/palace/", lists, Toolbar::picturePattern);
    }
    catch (const std::out_of_range& failure)
    {
        Platform::logLine("PalaceBuild", 639) << " " << failure.what() << Platform::endLine;
        throw;
    }
    catch (const char* failure)
    {
        Platform::logLine("PalaceBuild", 645) << " " << failure << Platform::endLine;
        throw;
    }
    return lists;
}

// The local date and time, as saved pictures are named.
std::string captureStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[128] = {};
    std::strftime(stamp, sizeof stamp - 1, "%Y-%m-%d %H-%M-%S", &local);
    return stamp;
}
} // namespace

GameLevel::Catalogues GameLevel::makeCatalogues()
{
    Catalogues made;
    made.frames = std::make_unique<ImageManager<Frame>>("BMP/frame/");
    made.backgrounds = std::make_unique<ImageManager<Background>>("BMP/background/");
    return made;
}

GameLevel::GameLevel(GameLogic::Keyboard& keyboard, SceneStore& savedGame, Options options)
    : frames(options.catalogues.frames ? std::move(*options.catalogues.frames)
                                       : ImageManager<Frame>("BMP/frame/")),
      keyboard(keyboard), savedGame(savedGame), pictureCopies(options.pictureCopies)
{
    if (options.catalogues.backgrounds)
        backgrounds = std::move(options.catalogues.backgrounds);
    else
        backgrounds = std::make_shared<ImageManager<Background>>("BMP/background/");
    Platform::throwIfTerminated();
    std::vector<std::vector<std::string>> firstFolder = listPalaceFolder();
    Platform::logLine("PalaceBuild", 649) << " GameLevel::init" << Platform::endLine;
    toolbar = std::make_shared<Toolbar>(firstFolder);
    Platform::throwIfTerminated();

    toolbar->backgroundButton->onClick = [this] { nextBackground(); };
    toolbar->frameButton->onClick = [this] { nextFrame(); };
    toolbar->clearButton->onClick = [this] { clearPalace(); };
    toolbar->savePictureButton->onClick = [this] { savePicture(); };
    // The folder buttons stand in the order person, palace, decoration.
    Toolbar& bar = *toolbar;
    toolbar->folder1Button->onClick = [&bar] { bar.showFolder(2); };
    toolbar->folder2Button->onClick = [&bar] { bar.showFolder(0); };
    toolbar->folder3Button->onClick = [&bar] { bar.showFolder(1); };
    toolbar->saveButton->onClick = [this] { saveGame(); };
    toolbar->loadButton->onClick = [this] { loadGame(); };
    if (options.exitLocked)
        toolbar->lockExit();
    else
        toolbar->exitButton->onClick = [] { requestExit(); };
    toolbar->wallpaperButton->onClick = [this] { setWallpaper(); };
    toolbar->largerButton->onClick = [this] { growPieces(); };
    toolbar->smallerButton->onClick = [this] { shrinkPieces(); };

    palace = std::make_shared<Palace>();
    Palace& pile = *palace;
    toolbar->previousColorButton->onClick = [&pile] { pile.previousColor(); };
    toolbar->nextColorButton->onClick = [&pile] { pile.nextColor(); };
    toolbar->mirrorButton->onClick = [&pile] { pile.toggleMirror(); };

    mouseHandler = std::make_shared<MouseHandler>("", *toolbar, *palace);
    mouseHandler->onButton = [this] { onMouseButton(); };
    mouseHandler->onMove = [this] { onMouseMove(); };

    toolbar->undoButton->onClick = [this] { undo(); };
    toolbar->redoButton->onClick = [this] { redo(); };
    history = History(history.capture(*palace, backgrounds->currentFile(), frames.currentFile()));

    keyboard.keyFunc = [this](unsigned char key) { onKey(key); };
    keyboard.specialFunc = [this](int key) { onSpecialKey(key); };
    Platform::logLine("PalaceBuild", 703) << "GameLevel::init" << Platform::endLine;
}

GameLevel::~GameLevel()
{
    keyboard.keyFunc = nullptr;
    keyboard.specialFunc = nullptr;
}

void GameLevel::draw()
{
    if (captureState != 0)
    {
        drawBackground();
        palace->draw(false);
        ++captureState;
        return;
    }
    const std::uint64_t signature = stillSignature();
    if (still.holds(signature))
    {
        still.draw();
        mouseHandler->draw();
        return;
    }
    // When only pieces changed, the kept layer stays as it is outside the box
    // around them.
    VideoEngine::OpenGL::PictureBatch pieces = palace->batch(true);
    const std::uint64_t besidePieces = signatureBesidePieces();
    VideoEngine::OpenGL::Rectangl changed;
    if (still.fits() && coversWindow() && besidePieces == keptBesidePieces &&
        pieces.changedArea(keptPieces, changed))
        still.redrawWithin(changed, [&] { drawStill(pieces); });
    else
        drawStill(pieces);
    still.keep(signature);
    keptPieces = std::move(pieces);
    keptBesidePieces = besidePieces;
    mouseHandler->draw();
}

void GameLevel::drawStill(const VideoEngine::OpenGL::PictureBatch& pieces) const
{
    drawBackground();
    pieces.draw();
    toolbar->drawCells();
    frames.current.draw();
    toolbar->drawControls();
}

bool GameLevel::coversWindow() const
{
    const Background& background = backgrounds->current;
    return background.data && background.data->opaque &&
           background.data->textureId != VideoEngine::OpenGL::TextureData::noTexture &&
           background.position.x <= 0 && background.position.y <= 0 &&
           background.position.x + background.data->imageWidth * background.scale() >= 1024 &&
           background.position.y + background.data->imageHeight * background.scale() >= 768;
}

// An opaque background covering the screen is drawn without blending: the
// same pixels, for less work.
void GameLevel::drawBackground() const
{
    if (!coversWindow())
    {
        backgrounds->current.draw();
        return;
    }
    glDisable(GL_BLEND);
    backgrounds->current.draw();
    glEnable(GL_BLEND);
}

std::uint64_t GameLevel::frameSignature() const
{
    VideoEngine::OpenGL::SceneSignature signature;
    signature.add(stillSignature());
    signature.add(static_cast<std::uint32_t>(captureState));
    mouseHandler->sign(signature);
    return signature.value();
}

std::uint64_t GameLevel::stillSignature() const
{
    VideoEngine::OpenGL::SceneSignature signature;
    signature.add(signatureBesidePieces());
    palace->sign(signature);
    return signature.value();
}

std::uint64_t GameLevel::signatureBesidePieces() const
{
    VideoEngine::OpenGL::SceneSignature signature;
    signature.add(backgrounds->current);
    signature.add(frames.current);
    toolbar->sign(signature);
    return signature.value();
}

void GameLevel::nextBackground()
{
    backgrounds->next();
}

void GameLevel::previousBackground()
{
    backgrounds->previous();
}

void GameLevel::nextFrame()
{
    frames.next();
}

void GameLevel::previousFrame()
{
    frames.previous();
}

void GameLevel::clearPalace()
{
    palace->clear();
}

void GameLevel::growPieces()
{
    toolbar->setCellsSize(palace->increaseSize(toolbar->checkBox->checked));
}

void GameLevel::shrinkPieces()
{
    toolbar->setCellsSize(palace->decreaseSize(toolbar->checkBox->checked));
}

void GameLevel::savePicture()
{
    captureState = 1;
}

void GameLevel::setWallpaper()
{
    wallpaperRequested = true;
    captureState = 1;
}

void GameLevel::captureIfDue()
{
    if (captureState != captureDue)
        return;
    Platform::logLine("PalaceBuild", 535) << " " << Platform::endLine;
    const std::string stamp = captureStamp();
    const std::string fileName = "PrintScreen/" + stamp + ".bmp";
    boost::system::error_code ignored;
    boost::filesystem::create_directories("PrintScreen", ignored);
    std::string copy;
    if (!pictureCopies.empty())
    {
        copy = pictureCopies + "/" + stamp + ".png";
        boost::filesystem::create_directories(pictureCopies, ignored);
    }
    if (!VideoEngine::OpenGL::saveScreen(fileName, copy))
        Platform::logLine("PalaceBuild", 536) << " Unable to write " << copy << Platform::endLine;
    if (wallpaperRequested)
    {
        Platform::setDesktopWallpaper(fileName);
        wallpaperRequested = false;
    }
    captureState = 0;
}

void GameLevel::saveGame()
{
    try
    {
        savedGame.save(*palace, *backgrounds, frames);
    }
    catch (const std::exception& failure)
    {
        Platform::logLine("PalaceBuild", 620) << " " << failure.what() << Platform::endLine;
    }
}

void GameLevel::loadGame()
{
    try
    {
        savedGame.load(*palace, *backgrounds, frames);
    }
    catch (...)
    {
        clearPalace();
    }
}

void GameLevel::undo()
{
    if (cancelCarry())
        return;
    if (const History::Scene* scene = history.undo(*palace))
        show(*scene);
}

void GameLevel::redo()
{
    cancelCarry();
    if (const History::Scene* scene = history.redo(*palace))
        show(*scene);
}

bool GameLevel::cancelCarry()
{
    if (!mouseHandler->dragged)
        return false;
    mouseHandler->dragged.reset();
    history.putBack(*palace);
    return true;
}

void GameLevel::show(const History::Scene& scene)
{
    if (backgrounds->currentFile() != scene.background)
        backgrounds->select(scene.background);
    if (frames.currentFile() != scene.frame)
        frames.select(scene.frame);
}

void GameLevel::recordStep()
{
    const bool carrying = mouseHandler->dragged != nullptr;
    if (!carrying)
        history.carryEnded();
    history.record(history.capture(*palace, backgrounds->currentFile(), frames.currentFile()),
                   !carrying);
}

void GameLevel::afterInput(const std::shared_ptr<Brick>& carriedBefore)
{
    if (mouseHandler->dragged != carriedBefore)
    {
        history.carryEnded();
        if (mouseHandler->dragged)
            history.pickedUp(mouseHandler->dragged);
    }
    recordStep();
    toolbar->undoButton->setActive(mouseHandler->dragged || history.canUndo());
    toolbar->redoButton->setActive(history.canRedo());
}

void GameLevel::onMouseButton()
{
    // A change made other than by input is a step of its own, so that a
    // pick-up finds the pile as the history has it.
    recordStep();
    const std::shared_ptr<Brick> carried = mouseHandler->dragged;
    // Presses on the undo and redo buttons are theirs alone: they neither
    // drop nor pick up a piece.
    const VideoEngine::OpenGL::Position at = mouseHandler->position;
    if (!toolbar->undoButton->contains(at.x, at.y) && !toolbar->redoButton->contains(at.x, at.y))
        mouseHandler->handleButton();
    afterInput(carried);
    const std::shared_ptr<Brick> carriedNow = mouseHandler->dragged;
    toolbar->handleMouse(mouseHandler);
    afterInput(carriedNow);
}

void GameLevel::onMouseMove()
{
    const std::shared_ptr<Brick> carried = mouseHandler->dragged;
    mouseHandler->handleMove();
    toolbar->handleMouse(mouseHandler);
    // Of the moves only a throw makes a step.
    if (mouseHandler->dragged != carried)
        afterInput(carried);
}

void GameLevel::onKey(unsigned char key)
{
    const std::shared_ptr<Brick> carried = mouseHandler->dragged;
    switch (key)
    {
    case undoKey:
        undo();
        break;
    case redoKey:
        redo();
        break;
    case 'b':
        nextBackground();
        break;
    case 'B':
        previousBackground();
        break;
    case 'f':
        nextFrame();
        break;
    case 'F':
        previousFrame();
        break;
    case 'n':
    case 'N':
        toolbar->nextFolder();
        break;
    case 'p':
    case 'P':
        wallpaperRequested = false;
        savePicture();
        break;
    case 'w':
    case 'W':
        setWallpaper();
        break;
    case 's':
        saveGame();
        break;
    case 'l':
        loadGame();
        break;
    case 'i':
        mouseHandler->nextColorDragged();
        break;
    case 'u':
        mouseHandler->previousColorDragged();
        break;
    default:
        break;
    }
    afterInput(carried);
}

void GameLevel::onSpecialKey(int key)
{
    switch (key)
    {
    case GLUT_KEY_LEFT:
    case GLUT_KEY_RIGHT:
        mouseHandler->mirrorDragged();
        break;
    case GLUT_KEY_UP:
        mouseHandler->growDragged();
        break;
    case GLUT_KEY_DOWN:
        mouseHandler->shrinkDragged();
        break;
    default:
        break;
    }
}

} // namespace PalaceBuild
} // namespace GameLogic
