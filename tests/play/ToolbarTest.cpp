// The toolbar alone, on the game folder, with commands that only note what
// is asked of them: the cells paged by their arrows and filled by the folder
// buttons, a family's own pictures in them, and what a button and the size
// box show. Every row starts from a toolbar of its own.

#include "play/Toolbar.hpp"
#include "content/PictureListing.hpp"
#include "platform/GameLog.hpp"
#include "play/Commands.hpp"
#include "play/Controls.hpp"
#include "support/Level.hpp"
#include "ui/MouseCursor.hpp"
#include "video/PictureBatch.hpp"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace TestSupport;
using GameLogic::PalaceBuild::Commands;

namespace
{

// Notes each command asked, separated by spaces; a one-step history for
// undo and redo; the folder commands shown on the toolbar, as the level does.
// clang-format off
#define NOTED(command) void command() override { note(#command); }
struct Asked : Commands
{
    void note(const std::string& what) { log += (log.empty() ? "" : " ") + what; }
    void showFolder(unsigned k) override { note("folder " + std::to_string(k)), bar->showFolder(k); }
    void nextFolder() override { note("next folder"), bar->nextFolder(); }
    void undo() override { note("undo"), undoable = false; }
    void redo() override { note("redo"), undoable = true; }
    bool canUndo() const override { return undoable; }
    bool canRedo() const override { return !undoable; }
    bool exitLocked() const override { return false; }
    bool canPrint() const override { return false; }
    NOTED(nextBackground) NOTED(previousBackground) NOTED(nextFrame) NOTED(previousFrame)
    NOTED(clearPalace) NOTED(nextColour) NOTED(previousColour) NOTED(mirrorSelected)
    NOTED(growPieces) NOTED(shrinkPieces) NOTED(nextColourCarried) NOTED(previousColourCarried)
    NOTED(mirrorCarried) NOTED(growCarried) NOTED(shrinkCarried) NOTED(savePicture)
    NOTED(savePlainPicture) NOTED(setWallpaper) NOTED(print) NOTED(saveGame) NOTED(loadGame)
    NOTED(toggleGallery)

    std::string log;
    bool undoable = false;
    GameLogic::PalaceBuild::Toolbar* bar = nullptr;
};
#undef NOTED
// clang-format on

class Toolbar : public ::testing::Test
{
protected:
    Toolbar()
    {
        Platform::gameLog.open("gameLog.txt");
        writeGameFolder();
    }
    ~Toolbar() override { Platform::gameLog.close(); }

    // A new toolbar on the game folder as it is now; no command asked, no
    // sound played, the mouse away from it.
    void build(bool undoable = false)
    {
        std::vector<std::vector<std::string>> firstFolder;
        GameLogic::PalaceBuild::listPicturesByRow("BMP/palace/", firstFolder,
                                                  GameLogic::PalaceBuild::Toolbar::picturePattern);
        bar = std::make_unique<GameLogic::PalaceBuild::Toolbar>(GameLogic::PalaceBuild::controls(),
                                                                firstFolder, asked);
        asked = Asked();
        asked.bar = bar.get();
        asked.undoable = undoable;
        bar->refresh(asked);
        cursor = std::make_unique<GameLogic::MouseCursor>();
        cursor->setHandlers([this] { onMouse(); }, [this] { onMouse(); });
        sounds.played.clear();
    }

    // Plays mouse steps separated by spaces, in logical units: "mX,Y" moves,
    // "lX,Y" clicks the left button, "pX,Y", "dX,Y" and "uX,Y" press, drag
    // with and release it.
    void play(const std::string& script)
    {
        std::istringstream steps(script);
        for (std::string step; steps >> step;)
        {
            VideoEngine::OpenGL::Position at;
            std::sscanf(step.c_str() + 1, "%d,%d", &at.x, &at.y);
            if (step[0] == 'm')
                cursor->moveTo(at);
            if (step[0] == 'd')
                cursor->dragTo(at);
            if (step[0] == 'p' || step[0] == 'l')
                cursor->press(GameLogic::MouseCursor::leftButton, true, at);
            if (step[0] == 'u' || step[0] == 'l')
                cursor->press(GameLogic::MouseCursor::leftButton, false, at);
        }
    }

    // The pixel at (x, y) of the cells and controls drawn on black.
    Rgba shown(int x, int y) const
    {
        gl.clear(Rgba{});
        VideoEngine::OpenGL::PictureBatch batch;
        bar->addCells(batch);
        bar->addControls(batch);
        batch.draw();
        return gl.pixel(x, y);
    }

    GlContext gl;
    TempDir dir;
    WorkingDirectory cwd{dir.path()};
    SoundRecorder sounds;
    Asked asked;
    std::unique_ptr<GameLogic::PalaceBuild::Toolbar> bar;
    std::unique_ptr<GameLogic::MouseCursor> cursor;

private:
    // The level's mouse pass over the toolbar: its controls and arrows, then
    // its pieces, each on a fresh list, then the controls' states.
    void onMouse()
    {
        auto targets = [this]
        {
            GameLogic::Targets list;
            bar->addTargets(list,
                            [this](std::size_t row) { asked.note("take " + std::to_string(row)); });
            return list;
        };
        targets().handleMouse(*cursor, GameLogic::PalaceBuild::Toolbar::controlGroups);
        targets().handleMouse(*cursor, {GameLogic::Target::Group::pieces});
        bar->refresh(asked);
    }
};

} // namespace

TEST_F(Toolbar, CellsPageWithTheirArrowsAndShowTheFolderChosen)
{
    // The first cell's arrows at (29, 285) and (119, 285); the folder buttons.
    const struct
    {
        const char* input;
        const char* shown;
        Rgba colour;
        int clicks; // on buttons
        const char* asked = "";
    } rows[] = {
        {"l29,285", "BMP/palace/1.wall.png", blue, 1},         // back from the first: the last
        {"l29,285 l119,285", "BMP/palace/1.arch.png", red, 2}, // on from the last: the first
        {"l119,285", "BMP/palace/1.tower.png", green, 1},
        {"l119,285 l29,285", "BMP/palace/1.arch.png", red, 2},
        {"l34,30", "BMP/person/1.king.png", blue, 1, "folder 2"},
        {"l34,30 l119,285", "BMP/person/1.king.png", blue, 2, "folder 2"}, // a row of one
        {"l130,30", "BMP/decoration/1.flower.png", blue, 1, "folder 1"},
        {"l130,30 l82,30", "BMP/palace/1.arch.png", red, 2, "folder 1 folder 0"},
        {"l105,195 l110,381", "BMP/palace/1.arch.png", red, 0, "take 0 take 1"},
    };
    for (const auto& row : rows)
    {
        build();
        play(row.input);
        EXPECT_EQ(bar->cell(0).shownFile(), row.shown) << row.input;
        EXPECT_EQ(asked.log, row.asked) << row.input;
        std::string clicks;
        for (int k = 0; k < row.clicks; ++k)
            clicks += clicks.empty() ? "button" : " button";
        EXPECT_EQ(sounds.played, clicks) << row.input;
        EXPECT_TRUE(near(shown(110, 195), row.colour)) << row.input;
    }
}

TEST_F(Toolbar, ButtonAndSizeBoxShowTheirStates)
{
    // The clear button at (156, 670) and the size box at (67, 58) show
    // picture 1 away, 2 under the mouse, 3 held; the ticked box 4 and 5. The
    // undo and redo buttons at (780, 5) and (835, 5) show 4 while there is
    // nothing to undo or redo; the commands hold one step, done or undone.
    const struct
    {
        const char* input;
        int button, box;
        bool ticked = false;
        const char* asked = "";
        bool undoable = false;
        int undo = 4, redo = 1;
    } rows[] = {
        {"m170,680", 2, 1},
        {"p170,680", 3, 1, false, "clearPalace"},
        {"p170,680 d175,685", 3, 1, false, "clearPalace"},
        {"p170,680 d175,685 u175,685", 2, 1, false, "clearPalace"},
        {"l170,680 m300,300", 1, 1, false, "clearPalace"},
        {"p215,720 d170,680", 3, 1}, // pressed elsewhere
        {"p215,720 d170,680 u170,680 m75,70", 1, 2},
        {"p75,70", 1, 3, true},
        {"p75,70 d76,71", 1, 3, true},
        {"p75,70 d76,71 u76,71", 1, 5, true},
        {"l75,70 m300,300", 1, 4, true},
        {"l75,70 l75,70", 1, 2},
        {"m300,300", 1, 1, false, "", true, 1, 4},
        {"m800,20", 1, 1, false, "", true, 2, 4},
        {"p800,20", 1, 1, false, "undo", true, 4, 1},
        {"l800,20 l800,20", 1, 1, false, "undo", true, 4, 1}, // nothing more to undo
        {"l800,20 m850,20", 1, 1, false, "undo", true, 4, 2},
        {"l800,20 l850,20", 1, 1, false, "undo redo", true, 1, 4},
    };
    for (const auto& row : rows)
    {
        build(row.undoable);
        play(row.input);
        EXPECT_TRUE(near(shown(160, 675), controlColour(row.button))) << row.input;
        EXPECT_TRUE(near(shown(70, 65), controlColour(row.box))) << row.input;
        EXPECT_TRUE(near(shown(800, 20), controlColour(row.undo))) << row.input;
        EXPECT_TRUE(near(shown(850, 20), controlColour(row.redo))) << row.input;
        EXPECT_EQ(bar->sizeBoxTicked(), row.ticked) << row.input;
        EXPECT_EQ(asked.log, row.asked) << row.input;
    }
}

TEST_F(Toolbar, FamilysOwnPicturesFollowTheGamesOwnInTheirRow)
{
    // file, bits (0: not a picture at all), size; the log's reason when it is
    // left out, "" when it is shown, null when it is passed over silently.
    const struct
    {
        const char* file;
        int bits, width, height;
        const char* left;
    } rows[] = {
        {"own/palace/1.zz.png", 32, 20, 20, ""},
        {"own/palace/1.screen.bmp", 24, 1024, 768, ""},
        {"own/palace/2.wide.png", 32, 1025, 10, "it is larger than 1024x768"},
        {"own/palace/3.tall.png", 32, 10, 769, "it is larger than 1024x768"},
        {"own/palace/3.grey.png", 8, 10, 10,
         "it cannot be read (24 or 32 bits a pixel are needed)"},
        {"own/palace/2.junk.png", 0, 0, 0, "it cannot be read (PNG or BMP are needed)"},
        {"own/palace/cat.png", 32, 10, 10, "it is not named <row 1, 2 or 3>.<name>.png or .bmp"},
        {"own/palace/4.cat.png", 32, 10, 10, "it is not named <row 1, 2 or 3>.<name>.png or .bmp"},
        {"own/palace/1.cat.PNG", 32, 10, 10, "it is not named <row 1, 2 or 3>.<name>.png or .bmp"},
        {"own/palace/.1.hidden.png", 32, 10, 10, nullptr},
        {"own/decoration/3.pond.png", 32, 30, 20, ""},
        {"own/background/1.sky.png", 32, 10, 10, nullptr},
    };
    for (const auto& row : rows)
        if (row.bits)
            writePicture(row.file, row.width, row.height, row.bits, [](int, int) { return red; });
        else
            std::ofstream(row.file) << "not a picture";
    build();

    const std::string log = readFile("gameLog.txt");
    for (const auto& row : rows)
    {
        const std::string line = std::string(" Own picture ") + row.file + " skipped: ";
        EXPECT_EQ(row.left && *row.left,
                  log.find(line + (row.left ? row.left : "") + "\n") != std::string::npos)
            << row.file;
        EXPECT_EQ(row.left && !*row.left, std::filesystem::exists(row.file + std::string(".mask")))
            << row.file;
    }
    EXPECT_EQ(bar->cell(0).pictureFiles(),
              (std::vector<std::string>{"BMP/palace/1.arch.png", "BMP/palace/1.tower.png",
                                        "BMP/palace/1.wall.png", "own/palace/1.screen.bmp",
                                        "own/palace/1.zz.png"}));
    play("l29,285");
    EXPECT_EQ(bar->cell(0).shownFile(), "own/palace/1.zz.png")
        << "back from the first: the last own one";
    play("l130,30");
    EXPECT_EQ(bar->cell(2).pictureFiles().back(), "own/decoration/3.pond.png");
    for (std::size_t row = 0; row < bar->cellCount(); ++row)
        for (const std::string& picture : bar->cell(row).pictureFiles())
            EXPECT_EQ(picture.rfind("own/palace/", 0), std::string::npos) << picture;
}
