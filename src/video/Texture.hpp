#pragma once

#include "video/ColorChanger.hpp"
#include "video/Position.hpp"
#include "video/Rectangl.hpp"

#include <cstdint>
#include <memory>
#include <string>

namespace VideoEngine
{
namespace OpenGL
{

// A picture placed on the logical screen: shared picture data plus its own
// position, mirroring, size in tenths (10 = natural size) and tint. Copies
// share the data. Instantiated for FastTextureData and FrameTextureData.
template <class T> class Texture
{
public:
    // Empty picture data, position (0, 0), size 10, white, not mirrored.
    Texture();
    // FastTextureData only: the defaults, then the picture is loaded (its
    // data shared with every other picture of the file, see sharedPicture);
    // an empty name loads nothing. Loading errors pass on.
    explicit Texture(const std::string& fileName);

    // Shows the whole picture of the file (shared data as above; frames get
    // data of their own) and moves the texture to (0, 0); mirror, size and
    // tint stay. The data shown before is never loaded over, since other
    // pictures may share it. Loading errors pass on and leave the old data.
    void load(const std::string& fileName);

    // Draw the whole picture at position, at a given point, or (pictures of
    // FastTextureData only) a part of it into a rectangle, in the tint,
    // leaving the GL state as they found it; a texture without data draws
    // nothing.
    void draw() const;
    void drawAt(int x, int y) const;
    void drawPart(int sourceLeft, int sourceTop, int sourceRight, int sourceBottom, int destLeft,
                  int destTop, int destRight, int destBottom) const;

    // The whole allocated texture, or the picture alone, at position; the size
    // is not applied. Need data.
    Rectangl textureRect() const;
    Rectangl imageRect() const;

    // One tint step on or back; both log the rules and the new factors.
    void nextColor();
    void previousColor();

    // The size factor: size times the single-precision constant 0.1.
    float scale() const { return static_cast<float>(size) * 0.1f; }

    bool mirror = false;
    std::shared_ptr<T> data;
    Position position;
    std::uint32_t size = 10;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    ColorChanger colorChanger;

private:
    // Applies the changer's rules to the tint factors at its step; logs the
    // rules and then the factors under the two line numbers.
    void tint(const ColorMode& rules, int rulesLine, int factorsLine);
};

class FastTextureData;
class FrameTextureData;
template <>
void Texture<FastTextureData>::drawPart(int sourceLeft, int sourceTop, int sourceRight,
                                        int sourceBottom, int destLeft, int destTop, int destRight,
                                        int destBottom) const;
extern template class Texture<FastTextureData>;
extern template class Texture<FrameTextureData>;

} // namespace OpenGL
} // namespace VideoEngine
