// Figures of the game itself, measured in-process on the real level under the
// real GL (Mesa's software renderer under Xvfb). Run it in a scratch copy of
// the game folder: it writes ".mask" files, "savegame.txt" and the log there.
//
//   bench-game startup        start-up parts: catalogues, masks, toolbar, level
//   bench-game scene N        frames (carrying a piece, after a change to a
//                             piece and after a control lit, each also drawn
//                             the old way, everything every frame), snap and
//                             save with N pieces, full screen at the X
//                             screen's size
//   bench-game load N         loading that saved game of N pieces: time,
//                             textures, memory
//   bench-game soak ROUNDS    scripted play; memory and GL textures per phase
//   bench-game history N      100 steps of play over N pieces: the heap the
//                             undo history keeps, undo and redo times
//
// Sounds go to a sink that drops them. Needs DISPLAY.

#include "startup/Game.hpp"
#include "model/Brick.hpp"
#include "play/Cell.hpp"
#include "play/GameLevel.hpp"
#include "content/ImageManager.hpp"
#include "play/MouseHandler.hpp"
#include "model/Palace.hpp"
#include "content/PictureListing.hpp"
#include "play/Toolbar.hpp"
#include "platform/DisplayMode.hpp"
#include "platform/Memory.hpp"
#include "platform/Sound.hpp"
#include "savegame/GalleryFolder.hpp"
#include "savegame/SavedGame.hpp"
#include "startup/CallbackGuard.hpp"
#include "startup/GameDrawing.hpp"
#include "startup/GameInput.hpp"
#include "startup/GameWindow.hpp"
#include "ui/Keyboard.hpp"
#include "ui/MouseCursor.hpp"
#include "video/MaskFile.hpp"
#include "video/SceneFit.hpp"

#include <GL/freeglut.h>
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

using namespace GameLogic::PalaceBuild;
using Clock = std::chrono::steady_clock;

namespace
{

const char* const toolbarFolders[] = {"BMP/palace/", "BMP/decoration/", "BMP/person/"};

// The soak clears the scene every this many rounds.
constexpr int clearEvery = 50;

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Resident memory of this process in MiB, from /proc/self/status.
double residentMiB()
{
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == "VmRSS:")
        {
            double kiB = 0;
            status >> kiB;
            return kiB / 1024.0;
        }
    return 0;
}

// Live GL textures: names handed out so far that still name a texture. Mesa
// hands out names in increasing order, so a fresh name bounds the search.
int liveTextures()
{
    GLuint probe = 0;
    glGenTextures(1, &probe);
    int live = 0;
    for (GLuint name = 1; name < probe; ++name)
        live += glIsTexture(name) ? 1 : 0;
    glDeleteTextures(1, &probe);
    return live;
}

std::vector<std::string> toolbarPictures()
{
    std::vector<std::string> files;
    for (const char* folder : toolbarFolders)
    {
        std::vector<std::vector<std::string>> rows;
        listPicturesByRow(folder, rows, GameLogic::PalaceBuild::Toolbar::picturePattern);
        for (const auto& row : rows)
            files.insert(files.end(), row.begin(), row.end());
    }
    return files;
}

// The window and GL state the game sets up before its level, full screen
// at the X screen's size (the scene fitted into it as the game fits it).
void openGame(StartUp::Game& game)
{
    Platform::DisplayMode mode;
    mode.width = 1024;
    mode.height = 768;
    Platform::readCurrentMode(mode);
    game.fullScreen().setScreen(int(mode.width), int(mode.height), false);
    StartUp::initGraphics();
    StartUp::onReshape(int(mode.width), int(mode.height));
    Platform::setSoundSink([](const std::string&) {});
}

// The game's level, built anew.
GameLevel& newLevel()
{
    StartUp::Game::current->buildLevel();
    return *StartUp::Game::current->level();
}

// A frame of the game's own level as the game makes it: the idle loop looks
// at what would be drawn, and only a change is drawn.
void drawFrame(GameLevel& level)
{
    static std::uint64_t shown = 0;
    if (level.frameSignature() != shown)
        shown = StartUp::drawGameFrame();
}

// Commands that do nothing, for a toolbar measured alone.
struct NoCommands : Commands
{
    void nextBackground() override {}
    void previousBackground() override {}
    void nextFrame() override {}
    void previousFrame() override {}
    void clearPalace() override {}
    void nextColour() override {}
    void previousColour() override {}
    void mirrorSelected() override {}
    void growPieces() override {}
    void shrinkPieces() override {}
    void nextColourCarried() override {}
    void previousColourCarried() override {}
    void mirrorCarried() override {}
    void growCarried() override {}
    void shrinkCarried() override {}
    void showFolder(unsigned) override {}
    void nextFolder() override {}
    void savePicture() override {}
    void savePlainPicture() override {}
    void setWallpaper() override {}
    void print() override {}
    void undo() override {}
    void redo() override {}
    void saveGame() override {}
    void loadGame() override {}
    void toggleGallery() override {}
    bool canUndo() const override { return false; }
    bool canRedo() const override { return false; }
    bool exitLocked() const override { return false; }
    bool canPrint() const override { return false; }
};

int startup()
{
    auto start = Clock::now();
    ImageManager<GameLevel::Background> backgrounds("BMP/background/");
    ImageManager<GameLevel::Frame> frames("BMP/frame/");
    std::printf("start-up: catalogues (backgrounds and frames) %8.1f ms\n",
                millisecondsSince(start));

    start = Clock::now();
    const std::vector<std::string> pictures = toolbarPictures();
    VideoEngine::OpenGL::prepareMasks(pictures);
    std::printf("start-up: masks of %zu pictures, first run %8.1f ms\n", pictures.size(),
                millisecondsSince(start));
    start = Clock::now();
    VideoEngine::OpenGL::prepareMasks(pictures);
    std::printf("start-up: masks, already written      %8.1f ms\n", millisecondsSince(start));

    std::vector<std::vector<std::string>> firstFolder;
    listPicturesByRow("BMP/palace/", firstFolder, GameLogic::PalaceBuild::Toolbar::picturePattern);
    const std::size_t heapBefore = mallinfo2().uordblks;
    const int texturesBefore = liveTextures();
    start = Clock::now();
    NoCommands none;
    auto toolbar = std::make_shared<GameLogic::PalaceBuild::Toolbar>(GameLogic::PalaceBuild::controls(), firstFolder, none);
    std::printf("start-up: toolbar                     %8.1f ms\n", millisecondsSince(start));
    // The toolbar's memory after every cell has shown every picture of
    // every folder once.
    for (std::size_t folder = 0; folder < 3; ++folder)
    {
        toolbar->showFolder(folder);
        GameLogic::Targets targets;
        toolbar->addTargets(targets, [](std::size_t) {});
        for (const GameLogic::Target& target : targets.all())
            for (std::size_t k = 0; target.name == "next picture" &&
                                    k < toolbar->cell(target.index).pictureFiles().size();
                 ++k)
                target.act();
    }
    toolbar->showFolder(0);
    std::printf("start-up: toolbar's memory            %8.1f KiB heap, %d GL textures\n",
                (mallinfo2().uordblks - heapBefore) / 1024.0, liveTextures() - texturesBefore);
    toolbar.reset();

    start = Clock::now();
    GameLevel* level = &newLevel();
    std::printf("start-up: whole level                 %8.1f ms\n", millisecondsSince(start));
    start = Clock::now();
    drawFrame(*level);
    std::printf("start-up: first game frame            %8.1f ms\n", millisecondsSince(start));
    return 0;
}

// A point of the piece the cell of the row shows that takes a drag, if any.
bool pointOnPicture(GameLevel& level, std::size_t row, int& x, int& y)
{
    const GameLogic::Targets targets = level.targets();
    for (const GameLogic::Target& piece : targets.all())
    {
        if (piece.name != "piece" || piece.index != row)
            continue;
        const auto& rect = piece.box;
        for (y = rect.top + (rect.bottom - rect.top) / 2; y < rect.bottom; ++y)
            for (x = rect.left; x < std::min(rect.right, 220); ++x)
                if (piece.contains({x, y}))
                    return true;
    }
    return false;
}

// N pieces spread over the scene, the pictures of the toolbar's cells as a
// child pages through them (every folder, every page), sized at random;
// loaded as a saved game.
void buildScene(GameLevel& level, int pieces)
{
    std::mt19937 random(7);
    Palace scene;
    std::size_t folder = 0;
    std::vector<std::size_t> shown(3, 0);
    for (int i = 0; i < pieces; ++i)
    {
        if (i % 9 == 8)
        {
            folder = (folder + 1) % 3;
            shown.assign(3, 0);
        }
        std::vector<std::vector<std::string>> rows;
        listPicturesByRow(toolbarFolders[folder], rows, Toolbar::picturePattern);
        const std::size_t row = std::size_t(i) % rows.size();
        if (rows[row].empty())
            continue;
        shown[row] = (shown[row] + 1) % rows[row].size();
        auto brick = std::make_shared<Brick>(rows[row][shown[row]]);
        brick->setPosition(240 + int(random() % 700), int(random() % 650));
        brick->setSize(4 + unsigned(random() % 9));
        scene.addBrick(brick);
    }
    SaveGame::SavedGameFile("savegame.txt").save(scene, level.backgrounds(), level.frames());
    level.loadGame();
}

// The frame as the game drew it before the still part was kept and pieces
// were batched: everything, every frame, one draw per piece.
void drawEverything(GameLevel& level)
{
    auto drawBrick = [](const Brick& brick)
    {
        const auto& s = brick.sourceRect();
        const auto& d = brick.screenRect();
        if (brick.clipped())
            brick.picture().drawPart(s.left, s.top, s.right, s.bottom, d.left, d.top, d.right, d.bottom);
        else
            brick.picture().draw();
    };
    glClearColor(1.0f, 1.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    level.backgrounds().current.draw();
    const auto& pile = level.palace().bricks();
    for (auto brick = pile.rbegin(); brick != pile.rend(); ++brick)
        drawBrick(**brick);
    VideoEngine::OpenGL::PictureBatch cells, controls;
    level.toolbar().addCells(cells);
    cells.draw();
    level.frames().current.draw();
    level.toolbar().addControls(controls);
    controls.draw();
    if (level.carried())
        level.carried()->picture().draw();
    glFlush();
    glutSwapBuffers();
    glFinish();
}

// The first window pixel that falls on the point (x, y) of the logical
// screen, the scene being fitted into the window as the game fits it.
VideoEngine::OpenGL::Position windowPixel(int x, int y)
{
    const VideoEngine::OpenGL::SceneFit fit = StartUp::Game::current->sceneFit();
    auto pixel = [](int point, int offset, int pixels, int units)
    { return offset + int((std::int64_t(point) * pixels + units - 1) / units); };
    return {pixel(x, fit.left, fit.width, 1024), pixel(y, fit.top, fit.height, 768)};
}

// The mouse as GLUT delivers it, at the window pixel of a point of the
// logical screen. What a callback lets escape is thrown on.
void press(int x, int y, int button = GLUT_LEFT_BUTTON)
{
    const VideoEngine::OpenGL::Position at = windowPixel(x, y);
    StartUp::onMouse(button, GLUT_DOWN, at.x, at.y);
    StartUp::rethrowPending();
    StartUp::onMouse(button, GLUT_UP, at.x, at.y);
    StartUp::rethrowPending();
}

void moveTo(int x, int y)
{
    const VideoEngine::OpenGL::Position at = windowPixel(x, y);
    StartUp::onPassiveMotion(at.x, at.y);
    StartUp::rethrowPending();
}

// Milliseconds per frame over frames frames, each after step(i).
template <class Draw, class Step> double perFrame(int frames, Draw draw, Step step)
{
    for (int i = 0; i < 3; ++i)
        draw();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i)
    {
        step(i);
        draw();
    }
    return millisecondsSince(start) / frames;
}

int scene(int pieces)
{
    GameLevel& level = newLevel();
    auto start = Clock::now();
    buildScene(level, pieces);
    const double buildMs = millisecondsSince(start);
    const int frames = pieces >= 1000 ? 20 : 40;

    // A piece carried across the scene; nothing else changes.
    int x = 0, y = 0;
    pointOnPicture(level, 0, x, y);
    press(x, y);
    auto carry = [&](int i) { moveTo(300 + (i * 37) % 600, 100 + (i * 23) % 500); };
    const double carryMs = perFrame(
        frames, [&] { drawFrame(level); }, carry);
    // A change to a laid piece every frame: the still part is drawn anew
    // where the piece lies.
    auto tint = [&](int) { level.nextColour(); };
    const double changeMs = perFrame(
        frames, [&] { drawFrame(level); }, tint);
    // A control lit and unlit under the mouse every frame: the still part is
    // drawn anew within the control's box.
    const GameLogic::Targets targets = level.targets();
    const auto mirror = std::find_if(targets.all().begin(), targets.all().end(),
                                     [](const GameLogic::Target& t) { return t.name == "mirror"; });
    auto light = [&](int i) { mirror->light(i % 2 == 0, false); };
    const double litMs = perFrame(
        frames, [&] { drawFrame(level); }, light);
    mirror->light(false, false);
    const int textures = liveTextures();
    const double memoryMiB = residentMiB();
    glFinish();
    start = Clock::now();
    Platform::releaseFreeMemory(); // as the game does once it falls idle
    const double releaseMs = millisecondsSince(start);
    const double idleMiB = residentMiB();
    // Another background every frame: everything is drawn whole. Measured
    // after the memory, which the second background would add to.
    double wholeMs = 0;
    {
        // Both backgrounds held meanwhile, so that a swap shares their
        // pictures instead of reading them again: the redraw alone is timed.
        const GameLevel::Background first = level.backgrounds().current;
        level.nextBackground();
        const GameLevel::Background second = level.backgrounds().current;
        level.previousBackground();
        auto swap = [&](int i) { i % 2 ? level.previousBackground() : level.nextBackground(); };
        wholeMs = perFrame(
            frames, [&] { drawFrame(level); }, swap);
    }
    const double carryOldMs = perFrame(
        frames, [&] { drawEverything(level); }, carry);
    const double changeOldMs = perFrame(
        frames, [&] { drawEverything(level); }, tint);
    const double lightOldMs = perFrame(
        frames, [&] { drawEverything(level); }, light);
    mirror->light(false, false);
    level.undo(); // lets the carried piece go

    Palace pile;
    pile.replacePile(level.palace().bricks(), nullptr);
    auto dragged = std::make_shared<Brick>(level.toolbar().cell(0).shownFile());
    std::mt19937 random(11);
    const int moves = 2000;
    start = Clock::now();
    for (int i = 0; i < moves; ++i)
    {
        dragged->setPosition(240 + int(random() % 700), int(random() % 650));
        pile.snap(dragged);
    }
    const double snapUs = millisecondsSince(start) * 1000.0 / moves;

    start = Clock::now();
    level.saveGame();
    const double saveMs = millisecondsSince(start);
    std::ifstream saved("savegame.txt", std::ios::binary | std::ios::ate);

    std::printf(
        "%5zu pieces at %dx%d: carrying %5.1f ms (drawing everything %6.1f) | after a change "
        "%5.1f ms (%6.1f), after a control lit %5.1f ms (%6.1f), whole %5.1f ms | snap %6.2f us/move | save %5.1f ms "
        "(%ld bytes) | as played: "
        "%4d textures, %6.1f MiB (%6.1f once idle, given back in %.1f ms), taking the pieces "
        "%6.1f ms\n",
        level.palace().bricks().size(), StartUp::Game::current->fullScreen().windowWidth(),
        StartUp::Game::current->fullScreen().windowHeight(), carryMs, carryOldMs, changeMs, changeOldMs, litMs,
        lightOldMs, wholeMs, snapUs,
        saveMs, long(saved.tellg()), textures, memoryMiB, idleMiB, releaseMs, buildMs);
    return 0;
}

// Loads "savegame.txt" into a fresh level, as the load button does; fails
// when it does not hold the pieces the scene step laid.
int load(std::size_t pieces)
{
    GameLevel& level = newLevel();
    drawFrame(level);
    const double emptyMiB = residentMiB();
    const int emptyTextures = liveTextures();
    const auto start = Clock::now();
    level.loadGame();
    const double loadMs = millisecondsSince(start);
    const double loadedMiB = residentMiB();
    drawFrame(level);
    std::set<const void*> pictures;
    for (const auto& brick : level.palace().bricks())
        pictures.insert(brick->picture().data.get());
    const double drawnMiB = residentMiB();
    glFinish();
    Platform::releaseFreeMemory();
    std::printf("%5zu pieces: load %6.1f ms (%zu pictures) | textures %d -> %d | RSS %.1f -> "
                "%.1f MiB loaded, %.1f MiB drawn, %.1f MiB once idle\n",
                level.palace().bricks().size(), loadMs, pictures.size(), emptyTextures,
                liveTextures(), emptyMiB, loadedMiB, drawnMiB, residentMiB());
    if (level.palace().bricks().size() == pieces)
        return 0;
    std::fprintf(stderr, "loaded %zu pieces of %zu\n", level.palace().bricks().size(), pieces);
    return 1;
}

// One round of play, about ten things a child does: a drag from the toolbar
// and a drop, a tint, a mirror and a size step on the carried piece, a
// stamp, picking a placed piece up and laying it elsewhere, paging a cell,
// the next folder, background or frame, and now and then a save, a load or
// a cleared scene. A frame is drawn after each.
void playRound(GameLevel& level, std::mt19937& random, int round)
{
    const std::size_t row = std::size_t(round) % level.toolbar().cellCount();
    int x = 0, y = 0;
    if (pointOnPicture(level, row, x, y))
    {
        press(x, y);
        moveTo(300 + int(random() % 600), 50 + int(random() % 600));
        StartUp::Game::current->pressKey(round % 2 ? 'i' : 'u');
        StartUp::Game::current->pressSpecial(round % 3 ? GLUT_KEY_LEFT : GLUT_KEY_UP);
        drawFrame(level);
        const int dropX = 300 + int(random() % 600), dropY = 50 + int(random() % 600);
        moveTo(dropX, dropY);
        press(dropX, dropY, GLUT_RIGHT_BUTTON);
        moveTo(dropX + 40, dropY + 30);
        press(dropX + 40, dropY + 30);
        drawFrame(level);
        // Pick it up again and lay it down elsewhere.
        press(dropX + 40 + 2, dropY + 30 + 2);
        moveTo(dropX + 80, dropY - 20);
        press(dropX + 80, dropY - 20);
        drawFrame(level);
    }
    const GameLogic::Targets targets = level.targets();
    for (const GameLogic::Target& target : targets.all())
        if (target.name == "next picture" && target.index == row)
            target.act();
    level.nextColour();
    drawFrame(level);
    switch (round % 4)
    {
    case 0:
        level.nextFolder();
        break;
    case 1:
        level.nextBackground();
        break;
    case 2:
        level.nextFrame();
        break;
    default:
        level.growPieces();
        break;
    }
    drawFrame(level);
    if (round % 10 == 9)
        level.saveGame();
    if (round % 20 == 19)
        level.loadGame();
    if (round % clearEvery == clearEvery - 1)
        level.clearPalace();
    drawFrame(level);
}

int soak(int rounds)
{
    GameLevel& level = newLevel();
    std::mt19937 random(3);
    // Figures right after each cleared scene, so every sample shows the same
    // empty pile: what grows between them is a leak.
    std::printf("soak: %d rounds of about ten actions, figures after each cleared scene\n", rounds);
    std::printf("%7s %8s %9s %9s %8s\n", "round", "pieces", "textures", "RSS MiB", "s");
    const auto start = Clock::now();
    for (int round = 0; round <= rounds; ++round)
    {
        if (round % clearEvery == 0)
            std::printf("%7d %8zu %9d %9.1f %8.1f\n", round, level.palace().bricks().size(),
                        liveTextures(), residentMiB(), millisecondsSince(start) / 1000.0);
        if (round < rounds)
            playRound(level, random, round);
        std::fflush(stdout);
    }
    return 0;
}

// Bytes the heap holds now, small blocks and mapped ones.
double heapKiB()
{
    const struct mallinfo2 heap = mallinfo2();
    return double(heap.uordblks + heap.hblkhd) / 1024.0;
}

// A key as the level's keyboard gets it.
void key(unsigned char code)
{
    StartUp::Game::current->pressKey(code);
}

// N pieces laid, then 100 steps through the game's input callbacks (tints and
// mirrors of the selected piece, backgrounds, new pieces laid); what the heap
// grew by, then 100 undos and 100 redos, each with its frame.
int history(int pieces)
{
    GameLevel& level = newLevel();
    buildScene(level, pieces);
    drawFrame(level);
    const double builtKiB = heapKiB();
    press(10, 400); // a press on no control: the history takes the built scene
    const double firstStepKiB = heapKiB();
    std::mt19937 random(5);
    int x = 0, y = 0;
    pointOnPicture(level, 0, x, y);
    const int steps = 100;
    auto start = Clock::now();
    for (int i = 0; i < steps; ++i)
    {
        if (i % 4 == 0)
            press(159, 108); // the next-colour button
        else if (i % 4 == 1)
            key(i % 8 == 1 ? 'b' : 'f');
        else if (i % 4 == 2)
            press(914, 29); // the mirror button
        else
        {
            press(x, y);
            const int dropX = 300 + int(random() % 600), dropY = 100 + int(random() % 500);
            moveTo(dropX, dropY);
            press(dropX, dropY);
        }
    }
    const double stepMs = millisecondsSince(start) / steps;
    drawFrame(level);
    const double stepsKiB = heapKiB();
    start = Clock::now();
    for (int i = 0; i < steps; ++i)
    {
        key(GameLevel::undoKey);
        drawFrame(level);
    }
    const double undoMs = millisecondsSince(start) / steps;
    start = Clock::now();
    for (int i = 0; i < steps; ++i)
    {
        key(GameLevel::redoKey);
        drawFrame(level);
    }
    const double redoMs = millisecondsSince(start) / steps;
    std::printf("%5zu pieces: the first step keeps %7.1f KiB | %d steps more keep %7.1f KiB "
                "(%.0f bytes a step) | input of a step %5.2f ms | undo %5.1f ms, redo %5.1f ms "
                "with their frames | RSS %.1f MiB\n",
                level.palace().bricks().size(), firstStepKiB - builtKiB, steps,
                stepsKiB - firstStepKiB, (stepsKiB - firstStepKiB) * 1024.0 / steps, stepMs, undoMs,
                redoMs, residentMiB());
    return 0;
}

// A gallery of N palaces of 30 pieces each, written as the game writes
// them; then the gallery opened with every thumbnail to make (the first page
// on screen, and whole), opened again with them made, and what one palace
// costs on disk.
int gallery(int palaces)
{
    GameLevel& level = newLevel();
    buildScene(level, 30);
    drawFrame(level);
    SaveGame::GalleryFolder folder("gallery");
    for (int i = 0; i < palaces; ++i)
    {
        char name[32];
        std::snprintf(name, sizeof name, "2020-01-01 00-%02d-%02d", i / 60 % 60, i % 60);
        level.palace().bricks().front()->moveBy(1, 0);
        folder.keep(name + std::string(i >= 3600 ? " " + std::to_string(i) : ""), level.palace(),
                    level.backgrounds(), level.frames());
    }
    double openMs[2] = {}, wholeMs = 0;
    for (double& ms : openMs)
    {
        const auto start = Clock::now();
        level.toggleGallery();
        drawFrame(level);
        glFinish();
        ms = millisecondsSince(start);
        // The page fills in as the game's loop fills it: a thumbnail, a frame.
        while (level.followGallery())
            drawFrame(level);
        glFinish();
        wholeMs = wholeMs > 0 ? wholeMs : millisecondsSince(start);
        level.toggleGallery();
        drawFrame(level);
    }
    std::uintmax_t text = 0, thumbnails = 0, counted = 0;
    for (const auto& entry : std::filesystem::directory_iterator("gallery"))
    {
        const bool picture = entry.path().extension() == ".png";
        (picture ? thumbnails : text) += entry.is_regular_file() ? entry.file_size() : 0;
        counted += picture ? 1 : 0;
    }
    std::printf("%4d palaces: first page %6.1f ms with its thumbnails to make (the page whole "
                "at %.1f ms), %6.1f ms with them made | %zu thumbnails made | a palace of 30 "
                "pieces: %ju bytes, its thumbnail %ju bytes\n",
                palaces, openMs[0], wholeMs, openMs[1], std::size_t(counted),
                text / std::uintmax_t(palaces + 1),
                counted ? thumbnails / counted : std::uintmax_t(0));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const int count = argc > 2 ? std::atoi(argv[2]) : 0;
    if (mode != "startup" &&
        !(count >= 0 && (mode == "scene" || mode == "load" || mode == "soak" ||
                         mode == "history" || mode == "gallery")))
    {
        std::fprintf(stderr,
                     "usage: bench-game startup | scene PIECES | load PIECES | soak ROUNDS | history N "
                     "| gallery PALACES\n");
        return 2;
    }
    StartUp::Game game;
    openGame(game);
    const int status = mode == "startup"   ? startup()
                       : mode == "scene"   ? scene(count)
                       : mode == "load"    ? load(std::size_t(count))
                       : mode == "history" ? history(count)
                       : mode == "gallery" ? gallery(count)
                                           : soak(count);
    return status;
}
