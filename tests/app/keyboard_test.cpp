#include <gtest/gtest.h>

#include <QKeyEvent>

#include "app/command_keys.h"
#include "app/key_table.h"
#include "app/scan_codes.h"

namespace tsn {
namespace {

KeyboardState Held(std::initializer_list<int> codes) {
    KeyboardState k;
    for (int c : codes) k.Set(c, true);
    return k;
}

TEST(KeyTable, ArrowsAndSpaceGiveTheAction) {
    using namespace key;
    EXPECT_EQ(ActionFromKeys(Held({})), 0);
    EXPECT_EQ(ActionFromKeys(Held({kUp, kRight})), 1);
    EXPECT_EQ(ActionFromKeys(Held({kLeft, kDown})), 2);
    EXPECT_EQ(ActionFromKeys(Held({kDown})), 3);
    EXPECT_EQ(ActionFromKeys(Held({kRight})), 4);
    EXPECT_EQ(ActionFromKeys(Held({kSpace, kDown, kRight})), 7);
    EXPECT_EQ(ActionFromKeys(Held({kSpace, kUp})), 5);
    EXPECT_EQ(ActionFromKeys(Held({kSpace})), 9);
}

TEST(KeyTable, KeyEventsFillTheTable) {
    KeyboardState k;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    EXPECT_TRUE(k.Apply(press));
    EXPECT_TRUE(k.Down(key::kLeft));
    // A repeated press changes nothing; a release clears the key.
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier, QString(), true);
    EXPECT_TRUE(k.Apply(repeatRelease));
    EXPECT_TRUE(k.Down(key::kLeft));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Left, Qt::NoModifier);
    k.Apply(release);
    EXPECT_FALSE(k.Down(key::kLeft));
    // Shifted brackets and letters keep their key's code.
    QKeyEvent brace(QEvent::KeyPress, Qt::Key_BraceLeft, Qt::ShiftModifier);
    k.Apply(brace);
    EXPECT_TRUE(k.Down(key::kLeftBracket));
    QKeyEvent unknown(QEvent::KeyPress, Qt::Key_MediaPlay, Qt::NoModifier);
    EXPECT_FALSE(k.Apply(unknown));
    k.ReleaseAll();
    EXPECT_FALSE(k.Down(key::kLeftBracket));
    EXPECT_EQ(ScanCodeOf(Qt::Key_Shift, 62, false), key::kRightShift);
    EXPECT_EQ(ScanCodeOf(Qt::Key_Control, 37, false), key::kLeftCtrl);
    EXPECT_EQ(ScanCodeOf(Qt::Key_P, 0, false), key::kP);
    EXPECT_EQ(ScanCodeOf(Qt::Key_R, 0, false), key::kR);
    EXPECT_EQ(ScanCodeOf(Qt::Key_X, 0, false), key::kX);
}

TEST(KeyTable, ATapBetweenTwoPollsIsSeenOnce) {
    KeyboardState k;
    k.Set(key::kEscape, true);
    k.Set(key::kEscape, false);  // released before the poll
    k.Set(key::kRight, true);
    KeyboardState first = k.Poll();
    EXPECT_TRUE(first.Down(key::kEscape));
    EXPECT_TRUE(first.Down(key::kRight));
    KeyboardState second = k.Poll();
    EXPECT_FALSE(second.Down(key::kEscape));
    EXPECT_TRUE(second.Down(key::kRight));  // still held
    k.ReleaseAll();
    EXPECT_FALSE(k.Poll().Down(key::kRight));
}

CommandContext Running() {
    CommandContext c;
    c.running = true;
    c.levelLoaded = true;
    return c;
}

TEST(CommandKeys, ShiftComesFirst) {
    double tick = -1e9;
    // Shift + P shows the red disks and does not pause.
    EXPECT_EQ(ChooseCommand(Held({key::kLeftShift, key::kP}), Running(), 0, tick),
              Command::ShowRedDisks);
    EXPECT_EQ(ChooseCommand(Held({key::kRightShift, key::kPageUp}), Running(), 0, tick),
              Command::MusicUp);
    EXPECT_EQ(ChooseCommand(Held({key::kLeftShift, key::kD}), Running(), 0, tick),
              Command::MemoryMode);
    // Outside a run Shift matches nothing and the plain key counts.
    CommandContext idle;
    idle.levelLoaded = true;
    EXPECT_EQ(ChooseCommand(Held({key::kLeftShift, key::kSpace}), idle, 0, tick), Command::Play);
}

TEST(CommandKeys, AltBlocksThePlainKeys) {
    double tick = -1e9;
    EXPECT_EQ(ChooseCommand(Held({key::kLeftAlt, key::kP}), Running(), 0, tick),
              Command::AltHeld);
    EXPECT_EQ(ChooseCommand(Held({key::kRightAlt, key::kPageUp}), Running(), 0, tick),
              Command::AltHeld);
    // Lines with left Ctrl come before Alt.
    EXPECT_EQ(ChooseCommand(Held({key::kLeftAlt, key::kLeftCtrl, key::kPageDown}), Running(), 0,
                            tick),
              Command::FxDown);
    // The right Ctrl is no left Ctrl.
    EXPECT_EQ(ChooseCommand(Held({key::kRightCtrl, key::kPageDown}), Running(), 0, tick),
              Command::Slower);
}

TEST(CommandKeys, PauseIsDebouncedForOneSecond) {
    double tick = -1e9;
    const KeyboardState p = Held({key::kP});
    EXPECT_EQ(ChooseCommand(p, Running(), 10000, tick), Command::Pause);
    EXPECT_EQ(tick, 10000);
    EXPECT_EQ(ChooseCommand(p, Running(), 10600, tick), Command::None);  // within a second
    EXPECT_EQ(ChooseCommand(p, Running(), 11000, tick), Command::Pause);
    // While paused only P works, every 250 ms.
    double pauseTick = 0;
    EXPECT_FALSE(PauseKeyUnpauses(p, 200, pauseTick));
    EXPECT_TRUE(PauseKeyUnpauses(p, 250, pauseTick));
    EXPECT_FALSE(PauseKeyUnpauses(Held({key::kPause}), 900, pauseTick));
    // Debounced keys share one time stamp: a snapshot blocks the pause key briefly.
    double shared = -1e9;
    EXPECT_EQ(ChooseCommand(Held({key::kX}), Running(), 5000, shared), Command::Snapshot);
    EXPECT_EQ(ChooseCommand(p, Running(), 5500, shared), Command::None);
}

TEST(CommandKeys, ConditionsOfThePlainKeys) {
    double tick = -1e9;
    CommandContext idle;
    idle.levelLoaded = true;
    EXPECT_EQ(ChooseCommand(Held({key::kR}), idle, 0, tick), Command::None);
    EXPECT_EQ(ChooseCommand(Held({key::kR}), Running(), 0, tick), Command::Restart);
    CommandContext dir = Running();
    dir.playingDirectory = true;
    EXPECT_EQ(ChooseCommand(Held({key::kR}), dir, 5000, tick), Command::None);
    EXPECT_EQ(ChooseCommand(Held({key::kPageUp}), idle, 0, tick), Command::None);
    EXPECT_EQ(ChooseCommand(Held({key::kRightBracket}), Running(), 0, tick), Command::Faster);
    EXPECT_EQ(ChooseCommand(Held({key::kN}), idle, 0, tick), Command::ZoomOut);
    EXPECT_EQ(ChooseCommand(Held({key::kM}), Running(), 0, tick), Command::ZoomIn);
    EXPECT_EQ(ChooseCommand(Held({key::kSpace}), Running(), 0, tick), Command::None);
    CommandContext demo;
    demo.levelLoaded = demo.levelHasDemo = true;
    EXPECT_EQ(ChooseCommand(Held({key::kLeftCtrl, key::kSpace}), demo, 0, tick),
              Command::PlayDemo);
    EXPECT_EQ(ChooseCommand(Held({key::kEscape}), idle, 100000, tick), Command::Escape);
    EXPECT_EQ(ChooseCommand(Held({key::kEscape}), idle, 100150, tick), Command::None);
}

}  // namespace
}  // namespace tsn
