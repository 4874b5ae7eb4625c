#pragma once
// The user's preferences, kept as named text values in the per-user settings store
// (organisation "TESSARIN", group "Config"). Every value is read with its default.
#include <QSettings>
#include <QString>
#include <cstdint>
#include <optional>

#include "engine/run_rules.h"

namespace tsn {

struct WindowGeometry {
    double width = 0, height = 0, left = 0, top = 0;
    bool operator==(const WindowGeometry&) const = default;
};

struct Settings {
    QString LastPath;  // default: data folder + "levels/LEVELS.DAT"
    std::optional<WindowGeometry> Geometry;
    int WinState = 2;
    bool ShowBorder = false;
    bool AutoScroll = true;
    int32_t SignatureDelay = 3000;
    bool AllowRedDiskCheat = RunRules{}.AllowRedDiskCheat;
    bool AllowEatRightRedDiskBug = RunRules{}.AllowEatRightRedDiskBug;
    bool AllowMultipleInstances = false;
    bool ShowSplash = true;
    bool FinalSituation = false;
    QString MySignature;
    int32_t FrameDelayPlay = 28571;
    int32_t FrameDelayDemo = 28571;
    double gStretch = -1;
    bool Music = true;
    bool SoundFX = true;
    bool ShowInfo = false;
    bool ShowDirPanel = true;
    int32_t SampleVolume = 5000;
    int32_t MusicVolume = 10000;
    int LastOpenFilter = 1;
    int LastSaveFilter = 1;
    QString LastSaveDir;
    QString PlayAllInitFolder;  // starting folder of the demo folder check
    bool LimitToOriginalFieldSize = true;
    double EditZoom = 1;
    int32_t GameBackgroundColor = 15395562;
    bool ShowGrid = false;
    int32_t GridColor = 9276299;
    QString DefaultPlayerName;   // 25 characters
    QString DefaultPlayerEmail;  // 50 characters
    uint8_t GameMode = 2;
    bool GLOBALSOUND = false;
    uint8_t GetReadyTime = 2;

    // The game rules of the runs the window starts.
    RunRules Rules() const { return {AllowRedDiskCheat, AllowEatRightRedDiskBug}; }

    bool operator==(const Settings&) const = default;
};

// The store the program uses: organisation "TESSARIN", group "Config" is opened by the callers.
QSettings* OpenSettingsStore();

// Reads every key with its default. `programFolder` gives the defaults of the path keys.
Settings LoadSettings(QSettings& store, const QString& programFolder);
// Writes every key; the window geometry only when `geometry` is set (not minimized).
void SaveSettings(QSettings& store, const Settings& s);

// Text conversions of the stored values.
bool TextToBool(const QString& text, bool fallback);
QString BoolToText(bool v);

}  // namespace tsn
