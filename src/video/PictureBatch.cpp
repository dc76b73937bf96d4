#include "video/PictureBatch.hpp"

#include "video/KeptGLState.hpp"
#include "video/SceneSignature.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace VideoEngine
{
namespace OpenGL
{
namespace
{

// The pictures sent with one texture bound, in the order they were added.
struct Run
{
    std::uint32_t texture;
    std::vector<std::size_t> items;
};

} // namespace

bool PictureBatch::Box::touches(const Box& other) const
{
    return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
}

bool PictureBatch::Item::sameAs(const Item& other) const
{
    auto sameCorner = [](const QuadCorner& a, const QuadCorner& b)
    { return a.s == b.s && a.t == b.t && a.x == b.x && a.y == b.y; };
    return generation == other.generation && red == other.red && green == other.green &&
           blue == other.blue &&
           std::equal(quad.begin(), quad.end(), other.quad.begin(), sameCorner);
}

// Pairs each picture with the first unpaired equal one of the earlier batch
// (looked up by picture data and place); the pairs must keep their order.
// The area stays empty (right < left) when every picture is paired.
bool PictureBatch::changedArea(const PictureBatch& earlier, Rectangl& area) const
{
    auto key = [](const Item& item)
    { return item.generation * 31 + std::uint64_t(item.box.left) * 7919 + item.box.top; };
    std::unordered_multimap<std::uint64_t, std::size_t> unpaired;
    for (std::size_t j = 0; j < earlier.items.size(); ++j)
        unpaired.emplace(key(earlier.items[j]), j);

    Box changed{0, 0, -1, -1};
    auto include = [&changed](const Box& box)
    {
        changed =
            changed.right < changed.left
                ? box
                : Box{std::min(changed.left, box.left), std::min(changed.top, box.top),
                      std::max(changed.right, box.right), std::max(changed.bottom, box.bottom)};
    };
    std::size_t lastPaired = 0;
    bool anyPaired = false;
    for (const Item& item : items)
    {
        const auto [first, last] = unpaired.equal_range(key(item));
        auto match = last;
        for (auto candidate = first; candidate != last; ++candidate)
            if (earlier.items[candidate->second].sameAs(item) &&
                (match == last || candidate->second < match->second))
                match = candidate;
        if (match == last)
        {
            include(item.box);
            continue;
        }
        if (anyPaired && match->second < lastPaired)
            return false;
        lastPaired = match->second;
        anyPaired = true;
        unpaired.erase(match);
    }
    for (const auto& gone : unpaired)
        include(earlier.items[gone.second].box);
    area = {changed.left, changed.top, changed.right, changed.bottom};
    return true;
}

void PictureBatch::add(const Texture<FastTextureData>& picture)
{
    Quad quad;
    if (picture.data && picture.data->wholeQuad(picture.position.x, picture.position.y,
                                                picture.mirror, picture.scale(), quad))
        push(*picture.data, picture.red, picture.green, picture.blue, quad);
}

void PictureBatch::add(const Texture<FrameTextureData>& frame)
{
    if (!frame.data)
        return;
    for (std::size_t k = 0; k < frame.data->pieces.size(); ++k)
    {
        const Position at = frame.data->pieceAt(k, frame.position.x, frame.position.y);
        Quad quad;
        if (frame.data->pieces[k].wholeQuad(at.x, at.y, frame.mirror, frame.scale(), quad))
            push(frame.data->pieces[k], frame.red, frame.green, frame.blue, quad);
    }
}

void PictureBatch::addPart(const Texture<FastTextureData>& picture, int sourceLeft, int sourceTop,
                           int sourceRight, int sourceBottom, int destLeft, int destTop,
                           int destRight, int destBottom)
{
    Quad quad;
    if (picture.data &&
        picture.data->partQuad(sourceLeft, sourceTop, sourceRight, sourceBottom, destLeft, destTop,
                               destRight, destBottom, picture.mirror, quad))
        push(*picture.data, picture.red, picture.green, picture.blue, quad);
}

// The box reaches a unit beyond every pixel the quad may cover, so pictures
// that merely share an edge count as touching.
void PictureBatch::push(const FastTextureData& data, float red, float green, float blue,
                        const Quad& quad)
{
    float left = quad[0].x, right = quad[0].x, top = quad[0].y, bottom = quad[0].y;
    for (const QuadCorner& corner : quad)
    {
        left = std::min(left, corner.x);
        right = std::max(right, corner.x);
        top = std::min(top, corner.y);
        bottom = std::max(bottom, corner.y);
    }
    const Box box{int(std::floor(left)) - 1, int(std::floor(top)) - 1, int(std::ceil(right)) + 1,
                  int(std::ceil(bottom)) + 1};
    items.push_back({data.generation, data.textureId, red, green, blue, quad, box});
}

std::uint64_t PictureBatch::signature() const
{
    SceneSignature signature;
    signature.add(items.size());
    for (const Item& item : items)
    {
        signature.add(item.generation);
        signature.add(std::uint64_t(item.texture));
        for (float value : {item.red, item.green, item.blue})
            signature.add(value);
        for (const QuadCorner& corner : item.quad)
            for (float value : {corner.s, corner.t, corner.x, corner.y})
                signature.add(value);
    }
    return signature.value();
}

// Each picture joins the last run of its texture that comes no earlier than
// the last run holding a picture it touches; else it opens a new run.
void PictureBatch::draw() const
{
    std::vector<Run> runs;
    for (std::size_t i = 0; i < items.size(); ++i)
    {
        std::size_t earliest = 0;
        bool touched = false;
        for (std::size_t r = runs.size(); r-- > 0 && !touched;)
            for (std::size_t j : runs[r].items)
                if (items[j].box.touches(items[i].box))
                {
                    earliest = r;
                    touched = true;
                    break;
                }
        std::size_t chosen = runs.size();
        for (std::size_t r = runs.size(); r-- > earliest;)
            if (runs[r].texture == items[i].texture)
            {
                chosen = r;
                break;
            }
        if (chosen == runs.size())
            runs.push_back({items[i].texture, {}});
        runs[chosen].items.push_back(i);
    }

    const KeptGLState kept(GL_COLOR_BUFFER_BIT | GL_CURRENT_BIT);
    // Fully transparent texels would leave the pixels as they are: they are
    // skipped, which spares the renderer most of the blending.
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.0f);
    for (const Run& run : runs)
    {
        glBindTexture(GL_TEXTURE_2D, run.texture);
        glBegin(GL_TRIANGLES);
        for (std::size_t i : run.items)
        {
            glColor4f(items[i].red, items[i].green, items[i].blue, 1.0f);
            sendQuad(items[i].quad);
        }
        glEnd();
    }
}

} // namespace OpenGL
} // namespace VideoEngine
