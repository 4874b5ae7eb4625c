// The sound files decode through SDL2_mixer, as the game plays them, and have the length and
// level their use needs; the effects are exactly what tools/soundgen renders, and the MP3 is an
// encoding of the music it renders.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "data_files.h"
#include "sounds.h"

namespace tsn {
namespace {

using Pcm = std::vector<int16_t>;

// Decodes a sound file to 44.1 kHz mono 16-bit through the mixer.
class Mixer : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // No loudspeaker is needed to decode; keep a driver chosen by the caller.
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 1, 1024), 0) << Mix_GetError();
        int rate = 0, channels = 0;
        Uint16 format = 0;
        Mix_QuerySpec(&rate, &format, &channels);
        ASSERT_EQ(rate, 44100);
        ASSERT_EQ(format, AUDIO_S16SYS);
        ASSERT_EQ(channels, 1);
    }
    static void TearDownTestSuite() {
        Mix_CloseAudio();
        SDL_Quit();
    }
    static Pcm Decode(const std::string& relative) {
        Mix_Chunk* chunk = Mix_LoadWAV(test::DataPath(relative).string().c_str());
        if (chunk == nullptr) {
            ADD_FAILURE() << relative << ": " << Mix_GetError();
            return {};
        }
        const auto* s = reinterpret_cast<const int16_t*>(chunk->abuf);
        Pcm pcm(s, s + chunk->alen / 2);
        Mix_FreeChunk(chunk);
        return pcm;
    }
};

int Peak(const Pcm& p) {
    int top = 0;
    for (int16_t s : p) top = std::max(top, std::abs(int(s)));
    return top;
}

// Largest step between neighbouring samples in [from, to).
int LargestStep(const Pcm& p, size_t from, size_t to) {
    int step = 0;
    for (size_t i = from + 1; i < to && i < p.size(); ++i)
        step = std::max(step, std::abs(p[i] - p[i - 1]));
    return step;
}

TEST_F(Mixer, EffectsAreShortMonoCleanAndLoud) {
    struct Limits {
        const char* name;
        double minSeconds, maxSeconds;
    };
    // A base or an Infotron is taken many times a second; a blast may ring for a while.
    const Limits limits[] = {{"Zonk.wav", 0.1, 0.4}, {"Infotron.wav", 0.1, 0.5},
                             {"Bug.wav", 0.1, 0.6},  {"Explosion.wav", 0.5, 1.5},
                             {"Push.wav", 0.1, 0.4}, {"Exit.wav", 0.3, 1.2},
                             {"Base.wav", 0.04, 0.2}};
    for (const Limits& l : limits) {
        const std::string name = std::string("Sound/") + l.name;
        // The file itself: RIFF/WAVE, PCM, one channel, 44100 Hz, 16 bits.
        const std::vector<uint8_t> file = test::ReadDataFile(name);
        ASSERT_GE(file.size(), 44u) << name;
        EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF") << name;
        EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 12), "WAVE") << name;
        EXPECT_EQ(test::Le16(file, 20), 1) << name;
        EXPECT_EQ(test::Le16(file, 22), 1) << name;
        EXPECT_EQ(test::Le32(file, 24), 44100u) << name;
        EXPECT_EQ(test::Le16(file, 34), 16) << name;

        const Pcm pcm = Decode(name);
        ASSERT_FALSE(pcm.empty()) << name;
        const double seconds = double(pcm.size()) / 44100;
        EXPECT_GE(seconds, l.minSeconds) << name;
        EXPECT_LE(seconds, l.maxSeconds) << name;
        // Normalised: played at half volume they meet the music's level.
        EXPECT_GE(Peak(pcm), snd::kEffectPeak - 400) << name;
        EXPECT_LE(Peak(pcm), snd::kEffectPeak + 400) << name;
        // No click: it starts and ends on silence and moves in small steps at both ends.
        EXPECT_LE(std::abs(pcm.front()), 16) << name;
        EXPECT_LE(std::abs(pcm.back()), 16) << name;
        EXPECT_LE(LargestStep(pcm, 0, 44), 4000) << name;
        EXPECT_LE(LargestStep(pcm, pcm.size() - 44, pcm.size()), 4000) << name;
        // It is not over long before its end: the last fifth still carries some sound.
        EXPECT_GT(Peak(Pcm(pcm.end() - long(pcm.size() / 5), pcm.end() - 200)), 30) << name;
    }
}

TEST_F(Mixer, EffectsMatchTheGenerator) {
    for (const snd::Effect& e : snd::Effects()) {
        const std::string name = std::string("Sound/") + e.fileName;
        EXPECT_EQ(snd::EncodeWav(e.render(), 44100), test::ReadDataFile(name))
            << name << " differs from the generator's output (rebuild with the 'sound' target)";
    }
}

class Music : public Mixer {
protected:
    static void SetUpTestSuite() {
        Mixer::SetUpTestSuite();
        decoded_ = new Pcm(Decode(std::string("Sound/") + snd::kMusicFile));
        rendered_ = new Pcm(snd::RenderMusic());
    }
    static void TearDownTestSuite() {
        delete decoded_;
        delete rendered_;
        Mixer::TearDownTestSuite();
    }
    static Pcm* decoded_;
    static Pcm* rendered_;
};
Pcm* Music::decoded_ = nullptr;
Pcm* Music::rendered_ = nullptr;

TEST_F(Music, RenderMatchesTheRecordedFingerprint) {
    std::ifstream in(TESSARIN_MUSIC_FINGERPRINT);
    std::string word, hex;
    size_t samples = 0;
    in >> word >> samples >> word >> hex;
    ASSERT_TRUE(in) << "cannot read " << TESSARIN_MUSIC_FINGERPRINT;
    char mine[32];
    std::snprintf(mine, sizeof mine, "%016llx",
                  static_cast<unsigned long long>(snd::PcmFingerprint(*rendered_)));
    EXPECT_EQ(rendered_->size(), samples);
    EXPECT_EQ(hex, mine) << "the music generator renders something else than the committed MP3 "
                            "was made from (rebuild with the 'sound' target)";
}

TEST_F(Music, DecodesToAtLeastAMinuteAtTheMusicLevel) {
    const double seconds = double(decoded_->size()) / 44100;
    EXPECT_GE(seconds, 60.0);
    EXPECT_LE(seconds, 180.0);
    const int peak = Peak(*decoded_);
    EXPECT_GE(peak, snd::kMusicPeak - 2000);
    EXPECT_LE(peak, snd::kMusicPeak + 3000);
    // Not silent anywhere for long: every second carries sound.
    for (size_t s = 0; s + 44100 <= decoded_->size(); s += 44100)
        EXPECT_GT(Peak(Pcm(decoded_->begin() + long(s), decoded_->begin() + long(s + 44100))), 1500)
            << "second " << s / 44100;
}

TEST_F(Music, TheMp3IsTheGeneratorsMusicDecodedGaplessly) {
    // The encoder's delay and padding are removed on decoding, so the loop keeps its length
    // sample for sample and lines up with the render without any shift.
    ASSERT_EQ(decoded_->size(), rendered_->size());
    double dot = 0, dd = 0, rr = 0;
    for (size_t i = 0; i < rendered_->size(); ++i) {
        const double d = (*decoded_)[i], r = (*rendered_)[i];
        dot += d * r;
        dd += d * d;
        rr += r * r;
    }
    EXPECT_GT(dot / std::sqrt(dd * rr), 0.97);
}

TEST_F(Music, LoopsWithoutASeam) {
    // Played in a loop the last sample is followed by the first: that step must look like any
    // other step of the music, and the level must not dip around the loop point.
    const Pcm& p = *decoded_;
    const int seam = std::abs(p.front() - p.back());
    std::vector<int> steps;
    for (size_t i = 1; i < p.size(); ++i) steps.push_back(std::abs(p[i] - p[i - 1]));
    std::nth_element(steps.begin(), steps.begin() + long(steps.size() * 999 / 1000), steps.end());
    EXPECT_LE(seam, steps[steps.size() * 999 / 1000]);
    auto rms = [&](size_t from, size_t n) {
        double sum = 0;
        for (size_t i = 0; i < n; ++i) sum += double(p[from + i]) * p[from + i];
        return std::sqrt(sum / double(n));
    };
    const size_t window = 2205;  // 50 ms
    const double ending = rms(p.size() - window, window), opening = rms(0, window);
    const double middle = rms(p.size() / 2, window);
    EXPECT_GT(ending, middle * 0.3);
    EXPECT_GT(opening, middle * 0.3);
}

TEST_F(Music, ReencodingReproducesTheMp3WithTheSameEncoder) {
    // The MP3 encoder's output can change between its versions, so a byte-for-byte check is
    // only meaningful with the version that made the committed file (named in its info frame).
    const std::vector<uint8_t> committed =
        test::ReadDataFile(std::string("Sound/") + snd::kMusicFile);
    const std::string text(committed.begin(), committed.end());
    const size_t tag = text.find("LAME3.");
    ASSERT_NE(tag, std::string::npos) << "the MP3 carries no encoder info frame";
    const std::string version = text.substr(tag + 4, 4);  // e.g. 3.100 -> "3.10"
    FILE* pipe = popen("lame --version 2>/dev/null", "r");
    std::string out;
    if (pipe != nullptr) {
        char buf[256];
        while (std::fgets(buf, sizeof buf, pipe) != nullptr) out += buf;
        pclose(pipe);
    }
    if (out.find("version " + version) == std::string::npos)
        GTEST_SKIP() << "lame " << version << " is not installed; the MP3 is checked against the "
                     << "render by decoding instead";
    const auto dir =
        std::filesystem::temp_directory_path() / ("tsn-music-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    {
        const std::vector<uint8_t> wav = snd::EncodeWav(*rendered_, 44100);
        std::ofstream(dir / "in.wav", std::ios::binary)
            .write(reinterpret_cast<const char*>(wav.data()), std::streamsize(wav.size()));
    }
    const std::string cmd = "lame --quiet --noreplaygain -q 2 -m m -b 96 '" +
                            (dir / "in.wav").string() + "' '" + (dir / "out.mp3").string() + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(dir / "out.mp3", std::ios::binary);
    const std::vector<uint8_t> fresh{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    std::filesystem::remove_all(dir);
    EXPECT_TRUE(fresh == committed) << "re-encoding the render gives a different MP3";
}

}  // namespace
}  // namespace tsn
