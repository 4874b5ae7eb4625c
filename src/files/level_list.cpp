#include "files/level_list.h"

#include <cstdio>

#include "engine/game_state.h"
#include "files/byte_source.h"
#include "files/level_file_limit.h"
#include "files/level_set_file.h"
#include "files/level_source.h"
#include "files/path_names.h"
#include "files/tsn_container.h"

namespace tsn {

std::string LevelListText(int number, const LevelInfo& info) {
    char num[16];
    std::snprintf(num, sizeof num, "%03d", number);
    return std::string(num) + "   " + info.title();
}

FileResult<std::vector<LevelListEntry>> LevelListEntries(const std::string& path,
                                                         std::span<const uint8_t> progress,
                                                         int* notListed) {
    std::vector<LevelListEntry> entries;
    if (notListed) *notListed = 0;
    // How many of `count` levels are listed; the rest are counted as not listed.
    auto listed = [notListed](int count) {
        if (count <= kMaxListedLevels) return count;
        if (notListed) *notListed = count - kMaxListedLevels;
        return kMaxListedLevels;
    };
    auto add = [&](int n, const LevelInfo& info) {
        LevelListEntry e;
        e.number = n;
        e.info = info;
        e.text = LevelListText(n, info);
        e.progress = static_cast<size_t>(n - 1) < progress.size() ? progress[static_cast<size_t>(n - 1)] : 0;
        entries.push_back(std::move(e));
    };
    if (!FileExists(path)) {
        return FileError{"FillLevelList", 0, "The File " + path + " was not found. sub FillLevelList"};
    }
    const std::string name = FileNameOf(path);
    const bool qv = WildcardMatch(name, "*.qv");
    const bool set = WildcardMatch(name, "*.d??");
    if (qv || set) {
        FileSource src;
        if (!src.Open(path)) {
            return FileError{"FillLevelList", 1, "Cannot open " + path + ": " + src.LastError()};
        }
        if (auto st = CheckLevelFileSize(src.Size(), "FillLevelList"); !st) return st.error();
        const int count = listed(set ? LevelSetListCount(src.Size()) : 1);
        for (int n = 1; n <= count; ++n) {
            LevelInfo info;
            const int64_t at = static_cast<int64_t>(kStandardRecordSize) * n - kLevelInfoSize;
            if (src.ReadPresent(at, kLevelInfoSize, info.bytes.data()) < 0) {
                return FileError{"FillLevelList", 2, "Cannot read " + path + ": " + src.LastError()};
            }
            add(n, info);
        }
        return entries;
    }
    if (WildcardMatch(name, "*.tsn")) {
        TsnContainer c;
        if (auto st = c.TsnOpen(path); !st) return st.error();
        const int count = listed(c.LevelCount());
        for (int n = 1; n <= count; ++n) {
            auto info = c.TsnLoadLInfo(n);
            if (!info) {
                if (notListed) *notListed = 0;  // the list ends here anyway
                break;
            }
            add(n, *info);
        }
        c.TsnClose();
    }
    return entries;
}

int LevelListSelection(int selectNumber, int entryCount) {
    return selectNumber >= 1 && selectNumber <= entryCount ? selectNumber - 1 : 0;
}

void ChooseListedLevel(GameState& s, LevelSource& source, int position, int entryCount) {
    s.CurrentLevelNumber = static_cast<uint8_t>(entryCount == 1 ? 1 : position + 1);
    if (s.CurrentLevelNumber != s.LoadedLevelNumber) source.LastRunFile.clear();
    s.LoadedLevelNumber = s.CurrentLevelNumber;
}

}  // namespace tsn
