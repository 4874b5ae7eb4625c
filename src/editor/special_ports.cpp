#include "editor/special_ports.h"

#include "editor/editor_coding.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

namespace {

bool InField(const GameState& s, int index) { return index >= 0 && index <= s.FieldUpper; }

bool IsSpecialPortCode(int code) { return code >= kSpecialPortRight && code <= kSpecialPortUp; }

void WriteCell(GameState& s, int index, int code) {
    s.FieldBytes[static_cast<size_t>(index)] = EditorCode(code);
    s.PlayField16[index] = static_cast<uint16_t>(code);
}

void SetCount(GameState& s, int count) {
    s.Info.bytes[LevelInfo::kSpecialPortCountOffset] = static_cast<uint8_t>(count);
}

// The entry recorded for cell `index`, whatever the cell holds; 0 when there is none.
int EntryOf(const GameState& s, int index) {
    const int count = s.Info.specialPortCount();
    for (int n = 0; n < count && n < kMaxSpecialPorts; ++n) {
        if (s.Info.specialPort(n).cell() == index) return n + 1;
    }
    return 0;
}

}  // namespace

bool IsPortCode(int code) { return code >= kPortRight && code <= kSpecialPortUp; }

int FindSpecialPort(const GameState& s, int index) {
    if (!InField(s, index) || !IsSpecialPortCode(s.FieldBytes[static_cast<size_t>(index)])) return 0;
    return EntryOf(s, index);
}

std::optional<SpecialPortSettings> SpecialPortAt(const GameState& s, int index) {
    const int entry = FindSpecialPort(s, index);
    if (entry == 0) return std::nullopt;
    const SpecialPortInfo p = s.Info.specialPort(entry - 1);
    return SpecialPortSettings{p.gravity == 1, p.frozenZonks == 2, p.frozenEnemies == 1};
}

AddSpecialPortResult CheckSpecialPort(const GameState& s, int index) {
    if (const int entry = FindSpecialPort(s, index); entry != 0) return {entry, {}};
    if (!InField(s, index) || !IsPortCode(s.FieldBytes[static_cast<size_t>(index)])) return {};
    const int count = s.Info.specialPortCount();
    if (count >= kMaxSpecialPorts) return {0, kTooManySpecialPortsText};
    return {count + 1, {}};
}

AddSpecialPortResult AddSpecialPort(GameState& s, int index, bool queryOnly) {
    if (const int entry = FindSpecialPort(s, index); entry != 0) return {entry, {}};
    if (queryOnly) return {};
    if (auto check = CheckSpecialPort(s, index); check.entry == 0) return check;
    const int code = s.FieldBytes[static_cast<size_t>(index)];
    const int count = s.Info.specialPortCount();
    SpecialPortInfo p;
    p.position = static_cast<int16_t>(index * 2);
    s.Info.setSpecialPort(count, p);
    SetCount(s, count + 1);
    if (!IsSpecialPortCode(code)) WriteCell(s, index, code + 4);
    return {count + 1, {}};
}

void RemoveSpecialPort(GameState& s, int column, int row) {
    const int index = row * s.FieldWidth + column;
    const int entry = FindSpecialPort(s, index);
    if (entry == 0) return;
    const int count = s.Info.specialPortCount();
    for (int n = entry; n < count; ++n) s.Info.setSpecialPort(n - 1, s.Info.specialPort(n));
    s.Info.setSpecialPort(count - 1, SpecialPortInfo{});
    SetCount(s, count - 1);
    WriteCell(s, index, s.FieldBytes[static_cast<size_t>(index)] - 4);
}

void SetSpecialPortSettings(GameState& s, int entry, const SpecialPortSettings& settings) {
    if (entry < 1 || entry > s.Info.specialPortCount() || entry > kMaxSpecialPorts) return;
    SpecialPortInfo p = s.Info.specialPort(entry - 1);
    p.gravity = settings.gravity ? 1 : 0;
    p.frozenZonks = settings.frozenZonks ? 2 : 0;
    p.frozenEnemies = settings.frozenEnemies ? 1 : 0;
    s.Info.setSpecialPort(entry - 1, p);
}

}  // namespace tsn
