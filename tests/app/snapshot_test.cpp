#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "presentation/snapshot.h"

namespace tsn {
namespace {

TEST(Snapshot, TakesTheFirstFreeNumberAndCreatesTheFolder) {
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("Capture");
    EXPECT_EQ(QFileInfo(NextSnapshotPath(folder)).fileName(), "SC000000.bmp");
    for (const char* name : {"SC000000.bmp", "SC000001.bmp", "SC000003.bmp"}) {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(0xFF123456);
    const QString written = SaveSnapshotImage(picture, folder);
    EXPECT_EQ(QFileInfo(written).fileName(), "SC000002.bmp");
    QImage back(written);
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.size(), QSize(40, 30));
    EXPECT_EQ(back.pixel(5, 5) & 0xFFFFFF, 0x123456u);
}

}  // namespace
}  // namespace tsn
