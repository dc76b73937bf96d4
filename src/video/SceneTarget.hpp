#pragma once
// An offscreen picture of the scene at its own 1024 x 768 size: a saved
// picture is drawn there when the window shows the scene at another size, so
// that it holds the same pixels as at 1024 x 768. Owns a GL framebuffer with
// its colour buffer, made on first use and deleted by the destructor; needs
// the GL context it was made in.

namespace VideoEngine
{
namespace OpenGL
{

class SceneTarget
{
public:
    SceneTarget() = default;
    ~SceneTarget();
    SceneTarget(const SceneTarget&) = delete;
    SceneTarget& operator=(const SceneTarget&) = delete;

    // Directs drawing and reading to the offscreen picture, with a viewport
    // of 1024 x 768. False, with nothing changed, when the GL cannot make it.
    bool begin();

    // Directs drawing and reading back where they went before begin, with
    // the viewport begin found.
    void end();

    // True when the GL offers framebuffer objects (OpenGL 3.0, or the ARB
    // extension of older drivers).
    static bool framebuffersOffered();

private:
    unsigned framebuffer = 0;
    unsigned colour = 0;
    bool failed = false;
    int viewport[4] = {};
    // The framebuffers drawn into and read from before begin.
    int previousDraw = 0;
    int previousRead = 0;
};

} // namespace OpenGL
} // namespace VideoEngine
