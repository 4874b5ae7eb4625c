#pragma once
// Small levels written as text maps, for tests. One character per cell:
//
//   .  Space           Z  Zonk            +  Base            M  Murphy
//   I  Infotron        R  RAM             #  Hardware        E  Exit
//   O  Orange disk     Y  Yellow disk     D  Red disk        T  Terminal
//   S  Snik Snak       e  Electron        b  Bug             W  Wall space (40)
//   >  v  <  ^   one-way ports right, down, left, up
//   }  w  {  m   special ports right, down, left, up (13 .. 16)
//   |  Port up and down   -  Port left and right   *  Port all directions
//   x  a cell that starts the level exploding (241)
//
// The map is loaded as a level file would be (codes into the field and FieldBytes, the info
// block behind the field) and then started like a run: conversion, Infotron count, Murphy.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/cell_markers.h"
#include "engine/game_state.h"

namespace tsn::test {

struct LevelOptions {
    uint8_t gravity = 0;
    uint8_t frozenZonks = 0;
    uint8_t infotronsNeeded = 0;
    uint16_t seed = 0;
    std::vector<SpecialPortInfo> specialPorts = {};
};

int CodeOf(char c);
char CharOf(uint16_t cellValue);

// Loads the map into `s` as a level file would, without starting it.
void LoadMap(GameState& s, const std::vector<std::string>& rows, const LevelOptions& options = {});
// Loads the map and starts the level; RandomSeed = options.seed.
GameState MakeLevel(const std::vector<std::string>& rows, const LevelOptions& options = {});

// The index of the cell at column x, row y.
inline int CellAt(const GameState& s, int x, int y) {
    return y * s.FieldWidth + x;
}

// The field as a map again, one string per row; cells whose value is not a plain code show '?'.
std::vector<std::string> Render(const GameState& s);

// One frame with the given action, as the main loop runs it. Returns true when the run ends.
bool Step(GameState& s, int action = 0);
// `frames` frames with the same action; stops early when the run ends. Returns true if it ended.
bool Steps(GameState& s, int frames, int action = 0);

}  // namespace tsn::test
