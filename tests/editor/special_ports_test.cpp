#include "editor/special_ports.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/level_editor.h"
#include "editor/put_element.h"
#include "editor/region_ops.h"
#include "editor_level.h"
#include "engine/element_codes.h"

namespace tsn {
namespace {

using test::CellAt;
using test::EditedLevel;
using test::PortAt;
using test::PortCells;

// Three special ports in a row and an ordinary one; entry 2 (the middle one) has gravity on.
GameState ThreePorts() {
    test::LevelOptions o;
    o.specialPorts = {PortAt(7, 1, 1), PortAt(7, 2, 1, 1), PortAt(7, 3, 1)};
    return EditedLevel({"#######", "#}w{>.#", "#######"}, o);
}

TEST(SpecialPorts, RemovingAnEntryShiftsTheTableAndTurnsThePortBack) {
    struct Case {
        const char* what;
        std::function<void(GameState&)> edit;
        std::string row;
    };
    const Case cases[] = {
        {"placing over it", [](GameState& s) { PutElement(s, 2, 1, kBase); }, "#}+{>.#"},
        {"removing it", [](GameState& s) { RemoveSpecialPort(s, 2, 1); }, "#}v{>.#"},
        {"filling over it", [](GameState& s) { FillRegion(s, Region{2, 1, 2, 1}, kZonk, false); }, "#}Z{>.#"},
    };
    for (const auto& c : cases) {
        GameState s = ThreePorts();
        const SpecialPortInfo third = s.Info.specialPort(2);
        c.edit(s);
        EXPECT_EQ(test::FieldMap(s)[1], c.row) << c.what;
        EXPECT_EQ(PortCells(s), (std::vector<int>{CellAt(s, 1, 1), CellAt(s, 3, 1)})) << c.what;
        EXPECT_EQ(s.Info.specialPort(1).position, third.position) << c.what;
        EXPECT_EQ(s.Info.specialPort(2).position, 0) << c.what;  // the freed last entry
        EXPECT_EQ(FindSpecialPort(s, CellAt(s, 3, 1)), 2) << c.what;
    }
}

TEST(SpecialPorts, AddingMakesTheSpecialPortOfTheSameDirection) {
    GameState s = ThreePorts();
    const int cell = CellAt(s, 4, 1);
    EXPECT_EQ(AddSpecialPort(s, cell, true).entry, 0);
    EXPECT_EQ(test::FieldMap(s)[1], "#}w{>.#");
    EXPECT_EQ(AddSpecialPort(s, cell, false).entry, 4);
    EXPECT_EQ(test::FieldMap(s)[1], "#}w{}.#");
    EXPECT_EQ(s.PlayField16[cell], kSpecialPortRight);
    EXPECT_EQ(AddSpecialPort(s, cell, false).entry, 4);              // already one
    EXPECT_EQ(AddSpecialPort(s, CellAt(s, 5, 1), false).entry, 0);   // no port there
    EXPECT_EQ(s.Info.specialPortCount(), 4);
}

TEST(SpecialPorts, TheEleventhIsRefusedWithItsMessageAndNothingChanges) {
    test::LevelOptions o;
    for (int x = 1; x <= 10; ++x) o.specialPorts.push_back(PortAt(13, x, 1));
    GameState s = EditedLevel({"#############", "#}}}}}}}}}}<#", "#############"}, o);
    LevelEditor editor(s);
    editor.ResetUndo();
    const int cell = CellAt(s, 11, 1);

    EXPECT_TRUE(editor.OfferSpecialPort(cell).refused);
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
    LevelEditor editor(s);
    editor.ResetUndo();
    EXPECT_EQ(editor.OfferSpecialPort(CellAt(s, 2, 1)).settings, (SpecialPortSettings{true, false, false}));
    EXPECT_EQ(editor.OfferSpecialPort(CellAt(s, 4, 1)).settings, SpecialPortSettings{});

    const auto applied = editor.ApplySpecialPort(CellAt(s, 4, 1), SpecialPortSettings{true, true, true});
    ASSERT_EQ(applied.entry, 4);
    const SpecialPortInfo p = s.Info.specialPort(3);
    EXPECT_EQ((std::vector<int>{p.gravity, p.frozenZonks, p.frozenEnemies}), (std::vector<int>{1, 2, 1}));
    EXPECT_TRUE(editor.LevelChanged());
}

TEST(SpecialPorts, ASpecialPortCellWithoutEntryKeepsItsCodeWhenItGetsOne) {
    GameState s = EditedLevel({"#####", "#m.M#", "#####"});
    EXPECT_EQ(AddSpecialPort(s, CellAt(s, 1, 1), false).entry, 1);
    EXPECT_EQ(test::FieldMap(s)[1], "#m.M#");
}

}  // namespace
}  // namespace tsn
