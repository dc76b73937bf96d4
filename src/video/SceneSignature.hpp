#pragma once
// A fingerprint of a drawing: every picture it draws, with its content
// generation, place, size, mirror and tint, in drawing order. Two drawings
// with equal fingerprints show the same pixels, so a kept copy of the first
// can stand for the second.

#include "video/Rectangl.hpp"
#include "video/Texture.hpp"

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

    void add(const Rectangl& rect)
    {
        add(static_cast<std::uint32_t>(rect.left));
        add(static_cast<std::uint32_t>(rect.top));
        add(static_cast<std::uint32_t>(rect.right));
        add(static_cast<std::uint32_t>(rect.bottom));
    }

    // The picture as its draw() shows it; data shared between pictures is
    // told apart by address and generation.
    template <class T> void add(const Texture<T>& picture)
    {
        add(reinterpret_cast<std::uintptr_t>(picture.data.get()));
        add(picture.data ? picture.data->generation : 0);
        add(static_cast<std::uint32_t>(picture.position.x));
        add(static_cast<std::uint32_t>(picture.position.y));
        add(picture.mirror);
        add(picture.size);
        add(bits(picture.red));
        add(bits(picture.green));
        add(bits(picture.blue));
    }

    std::uint64_t value() const { return hash; }

private:
    static std::uint32_t bits(float value)
    {
        std::uint32_t result = 0;
        std::memcpy(&result, &value, sizeof result);
        return result;
    }

    std::uint64_t hash = 0xcbf29ce484222325ull;
};

} // namespace OpenGL
} // namespace VideoEngine
