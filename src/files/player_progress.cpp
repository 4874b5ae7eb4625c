#include "files/player_progress.h"

#include <algorithm>
#include <limits>

namespace tsn {
namespace {

// Counters stop at their largest value instead of wrapping.
int32_t Add(int32_t a, int32_t b) {
    const int64_t sum = static_cast<int64_t>(a) + b;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

// Positions that have an entry and are in the list.
int Recorded(int entryCount) { return std::clamp(entryCount, 0, kProgressEntries); }

bool Open(uint8_t state) { return state == kNotPlayed || state == kSkipped; }

LevelProgressEntry* Entry(PlayerRecord& r, int position) {
    return HasProgressEntry(position) ? &r.progress[static_cast<size_t>(position)] : nullptr;
}

LevelProgressEntry* CountRun(PlayerRecord& r, uint8_t gameMode, int position,
                             int32_t milliseconds, int32_t steps) {
    LevelProgressEntry* e = gameMode == kFreePlay ? nullptr : Entry(r, position);
    if (e == nullptr) return nullptr;
    e->runs = Add(e->runs, 1);
    e->playTime = Add(e->playTime, milliseconds);
    e->steps = Add(e->steps, steps);
    return e;
}

}  // namespace

bool HasProgressEntry(int position) { return position >= 0 && position < kProgressEntries; }

uint8_t ListedState(const PlayerRecord& r, int position) {
    return HasProgressEntry(position) ? r.progress[static_cast<size_t>(position)].state
                                      : uint8_t{kNotPlayed};
}

bool RecordSolvedRun(PlayerRecord& r, uint8_t gameMode, int position, int32_t milliseconds,
                     int32_t steps) {
    LevelProgressEntry* e = CountRun(r, gameMode, position, milliseconds, steps);
    if (e == nullptr) return false;
    e->state = kSolved;
    if (e->bestSteps == 0 || steps < e->bestSteps) e->bestSteps = steps;
    return true;
}

bool RecordUnsolvedRun(PlayerRecord& r, uint8_t gameMode, int position, int32_t milliseconds,
                       int32_t steps) {
    return CountRun(r, gameMode, position, milliseconds, steps) != nullptr;
}

bool SetLevelState(PlayerRecord& r, int position, ProgressState state) {
    LevelProgressEntry* e = Entry(r, position);
    if (e == nullptr) return false;
    e->state = state;
    return true;
}

std::optional<int> NextLevelToPlay(const PlayerRecord& r, int from, int entryCount) {
    const int end = Recorded(entryCount);
    for (int i = std::max(from, 0); i < end; ++i)
        if (Open(r.progress[static_cast<size_t>(i)].state)) return i;
    for (int i = 0; i < end; ++i)
        if (Open(r.progress[static_cast<size_t>(i)].state)) return i;
    return std::nullopt;
}

bool MarkAllLevelsCompleted(PlayerRecord& r, int entryCount) {
    if (entryCount < 2 || r.allLevelsCompleted != 0 || NextLevelToPlay(r, 0, entryCount))
        return false;
    r.allLevelsCompleted = 1;
    return true;
}

int FirstLevelToPlay(const PlayerRecord& r, int entryCount) {
    const int end = Recorded(entryCount);
    for (uint8_t wanted : {uint8_t{kNotPlayed}, uint8_t{kSkipped}})
        for (int i = 0; i < end; ++i)
            if (r.progress[static_cast<size_t>(i)].state == wanted) return i;
    return entryCount < 2 ? 0 : end - 1;
}

int ProgressChoice(const PlayerRecord& r, uint8_t gameMode, int position, int entryCount) {
    if (gameMode == kFreePlay) return position;
    const int first = FirstLevelToPlay(r, entryCount);
    return ListedState(r, position) == kNotPlayed && position > first ? first : position;
}

RightClickAction RightClickOnList(std::span<const uint8_t> itemStates, int clicked,
                                  int selected, uint8_t gameMode, bool rightButton) {
    const int count = static_cast<int>(itemStates.size());
    if (!rightButton || count < 2 || gameMode == kFreePlay || clicked < 0 || clicked >= count)
        return RightClickAction::Nothing;
    if (itemStates[static_cast<size_t>(clicked)] != kNotPlayed) return RightClickAction::ColorBlind;
    const auto skipped = std::count(itemStates.begin(), itemStates.end(), uint8_t{kSkipped});
    // A level without a progress entry cannot be skipped either.
    if (selected >= kProgressEntries - 1 || skipped >= kMaxSkipped || !HasProgressEntry(clicked))
        return RightClickAction::SkipNotPossible;
    const bool earlierDone = std::all_of(itemStates.begin(), itemStates.begin() + clicked,
                                         [](uint8_t s) { return s != kNotPlayed; });
    return earlierDone ? RightClickAction::OpenSkipMenu : RightClickAction::Nothing;
}

}  // namespace tsn
