// The built game folder's pictures and sounds against what a player relies
// on: nine pieces or more for every toolbar row, cut out with a solid part
// inside a dark outline; palace pieces of widths that fit one another;
// buttons whose states share a size; full-screen banners, eight backgrounds
// and five frames; twins of twice the size of all but the banners; short,
// audible sounds.

#include <FreeImage.h>
#include <SDL.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>

TEST(GameData, PicturesHaveTheShapesThePlayerSees)
{
    const int Photo = 0, Frame = 1, Block = 2, Figure = 3, Button = 4;
    const std::tuple<const char*, const char*, int> kinds[] = {
        {"", "(startup|shutdown)\\.jpg", Photo},
        {"background", ".*\\.jpg", Photo},
        {"frame", ".*\\.png", Frame},
        {"palace", "[1-3]\\..*\\.png", Block},
        {"decoration", "[1-3]\\..*\\.png", Figure},
        {"person", "[1-3]\\..*\\.png", Figure},
        {"button", ".*\\.png", Button}};
    for (const auto& [folder, pattern, shape] : kinds)
    {
        SCOPED_TRACE(folder);
        std::map<std::string, std::vector<std::pair<unsigned, unsigned>>> buttonStates;
        // Per button and state: the mean spread of the opaque pixels' channels.
        std::map<std::string, std::map<std::string, double>> colourful;
        std::string rows;
        std::vector<std::string> outlineless;
        for (const auto& entry :
             std::filesystem::directory_iterator(GAME_DIR "/BMP/" + std::string(folder)))
        {
            const std::string name = entry.path().filename().string(), file = entry.path();
            if (!std::regex_match(name, std::regex(pattern)))
                continue;
            SCOPED_TRACE(name);
            FIBITMAP* p = FreeImage_Load(FreeImage_GetFileType(file.c_str(), 0), file.c_str(), 0);
            ASSERT_TRUE(p);
            const unsigned width = FreeImage_GetWidth(p), height = FreeImage_GetHeight(p);
            // Alpha at (x, y) from the top left; 255 for pictures without it.
            const auto alpha = [&](unsigned x, unsigned y)
            {
                RGBQUAD c{0, 0, 0, 255};
                FreeImage_GetPixelColor(p, x, height - 1 - y, &c);
                return FreeImage_GetBPP(p) == 32 ? c.rgbReserved : 255;
            };
            bool solid = false;
            for (unsigned i = 0; i < width * height && !solid; ++i)
                solid = alpha(i % width, i / width) == 255;
            rows += name[0];
            EXPECT_EQ(shape == Photo ? 24u : 32u, FreeImage_GetBPP(p));
            EXPECT_TRUE((shape != Photo && shape != Frame) || (width == 1024 && height == 768));
            // A frame covers the borders and the toolbar's panel; the scene and
            // the toolbar's cells show through.
            EXPECT_TRUE(shape != Frame ||
                        (alpha(5, 5) == 255 && alpha(1018, 762) == 255 && alpha(10, 384) == 255 &&
                         alpha(600, 384) == 0 && alpha(113, 200) == 0));
            // A piece fits its toolbar cell and has a solid part; figures stand
            // free, palace blocks stand side by side on the same ground.
            EXPECT_TRUE((shape != Block && shape != Figure) ||
                        (width <= 180 && height <= 158 && solid));
            EXPECT_TRUE(shape != Figure || alpha(0, 0) == 0);
            EXPECT_TRUE(shape != Block ||
                        (alpha(0, height - 1) & alpha(width - 1, height - 1)) == 255);
            // Palace pieces fit one another: widths in steps of 40 (walls 120,
            // towers 80, turrets 40); walls and towers stack in steps of 30.
            EXPECT_TRUE(shape != Block || (width % 40 == 0 &&
                                           (name[0] == '3' || height % 30 == 0)))
                << width << "x" << height;
            // The picture's edge, where it meets the transparent or the border,
            // is drawn in the dark outline: most edge pixels have one (spray and
            // sparkles may go without) within three pixels inward.
            if (shape == Block || shape == Figure)
            {
                // The mask the build wrote covers exactly the opaque pixels.
                std::ifstream mask(file + ".mask");
                unsigned maskWidth = 0, row = 0, first = 0, end = 0, covered = 0, opaque = 0;
                EXPECT_TRUE(mask >> maskWidth) << "no mask";
                EXPECT_EQ(width, maskWidth);
                while (mask >> row >> first >> end)
                    covered += end - first + (end + 1 == width && alpha(end, row) ? 1 : 0);
                for (unsigned i = 0; i < width * height; ++i)
                    opaque += alpha(i % width, i / width) != 0;
                EXPECT_EQ(opaque, covered);
                const auto dark = [&](unsigned x, unsigned y)
                {
                    RGBQUAD c{};
                    FreeImage_GetPixelColor(p, x, height - 1 - y, &c);
                    return alpha(x, y) >= 128 && c.rgbRed < 120 && c.rgbGreen < 100 &&
                           c.rgbBlue < 100;
                };
                unsigned edges = 0, outlined = 0;
                for (unsigned y = 0; y < height; ++y)
                    for (unsigned x = 0; x < width; ++x)
                    {
                        const bool edge =
                            alpha(x, y) >= 128 &&
                            (x == 0 || y == 0 || x + 1 == width || y + 1 == height ||
                             alpha(x - 1, y) < 128 || alpha(x + 1, y) < 128 ||
                             alpha(x, y - 1) < 128 || alpha(x, y + 1) < 128);
                        if (!edge)
                            continue;
                        ++edges;
                        bool near = false;
                        for (unsigned dy = 0; dy < 7 && !near; ++dy)
                            for (unsigned dx = 0; dx < 7 && !near; ++dx)
                                near = x + dx >= 3 && y + dy >= 3 && x + dx - 3 < width &&
                                       y + dy - 3 < height && dark(x + dx - 3, y + dy - 3);
                        outlined += near;
                    }
                if (outlined < 0.5 * edges)
                    outlineless.push_back(name + " " + std::to_string(outlined * 100 / edges) + "%");
            }
            if (shape == Button)
            {
                buttonStates[name.substr(0, name.size() - 6)].push_back({width, height});
                double spread = 0, opaque = 0;
                for (unsigned i = 0; i < width * height; ++i)
                {
                    RGBQUAD c{};
                    FreeImage_GetPixelColor(p, i % width, i / width, &c);
                    const auto [low, high] = std::minmax({c.rgbRed, c.rgbGreen, c.rgbBlue});
                    spread += c.rgbReserved >= 128 ? high - low : 0;
                    opaque += c.rgbReserved >= 128;
                }
                colourful[name.substr(0, name.size() - 6)][name.substr(name.size() - 6, 2)] =
                    spread / opaque;
            }
            // Every picture but a banner has its twin of twice the size under BMP2x/.
            const std::string twinFile = GAME_DIR "/BMP2x/" + std::string(folder) + "/" + name;
            FIBITMAP* twin =
                FreeImage_Load(FreeImage_GetFileType(twinFile.c_str(), 0), twinFile.c_str(), 0);
            EXPECT_EQ(*folder == '\0', twin == nullptr);
            EXPECT_TRUE(!twin || (FreeImage_GetBPP(p) == FreeImage_GetBPP(twin) &&
                                  2 * width == FreeImage_GetWidth(twin) &&
                                  2 * height == FreeImage_GetHeight(twin)));
            FreeImage_Unload(twin);
            FreeImage_Unload(p);
        }
        EXPECT_FALSE(rows.empty());
        for (const std::string& piece : outlineless)
            ADD_FAILURE() << "no outline round " << piece;
        for (const char row : {'1', '2', '3'})
            EXPECT_TRUE((shape != Block && shape != Figure) ||
                        std::count(rows.begin(), rows.end(), row) >= 9)
                << "fewer than nine pictures for row " << row;
        EXPECT_TRUE(std::string(folder) != "background" || rows.size() >= 8) << rows.size();
        EXPECT_TRUE(std::string(folder) != "frame" || rows.size() >= 5) << rows.size();
        // A button's fourth state (nothing to undo or redo, the locked exit) is grey.
        for (const auto& [button, states] : colourful)
            EXPECT_TRUE(states.size() != 4 || states.at("04") < 0.3 * states.at("01")) << button;
        // Each button has its three states (away, under the mouse, pressed) of one size.
        for (const auto& [button, sizes] : buttonStates)
            EXPECT_TRUE(sizes.size() >= 3 && std::count(sizes.begin(), sizes.end(), sizes[0]) ==
                                                 static_cast<long>(sizes.size()))
                << button;
    }
}

TEST(GameData, SoundsAreShortAudibleWaves)
{
    for (const char* name : {"button", "startDrag", "drop", "takeOff", "tick"})
    {
        SCOPED_TRACE(name);
        SDL_AudioSpec wave;
        Uint8* samples = nullptr;
        Uint32 bytes = 0;
        const std::string file = GAME_DIR "/Sound/" + std::string(name) + ".wav";
        ASSERT_TRUE(SDL_LoadWAV(file.c_str(), &wave, &samples, &bytes)) << SDL_GetError();
        ASSERT_EQ(AUDIO_S16LSB, wave.format);
        const double seconds = bytes / 2.0 / wave.channels / wave.freq;
        EXPECT_TRUE(seconds > 0.03 && seconds < 0.5) << seconds;
        const auto* first = reinterpret_cast<const Sint16*>(samples);
        EXPECT_GT(*std::max_element(first, first + bytes / 2), 3000) << "nearly silent";
        SDL_FreeWAV(samples);
    }
}
