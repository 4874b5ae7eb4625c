#include "editor/level_editor.h"

#include "editor/editor_coding.h"
#include "editor/level_header.h"
#include "editor/put_element.h"
#include "engine/game_state.h"

namespace tsn {

FileStatus LevelEditor::Enter(const std::string& workFile, const SaveOptions& options) {
    if (auto st = EnterEditorLevel(s_, source_, workFile, options); !st) return st;
    levelChanged_ = false;
    neededBeforeAll_ = s_.Info.infotronsNeeded();
    s_.InfotronsNeeded = static_cast<int16_t>(neededBeforeAll_);
    if (undoResetPending_) {
        ResetUndo();
        undoResetPending_ = false;
    }
    return {};
}

FileStatus LevelEditor::Leave() {
    levelChanged_ = false;
    return LeaveEditorLevel(s_, source_);
}

LevelSnapshot LevelEditor::Current() const {
    return LevelSnapshot{s_.FieldWidth, s_.FieldHeight, s_.FieldBytes, s_.Info};
}

void LevelEditor::Restore(const LevelSnapshot& state) {
    s_.FieldBytes = state.field;
    s_.Info = state.info;
    s_.InfotronsNeeded = s_.Info.infotronsNeeded();
    levelChanged_ = true;
}

bool LevelEditor::SaveUndo(bool snapshot, bool redo) {
    if (snapshot) {
        history_.Snapshot(Current());
        return true;
    }
    LevelSnapshot state = Current();
    if (!(redo ? history_.Redo(state) : history_.Undo(state))) return false;
    Restore(state);
    return true;
}

void LevelEditor::ResetUndo() { history_.Reset(Current()); }

bool LevelEditor::PutElement(int column, int row, int code) {
    if (!tsn::PutElement(s_, column, row, code)) return false;
    levelChanged_ = true;
    return true;
}

bool LevelEditor::Edit(bool valid, const std::function<void()>& change) {
    if (!valid) return false;
    SaveUndo(true, false);
    change();
    levelChanged_ = true;
    return true;
}

void LevelEditor::RestoreBorder() {
    Edit(true, [&] { PlaceBorder(s_); });
}

bool LevelEditor::FillRegion(const Region& r, int code, bool outlineOnly) {
    return Edit(RegionFits(s_, r) && IsPlaceableCode(code), [&] { tsn::FillRegion(s_, r, code, outlineOnly); });
}

bool LevelEditor::FlipLeftRight(const Region& r) {
    return Edit(RegionFits(s_, r), [&] { tsn::FlipLeftRight(s_, r); });
}

bool LevelEditor::FlipTopBottom(const Region& r) {
    return Edit(RegionFits(s_, r), [&] { tsn::FlipTopBottom(s_, r); });
}

bool LevelEditor::SetHeaderByte(int offset, int value) {
    return Edit(s_.Info.bytes[static_cast<size_t>(offset)] != value, [&] {
        s_.Info.bytes[static_cast<size_t>(offset)] = static_cast<uint8_t>(value);
        if (offset == LevelInfo::kInfotronsNeededOffset) s_.InfotronsNeeded = static_cast<int16_t>(value);
    });
}

bool LevelEditor::SetTitle(const std::string& typed) {
    const std::string title = EditorTitle(typed);
    return Edit(title != s_.Info.title(), [&] { s_.Info.setTitle(title); });
}

bool LevelEditor::SetInfotronsNeeded(int typed) {
    neededBeforeAll_ = ClampInfotronsNeeded(typed);
    return SetHeaderByte(LevelInfo::kInfotronsNeededOffset, neededBeforeAll_);
}

bool LevelEditor::SetAllInfotrons(bool all) {
    if (!all) return SetHeaderByte(LevelInfo::kInfotronsNeededOffset, neededBeforeAll_);
    neededBeforeAll_ = s_.Info.infotronsNeeded();
    return SetHeaderByte(LevelInfo::kInfotronsNeededOffset, AllInfotronsNeeded(CountElements().total()));
}

bool LevelEditor::SetGravity(bool on) { return SetHeaderByte(LevelInfo::kGravityOffset, on ? 1 : 0); }

bool LevelEditor::SetFrozenZonks(bool on) {
    return SetHeaderByte(LevelInfo::kFrozenZonksOffset, on ? 2 : 0);
}

int LevelEditor::FindSpecialPort(int index) const { return tsn::FindSpecialPort(s_, index); }

SpecialPortOffer LevelEditor::OfferSpecialPort(int index) const {
    SpecialPortOffer offer;
    if (const auto settings = SpecialPortAt(s_, index)) {
        offer.settings = *settings;
    } else if (s_.Info.specialPortCount() >= kMaxSpecialPorts) {
        offer.refused = true;
        offer.message = kTooManySpecialPortsDialogText;
    }
    return offer;
}

AddSpecialPortResult LevelEditor::ApplySpecialPort(int index, const SpecialPortSettings& settings) {
    // Checked first, so that a refusal leaves neither the level nor the history changed.
    AddSpecialPortResult result = CheckSpecialPort(s_, index);
    Edit(result.entry != 0, [&] {
        result = AddSpecialPort(s_, index, false);
        SetSpecialPortSettings(s_, result.entry, settings);
    });
    return result;
}

ElementCounts LevelEditor::CountElements() const { return tsn::CountElements(s_); }

}  // namespace tsn
