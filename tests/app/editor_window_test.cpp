// The level editor in the test window: undo and redo states, painting by drag, panning and
// the context menu, the region dialogs, the grid, test play, new levels, and a level built
// from a blank container that is saved, reopened, solved and verified.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "app/editor_controller.h"
#include "app/editor_header.h"
#include "app/editor_palette.h"
#include "app/game_session.h"
#include "app/new_level_dialog.h"
#include "app/region_dialogs.h"
#include "app/scan_codes.h"
#include "app/special_port_dialog.h"
#include "app/view_controller.h"
#include "app/view_pane.h"
#include "engine/element_codes.h"
#include "files/create_level.h"
#include "main_window_fixture.h"
#include "presentation/scroll_buffer.h"
#include "run/demo_verification.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

struct EditorWindow {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    WindowState& s = w.State();
    EditorController& ed = w.Editor();
    ViewPane* pane = w.findChild<ViewPane*>();
    test::BoxAnswerer boxes;
    std::deque<QString> savePaths;  // answers of the file dialogs; empty: cancelled

    EditorWindow() {
        w.fileDialog = [this](const FileDialogRequest&) {
            FileDialogAnswer a;
            if (!savePaths.empty()) {
                a.path = savePaths.front();
                savePaths.pop_front();
            }
            return a;
        };
    }

    int Cell(int column, int row) const { return s.FieldBytes[static_cast<size_t>(row * s.FieldWidth + column)]; }
    QPointF At(int column, int row) { return ed.Mouse().CellRect(QPoint(column, row)).center(); }
    void Send(QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPointF pos,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent e(type, pos, pane->mapToGlobal(pos), button, held, mods);
        QApplication::sendEvent(pane, &e);
    }
    // A left-button stroke over the cells with the element `code`.
    void Paint(int code, std::initializer_list<QPoint> cells) {
        ed.Header()->Palette()->Click(code);
        const QPoint first = *cells.begin();
        Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, At(first.x(), first.y()));
        for (const QPoint& c : cells) Send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, At(c.x(), c.y()));
        const QPoint last = *(cells.end() - 1);
        Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, At(last.x(), last.y()));
    }
    // Plays until the run has ended.
    void RunToEnd() {
        for (int i = 0; i < 2000 && w.Session().CurrentPhase() != Phase::Idle; ++i) w.Session().Tick();
        ASSERT_EQ(w.Session().CurrentPhase(), Phase::Idle);
    }
    // File -> New Level with the typed sizes, saved as `path`.
    void NewLevel(const QString& width, const QString& height, const QString& path) {
        w.newLevelRunner = [&](NewLevelDialog& d) {
            d.WidthBox()->setText(width);
            d.HeightBox()->setText(height);
            d.Confirm();
            return true;
        };
        savePaths.push_back(path);
        w.NewLevelCommand(false);
    }
};

class EditorWindowTest : public ::testing::Test, public EditorWindow {};

TEST_F(EditorWindowTest, UndoAndRedoAreOfferedExactlyWhenPossible) {
    ASSERT_TRUE(ed.Enter());
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));  // the shortcuts are the active window's
    QAction* undo = ed.UndoAction();
    QAction* redo = ed.RedoAction();
    EXPECT_TRUE(undo->isVisible());
    const int before = Cell(10, 10);
    struct Step {
        const char* what;
        std::function<void()> act;
        bool undo, redo;
        int cell;  // the cell (10, 10) afterwards
    };
    const Step steps[] = {
        {"entered", [] {}, false, false, before},
        {"painted", [&] { Paint(kInfotron, {{10, 10}}); }, true, false, kInfotron},
        {"Ctrl+Z", [&] { QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier); }, false, true, before},
        {"Ctrl+Y", [&] { QTest::keyClick(&w, Qt::Key_Y, Qt::ControlModifier); }, true, false, kInfotron},
        {"painted again", [&] { Paint(kZonk, {{10, 10}}); }, true, false, kZonk},
        {"undone twice", [&] { ed.Undo(); ed.Undo(); }, false, true, before},
        {"a new edit", [&] { Paint(kBase, {{10, 10}}); }, true, false, kBase},
        {"undone", [&] { ed.Undo(); }, false, true, before},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(undo->isEnabled(), step.undo);
        EXPECT_EQ(redo->isEnabled(), step.redo);
        EXPECT_EQ(Cell(10, 10), step.cell);
    }
    EXPECT_TRUE(w.Caption().endsWith(".DAT*"));
}

TEST_F(EditorWindowTest, LeavingAnUnchangedLevelAsksNothing) {
    // A title with blanks around it is shown trimmed; showing it is no change.
    s.Info.setTitle("  PADDED");
    ASSERT_TRUE(ed.Enter());
    boxes.shown = 0;
    EXPECT_TRUE(ed.Leave());
    EXPECT_EQ(boxes.shown, 0);
    EXPECT_FALSE(w.Caption().endsWith("*"));
}

TEST_F(EditorWindowTest, ADragPaintsEveryCellItCrossesAsOneUndoStep) {
    ASSERT_TRUE(ed.Enter());
    Paint(kHardware, {{10, 5}, {11, 5}, {12, 6}, {12, 7}});
    for (const QPoint c : {QPoint(10, 5), QPoint(11, 5), QPoint(12, 6), QPoint(12, 7)}) EXPECT_EQ(Cell(c.x(), c.y()), kHardware);
    EXPECT_EQ(Cell(11, 6), kSpace);
    EXPECT_NE(ed.Header()->ModeLabel()->text(), QString());  // the element under the pointer
    ed.Undo();
    for (const QPoint c : {QPoint(10, 5), QPoint(12, 7)}) EXPECT_EQ(Cell(c.x(), c.y()), kSpace);
    EXPECT_FALSE(ed.UndoAction()->isEnabled());
    // A bug is held in the editor's coding and drawn as such.
    Paint(kBug, {{8, 8}});
    EXPECT_EQ(Cell(8, 8), kEditorBug);
}

TEST_F(EditorWindowTest, ARightDragPansWithoutTheMenuAndARightClickOpensIt) {
    QStringList menus;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menus << m->objectName();
            for (QAction* a : m->actions()) {
                if (a->isVisible() && a->objectName() == "menSp") menus << "menSp";
            }
            m->close();
        }
    });
    closer.start();
    for (const bool editing : {false, true}) {
        SCOPED_TRACE(editing);
        if (editing) {
            ASSERT_TRUE(ed.Enter());
        }
        w.View().ScrollToClamped(0, 0);
        const int16_t x0 = w.View().ctx.ScrollX;
        menus.clear();
        const QPointF from(200, 150), to(100, 150);
        Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, from);
        Send(QEvent::MouseMove, Qt::NoButton, Qt::RightButton, to);
        EXPECT_EQ(ed.Mouse().Mode(), PaneMouse::kPanning);
        Send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, to);
        EXPECT_EQ(w.View().ctx.ScrollX, x0 + 100);
        EXPECT_TRUE(menus.isEmpty());
        EXPECT_EQ(ed.Mouse().Mode(), PaneMouse::kDrawing);
        // The level's port at (20, 10) offers its special-port item.
        s.FieldBytes[10 * 60 + 20] = kPortRight;
        Send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, At(20, 10));
        Send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, At(20, 10));
        EXPECT_EQ(menus, editing ? QStringList({"menEditMain", "menSp"}) : QStringList{"menEditMain"});
        EXPECT_FALSE(ed.SpecialPortAction()->isVisible());
    }
}

TEST_F(EditorWindowTest, TheSpecialPortDialogTurnsAPortIntoASpecialPort) {
    ASSERT_TRUE(ed.Enter());
    Paint(kPortDown, {{20, 10}});
    QAction* file = w.menuBar()->actions().first();
    bool fileWhileOpen = true;
    ed.portDialogRunner = [&](SpecialPortDialog& d) {
        fileWhileOpen = file->isEnabled();
        d.Box(0, true)->setChecked(true);  // gravity on
        return true;
    };
    ed.SpecialPort(20, 10);
    EXPECT_FALSE(fileWhileOpen);  // the window's commands rest while the dialog is up
    EXPECT_TRUE(file->isEnabled());
    EXPECT_EQ(Cell(20, 10), kSpecialPortDown);
    ASSERT_EQ(s.Info.specialPortCount(), 1);
    EXPECT_EQ(s.Info.specialPort(0).gravity, 1);
    ed.Undo();
    EXPECT_EQ(Cell(20, 10), kPortDown);
    EXPECT_EQ(s.Info.specialPortCount(), 0);

    // Ten special ports at most: the dialog is refused over an eleventh port.
    for (int x = 1; x <= 11; ++x) {
        Paint(kPortLeft, {{x, 12}});
        ed.SpecialPort(x, 12);
    }
    EXPECT_EQ(s.Info.specialPortCount(), 10);
    EXPECT_EQ(Cell(10, 12), kSpecialPortLeft);
    EXPECT_EQ(Cell(11, 12), kPortLeft);
    EXPECT_EQ(boxes.title, "Special port error");
    EXPECT_EQ(boxes.text, "You can't add more special ports to this level!\r\nRemove 1 special port before add a new one.");
}

TEST_F(EditorWindowTest, RegionDialogsTakeTheirCornersFromTheCanvasAndFillAndFlip) {
    ASSERT_TRUE(ed.Enter());
    ed.OpenFillDialog();
    FillDialog* fill = ed.FillWindow();
    ASSERT_NE(fill, nullptr);
    ed.TakeCorner(false, At(2, 3));
    ed.TakeCorner(true, At(4, 3));
    EXPECT_EQ(fill->Box(0)->text(), "3");
    EXPECT_EQ(fill->Box(1)->text(), "5");
    // With a dialog open a Ctrl-click on the canvas paints nothing.
    Send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, At(9, 9), Qt::ControlModifier);
    Send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, At(9, 9), Qt::ControlModifier);
    EXPECT_FALSE(ed.UndoAction()->isEnabled());
    fill->Palette()->Click(kZonk);
    fill->Confirm();
    for (int x = 2; x <= 4; ++x) EXPECT_EQ(Cell(x, 3), kZonk);
    EXPECT_EQ(Cell(5, 3), kSpace);
    Paint(kInfotron, {{2, 3}});
    ed.Flip(false);  // "Vertical": left and right inside the border
    EXPECT_EQ(Cell(57, 3), kInfotron);
    EXPECT_EQ(Cell(55, 3), kZonk);
    EXPECT_EQ(Cell(59, 3), kHardware);
    ed.Undo();
    EXPECT_EQ(Cell(2, 3), kInfotron);
}

TEST_F(EditorWindowTest, TheGridIsDrawnOnlyOnTheStandardSize) {
    w.Config().ShowGrid = true;
    w.Config().GridColor = 0x00FF00;  // green
    for (const int width : {60, 61}) {
        SCOPED_TRACE(width);
        NewLevel(QString::number(width), "24", f.dir.filePath(QString("grid%1.tsn").arg(width)));
        ASSERT_EQ(s.FieldWidth, width);
        ASSERT_TRUE(ed.Enter());
        const QImage& img = w.View().Scroll()->Surface();
        // The line between the first two columns of the field.
        EXPECT_EQ(img.pixel(64, 100) == 0xFF00FF00u, width == 60);
        Paint(kBase, {{3, 3}});
        EXPECT_EQ(img.pixel(32 * 3 + 32, 32 * 3 + 40) == 0xFF00FF00u, width == 60);
        boxes.answers = {QMessageBox::No};
        ASSERT_TRUE(ed.Leave());
    }
}

TEST_F(EditorWindowTest, NewLevelSizesAreKeptInRange) {
    const struct {
        const char *width, *height;
        int w, h;
    } cases[] = {{"200", "24", 125, 24}, {"1", "-40", 3, 40}, {"60", "24", 60, 24}, {"x", "125.9", 3, 125}};
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const QString path = f.dir.filePath(QString("New%1.tsn").arg(++n));
        NewLevel(c.width, c.height, path);
        EXPECT_EQ(s.FieldWidth, c.w);
        EXPECT_EQ(s.FieldHeight, c.h);
        EXPECT_EQ(s.NonStandardLevel, c.w != 60 || c.h != 24);
        // The file name is taken in lower case.
        EXPECT_EQ(QString::fromStdString(s.CurrentLevelFile), f.dir.filePath(QString("new%1.tsn").arg(n)));
    }
    // Cancelling the save dialog leaves the open level as it was.
    const std::string file = s.CurrentLevelFile;
    w.newLevelRunner = [](NewLevelDialog& d) {
        d.WidthBox()->setText("10");
        d.Confirm();
        return true;
    };
    w.NewLevelCommand(false);
    EXPECT_EQ(s.CurrentLevelFile, file);
    EXPECT_EQ(s.FieldWidth, 3);
}

TEST_F(EditorWindowTest, TestPlayReturnsToTheEditedLevelAndPlaysThePlainCodes) {
    ASSERT_TRUE(ed.Enter());
    Paint(kBug, {{10, 5}});
    Paint(kWallSpace, {{11, 5}});
    const std::vector<uint8_t> edited = s.FieldBytes;
    const QString work = QString::fromStdString(s.EditorWorkFile);
    QByteArray handed;
    QObject::connect(&w.Session(), &GameSession::runStarted, &w, [&] {
        QFile file(work);
        if (file.open(QIODevice::ReadOnly)) handed = file.readAll();
    });
    w.Session().PlayCommand();
    EXPECT_EQ(s.PlayFromEditor, -1);
    Paint(kZonk, {{12, 5}});  // the canvas takes no edits during the test game
    w.Session().Stop();
    RunToEnd();
    ASSERT_GT(handed.size(), 20 + 5 * 60 + 11);
    EXPECT_EQ(handed[20 + 5 * 60 + 10], char{kBug});
    EXPECT_EQ(handed[20 + 5 * 60 + 11], char{kWallSpace});
    EXPECT_EQ(s.FieldBytes, edited);
    EXPECT_EQ(s.PlayFromEditor, 0);
    EXPECT_TRUE(ed.Active());
    EXPECT_TRUE(ed.LevelChanged());
    // Closing the window or leaving the editor offers to save; Cancel keeps both.
    boxes.shown = 0;
    boxes.answers = {QMessageBox::Cancel, QMessageBox::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_FALSE(ed.Leave());
    EXPECT_EQ(boxes.shown, 2);
    EXPECT_TRUE(ed.Active());
    EXPECT_EQ(boxes.text, "The level has been changed! Do you want to save it to disk?");
    boxes.answers = {QMessageBox::No};  // leaving without saving reads the level file again
    EXPECT_TRUE(ed.Leave());
    EXPECT_EQ(Cell(10, 5), kSpace);
}

TEST_F(EditorWindowTest, ALevelBuiltFromABlankContainerIsSavedReopenedSolvedAndVerified) {
    NewLevel("20", "15", f.dir.filePath("blank.tsn"));
    ASSERT_EQ(s.FieldWidth, 20);
    ASSERT_TRUE(ed.Enter());
    // Murphy stands at (1, 1): a base, an Infotron and the exit to his right; the old exit
    // below him goes.
    Paint(kSpace, {{1, 2}});
    Paint(kHardware, {{3, 2}});  // the Infotron rests on it
    Paint(kBase, {{2, 1}});
    Paint(kInfotron, {{3, 1}});
    Paint(kExit, {{5, 1}});
    QLineEdit* title = ed.Header()->Title();
    title->clear();
    QTest::keyClicks(title, "  BUILT IN THE EDITOR, WITH A LONG TITLE");
    emit ed.Header()->titleLeft();
    EXPECT_EQ(title->text(), "BUILT IN THE EDITOR, WI");
    ed.Header()->InfotronsNeeded()->setText("1");
    emit ed.Header()->infotronsLeft();
    EXPECT_EQ(s.Info.infotronsNeeded(), 1);
    const QString built = f.dir.filePath("built.tsn");
    savePaths.push_back(built);
    boxes.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ed.Leave());
    ASSERT_FALSE(ed.Active());

    ASSERT_TRUE(w.OpenLevelFile(built));
    EXPECT_EQ(QString::fromLatin1(s.Info.title().c_str()), "BUILT IN THE EDITOR, WI");
    w.Session().PlayCommand();
    w.Keys().Set(key::kRight, true);
    RunToEnd();
    w.Keys().ReleaseAll();
    ASSERT_EQ(s.LevelSolved, 1);
    const QString run = f.dir.filePath("built-run.tsn");
    savePaths.push_back(run);
    boxes.answers = {QMessageBox::No, QMessageBox::No};  // keep the demo and its signature
    ASSERT_TRUE(w.SaveAsCommand(false));
    // The verdict of the verifier that tessarin-cli verify runs.
    const VerificationRow row = VerifyDemoFile(run.toStdString(), 1, VerifyOptions{});
    EXPECT_TRUE(row.succeeded()) << row.solved << " " << row.error << " " << row.detail;
    EXPECT_GT(row.framesPlayed, 0);
}

}  // namespace
}  // namespace tsn
