#pragma once
// The special-port table of the edited level: at most ten entries, one for every cell that
// holds a special port (13 .. 16), each with its gravity, frozen-Zonk and frozen-enemy flags.
// The field is in the editor coding; these functions take no undo snapshot.
#include <optional>
#include <string>

namespace tsn {

struct GameState;

inline constexpr const char* kSpecialPortErrorTitle = "Special port error";
inline constexpr const char* kTooManySpecialPortsText =
    "You can't add more special ports to this level!";
// Shown when the special-port dialog opens over an ordinary port of a level with ten of them.
inline constexpr const char* kTooManySpecialPortsDialogText =
    "You can't add more special ports to this level!\r\nRemove 1 special port before add a new one.";

// The flags of one special port as the dialog shows them.
struct SpecialPortSettings {
    bool gravity = false;
    bool frozenZonks = false;
    bool frozenEnemies = false;

    bool operator==(const SpecialPortSettings&) const = default;
};

// True for the cells the special-port dialog is offered on: ports of codes 9 .. 16.
bool IsPortCode(int code);

// The number (1 .. count) of the entry of cell `index` when the cell holds a special port,
// else 0.
int FindSpecialPort(const GameState& s, int index);

// The flags of the special port at `index`, or nothing when the cell has no entry.
std::optional<SpecialPortSettings> SpecialPortAt(const GameState& s, int index);

struct AddSpecialPortResult {
    int entry = 0;          // 1 .. 10, or 0 when refused
    std::string message;    // kTooManySpecialPortsText when refused for the limit
};
// The entry of the special port at `index`; when the cell has none and `queryOnly` is false,
// a new entry with all flags off is appended and an ordinary port (9 .. 12) becomes the special
// port of the same direction (a special port without entry keeps its code). Refused (entry 0)
// when the cell is not a port of codes 9 .. 16, and with the message when ten entries exist.
AddSpecialPortResult AddSpecialPort(GameState& s, int index, bool queryOnly);

// What AddSpecialPort would give for cell `index`, without changing anything: the entry the
// cell has or would get, or 0 and the refusal's message.
AddSpecialPortResult CheckSpecialPort(const GameState& s, int index);

// Removes the entry of the special port at (column, row): later entries move down, the count
// drops, the freed last entry is cleared and the cell becomes the ordinary port of the same
// direction. Nothing happens when the cell has no entry.
void RemoveSpecialPort(GameState& s, int column, int row);

// Stores the flags in entry `entry` (1 .. count): gravity 1, frozen Zonks 2, frozen enemies 1.
void SetSpecialPortSettings(GameState& s, int entry, const SpecialPortSettings& settings);

}  // namespace tsn
