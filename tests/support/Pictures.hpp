#pragma once
// Picture files written and read with FreeImage, pixels counted from the top
// left; and a small game folder made of such pictures.

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <string>

namespace TestSupport
{

struct Rgba
{
    std::uint8_t r, g, b, a;
};

inline bool operator==(const Rgba& p, const Rgba& q)
{
    return p.r == q.r && p.g == q.g && p.b == q.b && p.a == q.a;
}

// The same colour but for the rounding of filtering, tinting and JPEG.
inline bool near(const Rgba& p, const Rgba& q, int tolerance = 3)
{
    return std::abs(p.r - q.r) <= tolerance && std::abs(p.g - q.g) <= tolerance &&
           std::abs(p.b - q.b) <= tolerance;
}

inline std::ostream& operator<<(std::ostream& out, const Rgba& c)
{
    return out << "(" << int(c.r) << ", " << int(c.g) << ", " << int(c.b) << ")";
}

// Writes a picture in the format of the name's extension (.png, .bmp, .jpg),
// of 24 or 32 bits painted pixel by pixel, or of 8 bits with a palette (left
// unpainted). Makes the folder when missing; throws when it cannot write.
void writePicture(const std::string& fileName, int width, int height, int bits,
                  const std::function<Rgba(int x, int y)>& paint);

// The pixel (x, y) of a picture file, opaque.
Rgba readPixel(const std::string& fileName, int x, int y);

// The game folder: controls, two frames, three backgrounds and the pieces of
// the three toolbar folders with their masks, written into the working
// directory. The saved games in tests/savegame/corpus name these pictures
// and keep their sizes: change neither.
void writeGameFolder();

constexpr Rgba sky{0, 0, 255, 255};           // BMP/background/a.png, the whole screen
constexpr Rgba frameColour{128, 0, 128, 255}; // BMP/frame/gold.png, open over the first cell
// The pieces' left two thirds are opaque, the rest transparent.
constexpr Rgba red{200, 40, 40, 255};   // BMP/palace/1.arch.png, 30 x 20
constexpr Rgba green{40, 200, 40, 255}; // BMP/palace/1.tower.png, 12 x 40
constexpr Rgba blue{40, 40, 200, 255};  // the other pieces
// Picture k (1 to 5) of every button, arrow and the check box (4 of the undo
// and redo buttons: nothing to undo or redo).
inline Rgba controlColour(int k)
{
    return Rgba{std::uint8_t(40 * k), 250, std::uint8_t(200 - 30 * k), 255};
}

} // namespace TestSupport
