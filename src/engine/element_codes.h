#pragma once
// Element codes of the level files and of the running field.
#include <cstdint>
#include <string>

namespace tsn {

enum Element : uint8_t {
    kSpace = 0,
    kZonk = 1,
    kBase = 2,
    kMurphy = 3,
    kInfotron = 4,
    kRam = 5,
    kHardware = 6,
    kExit = 7,
    kOrangeDisk = 8,
    kPortRight = 9,
    kPortDown = 10,
    kPortLeft = 11,
    kPortUp = 12,
    kSpecialPortRight = 13,
    kSpecialPortDown = 14,
    kSpecialPortLeft = 15,
    kSpecialPortUp = 16,
    kSnikSnak = 17,
    kYellowDisk = 18,
    kTerminal = 19,
    kRedDisk = 20,
    kPortUpDown = 21,
    kPortLeftRight = 22,
    kPortAll = 23,
    kElectron = 24,
    kBug = 25,
    kRamLeft = 26,
    kRamRight = 27,
    kHardwareFirst = 28,
    kHardwareLast = 37,
    kRamTop = 38,
    kRamBottom = 39,
    kWallSpace = 40,
    kHardwareTrash1 = 41,
    kHardwareTrash2 = 42,
    kHardwareMurphy = 43,
    kEditorBug = 76,        // the editor's form of a bug, saved as 25
    kExplosion = 31,        // code 31 in a running level
    kStartExploding = 241,  // level-file mark: the cell starts the level exploding
};

// The editor holds a Bug as 76 and Wall Space as 41, so that it can draw them apart: the
// editor's form of a code (25 → 76, 40 → 41) and the code it stands for (76 → 25, 41 → 40).
// Every other code is its own form.
uint8_t EditorCode(int code);
uint8_t GameCode(int code);

// Display name of an element code: "Unknown(<code>)" for codes without a name.
std::string ElementName(int code);

}  // namespace tsn
