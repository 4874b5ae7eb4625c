#include "presentation/sound_system.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QDir>

namespace tsn {

const std::array<const char*, kSampleCount>& SampleFileNames() {
    static const std::array<const char*, kSampleCount> names = {
        "Zonk.wav", "Infotron.wav", "Bug.wav", "Explosion.wav", "Push.wav", "Exit.wav", "Base.wav"};
    return names;
}

namespace {
int MixerVolume(int v) { return v * MIX_MAX_VOLUME / kMaxVolume; }

// Data file names are matched without regard to letter case.
QString FindFile(const QString& folder, const QString& name) {
    QDir dir(folder);
    if (dir.exists(name)) return dir.filePath(name);
    const auto entries = dir.entryList(QDir::Files);
    for (const QString& e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
    return dir.filePath(name);
}
}  // namespace

int VolumeStep(int volume, bool up, bool& clamped) {
    int v = volume + (up ? 250 : -250);
    clamped = false;
    if (v > kMaxVolume) {
        v = kMaxVolume;
        clamped = true;
    }
    if (v < 0) {
        v = 0;
        clamped = true;
    }
    return v;
}

SoundSystem::SoundSystem() = default;

SoundSystem::~SoundSystem() { Shutdown(); }

void SoundSystem::Fail(const char* text) {
    if (onError) onError(QString::fromLatin1(text) + "\n(error code: " + Mix_GetError() + ")");
}

bool SoundSystem::InitSound(const QString& soundFolder) {
    if (active_) return true;
    // The program handles its own signals (a terminate request must end it).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    Mix_Init(MIX_INIT_MP3);
    Mix_AllocateChannels(channels_.ChannelCount());
    active_ = true;
    for (int i = 0; i < kSampleCount; ++i) {
        const QString path = FindFile(soundFolder, SampleFileNames()[static_cast<size_t>(i)]);
        chunks_[static_cast<size_t>(i)] = Mix_LoadWAV(path.toLocal8Bit().constData());
        if (chunks_[static_cast<size_t>(i)] == nullptr) Fail("Can't Load Sample");
    }
    SetSampleVolume(sampleVolume_);
    return true;
}

void SoundSystem::LoadMusic(const QString& soundFolder) {
    if (!active_) return;
    if (music_ != nullptr) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
    musicStarted_ = false;
    const QString path = FindFile(soundFolder, kMusicFileName);
    music_ = Mix_LoadMUS(path.toLocal8Bit().constData());
    if (music_ == nullptr) Fail("Can't create stream");
    SetMusicVolume(musicVolume_);
}

void SoundSystem::Shutdown() {
    if (!active_) return;
    Mix_HaltChannel(-1);
    Mix_HaltMusic();
    for (auto& c : chunks_) {
        if (c != nullptr) Mix_FreeChunk(c);
        c = nullptr;
    }
    if (music_ != nullptr) Mix_FreeMusic(music_);
    music_ = nullptr;
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    active_ = false;
}

void SoundSystem::PlayMusic() {
    if (!active_ || !MusicOn || music_ == nullptr) return;
    if (Mix_PlayMusic(music_, -1) != 0) {
        Fail("Can't play stream");
        return;
    }
    musicStarted_ = true;
}

void SoundSystem::ResumeMusic() {
    if (!active_ || !MusicOn || music_ == nullptr) return;
    if (!musicStarted_ || Mix_PlayingMusic() == 0) {
        if (Mix_PlayMusic(music_, -1) != 0) Fail("Can't play music");
        musicStarted_ = true;
        return;
    }
    Mix_ResumeMusic();
}

void SoundSystem::StopMusic() {
    if (!active_) return;
    if (Mix_PlayingMusic() != 0) Mix_PauseMusic();
}

void SoundSystem::SetMusicVolume(int v) {
    musicVolume_ = v;
    if (active_) Mix_VolumeMusic(MixerVolume(v));
}

void SoundSystem::SetSampleVolume(int v) {
    sampleVolume_ = v;
    if (active_) Mix_Volume(-1, MixerVolume(v));
}

void SoundSystem::play(Sample sample) {
    if (!active_ || !SoundFxOn) return;
    const int n = static_cast<int>(sample);
    Mix_Chunk* chunk = chunks_[static_cast<size_t>(n)];
    if (chunk == nullptr) return;
    const int channel = channels_.Take(n, [](int c) { return Mix_Playing(c) != 0; });
    if (Mix_PlayChannel(channel, chunk, 0) < 0) Fail("Can't play sample");
}

}  // namespace tsn
