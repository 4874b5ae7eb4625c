// The options dialog and its rules, the about window, the splash and the main caption.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <deque>

#include "app/about_dialog.h"
#include "app/editor_controller.h"
#include "app/game_session.h"
#include "app/main_caption.h"
#include "app/options_dialog.h"
#include "app/splash.h"
#include "app/view_controller.h"
#include "files/signature.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

// Every value the dialog shows away from its default, so that a reset or a lost value shows.
void Change(Settings& v) {
    v.SignatureDelay = 1234;
    v.ShowInfo = true;
    v.ShowSplash = false;
    v.AllowMultipleInstances = true;
    v.AllowEatRightRedDiskBug = false;
    v.AllowRedDiskCheat = false;
    v.LimitToOriginalFieldSize = false;
    v.FinalSituation = true;
    v.Music = false;
    v.SoundFX = false;
    v.MusicVolume = 2500;
    v.SampleVolume = 7500;
    v.ShowGrid = true;
    v.GridColor = 0x123456;
    v.GameBackgroundColor = 0x654321;
    v.MySignature = "first line\r\nsecond line";
    v.GetReadyTime = 7;
    v.DefaultPlayerName = "Someone";
    v.DefaultPlayerEmail = "someone@example.org";
}

Settings Changed() {
    Settings v;
    Change(v);
    return v;
}

// Answers the input boxes in turn, remembering their titles.
struct Answers {
    std::deque<QString> answers;
    QStringList titles;
    AskText Ask() {
        return [this](const QString& title, const QString&, const QString&) -> std::optional<QString> {
            titles << title;
            if (answers.empty()) return std::nullopt;  // the program is closing
            const QString a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

TEST(OptionsRules, TypedDelayAndSignatureAreKeptInRange) {
    const struct {
        const char* typed;
        int32_t expected;
    } delays[] = {{"2500", 2500}, {" 1500.7 ", 1500}, {"-40", 0},
                  {"99999999999", kMaxSignatureDelay}, {"abc", 777}, {"", 777}};
    for (const auto& d : delays) EXPECT_EQ(SignatureDelayFromText(d.typed, 777), d.expected) << d.typed;

    EXPECT_EQ(SignatureFromBox("a\nb\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(SignatureForBox("a\r\nb"), "a\nb");

    Settings s = Changed();
    s.MySignature = QString(600, 'q');
    s.MusicVolume = 20000;
    s.SampleVolume = -5;
    s.SignatureDelay = -1;
    s.DefaultPlayerName = "  " + QString(30, 'n');
    KeepOptionsInRange(s);
    EXPECT_EQ(s.MySignature, QString(511, 'q'));
    EXPECT_EQ(s.MusicVolume, 10000);
    EXPECT_EQ(s.SampleVolume, 0);
    EXPECT_EQ(s.SignatureDelay, 0);
    EXPECT_EQ(s.DefaultPlayerName, QString(25, 'n'));

    EXPECT_EQ(GetReadyChoices(2), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(GetReadyChoices(20).back(), 20);  // a stored value beyond the list stays choosable
}

TEST(OptionsRules, DefaultResetsItsListAndKeepsTheRest) {
    const Settings before = Changed();
    const Settings d = DefaultOptions(before, "1.2.3");
    Settings expected = before;
    expected.SignatureDelay = 3000;
    expected.AllowRedDiskCheat = expected.AllowEatRightRedDiskBug = true;
    expected.AllowMultipleInstances = false;
    expected.ShowSplash = true;
    expected.FinalSituation = false;
    expected.Music = expected.SoundFX = true;
    expected.ShowInfo = false;
    expected.LimitToOriginalFieldSize = true;
    expected.GridColor = 65535;
    expected.GameBackgroundColor = 0xEAEAEA;
    expected.GetReadyTime = 2;
    expected.MySignature = "This demo was recorded with Tessarin v.1.2.3\r\nPlease visit the Quorvane at:\r\n" +
                           QString::fromLatin1(kForumAddress);
    expected.DefaultPlayerName.clear();
    expected.DefaultPlayerEmail.clear();
    EXPECT_TRUE(d == expected);  // grid switch and volumes kept
}

TEST(OptionsRules, IdentityIsAskedUntilGivenThenTrimmedAndCut) {
    const struct {
        std::deque<QString> answers;
        IdentityQuestion question;
        QString stored;
        int asked;
    } cases[] = {
        {{"", "   ", " Ann "}, kNameQuestion, "Ann", 3},
        {{QString(30, 'n')}, kNameQuestion, QString(25, 'n'), 1},
        {{"  " + QString(60, 'e')}, kEmailQuestion, QString(50, 'e'), 1},
        {{"", " "}, kNameQuestion, QString(), 3},  // closing the program stops the asking
    };
    for (const auto& c : cases) {
        Answers a{c.answers, {}};
        EXPECT_EQ(AskIdentity(a.Ask(), c.question).value_or(QString()), c.stored);
        EXPECT_EQ(a.titles.size(), c.asked);
        EXPECT_EQ(a.titles.first(), c.question.title);
    }
}

TEST(OptionsDialog, ControlsShowAndReturnEveryValue) {
    for (const Settings& v : {Changed(), Settings{}}) {
        OptionsDialog d(v, "1.0.0");
        EXPECT_TRUE(d.Values() == v);
        EXPECT_EQ(d.findChild<QLineEdit*>("txtSignatureDelay")->isEnabled(), v.ShowInfo);
    }
}

TEST(OptionsDialog, DefaultAsksForTheIdentityAndColoursComeFromTheColourChoice) {
    OptionsDialog d(Changed(), "1.0.0");
    Answers a{{"", "New Name", "new@example.org"}, {}};
    d.ask = a.Ask();
    QTest::mouseClick(d.DefaultButton(), Qt::LeftButton);
    const Settings v = d.Values();
    EXPECT_EQ(a.titles, (QStringList{kNameQuestion.title, kNameQuestion.title, kEmailQuestion.title}));
    EXPECT_EQ(v.DefaultPlayerName, "New Name");
    EXPECT_EQ(v.DefaultPlayerEmail, "new@example.org");
    EXPECT_EQ(v.GridColor, 65535);
    EXPECT_TRUE(v.ShowGrid);  // not among the defaults

    // A chosen colour is stored as blue-green-red; a cancelled choice keeps the colour.
    std::deque<QColor> colours = {QColor(0x11, 0x22, 0x33), QColor()};
    d.chooseColor = [&](const QColor&, const QString&) {
        const QColor c = colours.front();
        colours.pop_front();
        return c;
    };
    QTest::mouseClick(d.findChild<QPushButton*>("cmdBackColor"), Qt::LeftButton);
    EXPECT_EQ(d.Values().GameBackgroundColor, 0x332211);
    QTest::mouseClick(d.findChild<QPushButton*>("cmdBackColor"), Qt::LeftButton);
    EXPECT_EQ(d.Values().GameBackgroundColor, 0x332211);
}

TEST(OptionsDialog, CtrlEnterStartsALineAndEnterIsOk) {
    OptionsDialog d(Settings{}, "1.0.0");
    d.show();
    QPlainTextEdit* box = d.SignatureBox();
    box->setFocus();
    QTest::keyClicks(box, "one");
    QTest::keyClick(box, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(box, "two");
    EXPECT_EQ(d.Values().MySignature, "one\r\ntwo");
    EXPECT_TRUE(d.isVisible());
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

// Opens Options through the window, sets the controls by `edit` and closes the dialog with
// `button`.
void RunOptions(MainWindow& w, const std::function<void(OptionsDialog&)>& edit, const char* button) {
    w.optionsRunner = [&](OptionsDialog& d) {
        edit(d);
        if (QString(button) == "OK") return static_cast<int>(QDialog::Accepted);
        return static_cast<int>(QDialog::Rejected);
    };
    w.OptionsCommand();
}

TEST(OptionsWindow, OkCancelAndDefaultRoundTripThroughTheStore) {
    const struct {
        const char* name;
        bool pressDefault;
        const char* button;
        bool stored;  // the changes reached the store
    } cases[] = {{"edit, OK", false, "OK", true},
                 {"edit, Cancel", false, "Cancel", false},
                 {"Default, OK", true, "OK", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::WindowFixture f;
        MainWindow& w = *f.window;
        const Settings before = LoadSettings(*f.store, "/x");
        test::BoxAnswerer boxes;  // entering the editor says it switches to free play
        ASSERT_TRUE(w.Editor().Enter());  // the grid options show in the editor at once
        RunOptions(w, [&](OptionsDialog& d) {
            Settings v = d.Values();
            Change(v);
            v.MySignature = QString(600, 's');
            d.SetValues(v);
            if (c.pressDefault) {
                Answers a{{"Default Player", "default@example.org"}, {}};
                d.ask = a.Ask();
                d.ResetToDefaults();
            }
        }, c.button);
        const Settings after = LoadSettings(*f.store, "/x");
        if (!c.stored) {
            EXPECT_EQ(after.SignatureDelay, before.SignatureDelay);
            EXPECT_EQ(after.MySignature, before.MySignature);
            EXPECT_EQ(after.AllowRedDiskCheat, before.AllowRedDiskCheat);
            EXPECT_EQ(w.Session().Rules, before.Rules());
            continue;
        }
        Settings expected = after;
        Change(expected);
        expected.MySignature = QString(511, 's');
        if (c.pressDefault) {
            expected = DefaultOptions(expected, TESSARIN_VERSION);
            expected.DefaultPlayerName = "Default Player";
            expected.DefaultPlayerEmail = "default@example.org";
        }
        EXPECT_TRUE(after == expected);
        EXPECT_EQ(w.Sound().MusicVolume(), expected.MusicVolume);  // applied at once
        EXPECT_EQ(w.Session().GetReadyTime, expected.GetReadyTime);
        EXPECT_EQ(w.Session().FinalSituation, expected.FinalSituation);
        EXPECT_EQ(w.View().LimitToOriginal, expected.LimitToOriginalFieldSize);
        EXPECT_EQ(w.View().Renderer().ShowGrid, expected.ShowGrid);
        EXPECT_EQ(w.View().Renderer().GridColor, static_cast<uint32_t>(expected.GridColor));
    }
}

TEST(OptionsWindow, RuleSwitchesReachTheNextRun) {
    const RunRules choices[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    test::WindowFixture f;
    MainWindow& w = *f.window;
    for (const RunRules& rules : choices) {
        RunOptions(w, [&](OptionsDialog& d) {
            Settings v = d.Values();
            v.AllowRedDiskCheat = rules.AllowRedDiskCheat;
            v.AllowEatRightRedDiskBug = rules.AllowEatRightRedDiskBug;
            d.SetValues(v);
        }, "OK");
        w.Session().PlayCommand();
        w.Session().Tick();
        EXPECT_EQ(w.State().GameRunning, -1);
        EXPECT_EQ(w.State().Rules, rules);
        w.Session().Stop();
        for (int i = 0; i < 100 && w.Session().CurrentPhase() != GameSession::Phase::Idle; ++i)
            w.Session().Tick();
    }
}

TEST(OptionsWindow, TheGridNoticeShowsOnlyForALevelInTheEditorThatCannotHaveIt) {
    const struct {
        bool editing;
        bool nonStandard;
        bool notice;
    } cases[] = {{true, true, true}, {true, false, false}, {false, true, false}};
    test::WindowFixture f;
    MainWindow& w = *f.window;
    for (const auto& c : cases) {
        test::BoxAnswerer boxes;
        boxes.answers = {QMessageBox::Ok};
        w.State().EditorActive = c.editing;
        w.State().NonStandardLevel = c.nonStandard;
        RunOptions(w, [](OptionsDialog&) {}, "Cancel");
        EXPECT_EQ(boxes.titles, c.notice ? QStringList{"Grid is Disabled"} : QStringList{});
    }
    w.State().EditorActive = false;
    w.State().NonStandardLevel = false;
}

TEST(MainCaption, NamesTheFileTheChangeAndTheRunSpeed) {
    using Run = CaptionParts::Run;
    const struct {
        bool changed;
        Run run;
        const char* caption;
    } cases[] = {
        {false, Run::None, "Tessarin v.1.0.0 - LEVELS.DAT"},
        {true, Run::None, "Tessarin v.1.0.0 - LEVELS.DAT*"},
        {false, Run::Play, "Tessarin v.1.0.0 - LEVELS.DAT - (FPS Fastest possible)"},
        {true, Run::Play, "Tessarin v.1.0.0 - LEVELS.DAT* - (FPS Fastest possible)"},
        {false, Run::Demo, "Tessarin v.1.0.0 - LEVELS.DAT - (FPS 35 fps (Default))"},
    };
    for (const auto& c : cases) {
        CaptionParts p{"1.0.0", "/some/folder/LEVELS.DAT", c.changed, c.run, 0, 28571};
        EXPECT_EQ(MainCaption(p), c.caption);
    }
}

TEST(AboutAndSplash, AboutListsEveryComponentAndTheSplashClosesOnAClick) {
    const QString text = AboutText("1.0.0");
    for (const char* name : {"Tessarin v.1.0.0", "Qt 6", "SDL2", "SDL2_mixer", "libxlsxwriter",
                             "GoogleTest", "Google Benchmark", "LAME", "LGPL-3.0", "zlib",
                             "own generators"})
        EXPECT_TRUE(text.contains(name)) << name;
    EXPECT_EQ(Components().size(), 9u);

    QWidget parent;
    QPointer<Splash> splash = new Splash(QImage(), "1.0.0", &parent, 60000);
    ASSERT_TRUE(splash->isVisible());
    QTest::mouseClick(splash, Qt::LeftButton);
    EXPECT_TRUE(splash.isNull() || !splash->isVisible());

    QPointer<Splash> timed = new Splash(QImage(), "1.0.0", &parent, 1);
    for (int i = 0; i < 200 && !timed.isNull() && timed->isVisible(); ++i) QTest::qWait(5);
    EXPECT_TRUE(timed.isNull() || !timed->isVisible());
}

}  // namespace
}  // namespace tsn
