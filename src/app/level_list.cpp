#include "app/level_list.h"

#include <QFile>
#include <QFileInfo>

#include "files/level_info.h"
#include "files/level_set_file.h"
#include "files/path_names.h"
#include "files/tsn_container.h"

namespace tsn {

QString LevelEntryText(int number, const std::string& title) {
    return QStringLiteral("%1   %2").arg(number, 3, 10, QChar('0')).arg(QString::fromLatin1(title.c_str(), static_cast<int>(title.size())));
}

namespace {
std::string InfoTitle(const QByteArray& data, qint64 offset) {
    LevelInfo info;
    for (int i = 0; i < kLevelInfoSize; ++i) {
        const qint64 p = offset + i;
        info.bytes[static_cast<size_t>(i)] = p < data.size() ? static_cast<uint8_t>(data[p]) : 0;
    }
    return info.title();
}
}  // namespace

std::vector<LevelListEntry> ReadLevelList(const QString& path) {
    std::vector<LevelListEntry> list;
    const std::string name = path.toStdString();
    if (WildcardMatch(ToLower(FileNameOf(name)), "*.qv") ||
        WildcardMatch(ToLower(FileNameOf(name)), "*.d??")) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return list;
        const QByteArray data = f.readAll();
        list.push_back({1, LevelEntryText(1, InfoTitle(data, 1440)), 0});
        if (WildcardMatch(ToLower(FileNameOf(name)), "*.d??")) {
            const int count = LevelSetListCount(data.size());
            for (int n = 2; n <= count; ++n)
                list.push_back({n, LevelEntryText(n, InfoTitle(data, 1536LL * n - 96)), 0});
        }
        return list;
    }
    if (WildcardMatch(ToLower(FileNameOf(name)), "*.tsn")) {
        TsnContainer c;
        if (!c.TsnOpen(name)) return list;
        for (int n = 1; n <= c.LevelCount(); ++n) {
            auto info = c.TsnLoadLInfo(n);
            if (!info) break;
            list.push_back({n, LevelEntryText(n, info->title()), 0});
        }
        c.TsnClose();
    }
    return list;
}

QString LastRunFileName(const std::string& title, int number, const QString& levelFile,
                        int steps, bool solved, const QString& stamp) {
    QString name = QString::fromLatin1(title.c_str()).trimmed() + QString::number(number) +
                   QFileInfo(levelFile).fileName() + "_" + stamp + QString::number(steps) +
                   (solved ? "T" : "F");
    QString clean;
    for (QChar c : name) {
        if (QStringLiteral(":\\/?*<>|\"!,'.").contains(c)) continue;
        if (c.unicode() < 32 || c.unicode() > 126) continue;
        clean += c;
    }
    return clean + ".tsn";
}

}  // namespace tsn
