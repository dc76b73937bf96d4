#include "SceneFiles.hpp"

#include "palace/Brick.hpp"
#include "video/MaskFile.hpp"

#include <FreeImage.h>

#include <filesystem>
#include <memory>
#include <stdexcept>
#include <vector>

namespace SceneFiles
{
namespace
{

using GameLogic::PalaceBuild::Brick;

// A width x height picture: an opaque block of the colour in its left part
// and, for 32-bit pictures, transparency elsewhere.
void writePicture(const std::string& fileName, int width, int height, int bits, BYTE red,
                  BYTE green, BYTE blue, FREE_IMAGE_FORMAT format)
{
    std::filesystem::create_directories(std::filesystem::path(fileName).parent_path());
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bits);
    if (!bitmap)
        throw std::runtime_error("no bitmap");
    const int bytes = bits / 8;
    for (int y = 0; y < height; ++y)
    {
        BYTE* line = FreeImage_GetScanLine(bitmap, y);
        for (int x = 0; x < width; ++x)
        {
            const bool opaque = x < width * 2 / 3;
            BYTE* pixel = line + x * bytes;
            pixel[FI_RGBA_RED] = red;
            pixel[FI_RGBA_GREEN] = green;
            pixel[FI_RGBA_BLUE] = blue;
            if (bytes == 4)
                pixel[FI_RGBA_ALPHA] = opaque ? 255 : 0;
        }
    }
    const bool saved = FreeImage_Save(format, bitmap, fileName.c_str(), 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write " + fileName);
}

std::shared_ptr<Brick> brickAt(const std::string& fileName, int x, int y)
{
    auto brick = std::make_shared<Brick>(fileName);
    brick->setPosition(x, y);
    return brick;
}

} // namespace

const char* const examples[3] = {"empty", "three", "stack"};

void writePictures()
{
    writePicture("BMP/palace/1.arch.png", 30, 20, 32, 200, 40, 40, FIF_PNG);
    writePicture("BMP/palace/1.tower.png", 12, 40, 32, 40, 200, 40, FIF_PNG);
    writePicture("BMP/palace/2.flag.png", 9, 7, 32, 40, 40, 200, FIF_PNG);
    VideoEngine::OpenGL::prepareMasks(
        {"BMP/palace/1.arch.png", "BMP/palace/1.tower.png", "BMP/palace/2.flag.png"});
    writePicture("BMP/background/a.png", 16, 12, 24, 10, 10, 90, FIF_PNG);
    writePicture("BMP/background/b.png", 16, 12, 24, 10, 90, 10, FIF_PNG);
    writePicture("BMP/background/c.jpg", 16, 12, 24, 90, 10, 10, FIF_JPEG);
    writePicture("BMP/frame/gold.png", 320, 140, 32, 220, 180, 20, FIF_PNG);
    writePicture("BMP/frame/plain.png", 320, 140, 32, 120, 120, 120, FIF_PNG);
}

Scene::Scene() : backgrounds("BMP/background"), frames("BMP/frame") {}

void build(Scene& scene, const std::string& example)
{
    using GameLogic::PalaceBuild::Palace;
    Palace& palace = scene.palace;
    palace.clear();
    if (example == "empty")
        return;
    if (example == "stack")
    {
        auto lower = brickAt("BMP/palace/1.tower.png", 400, 300);
        palace.addBrick(lower);
        auto upper = std::make_shared<Brick>(*lower);
        upper->setPosition(400, 260);
        palace.addBrick(upper);
        palace.reserved = 65535;
        return;
    }
    if (example != "three")
        throw std::invalid_argument("no example " + example);

    // Reaches into the toolbar strip, so the drop clips it.
    auto arch = brickAt("BMP/palace/1.arch.png", 205, 500);
    arch->setSize(12);
    palace.addBrick(arch);

    auto tower = brickAt("BMP/palace/1.tower.png", 600, 123);
    tower->picture.mirror = true;
    tower->setSize(7);
    palace.addBrick(tower);
    palace.nextColor();
    palace.nextColor();
    palace.nextColor();

    auto flag = brickAt("BMP/palace/2.flag.png", 1010, -3);
    palace.addBrick(flag);
    for (int step = 0; step < 17; ++step)
        palace.nextColor();
    palace.toggleMirror();
    palace.reserved = 65535;

    scene.backgrounds.next();
    scene.frames.next();
}

} // namespace SceneFiles
