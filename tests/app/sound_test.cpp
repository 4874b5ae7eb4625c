#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <set>

#include "presentation/sample_channels.h"
#include "presentation/sound_system.h"

namespace tsn {
namespace {

TEST(SampleChannels, AtMostThreePlaybacksAndTheOldestIsReplaced) {
    SampleChannels ch(7, 3);
    EXPECT_EQ(ch.ChannelCount(), 21);
    std::set<int> busy;
    auto isBusy = [&](int c) { return busy.count(c) > 0; };
    const int a = ch.Take(0, isBusy);
    busy.insert(a);
    const int b = ch.Take(0, isBusy);
    busy.insert(b);
    const int c = ch.Take(0, isBusy);
    busy.insert(c);
    EXPECT_EQ((std::set<int>{a, b, c}), (std::set<int>{0, 1, 2}));
    // A fourth Zonk replaces the one that has played longest.
    EXPECT_EQ(ch.Take(0, isBusy), a);
    EXPECT_EQ(ch.Take(0, isBusy), b);
    // Another sample has its own channels.
    const int other = ch.Take(4, isBusy);
    EXPECT_GE(other, 12);
    EXPECT_LE(other, 14);
    // A finished playback frees its channel before any replacement happens.
    busy.erase(c);
    EXPECT_EQ(ch.Take(0, isBusy), c);
}

TEST(Volume, KeyStepsClampAndReportTheLimit) {
    bool clamped = false;
    EXPECT_EQ(VolumeStep(9900, true, clamped), 10000);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(VolumeStep(10000, true, clamped), 10000);
    EXPECT_TRUE(clamped);
    EXPECT_EQ(VolumeStep(5000, false, clamped), 4750);
    EXPECT_FALSE(clamped);
    EXPECT_EQ(VolumeStep(100, false, clamped), 0);
    EXPECT_TRUE(clamped);
}

// A short silent WAV file.
void WriteWav(const QString& path) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const int samples = 4410;
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF");
    u32(36 + samples * 2);
    f.write("WAVEfmt ");
    u32(16);
    u16(1);
    u16(1);
    u32(44100);
    u32(88200);
    u16(2);
    u16(16);
    f.write("data");
    u32(samples * 2);
    f.write(QByteArray(samples * 2, '\0'));
}

TEST(SoundSystem, PlaysOnTheDummyDeviceAndReportsMissingFiles) {
    QTemporaryDir dir;
    for (const char* name : SampleFileNames())
        if (QString(name) != "Bug.wav") WriteWav(dir.filePath(name));
    QStringList errors;
    SoundSystem sound;
    sound.onError = [&](const QString& e) { errors << e; };
    ASSERT_TRUE(sound.InitSound(dir.path()));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].startsWith("Can't Load Sample\n(error code: "));
    sound.LoadMusic(dir.path());  // no music file: reported, play continues without music
    EXPECT_EQ(errors.size(), 2);
    EXPECT_TRUE(errors[1].startsWith("Can't create stream"));
    for (int i = 0; i < 5; ++i) sound.play(Sample::Zonk);
    sound.play(Sample::Bug);  // not loaded: silently nothing
    sound.PlayMusic();
    sound.StopMusic();
    sound.ResumeMusic();
    sound.SetSampleVolume(2500);
    EXPECT_EQ(sound.SampleVolume(), 2500);
    EXPECT_EQ(errors.size(), 2);
    sound.Shutdown();
    EXPECT_FALSE(sound.Active());
    sound.play(Sample::Zonk);  // after shutdown: nothing happens
}

}  // namespace
}  // namespace tsn
