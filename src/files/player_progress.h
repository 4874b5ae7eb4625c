#pragma once
// The decisions around a player's progress that need no window: recording runs, the list
// commands and the right-click rules, and which level the list offers. Positions are 0-based
// list positions; only the first 111 have a progress entry, later ones are "not played" and
// can be neither recorded, skipped nor marked.
#include <cstdint>
#include <optional>
#include <span>

#include "files/player_record.h"

namespace tsn {

// The stored game mode: free play records nothing; the progress mode records every run and
// limits the choice of levels.
inline constexpr uint8_t kFreePlay = 1;
inline constexpr uint8_t kProgressMode = 2;

inline constexpr int kMaxSkipped = 3;

// True when `position` has a progress entry.
bool HasProgressEntry(int position);

// The state a list entry shows: the entry's state, "not played" past the table.
uint8_t ListedState(const PlayerRecord& r, int position);

// A solved run of the level at `position`: state solved, runs + 1, play time and steps
// added, best steps lowered to `steps` (or set when there were none). False when nothing was
// recorded (free play, or no entry for the position).
bool RecordSolvedRun(PlayerRecord& r, uint8_t gameMode, int position, int32_t milliseconds,
                     int32_t steps);
// An unsolved run (lost, stopped or abandoned): runs + 1, play time and steps added; the
// state is left as it is.
bool RecordUnsolvedRun(PlayerRecord& r, uint8_t gameMode, int position, int32_t milliseconds,
                       int32_t steps);

// The list commands of the skip menu on one position: false when the position has no entry.
bool SetLevelState(PlayerRecord& r, int position, ProgressState state);

// After a solved run in the progress mode: the first position from `from` to the end of the
// list whose level is not played or skipped, else the first such from the start; none when
// every listed level (with an entry) is solved.
std::optional<int> NextLevelToPlay(const PlayerRecord& r, int from, int entryCount);

// Sets AllLevelsCompleted when no listed level (with an entry) is left to play, that is every
// one is solved, and the list has at least two entries; true only the first time (the
// congratulation is shown once).
bool MarkAllLevelsCompleted(PlayerRecord& r, int entryCount);

// The level a newly opened file starts on: the first not played, else the first skipped,
// else the first for a single level and the last with an entry otherwise; always a position
// of the list.
int FirstLevelToPlay(const PlayerRecord& r, int entryCount);

// Where a choice in the list leads: in the progress mode a level not played after the first
// level to play puts the selection back on that one.
int ProgressChoice(const PlayerRecord& r, uint8_t gameMode, int position, int entryCount);

// What a right-click on the level list does.
enum class RightClickAction { Nothing, ColorBlind, SkipNotPossible, OpenSkipMenu };
// `itemStates` holds the state every list entry shows; `clicked` is the entry under the
// pointer (-1 when none) and `selected` the current selection.
RightClickAction RightClickOnList(std::span<const uint8_t> itemStates, int clicked,
                                  int selected, uint8_t gameMode, bool rightButton);

// The texts the rules show.
inline constexpr const char* kColorBlindText = "COLORBLIND I GUESS";
inline constexpr const char* kSkipNotPossibleText = "SKIP Not POSSIBLE";
inline constexpr const char* kAllCompletedText = "YOU'VE COMPLETED ALL LEVELS! CONGRATULATIONS!!!";
inline constexpr const char* kAllCompletedTitle = "CONGRATULATIONS!!!";

}  // namespace tsn
