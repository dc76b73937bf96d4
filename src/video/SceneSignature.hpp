#pragma once
// A running hash of the values that make a drawing what it is (see
// PictureBatch::signature). Two drawings with equal fingerprints show the same
// pixels, so a kept copy of the first can stand for the second.

#include <cstdint>
#include <cstring>

namespace VideoEngine
{
namespace OpenGL
{

class SceneSignature
{
public:
    void add(std::uint64_t value)
    {
        hash ^= value + 0x9e3779b97f4a7c15ull + (hash << 6) + (hash >> 2);
    }

    void add(float value) { add(std::uint64_t(bitsOf(value))); }

    std::uint64_t value() const { return hash; }

private:
    static std::uint32_t bitsOf(float value)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return bits;
    }

    std::uint64_t hash = 0xcbf29ce484222325ull;
};

} // namespace OpenGL
} // namespace VideoEngine
