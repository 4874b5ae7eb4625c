#pragma once
// The per-frame procedures of every element family. Each takes the game state and the cell it
// is called for; the frame dispatcher calls them in increasing cell order after Murphy.
#include <cstdint>

namespace tsn {

struct GameState;

// murphy.cpp: Murphy decides, animates and completes his actions. May move MurphyPos.
void subMurphyFrame(GameState& s, int16_t& murphyPos);

// zonk.cpp
void subZonkFrame(GameState& s, int cell);
// infotron.cpp
void subInfotronFrame(GameState& s, int cell);
// orange_disk.cpp
void subOrangeDiskFrame(GameState& s, int cell);
// snik_snak.cpp and electron.cpp. The Draw procedures draw the enemy in its current state and
// change nothing (the field renderer uses them; frozen enemies are drawn too).
void subSnikSnakFrame(GameState& s, int cell);
void subSnikSnakDraw(GameState& s, int cell);
void subElectronFrame(GameState& s, int cell);
void subElectronDraw(GameState& s, int cell);
// bug_terminal.cpp
void subBugFrame(GameState& s, int cell);
void subTerminalFrame(GameState& s, int cell);

// explosions.cpp: the one way anything destroys or kills.
void subExplodeAt(GameState& s, int cell);
void subExplodeCell(GameState& s, int cell, uint16_t value, int timer);
void subExplosionFrame(GameState& s, int cell);
void subClearUnlessExploding(GameState& s, int cell);
// Once per frame from the main loop, after the dispatch.
void subLaidRedDiskFrame(GameState& s);
void subTimedExplosions(GameState& s);

}  // namespace tsn
