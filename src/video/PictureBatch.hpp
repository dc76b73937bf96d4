#pragma once
// Many pictures drawn as one: the laid pieces of a big palace share a few
// picture files, and sending the pieces of one texture together costs the GL
// far less than one draw per piece. Pictures are sent in an order that gives
// the same pixels as drawing each in turn: a picture moves ahead of earlier
// ones only where it does not touch them. A batch is also what a drawing is
// compared by: its signature comes from the very pictures it draws.

#include "video/FastTextureData.hpp"
#include "video/FrameTextureData.hpp"
#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

#include <cstdint>
#include <vector>

namespace VideoEngine
{
namespace OpenGL
{

class PictureBatch
{
public:
    // Adds the picture as its draw() would draw it, or a part of it as its
    // drawPart() would; a picture without GL texture adds nothing.
    void add(const Texture<FastTextureData>& picture);
    // Adds the frame's four pieces as its draw() would draw them.
    void add(const Texture<FrameTextureData>& frame);
    void addPart(const Texture<FastTextureData>& picture, int sourceLeft, int sourceTop,
                 int sourceRight, int sourceBottom, int destLeft, int destTop, int destRight,
                 int destBottom);

    // Draws everything added, with the current blending and texturing, and
    // leaves the GL state as it found it. The batch stays filled.
    void draw() const;

    // Where drawing this batch instead of the earlier one changes pixels: the
    // bounding box, in drawing units, of the pictures that only one of the
    // two draws (the same picture data, tint and corners count as the same
    // picture). Empty (right < left) when both draw the same. False when the
    // pictures both draw come in another order, which may change pixels
    // anywhere.
    bool changedArea(const PictureBatch& earlier, Rectangl& area) const;

    // A fingerprint of what draw() shows: every picture's content generation,
    // texture, tint and corners, in order. Batches with equal signatures draw
    // the same pixels.
    std::uint64_t signature() const;

    // True when nothing was added.
    bool empty() const { return items.empty(); }

private:
    struct Box
    {
        int left, top, right, bottom;
        bool touches(const Box& other) const;
    };

    struct Item
    {
        std::uint64_t generation;
        std::uint32_t texture;
        float red, green, blue;
        Quad quad;
        Box box;
        bool sameAs(const Item& other) const;
    };

    void push(const FastTextureData& data, float red, float green, float blue, const Quad& quad);

    std::vector<Item> items;
};

} // namespace OpenGL
} // namespace VideoEngine
