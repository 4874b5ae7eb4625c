#pragma once
// The main window on a private data folder and settings store: a sprite sheet made by the
// tests, a level set of two open levels, no sound, no get-ready pause, fastest speed.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <memory>
#include <optional>

#include "app/main_window.h"
#include "sprite_sheet_fixture.h"

namespace tsn::test {

// A level set of two 60 x 24 levels: Murphy at (5, 5) with open space to his right.
inline QByteArray TestSet() {
    QByteArray set;
    for (int level = 1; level <= 2; ++level) {
        QByteArray field(60 * 24, '\0');
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 60; ++x)
                if (x == 0 || y == 0 || x == 59 || y == 23) field[y * 60 + x] = 6;
        field[5 * 60 + 5] = 3;
        field[20 * 60 + 50] = 7;
        QByteArray info(96, '\0');
        info[5] = static_cast<char>(132);
        const QByteArray title = QStringLiteral("----- TEST LEVEL %1 -----").arg(level).left(23).toLatin1();
        for (int i = 0; i < 23; ++i) info[6 + i] = i < title.size() ? title[i] : ' ';
        set += field + info;
    }
    return set;
}

// Closes every message box as soon as it shows, remembering what each said (the boxes are
// modal; the tests check what they said). Boxes are answered from `answers` in turn, then
// with Yes.
struct BoxAnswerer {
    QString title;
    QString text;
    int shown = 0;
    QStringList titles;
    QStringList texts;
    std::deque<QMessageBox::StandardButton> answers;
    QTimer poll;
    BoxAnswerer() {
        poll.setInterval(5);
        QObject::connect(&poll, &QTimer::timeout, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (box == nullptr || !box->isVisible()) continue;
                ++shown;
                title = box->windowTitle();
                text = box->text();
                titles << title;
                texts << text;
                QMessageBox::StandardButton answer = QMessageBox::Yes;
                if (!answers.empty()) {
                    answer = answers.front();
                    answers.pop_front();
                }
                if (QAbstractButton* b = box->button(answer))
                    b->click();  // the static boxes return the clicked button
                else
                    box->done(answer);
            }
        });
        poll.start();
    }
};

struct WindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<MainWindow> window;
    bool loaded = false;

    // `sheet`: the sprite sheet's bytes (none: a good sheet made by the tests).
    // `damaged`: the start-up check found the sheet's digest wrong.
    // `levelSet`: the default level set's bytes.
    explicit WindowFixture(const std::optional<QByteArray>& sheet = std::nullopt,
                           bool damaged = false, const QByteArray& levelSet = TestSet()) {
        QDir(dir.path()).mkpath("data/levels");
        if (!sheet) {
            MakeSheet().save(dir.filePath("data/tsn32.bmp"), "BMP");
        } else {
            QFile f(dir.filePath("data/tsn32.bmp"));
            EXPECT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(*sheet);
        }
        QFile temp(dir.filePath("tmp0x00000001.tsn"));  // this copy's temporary level file
        EXPECT_TRUE(temp.open(QIODevice::WriteOnly));
        QFile set(dir.filePath("data/levels/LEVELS.DAT"));
        EXPECT_TRUE(set.open(QIODevice::WriteOnly));
        set.write(levelSet);
        set.close();
        qputenv("TESSARIN_HOME", dir.filePath("home").toLocal8Bit());
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        store->beginGroup("Config");
        store->setValue("ShowSplash", "False");
        store->setValue("DefaultPlayerName", "Tester");
        store->setValue("DefaultPlayerEmail", "tester@example.org");
        store->setValue("GLOBALSOUND", "True");
        store->setValue("GetReadyTime", "0");
        store->setValue("FrameDelayPlay", "0");
        store->setValue("gStretch", "1");
        store->setValue("WinState", "0");
        store->endGroup();
        StartupData data;
        data.dataFolder = dir.filePath("data");
        data.tempLevelFile = dir.filePath("tmp0x00000001.tsn");
        data.spriteSheetInvalid = damaged;
        window = std::make_unique<MainWindow>(data, store.get());
        window->resize(900, 600);
        window->show();
        loaded = window->Load();
        QCoreApplication::processEvents();
    }
};

}  // namespace tsn::test
