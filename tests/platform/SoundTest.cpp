// Sounds through SDL's disk audio driver, which writes what the device would
// play into a file, and without any device. Each case runs in a child process
// of its own: the device is opened once per process.

#include "platform/Sound.hpp"
#include "support/TempDir.hpp"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

// Samples in the output file louder than a whisper.
static int loudSamples(const std::string& output)
{
    std::ifstream in(output, std::ios::binary);
    int loud = 0;
    for (std::int16_t s; in.read(reinterpret_cast<char*>(&s), sizeof s);)
        loud += std::abs(s) > 500;
    return loud;
}

TEST(Sound, PlaysKnownFilesIgnoresMissingOnesAndNeedsNoDevice)
{
    for (const bool device : {true, false})
    {
        SCOPED_TRACE(device ? "disk audio" : "no device");
        TestSupport::TempDir dir;
        const std::string output = dir.file("output.raw");
        const pid_t child = fork();
        if (child == 0)
        {
            setenv("SDL_AUDIODRIVER", device ? "disk" : "no-such-driver", 1);
            setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
            Platform::playSound(dir.file("missing.wav"));
            Platform::playSound(GAME_DIR "/Sound/drop.wav");
            // The disk driver writes in real time: wait until the sound is in.
            const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            while (device && loudSamples(output) < 2000 && std::chrono::steady_clock::now() < end)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            _exit(device && loudSamples(output) < 2000 ? 1 : 0);
        }
        int status = -1;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status)) << "the player crashed";
        EXPECT_EQ(0, WEXITSTATUS(status)) << "the sound did not reach the device";
    }
}
