// The toolbar and its cells on real pictures in a temporary game folder: the
// layout worked out from the game's own button pictures, the fitting of
// pictures into cells, paging, folders, drag starts and mask preparation.

#include "ui/Toolbar.hpp"
#include "palace/Brick.hpp"
#include "palace/PictureListing.hpp"
#include "support/GlContext.hpp"
#include "support/TempDir.hpp"
#include "ui/Cell.hpp"
#include "ui/TestGame.hpp"

#include <FreeImage.h>
#include <boost/filesystem.hpp>
#include <gtest/gtest.h>
#include <stdexcept>

namespace
{
using namespace UiTests;
using GameLogic::Button;
using GameLogic::MouseCursor;
using GameLogic::PalaceBuild::Brick;
using GameLogic::PalaceBuild::Cell;
using GameLogic::PalaceBuild::Toolbar;
using VideoEngine::OpenGL::Rectangl;
namespace fs = boost::filesystem;

using Rows = std::vector<std::vector<std::string>>;

const Colour red{250, 0, 0, 255};
const Colour green{0, 200, 0, 255};

class ToolbarTest : public ::testing::Test
{
protected:
    ToolbarTest()
    {
        screenWidth = 1024;
        screenHeight = 768;
    }
    ~ToolbarTest() override { globalMouseCursor.reset(); }

    // Routes the mouse to the toolbar, as the level does.
    void routeMouseTo(Toolbar& toolbar)
    {
        cursor = std::make_shared<MouseCursor>("");
        globalMouseCursor = cursor;
        cursor->onButton = [this, &toolbar] { toolbar.handleMouse(cursor); };
        cursor->onMove = [this, &toolbar] { toolbar.handleMouse(cursor); };
    }

    static Rows palaceRows()
    {
        Rows rows;
        GameLogic::PalaceBuild::listPicturesByRow("BMP/palace/", rows, Toolbar::picturePattern);
        return rows;
    }

    TestSupport::GlContext gl;
    TestGame game;
    TestSupport::WorkingDirectory cwd{game.path()};
    SoundRecorder sounds;
    LogCapture log;
    std::shared_ptr<MouseCursor> cursor;
    Mouse mouse;
};

std::pair<int, int> pictureSize(const std::string& fileName)
{
    FIBITMAP* bitmap = FreeImage_Load(FIF_PNG, fileName.c_str(), 0);
    if (!bitmap)
        throw std::runtime_error("cannot read " + fileName);
    const std::pair<int, int> size(FreeImage_GetWidth(bitmap), FreeImage_GetHeight(bitmap));
    FreeImage_Unload(bitmap);
    return size;
}

void expectAt(const Button& button, int x, int y, bool mirrored, const char* name)
{
    EXPECT_EQ(button.normal.position.x, x) << name;
    EXPECT_EQ(button.normal.position.y, y) << name;
    EXPECT_EQ(button.pressed->position.x, x) << name;
    EXPECT_EQ(button.normal.mirror, mirrored) << name;
}

TEST(ToolbarLayout, FollowsTheGamesOwnButtonPictures)
{
    TestSupport::GlContext gl;
    TestSupport::TempDir dir;
    fs::create_directories(dir.file("BMP"));
    for (const char* folder : {"button", "palace", "decoration", "person"})
    {
        fs::create_directories(dir.file("BMP/") + folder);
        for (const auto& entry : fs::directory_iterator(fs::path(GAME_DIR) / "BMP" / folder))
            if (entry.path().extension() != ".mask")
                fs::copy_file(entry.path(),
                              fs::path(dir.file("BMP/")) / folder / entry.path().filename());
    }
    TestSupport::WorkingDirectory cwd(dir.path());
    auto size = [](const std::string& stem)
    { return pictureSize("BMP/button/" + stem + "01.png"); };

    Rows rows;
    GameLogic::PalaceBuild::listPicturesByRow("BMP/palace/", rows, Toolbar::picturePattern);
    Toolbar toolbar(rows);

    expectAt(*toolbar.backgroundButton, 26, 670, false, "background");
    expectAt(*toolbar.frameButton, 91, 670, false, "frame");
    expectAt(*toolbar.clearButton, 156, 670, false, "clear");
    const int savePictureX = 26 + 2;
    const int savePictureY = 670 + size("background ").second + 2;
    expectAt(*toolbar.savePictureButton, savePictureX, savePictureY, false, "save picture");
    const int wallpaperX = savePictureX + size("save picture ").first + 5;
    expectAt(*toolbar.wallpaperButton, wallpaperX, savePictureY, false, "wallpaper");
    expectAt(*toolbar.saveButton, savePictureX, savePictureY + size("save picture ").second + 3,
             false, "save");
    expectAt(*toolbar.loadButton, wallpaperX, savePictureY + size("wallpaper ").second + 3, false,
             "load");
    expectAt(*toolbar.previousColorButton, 25, 97, true, "previous colour");
    expectAt(*toolbar.nextColorButton, 25 + 90, 97, false, "next colour");
    const int folder2X = 30 + size("folder 1.").first + 8;
    expectAt(*toolbar.folder1Button, 30, 26, false, "folder 1");
    expectAt(*toolbar.folder2Button, folder2X, 26, false, "folder 2");
    expectAt(*toolbar.folder3Button, folder2X + size("folder 2.").first + 8, 26, false, "folder 3");
    expectAt(*toolbar.exitButton, 1000, 0, false, "exit");
    expectAt(*toolbar.mirrorButton, 890, 5, false, "mirror");
    const int smallerY = 26 + size("folder 1.").second + 5;
    expectAt(*toolbar.smallerButton, 30 - 5, smallerY, true, "smaller");
    const int boxX = 25 + size("dec size ").first + 2;
    EXPECT_EQ(toolbar.checkBox->current->position.x, boxX);
    EXPECT_EQ(toolbar.checkBox->current->position.y, smallerY - 3);
    expectAt(*toolbar.largerButton, boxX + size("checkbox ").first + 2, smallerY, false, "larger");

    ASSERT_EQ(toolbar.rows.size(), 3u);
    for (int i = 0; i < 3; ++i)
    {
        const Cell& cell = *toolbar.rows[i];
        EXPECT_EQ(cell.x, 23);
        EXPECT_EQ(cell.y, 120 + 183 * i);
        expectAt(cell.previousArrow, 24, cell.y + 160, true, "left arrow");
        expectAt(cell.nextArrow, 23 + 91, cell.y + 160, false, "right arrow");
        EXPECT_TRUE(cell.hasPicture()) << "the game offers a picture in every row";
    }
}

TEST_F(ToolbarTest, FitsPicturesIntoTheCellBoxWithItsExactArithmetic)
{
    game.addPiece("BMP/palace/1.small.png", 100, 100, red);
    game.addPiece("BMP/palace/2.large.png", 400, 300, green);
    game.addPiece("BMP/palace/3.tall.png", 50, 200, red);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);

    const Brick& small = toolbar.rows[0]->brick;
    EXPECT_EQ(small.picture.position.x, 23 + 40);
    EXPECT_EQ(small.picture.position.y, 120 + 29);
    EXPECT_TRUE(small.clipped);
    EXPECT_EQ(small.screenRect, (Rectangl{63, 149, 163, 249}));
    EXPECT_EQ(small.sourceRect, (Rectangl{0, 0, 99, 99})) << "s is slightly above 1";

    const Brick& large = toolbar.rows[1]->brick;
    EXPECT_EQ(large.picture.position.x, 23);
    EXPECT_EQ(large.picture.position.y, 303);
    EXPECT_EQ(large.screenRect, (Rectangl{23, 303, 203, 461}));
    EXPECT_EQ(large.sourceRect, (Rectangl{0, 0, 179, 157}));

    const Brick& tall = toolbar.rows[2]->brick;
    EXPECT_EQ(tall.picture.position.x, 23 + 65);
    EXPECT_EQ(tall.picture.position.y, 486) << "anchored at the top when too high";
    EXPECT_EQ(tall.screenRect, (Rectangl{88, 486, 138, 644}));

    toolbar.setCellsSize(5);
    EXPECT_EQ(large.picture.size, 5u);
    EXPECT_EQ(large.picture.position.x, 23);
    EXPECT_EQ(large.picture.position.y, 303 + 4);
    EXPECT_EQ(large.screenRect, (Rectangl{23, 307, 203, 457}));
    EXPECT_EQ(large.sourceRect, (Rectangl{0, 0, 359, 299}));
    EXPECT_EQ(toolbar.rows[0]->cellSize, 5u);

    toolbar.setCellsSize(30);
    EXPECT_EQ(toolbar.rows[0]->cellSize, 12u);

    const auto fits = log.linesStartingWith("PalaceBuild 765 ");
    ASSERT_GE(fits.size(), 3u);
    EXPECT_EQ(fits[0], "PalaceBuild 765 Add brick to cell (0,0 : 100,100) (0,0 : 100,100) "
                       "BMP/palace/1.small.png");
    EXPECT_EQ(fits[1], "PalaceBuild 765 Add brick to cell (0,0 : 180,158) (0,0 : 400,300) "
                       "BMP/palace/2.large.png");
    const auto cells = log.linesStartingWith("PalaceBuild 779 Cell::Cell 1 this=");
    EXPECT_EQ(cells.size(), 3u);
}

TEST_F(ToolbarTest, OffersTheFirstThreePicturesOfEachRowAndPagesRoundThem)
{
    for (const char* name : {"e", "b", "d", "a", "c"})
        game.addPiece("BMP/palace/1." + std::string(name) + ".png", 60, 60, red);
    game.addPiece("BMP/palace/2.only.png", 60, 60, green);
    game.addPiece("BMP/palace/3.x.png", 60, 60, green);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    EXPECT_EQ(rows[0].size(), 3u) << "the caller's lists are cut too";

    Cell& first = *toolbar.rows[0];
    EXPECT_EQ(first.pictures, (std::vector<std::string>{"BMP/palace/1.a.png", "BMP/palace/1.b.png",
                                                        "BMP/palace/1.c.png"}));
    routeMouseTo(toolbar);
    auto shown = [](const Cell& cell) { return cell.brick.picture.data->fileName; };
    const int rightArrowX = 23 + 91 + 5;
    const int leftArrowX = 23 + 1 + 5;
    const int arrowY = 120 + 160 + 5;

    mouse.click(leftArrowX, arrowY);
    EXPECT_EQ(shown(first), "BMP/palace/1.c.png") << "left of the first is the last";
    mouse.click(rightArrowX, arrowY);
    EXPECT_EQ(shown(first), "BMP/palace/1.a.png") << "right of the last is the first";
    mouse.click(rightArrowX, arrowY);
    EXPECT_EQ(shown(first), "BMP/palace/1.b.png");
    EXPECT_EQ(first.brick.picture.position.x, 23 + 60) << "each new picture is fitted";
    EXPECT_EQ(sounds.played.size(), 3u);

    Cell& second = *toolbar.rows[1];
    mouse.click(rightArrowX, arrowY + 183);
    EXPECT_EQ(shown(second), "BMP/palace/2.only.png");
    mouse.click(leftArrowX, arrowY + 183);
    EXPECT_EQ(shown(second), "BMP/palace/2.only.png");
}

TEST_F(ToolbarTest, ShowFolderAndNextFolderChooseTheFolders)
{
    game.addPieceToEveryRow(red);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    auto shown = [&](int row) { return toolbar.rows[row]->brick.picture.data->fileName; };

    toolbar.showFolder(2);
    EXPECT_EQ(shown(0), "BMP/person/1.king.png");
    EXPECT_EQ(shown(2), "BMP/person/3.cat.png");
    EXPECT_EQ(toolbar.current, 2u);
    toolbar.showFolder(1);
    EXPECT_EQ(shown(1), "BMP/decoration/2.flower.png");
    EXPECT_THROW(toolbar.showFolder(3), std::out_of_range);
    EXPECT_EQ(toolbar.current, 1u);

    toolbar.showFolder(0);
    toolbar.nextFolder();
    EXPECT_EQ(shown(0), "BMP/decoration/1.flag.png");
    toolbar.nextFolder();
    EXPECT_EQ(shown(0), "BMP/person/1.king.png");
    toolbar.nextFolder();
    EXPECT_EQ(shown(0), "BMP/palace/1.wall.png");
    EXPECT_EQ(toolbar.current, 0u);
}

TEST_F(ToolbarTest, EmptyRowsShowNothingAndStartNoDragUntilAFolderFillsThem)
{
    game.addPiece("BMP/palace/1.wall.png", 60, 60, red);
    game.addPiece("BMP/decoration/1.flag.png", 60, 60, red);
    game.addPiece("BMP/decoration/3.tree.png", 60, 60, green);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    Cell& third = *toolbar.rows[2];
    EXPECT_FALSE(third.hasPicture());
    EXPECT_EQ(toolbar.startDrag(23 + 90, 486 + 79, ""), nullptr);
    third.showNext();
    third.showPrevious();
    EXPECT_EQ(log.linesStartingWith("PalaceBuild 779 Cell::Cell 0 this=").size(), 2u);

    gl.clear(0, 0, 0);
    toolbar.drawCells();
    EXPECT_EQ(gl.pixel(23 + 90, 486 + 79).r, 0);
    EXPECT_EQ(gl.pixel(23 + 90, 120 + 79).r, 250);

    toolbar.showFolder(1);
    EXPECT_TRUE(third.hasPicture());
    EXPECT_FALSE(toolbar.rows[1]->hasPicture());
    std::shared_ptr<Brick> tree = toolbar.startDrag(23 + 90, 486 + 79, "");
    ASSERT_NE(tree, nullptr);
    EXPECT_EQ(tree->picture.data->fileName, "BMP/decoration/3.tree.png");

    toolbar.showFolder(0);
    EXPECT_FALSE(third.hasPicture());
    EXPECT_EQ(toolbar.startDrag(23 + 90, 486 + 79, ""), nullptr);
}

TEST_F(ToolbarTest, DragStartsWithAWholeCopyThatOwnsItsPicture)
{
    game.addPiece("BMP/palace/1.large.png", 400, 300, red);
    game.addPiece("BMP/palace/2.small.png", 100, 100, green);
    game.addPiece("BMP/palace/3.small.png", 100, 100, green);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    const Cell& cell = *toolbar.rows[0];

    EXPECT_EQ(toolbar.startDrag(23 + 190, 130, ""), nullptr) << "beside the cell box";
    std::shared_ptr<Brick> brick = toolbar.startDrag(30, 130, "");
    ASSERT_NE(brick, nullptr);
    EXPECT_FALSE(brick->clipped);
    EXPECT_EQ(brick->sourceRect, (Rectangl{0, 0, 400, 300}));
    EXPECT_EQ(brick->picture.position.x, 23);
    EXPECT_EQ(brick->picture.position.y, 120);
    EXPECT_EQ(brick->screenRect.left, 23);
    EXPECT_NE(brick->picture.data, cell.brick.picture.data);
    EXPECT_EQ(brick->picture.data->fileName, "BMP/palace/1.large.png");
    EXPECT_TRUE(cell.brick.clipped) << "the cell keeps its fitted picture";
    EXPECT_EQ(sounds.played, std::vector<std::string>{"Sound/startDrag.wav"});
    const auto starts =
        log.linesStartingWith("PalaceBuild 567 start drag(BMP/palace/1.large.png) ");
    EXPECT_EQ(starts.size(), 1u);

    EXPECT_EQ(toolbar.startDrag(30, 130, "BMP/palace/1.large.png"), nullptr);
    EXPECT_EQ(sounds.played.size(), 1u) << "the same picture starts nothing";
    std::shared_ptr<Brick> second = toolbar.startDrag(23 + 90, 303 + 79, "BMP/palace/1.large.png");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->picture.data->fileName, "BMP/palace/2.small.png");
}

TEST_F(ToolbarTest, WritesTheMasksOfAllThreeFoldersWhenBuilt)
{
    game.addPiece("BMP/palace/1.wall.png", 60, 60, red);
    game.addPiece("BMP/decoration/2.flag.png", 60, 60, red);
    game.addPiece("BMP/person/3.king.png", 60, 60, red);
    game.addPiece("BMP/person/other.png", 60, 60, red);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    EXPECT_TRUE(fs::exists("BMP/palace/1.wall.png.mask"));
    EXPECT_TRUE(fs::exists("BMP/decoration/2.flag.png.mask"));
    EXPECT_TRUE(fs::exists("BMP/person/3.king.png.mask"));
    EXPECT_FALSE(fs::exists("BMP/person/other.png.mask"));
    EXPECT_NE(toolbar.rows[0]->brick.mask.runs, nullptr);
}

TEST_F(ToolbarTest, FolderFailureIsLoggedAndPassedOn)
{
    game.addPiece("BMP/palace/1.wall.png", 60, 60, red);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    fs::remove_all("BMP/person");
    EXPECT_THROW(toolbar.showFolder(2), std::invalid_argument);
    EXPECT_EQ(log.linesStartingWith("PalaceBuild 282 "),
              std::vector<std::string>{"PalaceBuild 282 Path must be exists directory"});
}

TEST_F(ToolbarTest, MissingControlPictureStopsTheConstruction)
{
    fs::remove("BMP/button/mirror 02.png");
    Rows rows = palaceRows();
    EXPECT_THROW(Toolbar toolbar(rows), std::exception);
}

TEST_F(ToolbarTest, DrawsControlsOverCellsIncludingTheMirrorButton)
{
    game.addPiece("BMP/palace/1.wall.png", 180, 158, red);
    Rows rows = palaceRows();
    Toolbar toolbar(rows);
    gl.clear(0, 0, 0);
    toolbar.drawCells();
    EXPECT_EQ(gl.pixel(100, 200).r, 250);
    toolbar.drawControls();
    auto colourAt = [&](int x, int y)
    {
        const TestSupport::Rgba p = gl.pixel(x, y);
        return Colour{p.r, p.g, p.b, 255};
    };
    EXPECT_EQ(colourAt(900, 15), controlColour(1)) << "the mirror button shows";
    EXPECT_EQ(colourAt(1010, 10), controlColour(1)) << "the exit button shows";
    EXPECT_EQ(colourAt(30, 285), controlColour(1)) << "the left arrow of the first cell";
    EXPECT_EQ(colourAt(100, 200), (Colour{250, 0, 0, 255}));
}

} // namespace
