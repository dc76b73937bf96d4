#pragma once
// The GL state a drawing changes, put back as the drawing found it: the
// attribute groups named and the bound 2D texture are saved when a
// KeptGLState is made and restored when it goes. (The binding alone costs far
// less than the whole texture group.) Make and drop it in the same GL
// context, outside glBegin and glEnd; the GL's attribute stack is deep
// enough for a few nested ones.

namespace VideoEngine
{
namespace OpenGL
{

class KeptGLState
{
public:
    // Saves the attribute groups (GL_CURRENT_BIT, GL_ENABLE_BIT and so on,
    // as glPushAttrib takes them) and the texture binding.
    explicit KeptGLState(unsigned attributeGroups);
    // Restores what the constructor saved.
    ~KeptGLState();

    KeptGLState(const KeptGLState&) = delete;
    KeptGLState& operator=(const KeptGLState&) = delete;

private:
    int texture = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
