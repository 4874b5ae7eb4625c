#pragma once
// Murphy's element family: action states, animation sequences and the procedures shared by
// its units (murphy.cpp decides at rest, murphy_actions.cpp starts actions, murphy_complete.cpp
// animates and completes them).
#include <array>
#include <cstdint>
#include <span>

#include "engine/cell_markers.h"

namespace tsn {

struct GameState;

namespace murphy {

// Action states: the high byte of Murphy's cell while he acts (his cell is state * 256 + 3).
// Directional families are listed for up, left, down, right (add Direction - 1), except the
// yellow-disk pushes, whose order is up, left, right, down.
enum ActionState : int {
    kMoveUp = 1,  // into empty; 2 left, 3 down (also a fall), 4 right
    kMoveLeft = 2,
    kMoveDown = 3,
    kMoveRight = 4,
    kBaseUp = 5,  // into a base; left is 2, down 7, right 8
    kBaseDown = 7,
    kBaseRight = 8,
    kInfotronUp = 9,  // 9..12 into an Infotron
    kInfotronLeft = 10,
    kInfotronDown = 11,
    kInfotronRight = 12,
    kExitEntered = 13,
    kPushZonkLeft = 14,
    kPushZonkRight = 15,
    kSnapBase = 16,      // 16..19
    kSnapInfotron = 20,  // 20..23
    kPortPass = 24,      // 24..27
    kEatRedDisk = 28,    // 28..31
    kSnapRedDisk = 32,   // 32..35
    kPushYellowUp = 36,
    kPushYellowLeft = 37,
    kPushYellowRight = 38,
    kPushYellowDown = 39,
    kPushOrangeLeft = 40,
    kPushOrangeRight = 41,
    kLayRedDisk = 42,
};

// Directions as the input codes name them.
enum Direction : int { kUp = 1, kLeft = 2, kDown = 3, kRight = 4 };

// Sprite numbers Murphy draws directly.
inline constexpr int kSpriteEmpty = 0;
inline constexpr int kSpriteMurphy = 3;
inline constexpr int kSpriteRedDiskReady = 43;
inline constexpr int kSpritePushRight = 44;  // also vertical pushes start with it
inline constexpr int kSpritePushLeft = 45;
inline constexpr int kSpritePushVertical = 79;
inline constexpr int kSpriteTerminalUsed = 136;
// Marks sideways Infotron eating in MurphySecondSprite: the picture spans two cells.
inline constexpr int kSecondSpriteTwoCells = 4;

// Animation sequences, each ended by -1.
using Seq = std::span<const int16_t>;
inline constexpr std::array<int16_t, 9> kWalkLeft = {176, 177, 178, 179, 180, 181, 182, 183, -1};
inline constexpr std::array<int16_t, 9> kWalkRight = {184, 185, 186, 187, 188, 189, 190, 191, -1};
inline constexpr std::array<int16_t, 9> kVerticalFacingLeft = {183, 182, 181, 180, 179,
                                                               178, 177, 176, -1};
inline constexpr std::array<int16_t, 9> kVerticalFacingRight = {191, 190, 189, 188, 187,
                                                                186, 185, 184, -1};
inline constexpr std::array<int16_t, 9> kEatInfotronLeft = {209, 211, 213, 215, 217,
                                                            219, 221, 223, -1};
inline constexpr std::array<int16_t, 9> kEatInfotronRight = {224, 226, 228, 230, 232,
                                                             234, 236, 238, -1};
inline constexpr std::array<int16_t, 9> kPushZonkLeftSeq = {192, 193, 194, 195, 196,
                                                            197, 198, 1,   -1};
inline constexpr std::array<int16_t, 9> kPushZonkRightSeq = {198, 197, 196, 195, 194,
                                                             193, 192, 1,   -1};
inline constexpr std::array<int16_t, 9> kPushYellowSeq = {18, 18, 18, 18, 18, 18, 18, 18, -1};
inline constexpr std::array<int16_t, 9> kPushOrangeSeq = {8, 8, 8, 8, 8, 8, 8, 8, -1};
inline constexpr std::array<int16_t, 9> kPortSeq = {3, 3, 3, 3, 3, 3, 3, 3, -1};
inline constexpr std::array<int16_t, 9> kSnapBaseSeq = {80, 81, 82, 83, 84, 85, 86, 0, -1};
inline constexpr std::array<int16_t, 8> kSnapInfotronSeq = {87, 88, 89, 91, 92, 93, 0, -1};
inline constexpr std::array<int16_t, 9> kSnapRedDiskSeq = {96, 97, 98, 99, 100, 101, 102, 0, -1};
inline constexpr std::array<int16_t, 2> kLayRedDiskSeq = {20, -1};
// The exit: sprites 46..54 four frames each, then four empty frames.
inline constexpr std::array<int16_t, 41> kExitSeq = {
    46, 46, 46, 46, 47, 47, 47, 47, 48, 48, 48, 48, 49, 49, 49, 49, 50, 50, 50, 50, 51,
    51, 51, 51, 52, 52, 52, 52, 53, 53, 53, 53, 54, 54, 54, 54, 0,  0,  0,  0,  -1};
// Room for the longest sequence, so that starting an action never allocates.
inline constexpr size_t kLongestSequence = kExitSeq.size();

// Cell offset of a direction (1 up, 2 left, 3 down, 4 right).
int DirectionOffset(const GameState& s, int direction);
// Sprite of Murphy snapping (or using a terminal) in a direction.
int SnapSprite(int direction);
// Writes Murphy's cell as busy with `state`.
void SetMurphyState(GameState& s, int cell, int state);
// Makes `seq` the current animation sequence.
void SetSequence(GameState& s, Seq seq);
// The vertical-move sequence for the way Murphy faces.
Seq VerticalSequence(const GameState& s);
// Sets the cell to 0 unless an explosion has reached it.
void ClearUnlessExploding(GameState& s, int cell);

// Starting actions from a decision at rest (murphy_actions.cpp). Each returns true when an
// action was started (it then runs its first frame at once), false when Murphy stays at rest.
bool StartMove(GameState& s, int16_t& murphyPos, int direction);
bool StartSnap(GameState& s, int p, int direction);
bool StartLayingRedDisk(GameState& s, int p);

// One frame of the action under way, completing it when its sequence runs out
// (murphy_complete.cpp).
void RunAction(GameState& s, int16_t& murphyPos);

}  // namespace murphy

// Murphy has left the cell sideways or upward: free it and set the Zonk or Infotron above
// (or beside the cell above) in motion.
void subMurphyLeftCell(GameState& s, int cell);
// Murphy walks toward a cell his moves do not handle. Returns 0 when the cell was cleared and
// the decision is to be taken again, -1 when Murphy stops (blocked or killed).
int subMurphyRunsInto(GameState& s, int cell, uint16_t value, int direction);
// A pushed Zonk came to rest on the cell: an enemy below it, or just leaving from below it,
// is crushed.
void subPushedZonkLanded(GameState& s, int cell);
// Murphy passed a special port: the level's entry for it sets gravity and the freeze flags.
void subSpecialPortEntered(GameState& s, int cell);
// Murphy picked up a red disk from the cell.
void subRedDiskCollected(GameState& s, int cell);
void subDrawCellSprite(GameState& s, int cell, int sprite);

}  // namespace tsn
