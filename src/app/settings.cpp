#include "app/settings.h"

#include <QDir>
#include <cmath>

namespace tsn {

namespace {
constexpr const char* kGroup = "Config";

QString DelayText() { return QStringLiteral("28571.4285714286"); }

int32_t ToInt32(const QString& text, int32_t fallback) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok) return fallback;
    return static_cast<int32_t>(std::nearbyint(v));
}

double ToDouble(const QString& text, double fallback) {
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    return ok ? v : fallback;
}
}  // namespace

bool TextToBool(const QString& text, bool fallback) {
    const QString t = text.trimmed();
    if (t.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (t.compare("False", Qt::CaseInsensitive) == 0) return false;
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v != 0 : fallback;
}

QString BoolToText(bool v) { return v ? QStringLiteral("True") : QStringLiteral("False"); }

QSettings* OpenSettingsStore() {
    // A private home (tests, portable use) keeps its settings in a file of its own.
    const QByteArray home = qgetenv("TESSARIN_HOME");
    if (!home.isEmpty())
        return new QSettings(QDir(QString::fromLocal8Bit(home)).filePath("tessarin.ini"),
                             QSettings::IniFormat);
    return new QSettings(QStringLiteral("TESSARIN"), QStringLiteral("TESSARIN"));
}

Settings LoadSettings(QSettings& store, const QString& programFolder) {
    store.beginGroup(kGroup);
    auto text = [&](const char* key, const QString& def) { return store.value(key, def).toString(); };
    auto boolean = [&](const char* key, bool def) { return TextToBool(text(key, BoolToText(def)), def); };
    auto int32 = [&](const char* key, int32_t def) { return ToInt32(text(key, QString::number(def)), def); };
    auto real = [&](const char* key, double def) { return ToDouble(text(key, QString::number(def)), def); };

    Settings s;
    s.LastPath = text("LastPath", QDir(programFolder).filePath("levels/LEVELS.DAT"));
    if (store.contains("Width") && store.contains("Height") && store.contains("left") &&
        store.contains("Top")) {
        WindowGeometry g;
        g.width = real("Width", 0);
        g.height = real("Height", 0);
        g.left = real("left", 0);
        g.top = real("Top", 0);
        s.Geometry = g;
    }
    s.WinState = int32("WinState", 2);
    s.ShowBorder = boolean("ShowBorder", false);
    s.AutoScroll = boolean("AutoScroll", true);
    s.SignatureDelay = int32("SignatureDelay", 3000);
    s.AllowRedDiskCheat = boolean("AllowRedDiskCheat", RunRules{}.AllowRedDiskCheat);
    s.AllowEatRightRedDiskBug = boolean("AllowEatRightRedDiskBug", RunRules{}.AllowEatRightRedDiskBug);
    s.AllowMultipleInstances = boolean("AllowMultipleInstances", false);
    s.ShowSplash = boolean("ShowSplash", true);
    s.FinalSituation = boolean("FinalSituation", false);
    s.MySignature = text("MySignature", QString()).left(511);
    s.FrameDelayPlay = ToInt32(text("FrameDelayPlay", DelayText()), 28571);
    s.FrameDelayDemo = ToInt32(text("FrameDelayDemo", DelayText()), 28571);
    s.gStretch = real("gStretch", -1);
    s.Music = boolean("Music", true);
    s.SoundFX = boolean("SoundFX", true);
    s.ShowInfo = boolean("ShowInfo", false);
    s.ShowDirPanel = boolean("ShowDirPanel", true);
    s.SampleVolume = int32("SampleVolume", 5000);
    s.MusicVolume = int32("MusicVolume", 10000);
    s.LastOpenFilter = int32("LastOpenFilter", 1);
    s.LastSaveFilter = int32("LastSaveFilter", 1);
    s.LastSaveDir = text("LastSaveDir", programFolder);
    s.PlayAllInitFolder = text("PlayAllInitFolder", programFolder);
    s.LimitToOriginalFieldSize = boolean("LimitToOriginalFieldSize", true);
    s.EditZoom = real("EditZoom", 1);
    s.GameBackgroundColor = int32("GameBackgroundColor", 15395562);
    s.ShowGrid = boolean("ShowGrid", false);
    s.GridColor = int32("GridColor", 9276299);
    s.DefaultPlayerName = text("DefaultPlayerName", QString()).left(25);
    s.DefaultPlayerEmail = text("DefaultPlayerEmail", QString()).left(50);
    s.GameMode = static_cast<uint8_t>(int32("GameMode", 2));
    s.GLOBALSOUND = boolean("GLOBALSOUND", false);
    s.GetReadyTime = static_cast<uint8_t>(int32("GetReadyTime", 2));
    store.endGroup();
    return s;
}

void SaveSettings(QSettings& store, const Settings& s) {
    store.beginGroup(kGroup);
    auto put = [&](const char* key, const QString& v) { store.setValue(key, v); };
    auto putBool = [&](const char* key, bool v) { put(key, BoolToText(v)); };
    auto putNum = [&](const char* key, double v) { put(key, QString::number(v, 'g', 15)); };
    put("LastPath", s.LastPath);
    if (s.Geometry) {
        putNum("Width", s.Geometry->width);
        putNum("Height", s.Geometry->height);
        putNum("left", s.Geometry->left);
        putNum("Top", s.Geometry->top);
    }
    putNum("WinState", s.WinState);
    putBool("ShowBorder", s.ShowBorder);
    putBool("AutoScroll", s.AutoScroll);
    putNum("SignatureDelay", s.SignatureDelay);
    putBool("AllowRedDiskCheat", s.AllowRedDiskCheat);
    putBool("AllowEatRightRedDiskBug", s.AllowEatRightRedDiskBug);
    putBool("AllowMultipleInstances", s.AllowMultipleInstances);
    putBool("ShowSplash", s.ShowSplash);
    putBool("FinalSituation", s.FinalSituation);
    put("MySignature", s.MySignature.left(511));
    putNum("FrameDelayPlay", s.FrameDelayPlay);
    putNum("FrameDelayDemo", s.FrameDelayDemo);
    putNum("gStretch", s.gStretch);
    putBool("Music", s.Music);
    putBool("SoundFX", s.SoundFX);
    putBool("ShowInfo", s.ShowInfo);
    putBool("ShowDirPanel", s.ShowDirPanel);
    putNum("SampleVolume", s.SampleVolume);
    putNum("MusicVolume", s.MusicVolume);
    putNum("LastOpenFilter", s.LastOpenFilter);
    putNum("LastSaveFilter", s.LastSaveFilter);
    put("LastSaveDir", s.LastSaveDir);
    put("PlayAllInitFolder", s.PlayAllInitFolder);
    putBool("LimitToOriginalFieldSize", s.LimitToOriginalFieldSize);
    putNum("EditZoom", s.EditZoom);
    putNum("GameBackgroundColor", s.GameBackgroundColor);
    putBool("ShowGrid", s.ShowGrid);
    putNum("GridColor", s.GridColor);
    put("DefaultPlayerName", s.DefaultPlayerName.left(25));
    put("DefaultPlayerEmail", s.DefaultPlayerEmail.left(50));
    putNum("GameMode", s.GameMode);
    putBool("GLOBALSOUND", s.GLOBALSOUND);
    putNum("GetReadyTime", s.GetReadyTime);
    store.endGroup();
    store.sync();
}

}  // namespace tsn
