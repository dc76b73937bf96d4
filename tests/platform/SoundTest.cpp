// The sound layer against SDL's disk audio driver, which writes what the
// device would play into a file. The device opens once per process, so each
// test needs a process of its own (as ctest runs them).

#include "platform/Sound.hpp"
#include "support/TempDir.hpp"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace
{

// Writes a 44.1 kHz stereo 16-bit WAV (the mixer's own format, so samples
// reach the output unchanged) of the given samples, one value per frame.
void writeWav(const std::string& fileName, const std::vector<std::int16_t>& frames)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(frames.size() * 4);
    std::ofstream out(fileName, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(2);
    u32(44100);
    u32(44100 * 4);
    u16(4);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    for (std::int16_t sample : frames)
    {
        u16(static_cast<std::uint16_t>(sample));
        u16(static_cast<std::uint16_t>(sample));
    }
    ASSERT_TRUE(out.good());
}

std::vector<std::int16_t> constant(std::int16_t value, double seconds)
{
    return std::vector<std::int16_t>(static_cast<std::size_t>(44100 * seconds), value);
}

std::vector<std::int16_t> readSamples(const std::string& fileName)
{
    std::ifstream in(fileName, std::ios::binary);
    std::vector<std::int16_t> samples;
    std::int16_t sample;
    while (in.read(reinterpret_cast<char*>(&sample), sizeof sample))
        samples.push_back(sample);
    return samples;
}

void useDiskAudio(const std::string& outputFile)
{
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", outputFile.c_str(), 1);
}

void wait(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

} // namespace

TEST(Sound, APlayedWaveReachesTheAudioOutput)
{
    TestSupport::TempDir dir;
    useDiskAudio(dir.file("output.raw"));
    std::vector<std::int16_t> square;
    for (int i = 0; i < 44100 / 4; ++i)
        square.push_back((i / 50) % 2 ? 8000 : -8000);
    writeWav(dir.file("square.wav"), square);

    Platform::playSound(dir.file("missing.wav"));
    Platform::playSound(dir.file("square.wav"));
    wait(1.0);

    const std::vector<std::int16_t> samples = readSamples(dir.file("output.raw"));
    ASSERT_FALSE(samples.empty()) << "the audio device was never opened";
    int loud = 0;
    for (std::int16_t s : samples)
        loud += s == 8000 || s == -8000;
    EXPECT_GT(loud, 44100 / 4) << "most of the square wave should be in the output";
}

TEST(Sound, ANewSoundCutsOffTheOnePlaying)
{
    TestSupport::TempDir dir;
    useDiskAudio(dir.file("output.raw"));
    writeWav(dir.file("long.wav"), constant(1000, 3.0));
    writeWav(dir.file("short.wav"), constant(3000, 0.3));

    Platform::playSound(dir.file("long.wav"));
    wait(0.4);
    Platform::playSound(dir.file("short.wav"));
    wait(1.2);

    const std::vector<std::int16_t> samples = readSamples(dir.file("output.raw"));
    std::size_t firstLong = samples.size(), lastShort = 0, mixed = 0;
    for (std::size_t i = 0; i < samples.size(); ++i)
    {
        if (samples[i] == 1000 && firstLong == samples.size())
            firstLong = i;
        if (samples[i] == 3000)
            lastShort = i;
        mixed += samples[i] == 4000;
    }
    ASSERT_LT(firstLong, samples.size()) << "the long sound never played";
    ASSERT_GT(lastShort, firstLong) << "the short sound never played";
    EXPECT_EQ(mixed, 0u) << "the two sounds were mixed";
    for (std::size_t i = lastShort; i < samples.size(); ++i)
        ASSERT_NE(samples[i], 1000) << "the long sound went on after the short one";
}

TEST(Sound, WithoutAnAudioDeviceSoundsAreSilentlyDropped)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    TestSupport::TempDir dir;
    writeWav(dir.file("beep.wav"), constant(5000, 0.1));
    Platform::playSound(dir.file("beep.wav"));
    Platform::playSound(dir.file("beep.wav"));
    SUCCEED() << "returned without a device";
}

TEST(Sound, ARecordingSinkTakesTheSoundsInsteadOfTheDevice)
{
    TestSupport::TempDir dir;
    useDiskAudio(dir.file("output.raw"));
    std::vector<std::string> played;
    Platform::setSoundSink([&](const std::string& name) { played.push_back(name); });
    Platform::playSound("Sound/drop.wav");
    Platform::playSound("Sound/takeOff.wav");
    Platform::setSoundSink({});

    EXPECT_EQ(played, (std::vector<std::string>{"Sound/drop.wav", "Sound/takeOff.wav"}));
    std::ifstream output(dir.file("output.raw"));
    EXPECT_FALSE(output.is_open()) << "the device opened although a sink was installed";

    Platform::playSound("Sound/none.wav");
    EXPECT_EQ(played.size(), 2u) << "an empty sink gives the sounds back to the device";
}
