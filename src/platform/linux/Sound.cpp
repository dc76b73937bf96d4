// Sound effects through SDL2_mixer. The audio device is opened on the first
// sound that reaches it and closed at exit; if it cannot be opened, every
// sound stays silent for the rest of the run. One mixing channel: a new sound
// cuts off the one playing.

#include "platform/Sound.hpp"

#include <SDL.h>
#include <SDL_mixer.h>
#include <map>
#include <memory>

namespace Platform
{

namespace
{

struct ChunkDeleter
{
    void operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
};
using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkDeleter>;

// The opened audio device and the sounds decoded for it, by file name.
class Mixer
{
public:
    // Opens SDL's audio alone and the mixer on it; opened() tells whether it
    // worked.
    Mixer()
    {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return;
        if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, MIX_DEFAULT_CHANNELS, 1024) !=
            0)
        {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return;
        }
        Mix_AllocateChannels(1);
        isOpen = true;
    }

    // Stops playing and frees the sounds before the device closes.
    ~Mixer()
    {
        if (!isOpen)
            return;
        Mix_HaltChannel(-1);
        sounds.clear();
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }

    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    bool opened() const { return isOpen; }

    // Plays the file on the one channel, decoding it on first use. A file
    // that cannot be decoded is skipped (and tried again next time).
    void play(const std::string& fileName)
    {
        auto found = sounds.find(fileName);
        if (found == sounds.end())
        {
            ChunkPtr chunk(Mix_LoadWAV(fileName.c_str()));
            if (!chunk)
                return;
            found = sounds.emplace(fileName, std::move(chunk)).first;
        }
        Mix_PlayChannel(0, found->second.get(), 0);
    }

private:
    bool isOpen = false;
    std::map<std::string, ChunkPtr> sounds;
};

struct SoundState
{
    SoundSink sink;
    bool triedDevice = false;
    std::unique_ptr<Mixer> mixer;
};

SoundState& state()
{
    static SoundState instance;
    return instance;
}

} // namespace

void playSound(const std::string& fileName)
{
    SoundState& sound = state();
    if (sound.sink)
    {
        sound.sink(fileName);
        return;
    }
    if (!sound.triedDevice)
    {
        sound.triedDevice = true;
        auto mixer = std::make_unique<Mixer>();
        if (mixer->opened())
            sound.mixer = std::move(mixer);
    }
    if (sound.mixer)
        sound.mixer->play(fileName);
}

void setSoundSink(SoundSink sink)
{
    state().sink = std::move(sink);
}

} // namespace Platform
