#pragma once
// Seven effects and one looping music stream through SDL2_mixer. When the sound card is
// switched off, or no audio device can be opened, every operation returns at once.
#include <QString>
#include <array>
#include <functional>

#include "engine/view.h"
#include "presentation/sample_channels.h"

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tsn {

inline constexpr int kMaxVolume = 10000;
inline constexpr int kPlaybacksPerSample = 3;

// The sound files below the data folder's sound folder, in loading order.
const std::array<const char*, kSampleCount>& SampleFileNames();
inline constexpr const char* kMusicFileName = "quorvane.mp3";

class SoundSystem : public SoundOut {
public:
    SoundSystem();
    ~SoundSystem() override;
    SoundSystem(const SoundSystem&) = delete;
    SoundSystem& operator=(const SoundSystem&) = delete;

    // Reports a failure (text, then a line break and the library's error text).
    std::function<void(const QString& text)> onError;

    // Opens the audio device; false when the library or the device cannot be had (the
    // program then runs silently). Loads the samples from `soundFolder`.
    bool InitSound(const QString& soundFolder);
    void LoadMusic(const QString& soundFolder);
    void Shutdown();
    bool Active() const { return active_; }

    bool MusicOn = true;
    bool SoundFxOn = true;

    void PlayMusic();    // from the beginning
    void ResumeMusic();  // where it stopped
    void StopMusic();    // pauses; a resume continues from here
    void SetMusicVolume(int v);
    void SetSampleVolume(int v);
    int MusicVolume() const { return musicVolume_; }
    int SampleVolume() const { return sampleVolume_; }

    void play(Sample sample) override;

private:
    void Fail(const char* text);

    bool active_ = false;
    std::array<Mix_Chunk*, kSampleCount> chunks_{};
    Mix_Music* music_ = nullptr;
    bool musicStarted_ = false;
    SampleChannels channels_{kSampleCount, kPlaybacksPerSample};
    int musicVolume_ = kMaxVolume;
    int sampleVolume_ = 5000;
};

// The volume after one key step of 250, clamped to 0 .. 10000; `clamped` tells whether the
// limit was hit (the key then beeps).
int VolumeStep(int volume, bool up, bool& clamped);

}  // namespace tsn
