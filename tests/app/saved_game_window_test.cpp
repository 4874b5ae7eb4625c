// Quick save and load in the window: S and L during a run, File -> "Load Savegame" and L
// between runs, the boxes of every refusal, and the marks a run with quick saves leaves in
// the level it is saved with.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/game_session.h"
#include "app/scan_codes.h"
#include "engine/run.h"
#include "engine/trace_line.h"
#include "files/level_source.h"
#include "files/read_level.h"
#include "files/saved_game.h"
#include "files/saved_game_file.h"
#include "session_machine.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

const QString kSaved =
    "Quck save file was saved successeful!\r\nAt any time with this level loaded into memory you "
    "can load it by pressing L key.";

// The machine on a copy of a shipped solution (explosions from frame 1409 to 1440, the
// lead-out from frame 1473, solved after 1512 frames), in free play. `lines` holds the trace
// line of every frame the window runs; `script` the keys held during the poll of a frame,
// each used once.
struct SaveMachine : test::Machine {
    test::BoxAnswerer boxes;
    std::vector<std::string> lines;
    std::map<int64_t, int> script;

    SaveMachine() {
        const QString level = f.dir.filePath("013.qv");
        QFile::copy(QStringLiteral(TESSARIN_TEST_SOURCE_DIR "/data/levels/solutions/013.qv"),
                    level);
        EXPECT_TRUE(w.OpenLevelFile(level));
        g.MenuDemoSpeed(12);
        g.GameMode = 1;
        QObject::connect(&g, &GameSession::frameDone, &w, [this] {
            lines.push_back(TraceLine(s));
            HoldScripted(s.Frames() + 1);
        });
    }
    void HoldScripted(int64_t frame) {
        w.Keys().ReleaseAll();
        const auto it = script.find(frame);
        if (it == script.end()) return;
        w.Keys().Set(it->second, true);
        script.erase(it);
    }
    void Frame() {
        FrameTime();
        g.Tick();
    }
    // Holds `key` for the next frame's poll.
    void Press(int key) {
        w.Keys().Set(key, true);
        Frame();
        w.Keys().Set(key, false);
    }
    void RunTo(int64_t frame) {
        while (s.Frames() < frame && g.CurrentPhase() == Phase::Running) Frame();
    }
    // S during frame `k`: the next frame first saves the state after frame k.
    void SaveAfter(int64_t k) {
        RunTo(k - 1);
        Press(key::kS);
        Frame();
    }
    std::string SavePath() const { return LocateSavedGame(s.CurrentLevelFile)->path; }
    std::string Digest() const { return LocateSavedGame(s.CurrentLevelFile)->digest; }
};

// The file's bytes; empty when there is none.
QByteArray Contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

std::vector<uint8_t> Image(const GameState& s) {
    return EncodeSavedGame(s, std::string(32, '0'), 1);
}

// The demo plays without drawing, so the frames run back to back, and S and L are held by
// the script at their frames.
TEST(SavedGameWindow, ALoadGoesOnFrameForFrameLikeTheRunThatWasNeverInterrupted) {
    SaveMachine m;
    m.g.MenuDemoSpeed(1);
    m.step = 100'000;  // each reading of the clock 0.1 ms later: the slices end
    m.g.PlayDemoCommand();
    ASSERT_TRUE(m.TickUntil(Phase::Idle, 10000));
    const std::vector<std::string> whole = m.lines;
    ASSERT_EQ(whole.size(), 1512u);
    const struct {
        const char* name;
        int64_t k;
    } cases[] = {{"first frame", 1}, {"explosions", 1420}, {"lead-out", 1480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // S during frame k: the next frame first saves the state after frame k; L during
        // frame k + 16: the next frame first loads it and plays frame k + 1.
        m.lines.clear();
        m.script = {{c.k + 16, key::kL}};
        if (c.k == 1)
            m.w.Keys().Set(key::kS, true);
        else
            m.script[c.k] = key::kS;
        m.g.PlayDemoCommand();
        ASSERT_TRUE(m.TickUntil(Phase::Idle, 10000));
        EXPECT_EQ(m.boxes.texts.back(), kSaved);
        EXPECT_EQ(m.s.SavedGameLoads, 1);
        const size_t before = static_cast<size_t>(c.k + 16);
        ASSERT_GT(m.lines.size(), before);
        EXPECT_EQ(std::vector<std::string>(m.lines.begin() + before, m.lines.end()),
                  std::vector<std::string>(whole.begin() + c.k, whole.end()));
    }
}

// Every refusal shows its box and the run goes on exactly as if the key had not been pressed;
// the saved game on disk stays as it was, also when a new one cannot be written.
TEST(SavedGameWindow, RefusalsShowTheirBoxAndLeaveTheRunAsItWas) {
    const auto rewrite = [](SaveMachine& m,
                            const std::function<void(std::vector<uint8_t>&)>& change,
                            const std::string& digest) {
        std::vector<uint8_t> data = EncodeSavedGame(m.s, digest, 3);
        change(data);
        QFile out(QString::fromStdString(m.SavePath()));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<qint64>(data.size()));
    };
    const auto none = [](std::vector<uint8_t>&) {};
    const struct Case {
        const char* name;
        int gameMode;
        std::function<void(SaveMachine&)> prepare;
        int key;
        QString title;
        QString text;
        bool namesFile = false;  // the text ends with the saved game's path
    } cases[] = {
        {"progress mode", 2, [](SaveMachine&) {}, key::kS, "Can't save progress",
         "You cannot use quick save in this mode!"},
        {"play from the editor", 2, [](SaveMachine& m) { m.s.PlayFromEditor = -1; }, key::kS,
         "Can't save progress", "You cannot save game progress in edit mode!"},
        {"255 loads", 1, [](SaveMachine& m) { m.s.SavedGameLoads = 255; }, key::kS,
         "Max of 255 saves only", "You cannot save more than 255 times!"},
        {"no saved game", 1, [](SaveMachine&) {}, key::kL, "",
         "The Tessarin quick save file doesn't exist."},
        {"another level file's", 1,
         [&](SaveMachine& m) { rewrite(m, none, "0123456789ABCDEF0123456789ABCDEF"); }, key::kL, "",
         "The Tessarin quick save file doesn't match with the current loaded level."},
        {"not a saved game", 1,
         [&](SaveMachine& m) {
             rewrite(
                 m, [](auto& d) { d[0] = 'X'; }, m.Digest());
         },
         key::kL, "", "Cannot load previous saved game file!"},
        {"damaged", 1,
         [&](SaveMachine& m) {
             rewrite(
                 m, [](auto& d) { d[d.size() / 2] ^= 0x10; }, m.Digest());
         },
         key::kL, "", "The saved file is corrupt!"},
        {"a saved game that may not be replaced", 1,
         [&](SaveMachine& m) {
             rewrite(m, none, m.Digest());
             QFile::setPermissions(QString::fromStdString(m.SavePath()), QFile::ReadOwner);
         },
         key::kS, "",
         "Quick save file was not saved!\r\nFailed to delete it. Please delete the file "
         "manualy:\r\n",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SaveMachine m;
        m.g.GameMode = c.gameMode;
        m.g.PlayCommand();
        m.RunTo(3);
        c.prepare(m);
        GameState untouched = m.s;
        untouched.view = nullptr;
        untouched.sound = nullptr;
        const QString path = QString::fromStdString(m.SavePath());
        const QByteArray saveFileBefore = Contents(path);
        m.Press(c.key);
        m.Frame();
        ASSERT_EQ(m.boxes.shown, 1);
        EXPECT_EQ(m.boxes.title, c.title);
        EXPECT_EQ(m.boxes.text, c.text + (c.namesFile ? path : QString()));
        RunOneFrame(untouched, 0);
        RunOneFrame(untouched, 0);
        EXPECT_EQ(Image(m.s), Image(untouched));
        EXPECT_EQ(Contents(path), saveFileBefore);  // no save, and the saved game as it was
    }
}

// Between runs File -> "Load Savegame" (in either game mode) and L (in free play only) start
// the level and load its saved game before the first frame.
TEST(SavedGameWindow, BetweenRunsTheMenuAndTheLoadKeyStartTheSavedGame) {
    const struct {
        const char* name;
        int gameMode;
        bool menu;
        bool loads;
    } cases[] = {
        {"menu in free play", 1, true, true},
        {"menu in progress mode", 2, true, true},
        {"L in free play", 1, false, true},
        {"L in progress mode", 2, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SaveMachine m;
        m.g.PlayCommand();
        m.SaveAfter(10);
        m.g.Stop();
        ASSERT_TRUE(m.TickUntil(Phase::Idle));
        m.g.GameMode = c.gameMode;
        auto* item = m.w.findChild<QAction*>("mnu_load_savegame");
        ASSERT_NE(item, nullptr);
        if (c.menu) {
            item->trigger();
        } else {
            m.w.Keys().Set(key::kL, true);
            m.g.Tick();  // the idle poll
            m.w.Keys().Set(key::kL, false);
        }
        ASSERT_EQ(m.g.CurrentPhase(), c.loads ? Phase::Running : Phase::Idle);
        if (!c.loads) continue;
        m.Frame();
        EXPECT_EQ(m.s.Frames(), 11);
        EXPECT_EQ(m.s.SavedGameLoads, 1);
    }
}

// A run that used quick save leaves its load count in the info block of the level saved with
// its demo; any other run leaves the plain save mark. A load brings back the count the saved
// game held and adds one.
TEST(SavedGameWindow, TheLevelSavedAfterARunCarriesItsQuickSaveMarks) {
    const struct {
        const char* keys;  // S and L, each carried out by the frame after it
        int loadCount;     // offset 3 as stored (-1: not looked at)
        int mark;          // offset 5
    } cases[] = {
        {"S", 0 ^ 166, 144},
        {"SLL", 1 ^ 166, 144},
        {"SLSL", 2 ^ 166, 144},
        {"", -1, 132},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        SaveMachine m;
        m.g.PlayCommand();
        m.RunTo(5);
        for (const char* k = c.keys; *k != '\0'; ++k) {
            m.Press(*k == 'S' ? key::kS : key::kL);
            m.Frame();
        }
        m.g.Stop();
        ASSERT_TRUE(m.TickUntil(Phase::Idle));
        GameState last;
        LevelSource none;
        ASSERT_TRUE(ReadLevel(last, none, m.s.LastRunFile).ok());
        if (c.loadCount >= 0) {
            EXPECT_EQ(last.Info.bytes[LevelInfo::kLoadCountOffset], c.loadCount);
        }
        EXPECT_EQ(last.Info.bytes[LevelInfo::kSaveMarkOffset], c.mark);
    }
}

}  // namespace
}  // namespace tsn
