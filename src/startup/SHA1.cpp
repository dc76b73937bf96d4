#include "startup/SHA1.hpp"

namespace StartUp
{
namespace
{

std::uint32_t rotateLeft(std::uint32_t word, int bits)
{
    return (word << bits) | (word >> (32 - bits));
}

} // namespace

SHA1::SHA1()
{
    reset();
}

void SHA1::reset()
{
    lengthLow = 0;
    lengthHigh = 0;
    blockIndex = 0;
    chaining[0] = 0x67452301;
    chaining[1] = 0xEFCDAB89;
    chaining[2] = 0x98BADCFE;
    chaining[3] = 0x10325476;
    chaining[4] = 0xC3D2E1F0;
    computed = false;
    corrupted = false;
}

void SHA1::input(const std::uint8_t* bytes, std::uint32_t count)
{
    if (count == 0)
        return;
    if (computed || corrupted)
    {
        corrupted = true;
        return;
    }
    for (std::uint32_t i = 0; i < count && !corrupted; ++i)
    {
        block[blockIndex++] = bytes[i];
        lengthLow += 8;
        if (lengthLow == 0 && ++lengthHigh == 0)
            corrupted = true;
        if (blockIndex == 64)
            processBlock();
    }
}

void SHA1::processBlock()
{
    static const std::uint32_t k[4] = {0x5A827999, 0x6ED9EBA1, 0x8F1BBCDC, 0xCA62C1D6};
    std::uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = std::uint32_t(block[t * 4]) << 24 | std::uint32_t(block[t * 4 + 1]) << 16 |
               std::uint32_t(block[t * 4 + 2]) << 8 | std::uint32_t(block[t * 4 + 3]);
    for (int t = 16; t < 80; ++t)
        w[t] = rotateLeft(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);

    std::uint32_t a = chaining[0], b = chaining[1], c = chaining[2], d = chaining[3],
                  e = chaining[4];
    for (int t = 0; t < 80; ++t)
    {
        std::uint32_t f;
        if (t < 20)
            f = (b & c) | (~b & d);
        else if (t < 40 || t >= 60)
            f = b ^ c ^ d;
        else
            f = (b & c) | (b & d) | (c & d);
        const std::uint32_t temp = rotateLeft(a, 5) + f + e + w[t] + k[t / 20];
        e = d;
        d = c;
        c = rotateLeft(b, 30);
        b = a;
        a = temp;
    }
    chaining[0] += a;
    chaining[1] += b;
    chaining[2] += c;
    chaining[3] += d;
    chaining[4] += e;
    blockIndex = 0;
}

void SHA1::padMessage()
{
    block[blockIndex++] = 0x80;
    if (blockIndex > 56)
    {
        while (blockIndex < 64)
            block[blockIndex++] = 0;
        processBlock();
    }
    while (blockIndex < 56)
        block[blockIndex++] = 0;
    const std::uint32_t halves[2] = {lengthHigh, lengthLow};
    for (int h = 0; h < 2; ++h)
        for (int shift = 24; shift >= 0; shift -= 8)
            block[blockIndex++] = static_cast<std::uint8_t>(halves[h] >> shift);
    processBlock();
}

bool SHA1::result(std::uint32_t digest[5])
{
    if (corrupted)
        return false;
    if (!computed)
    {
        padMessage();
        computed = true;
    }
    for (int i = 0; i < 5; ++i)
        digest[i] = chaining[i];
    return true;
}

} // namespace StartUp
