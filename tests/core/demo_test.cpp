#include <gtest/gtest.h>

#include <vector>

#include "engine/demo_buffer.h"
#include "engine/frame_step.h"
#include "engine/run.h"
#include "test_level.h"

namespace tsn {
namespace {

std::vector<uint8_t> Record(const std::vector<std::pair<int, int>>& runs, DemoBufferObject& b) {
    for (auto [action, frames] : runs)
        for (int i = 0; i < frames; ++i) b.AddDemoKey(action);
    return b.bytes();
}

TEST(DemoRecording, RunLengthBytesAndChecksum) {
    DemoBufferObject b;
    EXPECT_EQ(Record({{3, 20}, {0, 1}}, b), (std::vector<uint8_t>{0xF3, 0x33, 0x00}));
    EXPECT_EQ(b.Size(), 3);
    EXPECT_EQ(b.CheckSumByte(), 21);
    EXPECT_EQ(b.FirstByte(), 129);

    DemoBufferObject c;
    EXPECT_EQ(Record({{1, 16}}, c), (std::vector<uint8_t>{0xF1}));
    c.AddDemoKey(1);  // a seventeenth frame starts a new byte
    EXPECT_EQ(c.bytes(), (std::vector<uint8_t>{0xF1, 0x01}));

    DemoBufferObject d;
    Record({{2, 300}}, d);
    EXPECT_EQ(d.CheckSumByte(), 300 % 256);
}

TEST(DemoRecording, RemoveLastKeyUndoesFrames) {
    DemoBufferObject b;
    Record({{4, 2}, {5, 1}}, b);
    EXPECT_EQ(b.RemoveLastDemoKey(), 5);
    EXPECT_EQ(b.bytes(), (std::vector<uint8_t>{0x14}));
    EXPECT_EQ(b.RemoveLastDemoKey(), 4);
    EXPECT_EQ(b.bytes(), (std::vector<uint8_t>{0x04}));
    b.AddDemoKey(4);  // a dropped byte forgets its key: the next frame starts a new byte
    EXPECT_EQ(b.bytes(), (std::vector<uint8_t>{0x04, 0x04}));
}

TEST(DemoRecording, AFullBufferChainsWithoutLosingFrames) {
    DemoBufferObject b;
    // Alternating actions: one byte per frame.
    for (int i = 0; i < DemoBufferObject::kCapacity + 5; ++i) b.AddDemoKey(i % 2);
    EXPECT_EQ(b.Size(), DemoBufferObject::kCapacity + 5);
    ASSERT_NE(b.SubBuffer(), nullptr);
    EXPECT_EQ(b.SubBuffer()->Length(), DemoBufferObject::kCapacity);
    EXPECT_EQ(b.Length(), 5);
    const auto all = b.bytes();
    ASSERT_EQ(static_cast<int>(all.size()), DemoBufferObject::kCapacity + 5);
    for (size_t i = 0; i < all.size(); ++i) ASSERT_EQ(all[i], i % 2) << i;
    DemoBufferObject copy = b;  // a deep copy (saved games keep the recorder)
    EXPECT_EQ(copy.bytes(), all);
}

TEST(DemoStream, FramesOfAStream) {
    const std::vector<uint8_t> bytes = {0xF3, 0x43, 0x00, 0xFF, 0x12};
    EXPECT_EQ(DemoFramesOf(bytes.data(), bytes.size()), 22);
    EXPECT_EQ(DemoFramesOf(bytes.data(), 2), 21);  // no end marker: up to the end
}

// A level with a demo block behind the record, as a loader leaves it.
GameState WithDemo(const std::vector<uint8_t>& actionBytes) {
    GameState s = test::MakeLevel({"#####", "#M..#", "#####"});
    const int start = s.DemoStartIndex;
    s.LevelBufferUpper = start + static_cast<int32_t>(actionBytes.size());
    s.LevelBytes.resize(static_cast<size_t>(s.LevelBufferUpper) + 1, 0);
    s.LevelBytes[static_cast<size_t>(start)] = 129;
    for (size_t i = 0; i < actionBytes.size(); ++i)
        s.LevelBytes[static_cast<size_t>(start) + 1 + i] = actionBytes[i];
    s.DemoReadIndex = start;
    s.DemoRepeatCount = 0;
    s.DemoPlayback = 1;
    return s;
}

TEST(DemoPlayback, EndMarkerEndsTheRunAfterItsFrame) {
    GameState s = WithDemo({0x21, 0xFF});
    for (int frame = 0; frame < 3; ++frame) {
        NextDemoKey(s);
        EXPECT_EQ(s.MurphyInput, 1);
        EXPECT_EQ(s.EndLevelNow, 0);
    }
    NextDemoKey(s);  // the end marker: the action stays, the run ends with a lead-out
    EXPECT_EQ(s.MurphyInput, 1);
    EXPECT_EQ(s.EndLevelNow, 1);
    EXPECT_EQ(s.LeadOutCounter, 64);
}

TEST(DemoPlayback, EmptyStreamEndsAfterTheFirstFrame) {
    GameState s = WithDemo({0xFF});
    BeginRun(s);
    const auto r = RunHeadless(s, {}, 1000);
    EXPECT_EQ(r.frames, 1);
    EXPECT_FALSE(r.stoppedAtLimit);
}

TEST(DemoPlayback, StreamWithoutEndMarkerEndsAtTheBufferEnd) {
    GameState s = WithDemo({0x10, 0x00});  // 2 + 1 frames, then the buffer runs out
    BeginRun(s);
    const auto r = RunHeadless(s, {}, 1000);
    EXPECT_EQ(r.frames, 4);
    EXPECT_EQ(s.EndLevelNow, 1);
}

TEST(Runs, EveryFrameOfANormalRunIsRecorded) {
    GameState s = test::MakeLevel({"#####", "#M..#", "#####"});
    BeginRun(s);
    const std::vector<int> script = {0, 0, 4, 4, 4, 9, 0};
    const auto r = RunHeadless(s, [&](int64_t f) {
        return f < static_cast<int64_t>(script.size()) ? script[static_cast<size_t>(f)] : 0;
    }, 40);
    EXPECT_TRUE(r.stoppedAtLimit);
    EXPECT_EQ(s.DemoBuffer.CheckSumByte(), 40);
    const auto bytes = s.DemoBuffer.bytes();
    EXPECT_EQ(DemoFramesOf(bytes.data(), bytes.size()), 40);
    EXPECT_EQ(r.frames, 40);
    EXPECT_EQ(EndRun(s).frames, 40 * kFixedOne);
    EXPECT_EQ(r.milliseconds, 1000);
}

TEST(Runs, ALevelWithoutMurphyIsLostAfterTheLeadOut) {
    GameState s = test::MakeLevel({"#####", "#...#", "#####"});
    BeginRun(s);
    const auto r = RunHeadless(s, {}, 1000);
    // The end rule fires in the first frame and counts that frame: 64 frames in all.
    EXPECT_EQ(r.frames, 64);
    EXPECT_FALSE(r.solved);
}

}  // namespace
}  // namespace tsn
