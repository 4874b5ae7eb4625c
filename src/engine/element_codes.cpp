#include "engine/element_codes.h"

#include <array>

namespace tsn {

namespace {
constexpr std::array<const char*, 44> kNames = {
    "Space",
    "Zonk",
    "Base",
    "Murphy",
    "Infotron",
    "RAM",
    "HardWare",
    "Exit",
    "Orange Disk",
    "Port Right",
    "Port Down",
    "Port Left",
    "Port Up",
    "Special Port Right",
    "Special Port Down",
    "Special Port Left",
    "Special Port Up",
    "Snik Snak",
    "Yellow Disk",
    "Terminal",
    "RedDisk",
    "Port Up And Down",
    "Port Left And Right",
    "Port All Directions",
    "Electron",
    "Bug",
    "RAM Left",
    "RAM Right",
    "Hardware First",
    "Hardware 1",
    "Hardware 2",
    "Hardware 3",
    "Hardware 4",
    "Hardware 5",
    "Hardware 6",
    "Hardware 7",
    "Hardware 8",
    "Hardware Last",
    "RAM Top",
    "RAM Bottom",
    "Wall Space",
    "Hardware Trash1",
    "Hardware Trash2",
    "Hardware Murphy",
};
}  // namespace

uint8_t EditorCode(int code) {
    if (code == kBug) return kEditorBug;
    if (code == kWallSpace) return kHardwareTrash1;
    return static_cast<uint8_t>(code);
}

uint8_t GameCode(int code) {
    if (code == kEditorBug) return kBug;
    if (code == kHardwareTrash1) return kWallSpace;
    return static_cast<uint8_t>(code);
}

std::string ElementName(int code) {
    if (code >= 0 && code < static_cast<int>(kNames.size())) return kNames[code];
    if (code == kEditorBug) return "Bug";
    return "Unknown(" + std::to_string(code) + ")";
}

}  // namespace tsn
