#pragma once
// The main window on a private data folder and settings store: a sprite sheet made by the
// tests, a level set of two open levels, no sound, no get-ready pause, fastest speed.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <memory>

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

struct WindowFixture {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<MainWindow> window;

    WindowFixture() {
        QDir(dir.path()).mkpath("data/levels");
        MakeSheet().save(dir.filePath("data/tsn32.bmp"), "BMP");
        QFile set(dir.filePath("data/levels/LEVELS.DAT"));
        EXPECT_TRUE(set.open(QIODevice::WriteOnly));
        set.write(TestSet());
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
        window = std::make_unique<MainWindow>(data, store.get());
        window->resize(900, 600);
        window->show();
        EXPECT_TRUE(window->Load());
        QCoreApplication::processEvents();
    }
};

}  // namespace tsn::test
