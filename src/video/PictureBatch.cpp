#include "video/PictureBatch.hpp"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

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
    return left <= other.right && other.left <= right && top <= other.bottom &&
           other.top <= bottom;
}

void PictureBatch::add(const Texture<FastTextureData>& picture)
{
    Quad quad;
    if (picture.data &&
        picture.data->wholeQuad(picture.position.x, picture.position.y, picture.mirror,
                                picture.scale(), quad))
        push(picture, quad);
}

void PictureBatch::addPart(const Texture<FastTextureData>& picture, int sourceLeft,
                           int sourceTop, int sourceRight, int sourceBottom, int destLeft,
                           int destTop, int destRight, int destBottom)
{
    Quad quad;
    if (picture.data && picture.data->partQuad(sourceLeft, sourceTop, sourceRight, sourceBottom,
                                               destLeft, destTop, destRight, destBottom,
                                               picture.mirror, quad))
        push(picture, quad);
}

// The box reaches a unit beyond every pixel the quad may cover, so pictures
// that merely share an edge count as touching.
void PictureBatch::push(const Texture<FastTextureData>& picture, const Quad& quad)
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
    items.push_back({picture.data->textureId, picture.red, picture.green, picture.blue, quad, box});
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

    GLint previousBinding = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &previousBinding);
    // Fully transparent texels would leave the pixels as they are: they are
    // skipped, which spares the renderer most of the blending.
    glPushAttrib(GL_COLOR_BUFFER_BIT);
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
    glPopAttrib();
    glBindTexture(GL_TEXTURE_2D, GLuint(previousBinding));
}

} // namespace OpenGL
} // namespace VideoEngine
