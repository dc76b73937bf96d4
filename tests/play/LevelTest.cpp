// The game level on its game folder, driven through the game's input
// callbacks: drag and drop, every key and control, undo and redo, and the
// picture capture.

#include "support/Level.hpp"
#include "model/Palace.hpp"
#include "play/MouseHandler.hpp"
#include "play/Toolbar.hpp"
#include "savegame/SavedGame.hpp"
#include "video/SceneFit.hpp"

#include <algorithm>
#include <boost/filesystem.hpp>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace TestSupport;
using GameLogic::PalaceBuild::Brick;
using Level = LevelTest;
using VideoEngine::OpenGL::fitScene;
namespace fs = boost::filesystem;

namespace
{

std::string describe(const std::shared_ptr<const Brick>& brick)
{
    if (!brick)
        return "none";
    std::ostringstream text;
    text << brick->picture().position.x << "," << brick->picture().position.y << " mirror "
         << brick->picture().mirror << " tint " << brick->picture().colorChanger.step << " size "
         << brick->picture().size;
    return text.str();
}

// The names of the files in the folder, sorted, without the extension.
std::vector<std::string> stems(const std::string& folder, const std::string& extension)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.path().extension() == extension)
            names.push_back(entry.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

std::string LevelTest::saved() const
{
    return SaveGame::savedGameText(level->palace(), level->backgrounds(), level->frames());
}

TEST_F(Level, DragAndDrop)
{
    // The arch is taken from the cell held at 15, 10 from its corner, the
    // flower and the king (at 108,195 in their cells) at 10, 10. Laid by a
    // drag or a jump of the pointer to 517,431 (or 512,431) below the arch at
    // 500,400, a piece snaps to 500,420.
    const char* const snapped = "500,420 mirror 0 tint 0 size 10";
    const struct
    {
        const char* script;
        int laid;
        const char* carried;
        const char* sounds;
        const char* selected = nullptr; // the laid piece selected, when given
    } rows[] = {
        {"t m300,300", 0, "285,290", "startDrag"},
        {"t m250,300 l235,300", 0, "220,290", "startDrag"}, // short of the drop zone
        {"t m250,300 l236,300", 1, "none", "startDrag drop"},
        {"t m300,300 m224,300", 0, "none", "startDrag"}, // thrown away over the toolbar
        {"t m415,310 l415,310 l410,305 m500,400", 0, "490,395", "startDrag drop takeOff"},
        {"t m415,310 l415,310 r410,305", 0, "none", "startDrag drop takeOff"},
        {"t m415,310 r415,310 m515,410 r515,410", 2, "500,400", "startDrag drop drop"},
        // Held and dragged from each folder's cell, and released in the palace.
        {"t m515,410 l515,410 p105,195 d300,300 d517,431 u517,431", 2, "none",
         "startDrag drop startDrag drop", snapped},
        {"t m515,410 l515,410 l130,30 p108,195 d300,300 d512,431 u512,431", 2, "none",
         "startDrag drop button startDrag drop", snapped},
        {"t m515,410 l515,410 l34,30 p108,195 d300,300 d512,431 u512,431", 2, "none",
         "startDrag drop button startDrag drop", snapped},
        // A laid piece dragged keeps its grab point.
        {"t m415,310 l415,310 p410,305 d420,310 d610,405 u610,405", 1, "none",
         "startDrag drop takeOff drop", "600,400 mirror 0 tint 0 size 10"},
        {"t m415,310 l415,310 p410,305 d410,405 u410,405", 1, "none", "startDrag drop takeOff drop",
         "400,400 mirror 0 tint 0 size 10"}, // straight down
        // Released over the toolbar: thrown away; between it and the drop
        // zone: still carried, with the button up.
        {"p105,195 d150,250 u150,250", 0, "none", "startDrag"},
        {"t m415,310 l415,310 p410,305 d300,305 d200,305 u200,305", 0, "none",
         "startDrag drop takeOff"},
        {"p105,195 d230,300 u230,300 m300,300", 0, "285,290", "startDrag"},
        // Released over the undo button: laid, nothing undone.
        {"p105,195 d790,15 u790,15", 1, "none", "startDrag drop"},
        // Moved no farther than 8 units with the button held: a click.
        {"p105,195 d113,195 u113,195", 0, "98,185", "startDrag"},
        {"p105,195 d114,195 u114,195", 0, "none", "startDrag"},
        {"t m415,310 l415,310 p410,305 d415,310 u415,310 m500,400", 0, "490,395",
         "startDrag drop takeOff"},
        // The right button stamps during a drag; keys change the dragged piece.
        {"p105,195 d400,300 r400,300 d500,300 u500,300", 2, "none", "startDrag drop drop",
         "485,290 mirror 0 tint 0 size 10"},
        {"p105,195 d400,300 ki < ^ u400,300", 1, "none", "startDrag drop",
         "385,290 mirror 1 tint 1 size 11"},
        // A touch screen: the pointer jumps to each press and release.
        {"t m515,410 l515,410 t l517,431", 2, "none", "startDrag drop startDrag drop", snapped},
        {"t m515,410 l515,410 p105,195 u517,431", 2, "none", "startDrag drop startDrag drop",
         snapped},
    };
    // On an empty palace, and beside a thousand laid pieces.
    GameLogic::PalaceBuild::Palace thousand;
    for (int i = 0; i < 1000; ++i)
    {
        auto piece = std::make_shared<Brick>("BMP/palace/1.arch.png");
        piece->setPosition(700 + i % 25 * 10, 560 + i / 25 * 3);
        thousand.addBrick(piece);
    }
    const std::string crowded =
        SaveGame::savedGameText(thousand, level->backgrounds(), level->frames());
    for (int crowd : {0, 1000})
        for (const auto& row : rows)
        {
            game.buildLevel();
            if (crowd)
            {
                std::ofstream("savegame.txt") << crowded;
                play("kl");
            }
            sounds.played.clear();
            play(row.script);
            level->draw();
            const auto carried = level->carried();
            EXPECT_EQ(int(level->palace().bricks().size()), row.laid + crowd) << row.script;
            EXPECT_EQ(describe(carried).substr(0, describe(carried).find(' ')), row.carried)
                << row.script << " beside " << crowd;
            EXPECT_EQ(sounds.played, row.sounds) << row.script << " beside " << crowd;
            if (row.selected)
            {
                EXPECT_EQ(describe(level->palace().selected()), row.selected) << row.script;
            }
        }
}

TEST_F(Level, TargetsAreWhereTheMouseHitsAndActAsItsClicks)
{
    // A point of each target and a point beside it or on a see-through part;
    // acting on the target without the mouse does what a click there does.
    const char* const two = "t m515,410 l515,410 t m525,415 l525,415"; // at 500,400 and 510,405
    const struct
    {
        const char *before, *name;
        std::size_t index;
        int x, y, missX, missY;
        const char* shows = ""; // in what the click leaves
    } rows[] = {
        {"", "piece", 0, archInCellX, archInCellY, 125, 195},
        {"", "next picture", 0, 119, 285, 119, 270},
        {"", "decoration", 0, 130, 30, 300, 300},
        {"", "check box", 0, 75, 70, 300, 300},
        {"", "clear", 0, 170, 680, 300, 300},
        {two, "laid piece", 0, 525, 410, 535, 410, "1 laid, 500,400"},
        {two, "laid piece", 1, 505, 405, 525, 405, "1 laid, 510,405"},
        {"kg", "bin", 0, 490, 680, 300, 300},
        {"t m515,410 l515,410 kg", "thumbnail", 0, 100, 150, 20, 60},
        {"kg", "gallery", 0, 730, 10, 300, 300},
    };
    auto state = [&]
    {
        return sounds.played + " | " + shownInRow(0) + " | " +
               std::to_string(level->palace().bricks().size()) + " laid, " +
               describe(level->palace().selected()) + (level->carried() ? ", carried" : "") +
               (level->galleryOpen() ? ", gallery" : "") +
               (level->toolbar().sizeBoxTicked() ? ", ticked" : "");
    };
    for (const auto& row : rows)
    {
        std::string clicked[2], before;
        for (bool mouse : {true, false})
        {
            game.buildLevel();
            play(row.before);
            sounds.played.clear();
            before = state();
            const GameLogic::Targets targets = level->targets();
            EXPECT_TRUE(targets.hits({row.x, row.y}, row.name, row.index)) << row.name;
            EXPECT_FALSE(targets.hits({row.missX, row.missY}, row.name, row.index)) << row.name;
            if (mouse)
                play("l" + std::to_string(row.x) + "," + std::to_string(row.y));
            else
                click(row.name, row.index);
            clicked[mouse] = state();
        }
        EXPECT_EQ(clicked[false], clicked[true]) << row.name << " " << row.index;
        EXPECT_NE(clicked[true], before) << row.name << ": the click does something";
        EXPECT_NE(clicked[true].find(row.shows), std::string::npos) << clicked[true];
    }
}

TEST_F(Level, KeysAndControlsReachTheirCommands)
{
    std::string exitRequest;
    const std::map<std::string, std::function<std::string()>> probes = {
        {"background", [&] { return level->backgrounds().current.data->fileName; }},
        {"frame", [&] { return level->frames().current.data->fileName; }},
        {"row 0", [&] { return shownInRow(0); }},
        {"capture", [&] { return std::to_string(level->capture().state()); }},
        {"wallpaper", [&] { return level->capture().wallpaperRequested() ? "yes" : "no"; }},
        {"laid", [&] { return describe(level->palace().selected()); }},
        {"carried", [&] { return describe(level->carried()); }},
        {"cells", [&] { return std::to_string(level->toolbar().cell(0).size()); }},
        {"box", [&] { return level->toolbar().sizeBoxTicked() ? "ticked" : "empty"; }},
        {"saved", [&] { return fs::exists("savegame.txt") ? "yes" : "no"; }},
        {"exit", [&] { return exitRequest; }},
    };
    const struct
    {
        const char *input, *probe, *expected;
    } rows[] = {
        {"kb", "background", "BMP/background/b.png"},
        {"kB", "background", "BMP/background/a.png"},
        {"kB", "background", "BMP/background/c.jpg"},
        {"l30,675", "background", "BMP/background/a.png"},
        {"kf", "frame", "BMP/frame/plain.png"},
        {"kF", "frame", "BMP/frame/gold.png"},
        {"l95,675", "frame", "BMP/frame/plain.png"},
        {"kn", "row 0", "BMP/decoration/1.flower.png"},
        {"kN", "row 0", "BMP/person/1.king.png"},
        {"l82,30", "row 0", "BMP/palace/1.arch.png"},
        {"l32,707", "capture", "1"},
        {"kw", "wallpaper", "yes"},
        {"kP", "wallpaper", "no"},
        {"l77,707", "wallpaper", "yes"},
        {"kp", "wallpaper", "no"},
        {"kW", "wallpaper", "yes"},
        {"t m515,410 l515,410", "laid", "500,400 mirror 0 tint 0 size 10"},
        {"l900,10", "laid", "500,400 mirror 1 tint 0 size 10"},
        {"l119,101 l119,101", "laid", "500,400 mirror 1 tint 2 size 10"},
        {"l29,101", "laid", "500,400 mirror 1 tint 1 size 10"},
        {"l97,65", "laid", "500,400 mirror 1 tint 1 size 11"},
        {"", "cells", "10"},
        {"l70,65", "box", "ticked"},
        {"l29,65", "laid", "500,400 mirror 1 tint 1 size 10"},
        {"l29,65", "cells", "9"},
        {"l32,740", "saved", "yes"},
        {"l160,675", "laid", "none"},
        {"l77,740", "laid", "500,400 mirror 1 tint 1 size 9"},
        {"l160,675 kl", "laid", "500,400 mirror 1 tint 1 size 9"},
        {"l160,675 ks l77,740", "laid", "none"},
        {"t m600,300", "carried", "587,291 mirror 0 tint 0 size 9"},
        {"ki ki ku", "carried", "587,291 mirror 0 tint 1 size 9"},
        {"<", "carried", "587,291 mirror 1 tint 1 size 9"},
        {">", "carried", "587,291 mirror 0 tint 1 size 9"},
        {"^", "carried", "587,291 mirror 0 tint 1 size 10"},
        {"v v", "carried", "587,291 mirror 0 tint 1 size 8"},
        {"l1010,10", "exit", "exit"},
    };
    for (const auto& row : rows)
    {
        try
        {
            play(row.input);
        }
        catch (const std::runtime_error& request)
        {
            exitRequest = request.what();
        }
        EXPECT_EQ(probes.at(row.probe)(), row.expected) << row.input;
    }
}

TEST_F(Level, UndoAndRedoTakeEachKindOfStepBackAndBringItAgain)
{
    // Arch A laid at 500,400 and arch B at 600,500; with A picked up, moved
    // and its move undone, A is selected under B.
    const std::string two = "t m515,410 l515,410 t m615,510 l615,510";
    const std::string aSelected = two + " l510,405 m700,300 l700,300 z";
    const struct
    {
        std::string setup;
        const char *step, *selectedAfterUndo, *selectedAfterRedo;
    } rows[] = {
        {"", "t m515,410 l515,410", "none", "500,400"},
        {"", "p105,195 d300,300 d515,410 u515,410", "none", "500,400"},
        {two, "p510,405 d600,300 d700,300 u700,300", "500,400", "690,295"},
        {two, "l510,405 m700,300 l700,300", "500,400", "690,295"},
        {two, "r510,405", "500,400", "600,500"},
        {two, "t m715,410 r715,410 m200,300", "600,500", "700,400"}, // stamped, new piece thrown
        {two, "l510,405 m700,300 m200,300", "500,400", "600,500"},   // picked up and thrown
        {aSelected, "l119,101", "500,400", "500,400"},
        {aSelected, "l900,10", "500,400", "500,400"},
        {aSelected, "l97,65", "500,400", "500,400"},
        {two, "l510,405 ki < ^ m700,300 l700,300", "500,400", "690,295"},
        {two, "l160,675", "600,500", "none"},
        {two, "kb", "600,500", "600,500"},
        {two, "kF", "600,500", "600,500"},
        {two, "l30,675", "600,500", "600,500"},
        {two, "l95,675", "600,500", "600,500"},
        {two + " ks l160,675", "kl", "none", "600,500"},
    };
    auto selected = [&]
    {
        const std::string text = describe(level->palace().selected());
        return text.substr(0, text.find(' '));
    };
    for (const auto& row : rows)
    {
        game.buildLevel();
        play(row.setup);
        const std::string before = saved();
        play(row.step);
        const std::string after = saved();
        EXPECT_NE(before, after) << row.step;
        play("z");
        EXPECT_EQ(saved(), before) << row.step;
        EXPECT_EQ(selected(), row.selectedAfterUndo) << row.step;
        play("y");
        EXPECT_EQ(saved(), after) << row.step;
        EXPECT_EQ(selected(), row.selectedAfterRedo) << row.step;
        // By the buttons, the redo button when nothing is left to redo.
        play("l800,20 l850,20 l850,20");
        EXPECT_EQ(saved(), after) << row.step;
    }
}

TEST_F(Level, UndoAndRedoFollowThePalaceInPlay)
{
    // A palace with an arch, cleared: kept, and a new one in play. The clear
    // undone, the old palace is in play again as itself, and what follows is
    // kept in its own file, with no copy anywhere.
    play("t m515,410 l515,410");
    const std::string first = level->palaceInPlay().name();
    play("l160,675");
    const std::string second = level->palaceInPlay().name();
    EXPECT_NE(second, first);
    play("z");
    EXPECT_EQ(level->palaceInPlay().name(), first);
    play("t m615,510 l615,510");
    level->endPlay();
    play("y l160,675 t m715,410 l715,410 z z");
    EXPECT_EQ(level->palaceInPlay().name(), first) << "a new step drops the redo";
    level->endPlay();
    EXPECT_EQ(stems("gallery", ".txt"), std::vector<std::string>({first}));
    EXPECT_EQ(readFile("gallery/" + first + ".txt"), saved());
}

TEST_F(Level, UndoNeverWritesOverWhatAnotherGameDidToThePalace)
{
    // An arch in a palace, a clear, an arch in the next; meanwhile another
    // game in the folder (flock tells its locks from ours as from another
    // process's) does something to the first palace. Undone into, it stays
    // itself only when left alone, else its steps go on in one copy. A
    // thumbnail this game makes of it meanwhile changes nothing.
    const std::string rows[] = {"leaves it", "holds it", "changes it and ends",
                                "changes it and ends; thumbnail"};
    auto theirCatalogues = GameLogic::PalaceBuild::GameLevel::makeCatalogues();
    for (const std::string& row : rows)
    {
        game.buildLevel();
        play("t m515,410 l515,410");
        const std::string first = level->palaceInPlay().name();
        play("l160,675 t m615,510 l615,510");
        auto other = std::make_unique<SaveGame::GalleryFolder>("gallery");
        GameLogic::PalaceBuild::Palace opened;
        if (row != rows[0])
        {
            other->open(first, opened, *theirCatalogues.backgrounds, *theirCatalogues.frames);
            ASSERT_TRUE(other->take(first)) << row;
        }
        if (row.rfind(rows[2], 0) == 0)
        {
            other->keep(first, level->palace(), level->backgrounds(), level->frames());
            other.reset();
        }
        const std::string theirs = readFile("gallery/" + first + ".txt");
        play(row == rows[3] ? "kg kg z z" : "z z");
        const std::string copy = level->palaceInPlay().name();
        EXPECT_EQ(copy == first, row == rows[0]) << row;
        play("z");
        EXPECT_EQ(level->palaceInPlay().name(), copy) << row << ": one copy";
        play("y");
        level->endPlay();
        EXPECT_EQ(readFile("gallery/" + copy + ".txt"), saved()) << row;
        EXPECT_EQ(readFile("gallery/" + first + ".txt"), theirs) << row;
        // No lock file is left but of the palace in play.
        other.reset();
        EXPECT_EQ(stems("gallery/.locks", ""), std::vector<std::string>({copy})) << row;
    }
}

TEST_F(Level, GalleryPagesThroughTheKeptPalacesNewestFirst)
{
    // Fourteen palaces of an arch each, kept one by one by the clear button.
    std::vector<std::string> made;
    for (int i = 0; i < 14; ++i)
    {
        play("t m515,410 l515,410");
        made.insert(made.begin(), level->palaceInPlay().name());
        play("l160,675");
    }
    const std::string inPlay = level->palaceInPlay().name();
    auto thumbnails = [] { return std::distance(fs::directory_iterator("gallery"), {}) - 15; };
    auto shown = [&]() -> const GameLogic::PalaceBuild::GalleryScreen&
    { return level->palaceGallery().page(); };
    // Steps of filling in until the page is whole (at most 20), and the
    // second slot (the first has the highlight over it) as drawn.
    auto fill = [&]
    {
        int steps = 0;
        while (steps < 20 && level->followGallery())
            ++steps;
        return steps;
    };
    auto secondSlot = [&] { return level->draw(), gl.pixel(294, 88); };
    play("kg");
    ASSERT_TRUE(level->galleryOpen());
    EXPECT_EQ(shown().page(), std::vector<std::string>(made.begin(), made.begin() + 12))
        << "newest first";
    // It shows at once, its slots waiting, then fills in: the palace's sky.
    EXPECT_EQ(thumbnails(), 0);
    EXPECT_TRUE(near(secondSlot(), {238, 244, 248, 255})) << secondSlot();
    EXPECT_EQ(fill(), 12);
    EXPECT_TRUE(near(secondSlot(), sky)) << secondSlot();
    EXPECT_EQ(thumbnails(), 12) << "only the page shown gets thumbnails";
    // Keys and the page arrows reach the screen (its own test has their rows).
    play("v v v l80,706 l944,706");
    EXPECT_EQ(shown().highlighted(), made[12]);
    EXPECT_EQ(fill(), 2);
    EXPECT_EQ(thumbnails(), 14);
    // A damaged thumbnail is made again from its palace when it is shown.
    const std::string damaged = "gallery/" + made[3] + ".png";
    std::ofstream(damaged) << "not a picture";
    play("kg kg");
    EXPECT_EQ(fill(), 1);
    EXPECT_EQ(readFile(damaged).substr(1, 3), "PNG");
    // A click on the sixth slot of the first page, still waiting, opens its
    // palace.
    fs::remove("gallery/" + made[5] + ".png");
    play("kg kg l400,350");
    EXPECT_FALSE(level->galleryOpen());
    EXPECT_EQ(level->palaceInPlay().name(), made[5]);
    EXPECT_NE(level->palaceInPlay().name(), inPlay);
    EXPECT_EQ(level->palace().bricks().size(), 1u);
}

TEST_F(Level, UndoCancelsACarryFirstAndGoesBackAHundredSteps)
{
    play("t m515,410 l515,410 t m615,510 l615,510");
    const std::string two = saved();
    // A new piece carried vanishes; what it stamped stays until undone.
    play("t m715,410 r715,410 ki m720,420");
    const std::string stamped = saved();
    play("z");
    EXPECT_FALSE(level->carried());
    EXPECT_EQ(saved(), stamped);
    play("z");
    EXPECT_EQ(saved(), two);
    // A picked-up piece goes back where it lay, as it was.
    play("l510,405 m700,300 ki < ^ r700,300 m710,320 l800,20 y"); // nothing to redo
    EXPECT_EQ(describe(level->carried()), "none");
    EXPECT_EQ(describe(level->palace().selected()), "500,400 mirror 0 tint 0 size 10");
    EXPECT_NE(saved(), two); // the stamp stays
    const std::string stampStays = saved();
    play("l800,20");
    EXPECT_EQ(saved(), two);
    // Redo while a piece is carried lets the piece go first.
    play("l510,405 m600,300 y");
    EXPECT_FALSE(level->carried());
    EXPECT_EQ(saved(), stampStays);
    play("z");
    // A new step drops the steps that could be redone.
    play("z kb y");
    EXPECT_EQ(level->palace().bricks().size(), 1u);
    // 150 steps: the last 100 are undone, no more.
    for (int i = 0; i < 150; ++i)
        play("kb");
    const std::string last = saved();
    for (int i = 0; i < 101; ++i)
        play("z");
    EXPECT_EQ(level->backgrounds().currentFile(), "BMP/background/a.png"); // 1 + 50 of 3
    for (int i = 0; i < 101; ++i)
        play("y");
    EXPECT_EQ(saved(), last);
}

TEST_F(Level, PictureCaptureShowsTheSceneAlone)
{
    // Two arches, one under the frame's top border, one cut at the toolbar
    // edge, and one carried at (800, 400).
    GameLogic::PalaceBuild::Palace cut;
    auto clipped = std::make_shared<Brick>("BMP/palace/1.arch.png");
    clipped->setPosition(210, 400);
    cut.addBrick(clipped);
    std::ofstream("savegame.txt") << SaveGame::savedGameText(cut, level->backgrounds(),
                                                             level->frames());
    play("kl t m615,40 l615,40 t m615,110 l615,110 t m815,410");
    const struct
    {
        int x, y;
        Rgba normal, capture;
    } probes[] = {
        {610, 40, frameColour, red},
        {610, 110, red, red},
        {650, 110, sky, sky},
        {archInCellX, archInCellY, red, sky},
        {30, 675, controlColour(1), sky},
        {805, 405, red, sky},
        {212, 410, frameColour, red},
    };
    auto expectScreen = [&](bool capture)
    {
        gl.clear(Rgba{255, 255, 0, 255});
        level->draw();
        for (const auto& p : probes)
            EXPECT_TRUE(near(gl.pixel(p.x, p.y), capture ? p.capture : p.normal))
                << capture << " at " << p.x << "," << p.y << ": " << gl.pixel(p.x, p.y);
    };
    expectScreen(false);
    play("kp");
    expectScreen(true);
    expectScreen(true);
    const std::vector<fs::path> files(fs::directory_iterator("PrintScreen"), {});
    ASSERT_EQ(files.size(), 1u);
    for (const auto& p : probes)
        EXPECT_TRUE(near(readPixel(files[0].string(), p.x, p.y), p.capture))
            << "saved at " << p.x << "," << p.y;
    expectScreen(false);
}

TEST_F(Level, KeptStillPartShowsWhatAWholeRedrawShows)
{
    // Every kind of piece: three folders, mirrored, tinted, sized, cut at
    // the toolbar edge, under the frame, one carried.
    play("t m615,40 l615,40 t m415,310 l415,310 l900,10 l119,101 l119,101 t m440,330 l440,330");
    play("l97,65 l97,65 kn t m600,200 l600,200 l29,101 kn t m210,450 l236,450 m240,450");
    play("t m650,500 l650,500 t m700,600");
    // Each picture drawn alone, in the order the screen stacks them.
    auto drawBrick = [](const Brick& brick)
    {
        const auto& s = brick.sourceRect();
        const auto& d = brick.screenRect();
        if (brick.clipped())
            brick.picture().drawPart(s.left, s.top, s.right, s.bottom, d.left, d.top, d.right,
                                     d.bottom);
        else
            brick.picture().draw();
    };
    // The bars, if any, cleared black as the game clears them.
    VideoEngine::OpenGL::SceneFit fit;
    auto everything = [&]
    {
        gl.clear(Rgba{0, 0, 0, 255});
        fit.clear(true, 1, 1, 0);
        level->backgrounds().current.draw();
        const auto& pile = level->palace().bricks();
        for (auto brick = pile.rbegin(); brick != pile.rend(); ++brick)
            drawBrick(**brick);
        VideoEngine::OpenGL::PictureBatch cells, controls;
        level->toolbar().addCells(cells);
        cells.draw();
        level->frames().current.draw();
        level->toolbar().addControls(controls);
        controls.draw();
        if (level->carried())
            level->carried()->picture().draw();
        return gl.screen();
    };
    // What the game does: no clearing where the level covers the window.
    auto kept = [&]
    {
        gl.clear(Rgba{0, 0, 0, 255});
        fit.clear(!level->coversWindow(), 1, 1, 0);
        level->draw();
        return gl.screen();
    };
    // The kept pieces layer holds their colours premultiplied by alpha:
    // rounding may move a channel by one level, which the table allows.
    // Where soft edges overlap it can now and then move one by two; this
    // layout has no such pixel.
    auto same = [](const std::vector<Rgba>& a, const std::vector<Rgba>& b)
    {
        return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                          [](const Rgba& p, const Rgba& q) { return near(p, q, 1); });
    };
    // 1,000 pieces of every picture, place, size, mirror and tint, loaded.
    auto thousand = [&]
    {
        GameLogic::PalaceBuild::Palace many;
        const char* names[] = {"palace/1.arch", "palace/1.tower", "palace/3.roof",
                               "decoration/1.flower", "person/1.king"};
        for (unsigned k = 0; k < 1000; ++k)
        {
            auto brick = std::make_shared<Brick>("BMP/" + std::string(names[k % 5]) + ".png");
            brick->setPosition(int(k * 7919 % 900) + 101, int(k * 104729 % 760) - 10);
            brick->setSize(4 + k % 9);
            brick->setMirrored(k % 3 == 0);
            for (unsigned step = k % 4; step > 0; --step)
                brick->nextColour();
            many.addBrick(brick);
        }
        std::ofstream("savegame.txt")
            << SaveGame::savedGameText(many, level->backgrounds(), level->frames());
        level->loadGame();
    };
    // Changes by the mouse, by keys, and straight to the pieces, as a load
    // or a command without a control of its own would make them.
    const std::pair<const char*, std::function<void()>> changes[] = {
        {"nothing", [] {}},
        {"carried piece moved", [&] { play("m720,610"); }},
        {"carried piece laid", [&] { play("l720,610"); }},
        {"stamped, tinted",
         [&] { play("kn t m300,500 r300,500 ki m310,505 r310,505 ki ki l320,510"); }},
        {"piece under others picked up", [&] { play("l293,493"); }},
        {"dropped on top", [&] { play("l293,493"); }},
        {"another brought up in one go", [&] { play("l310,497 l310,497"); }},
        {"removed", [&] { play("r293,493"); }},
        {"brought back by undo", [&] { play("z"); }},
        {"tint button", [&] { play("l119,101"); }},
        {"tint", [&] { level->nextColour(); }},
        {"mirror", [&] { level->mirrorSelected(); }},
        {"size", [&] { level->growPieces(); }},
        {"cell paged", [&] { click("next picture", 1); }},
        {"a lit control", [&] { play("m914,29"); }},
        {"the control unlit, another lit", [&] { play("m804,29"); }},
        // The first background covers the screen; the next does not.
        {"background key", [&] { play("kb"); }},
        {"palace cleared", [&] { level->clearPalace(); }},
        {"1,000 pieces loaded", thousand},
        {"a new background under 1,000 pieces", [&] { play("kb"); }},
        {"another background under them", [&] { play("kb"); }},
        {"a new frame over 1,000 pieces", [&] { level->nextFrame(); }},
        {"one more laid on them", [&] { play("t m500,300 l500,300"); }},
        {"a new background after it", [&] { play("kb"); }},
    };
    // The whole window, and the scene fitted into a window of another shape.
    for (const auto& window : {fitScene(1024, 768), fitScene(1024, 640)})
    {
        fit = window;
        fit.setViewport();
        for (const auto& change : changes)
        {
            change.second();
            const std::vector<Rgba> whole = everything();
            EXPECT_TRUE(same(kept(), whole)) << "first frame after " << change.first;
            EXPECT_TRUE(same(kept(), whole)) << "kept frame after " << change.first;
        }
    }
}
