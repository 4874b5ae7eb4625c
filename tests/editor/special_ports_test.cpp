#include "editor/special_ports.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/level_editor.h"
#include "editor/put_element.h"
#include "editor_level.h"
#include "engine/element_codes.h"

namespace tsn {
namespace {

using test::CellAt;
using test::EditedLevel;
using test::PortAt;
using test::PortCells;

// Three special ports in a row, an ordinary one and a special port without entry; entry 2 (the
// middle one) has gravity on.
GameState ThreePorts() {
    test::LevelOptions o;
    o.specialPorts = {PortAt(8, 1, 1), PortAt(8, 2, 1, 1), PortAt(8, 3, 1)};
    return EditedLevel({"########", "#}w{>.m#", "########"}, o);
}

TEST(SpecialPorts, RemovingAnEntryShiftsTheTableAndTurnsThePortBack) {
    struct Case {
        const char* what;
        std::function<void(GameState&)> edit;
        std::string row;
    };
    const Case cases[] = {
        {"placing over it", [](GameState& s) { PutElement(s, 2, 1, kBase); }, "#}+{>.m#"},
        {"removing it", [](GameState& s) { RemoveSpecialPort(s, 2, 1); }, "#}v{>.m#"},
        {"filling over it", [](GameState& s) { FillRegion(s, Region{2, 1, 2, 1}, kZonk, false); }, "#}Z{>.m#"},
    };
    for (const auto& c : cases) {
        GameState s = ThreePorts();
        const SpecialPortInfo third = s.Info.specialPort(2);
        c.edit(s);
        EXPECT_EQ(test::FieldMap(s)[1], c.row) << c.what;
        EXPECT_EQ(PortCells(s), (std::vector<int>{CellAt(s, 1, 1), CellAt(s, 3, 1)})) << c.what;
        EXPECT_EQ(s.Info.specialPort(1).position, third.position) << c.what;
        EXPECT_EQ(s.Info.specialPort(2).position, 0) << c.what;  // the freed last entry
    }
}

TEST(SpecialPorts, AddingTurnsAPortIntoTheSpecialPortOfItsDirection) {
    struct Case { int x; bool queryOnly; int entry; const char* row; };
    const Case cases[] = {
        {4, true, 0, "#}w{>.m#"},   // a query adds nothing
        {4, false, 4, "#}w{}.m#"},  // a new entry, the Port Right becomes a special one
        {2, false, 2, "#}w{>.m#"},  // already one
        {5, false, 0, "#}w{>.m#"},  // no port there
        {6, false, 4, "#}w{>.m#"},  // a special port without entry keeps its code
    };
    for (const auto& c : cases) {
        GameState s = ThreePorts();
        EXPECT_EQ(AddSpecialPort(s, CellAt(s, c.x, 1), c.queryOnly).entry, c.entry) << c.x;
        EXPECT_EQ(test::FieldMap(s)[1], c.row) << c.x;
        EXPECT_EQ(s.PlayField16[CellAt(s, 4, 1)], c.entry == 4 && c.x == 4 ? kSpecialPortRight : kPortRight) << c.x;
    }
}

TEST(SpecialPorts, TheEleventhIsRefusedWithItsMessageAndNothingChanges) {
    test::LevelOptions o;
    for (int x = 1; x <= 10; ++x) o.specialPorts.push_back(PortAt(13, x, 1));
    GameState s = EditedLevel({"#############", "#}}}}}}}}}}<#", "#############"}, o);
    LevelSource source;
    LevelEditor editor(s, source);
    editor.ResetUndo();
    const int cell = CellAt(s, 11, 1);

    EXPECT_EQ(editor.OfferSpecialPort(cell).message,
              "You can't add more special ports to this level!\r\nRemove 1 special port before add a new one.");
    const auto applied = editor.ApplySpecialPort(cell, SpecialPortSettings{true, false, false});
    EXPECT_EQ(applied.entry, 0);
    EXPECT_EQ(applied.message, "You can't add more special ports to this level!");
    EXPECT_EQ(test::FieldMap(s)[1], "#}}}}}}}}}}<#");
    EXPECT_EQ(s.Info.specialPortCount(), 10);
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.LevelChanged());
}

TEST(SpecialPorts, TheDialogShowsAndStoresTheFlags) {
    GameState s = ThreePorts();
    LevelSource source;
    LevelEditor editor(s, source);
    EXPECT_EQ(editor.OfferSpecialPort(CellAt(s, 2, 1)).settings, (SpecialPortSettings{true, false, false}));
    EXPECT_EQ(editor.OfferSpecialPort(CellAt(s, 4, 1)).settings, SpecialPortSettings{});
    ASSERT_EQ(editor.ApplySpecialPort(CellAt(s, 4, 1), SpecialPortSettings{true, true, true}).entry, 4);
    const SpecialPortInfo p = s.Info.specialPort(3);
    EXPECT_EQ((std::vector<int>{p.gravity, p.frozenZonks, p.frozenEnemies}), (std::vector<int>{1, 2, 1}));
}

}  // namespace
}  // namespace tsn
