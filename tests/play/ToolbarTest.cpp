// The toolbar of the running level: the cells paged by their arrows and
// filled by the folder buttons, a family's own pictures in them, and what a
// button and the size box show.

#include "play/Toolbar.hpp"
#include "support/Level.hpp"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace TestSupport;
using Toolbar = LevelTest;

TEST_F(Toolbar, CellsPageWithTheirArrowsAndShowTheFolderChosen)
{
    // The first cell's arrows at (29, 285) and (119, 285); the folder buttons.
    const struct
    {
        const char* input;
        const char* shown;
        Rgba colour;
    } rows[] = {
        {"l29,285", "BMP/palace/1.wall.png", blue}, // back from the first: the last
        {"l119,285", "BMP/palace/1.arch.png", red}, // on from the last: the first
        {"l119,285", "BMP/palace/1.tower.png", green},
        {"l29,285", "BMP/palace/1.arch.png", red},
        {"l34,30", "BMP/person/1.king.png", blue},
        {"l119,285", "BMP/person/1.king.png", blue}, // a row of one
        {"l130,30", "BMP/decoration/1.flower.png", blue},
        {"l82,30", "BMP/palace/1.arch.png", red},
    };
    std::string clicks;
    for (const auto& row : rows)
    {
        play(row.input);
        EXPECT_EQ(shownInRow(0), row.shown);
        EXPECT_EQ(sounds.played, clicks += clicks.empty() ? "button" : " button");
        gl.clear(Rgba{});
        level->draw();
        EXPECT_TRUE(near(gl.pixel(110, 195), row.colour)) << row.shown;
    }
}

TEST_F(Toolbar, ButtonAndSizeBoxShowTheirStates)
{
    // The clear button at (156, 670) and the size box at (67, 58) show
    // picture 1 away, 2 under the mouse, 3 held; the ticked box 4 and 5. The
    // undo and redo buttons at (780, 5) and (835, 5) show 4 while there is
    // nothing to undo or redo.
    const struct
    {
        const char* input;
        int button, box;
        bool ticked;
        const char* sounds;
        int undo = 4, redo = 4;
    } rows[] = {
        {"m170,680", 2, 1, false, ""},
        {"p170,680", 3, 1, false, "button"},
        {"d175,685", 3, 1, false, "button"},
        {"u175,685", 2, 1, false, "button"},
        {"m300,300", 1, 1, false, "button"},
        {"p215,720 d170,680", 3, 1, false, "button"}, // pressed elsewhere
        {"u170,680 m75,70", 1, 2, false, "button"},
        {"p75,70", 1, 3, true, "button button"},
        {"d76,71", 1, 3, true, "button button"},
        {"u76,71", 1, 5, true, "button button"},
        {"m300,300", 1, 4, true, "button button"},
        {"p75,70 u75,70", 1, 2, false, "button button button"},
        {"t m515,410 l515,410 m300,300", 1, 1, false, "button button button startDrag drop", 1},
        {"m800,20", 1, 1, false, "button button button startDrag drop", 2},
        {"p800,20", 1, 1, false, "button button button startDrag drop button", 4, 1},
        {"u800,20 p800,20 u800,20", 1, 1, false, "button button button startDrag drop button", 4,
         1},
        {"m850,20", 1, 1, false, "button button button startDrag drop button", 4, 2},
        {"p850,20 u850,20", 1, 1, false, "button button button startDrag drop button button", 1},
        {"l800,20 t m300,300", 1, 1, false,
         "button button button startDrag drop button button button startDrag", 1, 1}, // carried
        {"l800,20", 1, 1, false,
         "button button button startDrag drop button button button startDrag button", 4, 1},
    };
    for (const auto& row : rows)
    {
        play(row.input);
        gl.clear(Rgba{});
        level->draw();
        EXPECT_TRUE(near(gl.pixel(160, 675), controlColour(row.button))) << row.input;
        EXPECT_TRUE(near(gl.pixel(70, 65), controlColour(row.box))) << row.input;
        EXPECT_TRUE(near(gl.pixel(800, 20), controlColour(row.undo))) << row.input;
        EXPECT_TRUE(near(gl.pixel(850, 20), controlColour(row.redo))) << row.input;
        EXPECT_EQ(level->toolbar().sizeBoxTicked(), row.ticked) << row.input;
        EXPECT_EQ(sounds.played, row.sounds) << row.input;
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
    game.buildLevel();

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
    const auto& bar = level->toolbar();
    EXPECT_EQ(bar.cell(0).pictureFiles(),
              (std::vector<std::string>{"BMP/palace/1.arch.png", "BMP/palace/1.tower.png",
                                        "BMP/palace/1.wall.png", "own/palace/1.screen.bmp",
                                        "own/palace/1.zz.png"}));
    play("l29,285");
    EXPECT_EQ(shownInRow(0), "own/palace/1.zz.png") << "back from the first: the last own one";
    play("l130,30");
    EXPECT_EQ(bar.cell(2).pictureFiles().back(), "own/decoration/3.pond.png");
    for (std::size_t row = 0; row < bar.cellCount(); ++row)
        for (const std::string& picture : bar.cell(row).pictureFiles())
            EXPECT_EQ(picture.rfind("own/palace/", 0), std::string::npos) << picture;
}
