// Checks the game folder's pictures and sounds against what the game relies
// on: folder and file names, bit depths, frame layout, piece sizes and fit,
// the toolbar layout worked through with the real control sizes, and sounds.
// Reads the data that the build rendered into GAME_DIR.

#include "support/TempDir.hpp"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <regex>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace
{

std::string gameDir()
{
    const char* fromEnvironment = std::getenv("GAME_DIR");
    return fromEnvironment ? fromEnvironment : GAME_DIR;
}

std::string bmp(const std::string& name)
{
    return gameDir() + "/BMP/" + name;
}

struct BitmapDeleter
{
    void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapDeleter>;

// A picture read as the game reads it: the format from the content.
Bitmap load(const std::string& file)
{
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(file.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = FreeImage_GetFIFFromFilename(file.c_str());
    if (format == FIF_UNKNOWN)
        return nullptr;
    return Bitmap(FreeImage_Load(format, file.c_str(), 0));
}

// A loaded picture with its alpha channel (255 everywhere for 24-bit ones),
// addressed from the top-left corner like the game's logical screen.
struct Picture
{
    unsigned width = 0;
    unsigned height = 0;
    unsigned bpp = 0;
    std::vector<uint8_t> rgba;

    uint8_t alpha(unsigned x, unsigned y) const { return rgba[(y * width + x) * 4 + 3]; }
    const uint8_t* pixel(unsigned x, unsigned y) const { return &rgba[(y * width + x) * 4]; }
};

Picture read(const std::string& file)
{
    Bitmap bitmap = load(file);
    Picture picture;
    if (!bitmap)
    {
        ADD_FAILURE() << "cannot read " << file;
        return picture;
    }
    picture.width = FreeImage_GetWidth(bitmap.get());
    picture.height = FreeImage_GetHeight(bitmap.get());
    picture.bpp = FreeImage_GetBPP(bitmap.get());
    Bitmap rgba(FreeImage_ConvertTo32Bits(bitmap.get()));
    picture.rgba.resize(picture.width * picture.height * 4);
    for (unsigned y = 0; y < picture.height; ++y)
    {
        const BYTE* line = FreeImage_GetScanLine(rgba.get(), picture.height - 1 - y);
        for (unsigned x = 0; x < picture.width; ++x)
        {
            uint8_t* out = &picture.rgba[(y * picture.width + x) * 4];
            out[0] = line[x * 4 + FI_RGBA_RED];
            out[1] = line[x * 4 + FI_RGBA_GREEN];
            out[2] = line[x * 4 + FI_RGBA_BLUE];
            out[3] = picture.bpp == 32 ? line[x * 4 + FI_RGBA_ALPHA] : 255;
        }
    }
    return picture;
}

// Files of a folder (no sub-folders) whose names match pattern, sorted.
std::vector<std::string> listFolder(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    const std::regex matcher(pattern);
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && std::regex_match(entry.path().filename().string(), matcher))
            names.push_back(entry.path().string());
    std::sort(names.begin(), names.end());
    return names;
}

const char* const pieceFolders[] = {"palace", "decoration", "person"};
const char* const piecePattern = "^[1-3]\\.(.*)\\.(png|bmp)$";

// Every control file the toolbar loads, without folder and extension.
std::vector<std::string> controlNames()
{
    std::vector<std::string> names;
    for (const char* base : {"background", "frame", "clear", "save picture", "wallpaper", "save",
                             "load", "arrow", "arrow color", "exit", "mirror", "dec size"})
        for (const char* state : {"01", "02", "03"})
            names.push_back(std::string(base) + " " + state);
    for (const char* folder : {"folder 1", "folder 2", "folder 3"})
        for (const char* state : {"01", "02", "03"})
            names.push_back(std::string(folder) + "." + state);
    for (const char* state : {"01", "02", "03", "04", "05"})
        names.push_back(std::string("checkbox ") + state);
    return names;
}

// Mean absolute difference of two pictures of the same size over all four channels.
double difference(const Picture& a, const Picture& b)
{
    double sum = 0;
    for (size_t i = 0; i < a.rgba.size(); ++i)
        sum += std::abs(int(a.rgba[i]) - int(b.rgba[i]));
    return sum / double(a.rgba.size());
}

Picture mirrored(const Picture& p)
{
    Picture out = p;
    for (unsigned y = 0; y < p.height; ++y)
        for (unsigned x = 0; x < p.width; ++x)
            std::copy_n(p.pixel(p.width - 1 - x, y), 4, &out.rgba[(y * p.width + x) * 4]);
    return out;
}

// The image rectangle of a control placed at (x, y): right and bottom are
// position plus size, and both edges belong to it, as in the game's hit test.
struct Rect
{
    int left, top, right, bottom;
};

Rect place(const std::string& control, int x, int y)
{
    const Picture p = read(bmp("button/" + control + ".png"));
    return {x, y, x + int(p.width), y + int(p.height)};
}

bool overlap(const Rect& a, const Rect& b)
{
    return a.left <= b.right && b.left <= a.right && a.top <= b.bottom && b.top <= a.bottom;
}

// The toolbar's layout worked through with the sizes of the real pictures.
std::map<std::string, Rect> toolbarLayout()
{
    std::map<std::string, Rect> r;
    r["background"] = place("background 01", 26, 670);
    r["frame"] = place("frame 01", 91, 670);
    r["clear"] = place("clear 01", 156, 670);
    r["save picture"] =
        place("save picture 01", r["background"].left + 2, r["background"].bottom + 2);
    r["wallpaper"] = place("wallpaper 01", r["save picture"].right + 5, r["save picture"].top);
    r["save"] = place("save 01", r["save picture"].left, r["save picture"].bottom + 3);
    r["load"] = place("load 01", r["wallpaper"].left, r["wallpaper"].bottom + 3);
    r["previous color"] = place("arrow color 01", 25, 97);
    r["next color"] = place("arrow color 01", r["previous color"].left + 90, 97);
    r["folder 1"] = place("folder 1.01", 30, 26);
    r["folder 2"] = place("folder 2.01", r["folder 1"].right + 8, r["folder 1"].top);
    r["folder 3"] = place("folder 3.01", r["folder 2"].right + 8, r["folder 2"].top);
    r["exit"] = place("exit 01", 1000, 0);
    r["mirror"] = place("mirror 01", 890, 5);
    r["smaller"] = place("dec size 01", r["folder 1"].left - 5, r["folder 1"].bottom + 5);
    r["checkbox"] = place("checkbox 01", r["smaller"].right + 2, r["smaller"].top - 3);
    r["larger"] = place("dec size 01", r["checkbox"].right + 2, r["checkbox"].top + 3);
    for (int row = 0; row < 3; ++row)
    {
        const int x = 23, y = 120 + 183 * row;
        const std::string n = std::to_string(row);
        r["cell " + n] = {x, y, x + 180, y + 158};
        r["previous arrow " + n] = place("arrow 01", x + 1, y + 160);
        r["next arrow " + n] = place("arrow 01", x + 91, y + 160);
    }
    return r;
}

// Reads a RIFF WAVE file's format and sample data.
struct Wave
{
    uint16_t format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    std::vector<int16_t> samples;
};

Wave readWave(const std::string& file)
{
    std::ifstream in(file, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Wave wave;
    auto u32 = [&](size_t at)
    {
        return uint32_t(uint8_t(bytes[at])) | uint32_t(uint8_t(bytes[at + 1])) << 8 |
               uint32_t(uint8_t(bytes[at + 2])) << 16 | uint32_t(uint8_t(bytes[at + 3])) << 24;
    };
    auto u16 = [&](size_t at)
    { return uint16_t(uint8_t(bytes[at]) | uint8_t(bytes[at + 1]) << 8); };
    if (bytes.size() < 12 || std::string(&bytes[0], 4) != "RIFF" ||
        std::string(&bytes[8], 4) != "WAVE")
    {
        ADD_FAILURE() << file << " is not a RIFF WAVE file";
        return wave;
    }
    for (size_t at = 12; at + 8 <= bytes.size();)
    {
        const std::string id(&bytes[at], 4);
        const uint32_t size = u32(at + 4);
        const size_t body = at + 8;
        if (body + size > bytes.size())
            break;
        if (id == "fmt ")
        {
            wave.format = u16(body);
            wave.channels = u16(body + 2);
            wave.rate = u32(body + 4);
            wave.bits = u16(body + 14);
        }
        else if (id == "data" && wave.bits == 16)
        {
            for (size_t i = 0; i + 1 < size; i += 2)
                wave.samples.push_back(int16_t(u16(body + i)));
        }
        at = body + size + (size & 1);
    }
    return wave;
}

} // namespace

TEST(GameData, FoldersHoldEveryNamedFile)
{
    for (const char* banner : {"startup.jpg", "shutdown.jpg"})
        EXPECT_TRUE(fs::is_regular_file(bmp(banner))) << banner;
    for (const std::string& control : controlNames())
        EXPECT_TRUE(fs::is_regular_file(bmp("button/" + control + ".png"))) << control;
    for (const char* sound : {"button", "startDrag", "drop", "takeOff"})
        EXPECT_TRUE(fs::is_regular_file(gameDir() + "/Sound/" + sound + ".wav")) << sound;

    EXPECT_GE(listFolder(bmp("background"), "(.*)\\.(png|bmp|jpg)$").size(), 5u);
    EXPECT_GE(listFolder(bmp("frame"), "(.*)\\.(png|bmp|jpg)$").size(), 3u);
    // Every row of every toolbar folder offers three pictures, no more: the
    // toolbar shows only the first three of a row.
    for (const char* folder : pieceFolders)
    {
        const auto pictures = listFolder(bmp(folder), piecePattern);
        for (char row : {'1', '2', '3'})
        {
            const auto count = std::count_if(
                pictures.begin(), pictures.end(),
                [&](auto& path) { return fs::path(path).filename().string()[0] == row; });
            EXPECT_EQ(count, 3) << folder << " row " << row;
        }
    }
}

TEST(GameData, PicturesAreTrueColourWithTheRightDepth)
{
    // No palette pictures anywhere: the game rejects every depth but 24 and 32.
    for (const auto& entry : fs::recursive_directory_iterator(gameDir() + "/BMP"))
    {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".png" && ext != ".jpg" && ext != ".bmp"))
            continue;
        Bitmap bitmap = load(entry.path().string());
        ASSERT_TRUE(bitmap) << entry.path();
        const unsigned bpp = FreeImage_GetBPP(bitmap.get());
        const bool photo = ext == ".jpg";
        EXPECT_EQ(bpp, photo ? 24u : 32u) << entry.path();
        EXPECT_EQ(FreeImage_GetImageType(bitmap.get()), FIT_BITMAP) << entry.path();
    }
    for (const std::string& scene : {bmp("startup.jpg"), bmp("shutdown.jpg")})
    {
        const Picture p = read(scene);
        EXPECT_EQ(p.width, 1024u) << scene;
        EXPECT_EQ(p.height, 768u) << scene;
    }
    for (const std::string& scene : listFolder(bmp("background"), "(.*)\\.(png|bmp|jpg)$"))
    {
        const Picture p = read(scene);
        EXPECT_EQ(p.width, 1024u) << scene;
        EXPECT_EQ(p.height, 768u) << scene;
    }
}

TEST(GameData, FramesHideTheToolbarStripAndShowTheScene)
{
    for (const std::string& frame : listFolder(bmp("frame"), "(.*)\\.(png|bmp|jpg)$"))
    {
        const Picture p = read(frame);
        ASSERT_EQ(p.width, 1024u) << frame;
        ASSERT_EQ(p.height, 768u) << frame;
        ASSERT_EQ(p.bpp, 32u) << frame;
        unsigned seeThroughBorder = 0, visibleInside = 0;
        for (unsigned y = 0; y < p.height; ++y)
            for (unsigned x = 0; x < p.width; ++x)
            {
                // The picture cells show through windows in the panel.
                const bool cell = x >= 23 && x < 23 + 180 && y >= 120 && (y - 120) % 183 < 158 &&
                                  y < 120 + 3 * 183;
                const bool inside = cell || (x >= 254 && x < 1024 - 60 && y >= 60 && y < 768 - 60);
                if (inside && p.alpha(x, y) != 0)
                    ++visibleInside;
                if (!inside && p.alpha(x, y) != 255)
                    ++seeThroughBorder;
            }
        EXPECT_EQ(visibleInside, 0u) << frame << ": the inner area must be fully transparent";
        EXPECT_EQ(seeThroughBorder, 0u) << frame << ": the borders and the panel must be opaque";
    }
}

TEST(GameData, PiecesFitTheirCellsAndShowToTheirEdges)
{
    for (const char* folder : pieceFolders)
        for (const std::string& piece : listFolder(bmp(folder), piecePattern))
        {
            const Picture p = read(piece);
            EXPECT_EQ(p.bpp, 32u) << piece;
            EXPECT_GE(p.width, 40u) << piece;
            EXPECT_LE(p.width, 180u) << piece;
            EXPECT_LE(p.height, 158u) << piece;
            // Snapping uses the picture's rectangle: each edge of it must
            // touch the visible piece, or snapped pieces show gaps.
            bool top = false, bottom = false, left = false, right = false;
            for (unsigned x = 0; x < p.width; ++x)
            {
                top = top || p.alpha(x, 0) != 0;
                bottom = bottom || p.alpha(x, p.height - 1) != 0;
            }
            for (unsigned y = 0; y < p.height; ++y)
            {
                left = left || p.alpha(0, y) != 0;
                right = right || p.alpha(p.width - 1, y) != 0;
            }
            EXPECT_TRUE(top && bottom && left && right) << piece << " has a transparent margin";
            // Transparent surroundings: a piece is not a plain opaque box
            // unless it is a block of the palace.
            if (std::string(folder) != "palace")
                EXPECT_EQ(p.alpha(0, 0), 0) << piece << " should have transparent surroundings";
        }
}

TEST(GameData, PalacePiecesStackEdgeToEdge)
{
    for (const std::string& piece : listFolder(bmp("palace"), piecePattern))
    {
        const Picture p = read(piece);
        const char row = fs::path(piece).filename().string()[0];
        // Shared measures: widths in steps of 40 (towers and their roofs 80,
        // walls and their tops 120), blocks in steps of 60 high.
        EXPECT_EQ(p.width % 40, 0u) << piece;
        if (row != '3')
            EXPECT_EQ(p.height % 60, 0u) << piece;
        const unsigned last = p.height - 1;
        // Neighbours meet at the bottom corners; what stands on a piece
        // rests on the right end of its top at least.
        EXPECT_EQ(p.alpha(0, last), 255) << piece;
        EXPECT_EQ(p.alpha(p.width - 1, last), 255) << piece;
        if (row != '3')
            EXPECT_EQ(p.alpha(p.width - 1, 0), 255) << piece;
        // A top (roof, gable, battlements) sits flush on its block.
        if (row == '3')
            for (unsigned x = 0; x < p.width; ++x)
                ASSERT_EQ(p.alpha(x, last), 255) << piece << " column " << x;
    }
}

TEST(GameData, ControlStatesShareASizeAndLookDifferent)
{
    const auto names = controlNames();
    for (const std::string& name : names)
    {
        const std::string base = name.substr(0, name.size() - 3);
        const std::string state = name.substr(name.size() - 2);
        if (state == "01")
            continue;
        const Picture away =
            read(bmp("button/" + base + (name[name.size() - 3] == '.' ? "." : " ") + "01.png"));
        const Picture other = read(bmp("button/" + name + ".png"));
        ASSERT_EQ(other.width, away.width) << name;
        ASSERT_EQ(other.height, away.height) << name;
        EXPECT_GT(difference(away, other), 4.0) << name << " looks like its away state";
    }
    // The check box ticked and not ticked look different under the mouse too.
    EXPECT_GT(difference(read(bmp("button/checkbox 02.png")), read(bmp("button/checkbox 05.png"))),
              4.0);
}

TEST(GameData, SizeButtonReadsDifferentlyWhenMirrored)
{
    const Picture larger = read(bmp("button/dec size 01.png"));
    EXPECT_GT(difference(larger, mirrored(larger)), 8.0)
        << "the smaller button is the larger one mirrored; it must not look the same";
    // Growing from left to right: more of the picture's outline ink on the right.
    auto ink = [&](unsigned from, unsigned to)
    {
        unsigned dark = 0;
        for (unsigned y = 0; y < larger.height; ++y)
            for (unsigned x = from; x < to; ++x)
            {
                const uint8_t* px = larger.pixel(x, y);
                if (px[3] > 200 && px[0] + px[1] + px[2] < 200)
                    ++dark;
            }
        return dark;
    };
    EXPECT_GT(ink(larger.width / 2, larger.width), ink(0, larger.width / 2));
}

TEST(GameData, ToolbarControlsFitTheLayout)
{
    const auto r = toolbarLayout();
    for (const auto& [name, rect] : r)
    {
        EXPECT_GE(rect.left, 0) << name;
        EXPECT_GE(rect.top, 0) << name;
        EXPECT_LE(rect.bottom, 767) << name;
        if (name != "exit" && name != "mirror")
            EXPECT_LT(rect.right, 220) << name << " reaches into the palace area";
    }
    EXPECT_LE(r.at("exit").right, 1024);
    EXPECT_LE(r.at("exit").right - r.at("exit").left, 24);
    // Exit and mirror stay inside the frame's top border.
    EXPECT_LE(r.at("exit").bottom, 60);
    EXPECT_LE(r.at("mirror").bottom, 60);
    EXPECT_LE(r.at("mirror").right, 1024 - 60);

    // Controls that must not overlap: a press on one would reach the other.
    std::vector<std::string> separate;
    for (const auto& [name, rect] : r)
        if (name != "exit" && name != "mirror")
            separate.push_back(name);
    for (size_t i = 0; i < separate.size(); ++i)
        for (size_t j = i + 1; j < separate.size(); ++j)
            EXPECT_FALSE(overlap(r.at(separate[i]), r.at(separate[j])))
                << separate[i] << " overlaps " << separate[j];

    // Arrows under a cell stay under 23 units, above the next cell or buttons.
    for (int row = 0; row < 3; ++row)
    {
        const std::string n = std::to_string(row);
        EXPECT_LT(r.at("previous arrow " + n).bottom - r.at("previous arrow " + n).top, 23);
    }
}

TEST(GameData, CheckBoxPicturesKeepTheSizeButtonsApart)
{
    // The check box hit test uses its current picture and the larger button
    // is placed from it, so all five pictures share one size.
    const Picture first = read(bmp("button/checkbox 01.png"));
    for (const char* state : {"02", "03", "04", "05"})
    {
        const Picture p = read(bmp(std::string("button/checkbox ") + state + ".png"));
        EXPECT_EQ(p.width, first.width) << state;
        EXPECT_EQ(p.height, first.height) << state;
    }
}

TEST(GameData, SoundsAreShortSixteenBitPcm)
{
    for (const char* name : {"button", "startDrag", "drop", "takeOff"})
    {
        const Wave wave = readWave(gameDir() + "/Sound/" + name + ".wav");
        EXPECT_EQ(wave.format, 1) << name << " is not PCM";
        EXPECT_EQ(wave.bits, 16) << name;
        ASSERT_GE(wave.channels, 1) << name;
        ASSERT_GT(wave.rate, 0u) << name;
        ASSERT_FALSE(wave.samples.empty()) << name;
        const double seconds = double(wave.samples.size()) / wave.channels / wave.rate;
        EXPECT_LT(seconds, 0.5) << name;
        EXPECT_GT(seconds, 0.03) << name;
        int peak = 0;
        for (int16_t s : wave.samples)
            peak = std::max(peak, std::abs(int(s)));
        // Soft: audible, never near full scale.
        EXPECT_GT(peak, 3000) << name << " is nearly silent";
        EXPECT_LT(peak, 26000) << name << " is too loud";
        // No click at either end.
        EXPECT_LT(std::abs(int(wave.samples.front())), 800) << name;
        EXPECT_LT(std::abs(int(wave.samples.back())), 800) << name;
    }
}

namespace
{

// Sign changes per second over samples [from, to): a rough pitch measure.
double crossingsPerSecond(const Wave& wave, size_t from, size_t to)
{
    size_t crossings = 0;
    for (size_t i = from + 1; i < to; ++i)
        if ((wave.samples[i - 1] < 0) != (wave.samples[i] < 0))
            ++crossings;
    return double(crossings) * wave.rate / double(to - from);
}

} // namespace

TEST(GameData, SoundsHaveTheirCharacter)
{
    // Picking up and lifting off rise in pitch; the drop is a low thunk; the
    // click is the shortest of all.
    for (const char* rising : {"startDrag", "takeOff"})
    {
        const Wave wave = readWave(gameDir() + "/Sound/" + rising + ".wav");
        ASSERT_EQ(wave.channels, 1) << rising;
        const size_t half = wave.samples.size() / 2;
        EXPECT_LT(crossingsPerSecond(wave, 0, half),
                  crossingsPerSecond(wave, half, wave.samples.size()))
            << rising << " should rise";
    }
    const Wave drop = readWave(gameDir() + "/Sound/drop.wav");
    ASSERT_EQ(drop.channels, 1);
    EXPECT_LT(crossingsPerSecond(drop, 0, drop.samples.size()), 600.0) << "drop should be low";
    const Wave click = readWave(gameDir() + "/Sound/button.wav");
    for (const char* other : {"startDrag", "drop", "takeOff"})
        EXPECT_LT(click.samples.size(),
                  readWave(gameDir() + "/Sound/" + other + ".wav").samples.size())
            << "the click should be shorter than " << other;
}

TEST(GameData, BannerDrawingsAreTheSameOnEveryRun)
{
    // The banners' digests are computed at build time from these pictures, so
    // their drawings must not depend on the run: not on Python's hash seed,
    // not on the clock. Two runs with different hash seeds give the same SVG.
    TestSupport::TempDir dir;
    for (const char* banner : {"BMP/startup.jpg", "BMP/shutdown.jpg"})
    {
        std::vector<std::string> texts;
        for (const char* seed : {"1", "2"})
        {
            const std::string out = dir.file(std::string("banner-") + seed + ".svg");
            const std::string command = std::string("PYTHONHASHSEED=") + seed +
                                        " /usr/bin/python3 -B '" + SOURCE_DIR +
                                        "/data/render.py' svg '" + banner + "' '" + out + "'";
            ASSERT_EQ(std::system(command.c_str()), 0) << command;
            std::ifstream in(out, std::ios::binary);
            texts.emplace_back((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
        }
        EXPECT_GT(texts[0].size(), 1000u) << banner;
        EXPECT_EQ(texts[0], texts[1]) << banner << " differs between runs";
    }
}
