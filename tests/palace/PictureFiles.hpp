#pragma once
// Pictures, mask files and a sound recorder for the palace tests.

#include "platform/Sound.hpp"

#include <functional>
#include <string>
#include <vector>

namespace PalaceTests
{

struct Colour
{
    unsigned char r, g, b;
};

// Which pixels of a 32-bit picture are opaque; the others get alpha 0.
using Opaque = std::function<bool(int x, int y)>;

// Writes a picture of one colour with FreeImage: 32 bits with the given
// opaque pixels, or 24 bits when opaque is empty. The format follows the
// extension (".png", ".bmp" or ".jpg"). Throws when it cannot be written.
void writePicture(const std::string& fileName, int width, int height, Colour colour,
                  const Opaque& opaque = {});

// Writes the text as it stands (no line break added).
void writeText(const std::string& fileName, const std::string& text);

// Records the sounds the game plays while it lives.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    std::vector<std::string> played;
};

} // namespace PalaceTests
