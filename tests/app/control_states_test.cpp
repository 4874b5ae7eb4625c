// Which controls the main window offers in each of its states, each state entered through the
// window's own commands; the directory panel across the game modes.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include "app/dir_panel.h"
#include "app/directory_batch.h"
#include "app/editor_controller.h"
#include "app/editor_header.h"
#include "app/game_session.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

// An action by its object name, its text or the title of its menu.
QAction* Item(MainWindow& w, const QString& name) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->objectName() == name || a->text() == name) return a;
    for (QMenu* m : w.findChildren<QMenu*>())
        if (m->title() == name) return m->menuAction();
    return nullptr;
}

// The controls in the order of the expected texts below: one digit each, 1 for enabled;
// spaces only group them.
QString Read(MainWindow& w) {
    const char* buttons[] = {"Play", "Pause", "Stop", "Play Demo"};
    const char* items[] = {"&File", "&Edit", "&Game Mode", "&View", "&Speed", "&Options", "&Help", " ",
                           "menShowLInfo", "Game play", "Demo playback", "Faster (Pg Up)",
                           "Slower (Pg Down)", " ", "menEdit", "mnuUndo", "mnuRedo", "mnuFill",
                           "menRestoreBorder", " ", "mnuShowDirPanel"};
    const char* last = "mnu_load_savegame";
    auto digit = [](const QObject* o, bool on) {
        EXPECT_NE(o, nullptr);
        return QString(o != nullptr && on ? "1" : "0");
    };
    QString r;
    for (const char* text : buttons) {
        QPushButton* found = nullptr;
        for (QPushButton* b : w.findChildren<QPushButton*>())
            if (b->text() == text) found = b;
        r += digit(found, found && found->isEnabled());
    }
    r += digit(w.LevelList(), w.LevelList()->isEnabled()) + " ";
    for (const char* name : items) {
        if (QString(name) == " ") {
            r += " ";
            continue;
        }
        QAction* a = Item(w, name);
        r += digit(a, a && a->isEnabled());
    }
    r += digit(w.DirectoryPanel(), w.DirectoryPanel()->isEnabled());
    r += digit(w.Editor().Header(), w.Editor().Header()->isEnabled());
    r += digit(Item(w, last), Item(w, last) && Item(w, last)->isEnabled());
    return r;
}

TEST(ControlStates, EachStateOffersItsControls) {
    test::WindowFixture f;
    test::BoxAnswerer boxes;
    MainWindow& w = *f.window;
    GameSession& g = w.Session();
    // Every reading of the clock is a frame later: waits pass at once.
    int64_t now = 1'000'000'000;
    g.Clock().source = [&now] { return now += 100'000'000; };
    auto start = [&](bool demo) {
        demo ? g.PlayDemoCommand() : g.PlayCommand();
        g.Tick();
        ASSERT_NE(g.CurrentPhase(), Phase::Idle);
    };
    auto end = [&] {
        g.Stop();
        for (int i = 0; i < 2000 && g.CurrentPhase() != Phase::Idle; ++i) g.Tick();
        ASSERT_EQ(g.CurrentPhase(), Phase::Idle);
    };
    const QString demos = f.dir.filePath("demos");
    QDir().mkpath(demos);
    uint8_t mode = 0;

    struct Step {
        const char* state;
        std::function<void()> enter;
        // Play Pause Stop PlayDemo list | File Edit GameMode View Speed Options Help |
        // LevelInfo GamePlay DemoPlayback Faster Slower | EditLevel Undo Redo Fill RestoreBorder |
        // DirPanelItem DirPanel Header LoadSavegame
        const char* expected;
    };
    const Step steps[] = {
        {"idle, progress mode, no demo", [] {}, "10001 1111111 01100 10000 0111"},
        {"idle in free play", [&] { Item(w, "Free Play")->trigger(); }, "10001 1111111 01100 10000 1111"},
        {"play", [&] { start(false); }, "01100 0001100 01011 00000 0000"},
        {"idle with the run's demo", [&] { end(); }, "10011 1111111 11100 10000 1111"},
        {"demo playback", [&] { start(true); }, "01100 0001100 00111 00000 0000"},
        {"editor",
         [&] {
             end();
             ASSERT_TRUE(w.Editor().Enter());
         },
         "10000 1101111 11100 10011 1110"},
        {"editor test play", [&] { start(false); }, "01100 0001100 01011 00000 0000"},
        {"editor with a dialog up",
         [&] {
             end();
             mode = 0;
             w.DisableControls(mode);
         },
         "10000 0001100 11111 10011 1110"},
        {"everything off",
         [&] {
             mode = 99;
             w.DisableControls(mode);
         },
         "00000 0000000 00000 00000 0000"},
        {"editor again", [&] { w.UpdateAllControls(); }, "10000 1101111 11100 10011 1110"},
        {"demo folder check",
         [&] {
             ASSERT_TRUE(w.Editor().Leave());
             const QFileInfo run(QString::fromStdString(w.State().LastRunFile));
             ASSERT_TRUE(QFile::copy(run.filePath(), demos + "/run." + run.suffix()));
             w.Batch().chooseFolder = [&](const QString&) { return demos; };
             w.Batch().PlayDirCommand();
             ASSERT_TRUE(w.Batch().Running());
             ASSERT_NE(g.CurrentPhase(), Phase::Idle);
         },
         "01100 0000000 00000 00000 0000"},
        {"after the check",
         [&] {
             for (int i = 0; i < 20000 && w.Batch().Running(); ++i) g.Tick();
             ASSERT_FALSE(w.Batch().Running());
         },
         // the level file kept from before the check, without the run's demo
         "10001 1111111 01100 10000 1111"},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.state);
        step.enter();
        EXPECT_EQ(Read(w).toStdString(), step.expected);
    }
}

TEST(ControlStates, TheDirectoryPanelFollowsTheGameModeAndItsSetting) {
    struct Case {
        bool shownBefore;
        bool panelInFreePlay;
    };
    for (const Case c : {Case{true, true}, Case{false, false}}) {
        SCOPED_TRACE(c.shownBefore);
        test::WindowFixture f;
        MainWindow& w = *f.window;
        QAction* freePlay = Item(w, "Free Play");
        QAction* panelItem = Item(w, "mnuShowDirPanel");
        w.Config().ShowDirPanel = c.shownBefore;
        freePlay->trigger();  // progress mode -> free play
        EXPECT_EQ(w.DirectoryPanel()->isVisibleTo(&w), c.panelInFreePlay);
        EXPECT_TRUE(panelItem->isEnabled());
        EXPECT_EQ(panelItem->isChecked(), c.shownBefore);
        panelItem->trigger();  // the panel command toggles it
        EXPECT_EQ(w.DirectoryPanel()->isVisibleTo(&w), !c.panelInFreePlay);
        EXPECT_EQ(panelItem->isChecked(), !c.shownBefore);
        panelItem->trigger();
        // "Free Play" chosen in free play switches to progress mode: no panel, no item.
        freePlay->trigger();
        EXPECT_EQ(w.Session().GameMode, 2);
        EXPECT_TRUE(Item(w, "Quorvane")->isChecked());
        EXPECT_FALSE(freePlay->isChecked());
        EXPECT_FALSE(w.DirectoryPanel()->isVisibleTo(&w));
        EXPECT_FALSE(panelItem->isEnabled());
        Item(w, "Quorvane")->trigger();  // and back: the panel as it was
        EXPECT_EQ(w.Session().GameMode, 1);
        EXPECT_EQ(w.DirectoryPanel()->isVisibleTo(&w), c.panelInFreePlay);
    }
}

}  // namespace
}  // namespace tsn
