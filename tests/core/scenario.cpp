#include "scenario.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <type_traits>

namespace tsn::test {

namespace {

const char* NameOf(Probe p) {
    static const char* const kNames[] = {"CellValue",
                                         "RowText",
                                         "MurphyCell",
                                         "RedDiskCell",
                                         "CellTimer",
                                         "CellBlink",
                                         "Sprite",
                                         "NoSprite",
                                         "SoundCount",
                                         "ActionState",
                                         "RunLost",
                                         "RunEnded",
                                         "ScreenXMoved",
                                         "FrameCount",
#define TSN_TEST_NAME(name, value) #name,
                                         TSN_TEST_COUNTERS(TSN_TEST_NAME)
#undef TSN_TEST_NAME
    };
    return kNames[static_cast<int>(p)];
}

// Calls `f` with a reference to the counter `p` of `s`.
template <typename F>
void WithCounter(GameState& s, Probe p, F f) {
    switch (p) {
#define TSN_TEST_CASE(name, value) \
    case Probe::name:              \
        return f(value);
        TSN_TEST_COUNTERS(TSN_TEST_CASE)
#undef TSN_TEST_CASE
        default:
            throw std::invalid_argument(std::string("not a counter: ") + NameOf(p));
    }
}

uint8_t& TimerAt(GameState& s, int cell) {
    return s.LevelBytes[static_cast<size_t>(cell)];
}

void Expect(GameState& s, const Check& c, const Watch& w) {
    const int cell = CellAt(s, c.x, c.y);
    SCOPED_TRACE(testing::Message() << NameOf(c.probe) << " (" << c.x << "," << c.y << ")");
    switch (c.probe) {
        case Probe::CellValue:
            EXPECT_EQ(s.PlayField16[cell] & c.mask, c.value)
                << std::hex << "0x" << s.PlayField16[cell] << " expected 0x" << c.value;
            return;
        case Probe::RowText:
            EXPECT_EQ(Render(s)[static_cast<size_t>(c.y)], c.row);
            return;
        case Probe::MurphyCell:
            EXPECT_EQ(s.MurphyPos, cell);
            return;
        case Probe::RedDiskCell:
            EXPECT_EQ(s.RedDiskPos, cell);
            return;
        case Probe::CellTimer:
            EXPECT_EQ(static_cast<int8_t>(TimerAt(s, cell)), c.value);
            return;
        case Probe::CellBlink:
            EXPECT_EQ(s.TerminalBlinkTimer[static_cast<size_t>(cell)], c.value);
            return;
        case Probe::Sprite:
            EXPECT_TRUE(w.view->saw({c.x, c.y, c.value}));
            return;
        case Probe::NoSprite:
            EXPECT_TRUE(w.view->drawn.empty());
            return;
        case Probe::SoundCount:
            EXPECT_EQ(w.sound->count(static_cast<Sample>(c.x)), c.value);
            return;
        case Probe::ActionState:
            EXPECT_EQ((s.PlayField16[s.MurphyPos] >> 8) & 0xFF, c.value);
            return;
        case Probe::RunLost:
            EXPECT_EQ(s.LeadOutCounter != 0 && s.LevelSolved == 0, c.value != 0);
            return;
        case Probe::RunEnded:
            EXPECT_EQ(w.ended, c.value != 0);
            return;
        case Probe::ScreenXMoved:
            EXPECT_EQ(s.MurphyScreenXPos - w.startX, c.value);
            return;
        case Probe::FrameCount:
            EXPECT_EQ(s.Frames(), c.value);
            return;
        default:
            WithCounter(s, c.probe, [&](auto& v) { EXPECT_EQ(static_cast<int>(v), c.value); });
    }
}

}  // namespace

void Write(GameState& s, const std::vector<Check>& sets) {
    for (const Check& c : sets) {
        const int cell = CellAt(s, c.x, c.y);
        if (c.probe == Probe::CellValue) {
            s.PlayField16[cell] = static_cast<uint16_t>(c.value);
        } else if (c.probe == Probe::RedDiskCell) {
            s.RedDiskPos = static_cast<int16_t>(cell);
        } else if (c.probe == Probe::CellTimer) {
            TimerAt(s, cell) = static_cast<uint8_t>(c.value);
        } else {
            WithCounter(s, c.probe, [&](auto& v) {
                v = static_cast<std::remove_reference_t<decltype(v)>>(c.value);
            });
        }
    }
}

void ExpectAll(GameState& s, const std::vector<Check>& checks, const Watch& w) {
    for (const Check& c : checks) Expect(s, c, w);
}

void RunScenario(const Scenario& sc) {
    SCOPED_TRACE(sc.name);
    RecordingView view;
    RecordingSound sound;
    GameState s = MakeLevel(sc.map, sc.options);
    s.view = &view;
    s.sound = &sound;
    Write(s, sc.preset);
    const int startX = s.MurphyScreenXPos;
    int n = 0;
    for (const Stretch& st : sc.stretches) {
        SCOPED_TRACE(testing::Message() << "after stretch " << ++n);
        Write(s, st.before);
        view.drawn.clear();
        bool ended = false;
        if (st.proc != nullptr) {
            s.FrameCounter = st.frame * kFixedOne;
            st.proc(s, CellAt(s, st.x, st.y));
        } else {
            ended = Steps(s, st.frames, st.action);
        }
        ExpectAll(s, st.then, {&view, &sound, startX, ended});
    }
    s.view = nullptr;
    s.sound = nullptr;
}

}  // namespace tsn::test
