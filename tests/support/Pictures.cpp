#include "support/Pictures.hpp"

#include "video/MaskFile.hpp"

#include <FreeImage.h>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace TestSupport
{

void writePicture(const std::string& fileName, int width, int height, int bits,
                  const std::function<Rgba(int x, int y)>& paint)
{
    const std::filesystem::path folder = std::filesystem::path(fileName).parent_path();
    if (!folder.empty())
        std::filesystem::create_directories(folder);
    FIBITMAP* bitmap = FreeImage_Allocate(width, height, bits);
    for (int y = 0; y < height && bits > 8; ++y)
    {
        // FreeImage counts scan lines from the bottom.
        BYTE* line = FreeImage_GetScanLine(bitmap, height - 1 - y);
        for (int x = 0; x < width; ++x)
        {
            const Rgba c = paint(x, y);
            BYTE* pixel = line + x * bits / 8;
            pixel[FI_RGBA_RED] = c.r;
            pixel[FI_RGBA_GREEN] = c.g;
            pixel[FI_RGBA_BLUE] = c.b;
            if (bits == 32)
                pixel[FI_RGBA_ALPHA] = c.a;
        }
    }
    const FREE_IMAGE_FORMAT format = FreeImage_GetFIFFromFilename(fileName.c_str());
    const bool saved = bitmap && FreeImage_Save(format, bitmap, fileName.c_str(),
                                                format == FIF_JPEG ? JPEG_QUALITYSUPERB : 0);
    FreeImage_Unload(bitmap);
    if (!saved)
        throw std::runtime_error("cannot write " + fileName);
}

Rgba readPixel(const std::string& fileName, int x, int y)
{
    FIBITMAP* bitmap = FreeImage_Load(FreeImage_GetFileType(fileName.c_str()), fileName.c_str());
    RGBQUAD c{};
    const bool inside =
        bitmap && FreeImage_GetPixelColor(bitmap, x, FreeImage_GetHeight(bitmap) - 1 - y, &c);
    FreeImage_Unload(bitmap);
    if (!inside)
        throw std::runtime_error("no pixel there in " + fileName);
    return Rgba{c.rgbRed, c.rgbGreen, c.rgbBlue, 255};
}

void writeGameFolder()
{
    auto solid = [](const std::string& name, int width, int height, int bits, Rgba colour)
    { writePicture(name, width, height, bits, [colour](int, int) { return colour; }); };
    for (const std::string stem : {"background ", "frame ", "clear ", "save picture ", "wallpaper ",
                                   "save ", "load ", "arrow color ", "folder 1.", "folder 2.",
                                   "folder 3.", "mirror ", "gallery ", "dec size ", "arrow ", "page "})
        for (int k = 1; k <= 3; ++k)
            solid("BMP/button/" + stem + "0" + std::to_string(k) + ".png",
                  stem == "arrow " ? 60 : 40, stem == "arrow " ? 20 : 30, 32, controlColour(k));
    for (const std::string stem : {"exit ", "undo ", "redo ", "bin ", "print "})
        for (int k = 1; k <= 4; ++k)
            solid("BMP/button/" + stem + "0" + std::to_string(k) + ".png", 40, 30, 32,
                  controlColour(k));
    for (int k = 1; k <= 5; ++k)
        solid("BMP/button/checkbox 0" + std::to_string(k) + ".png", 24, 36, 32, controlColour(k));
    solid("BMP/gallery/panel.png", 1024, 768, 24, Rgba{250, 230, 200, 255});
    solid("BMP/gallery/slot.png", 224, 172, 32, Rgba{120, 80, 40, 255});
    solid("BMP/gallery/highlight.png", 240, 188, 32, Rgba{255, 210, 60, 128});
    solid("BMP/gallery/waiting.png", 208, 156, 24, Rgba{238, 244, 248, 255});
    solid("BMP/gallery/standin-box.png", 64, 64, 32, Rgba{200, 220, 255, 255});
    solid("BMP/gallery/standin-mark.png", 64, 64, 32, Rgba{255, 210, 60, 255});
    solid("BMP/background/a.png", 1024, 768, 24, sky);
    solid("BMP/background/b.png", 16, 12, 24, Rgba{10, 90, 10, 255});
    solid("BMP/background/c.jpg", 16, 12, 24, Rgba{90, 10, 10, 255});
    writePicture("BMP/frame/gold.png", 1024, 768, 32,
                 [](int x, int y)
                 {
                     const bool cellWindow = x >= 23 && x < 203 && y >= 120 && y < 278;
                     const bool border = x < 254 || x >= 964 || y < 60 || y >= 708;
                     return border && !cellWindow ? frameColour : Rgba{};
                 });
    solid("BMP/frame/plain.png", 320, 140, 32, Rgba{120, 120, 120, 255});
    const struct
    {
        const char* name;
        int width, height;
        Rgba colour;
    } pieces[] = {{"palace/1.arch", 30, 20, red},  {"palace/1.tower", 12, 40, green},
                  {"palace/1.wall", 20, 20, blue}, {"palace/2.flag", 9, 7, blue},
                  {"palace/3.roof", 24, 12, blue}, {"decoration/1.flower", 20, 20, blue},
                  {"person/1.king", 20, 20, blue}};
    std::vector<std::string> names;
    for (const auto& piece : pieces)
    {
        names.push_back("BMP/" + std::string(piece.name) + ".png");
        writePicture(names.back(), piece.width, piece.height, 32,
                     [&](int x, int) { return x < piece.width * 2 / 3 ? piece.colour : Rgba{}; });
    }
    VideoEngine::OpenGL::prepareMasks(names);
}

} // namespace TestSupport
