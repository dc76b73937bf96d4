#pragma once
// SHA-1 (FIPS 180-1) over a byte stream. The result is the five chaining
// words H0..H4 as integers. Once the result has been taken, or the message
// grew beyond 2^64 bits, further input only marks the object corrupted.

#include <cstdint>

namespace StartUp
{

class SHA1
{
public:
    SHA1();
    virtual ~SHA1() = default;

    // Starts a new, empty message.
    void reset();

    // Appends count bytes. After result() or on overflow it only marks the
    // object corrupted.
    void input(const std::uint8_t* bytes, std::uint32_t count);

    // Pads the message (the first time) and writes the five words. Returns
    // false, writing nothing, when the object is corrupted.
    bool result(std::uint32_t digest[5]);

private:
    void processBlock();
    void padMessage();

    std::uint32_t chaining[5];
    std::uint32_t lengthLow;
    std::uint32_t lengthHigh;
    std::uint8_t block[64];
    std::int32_t blockIndex;
    bool computed;
    bool corrupted;
};

} // namespace StartUp
