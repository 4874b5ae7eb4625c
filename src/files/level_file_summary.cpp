#include "files/level_file_summary.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <new>

#include "engine/demo_buffer.h"
#include "files/byte_source.h"
#include "files/level_file_limit.h"
#include "files/level_set_file.h"
#include "files/path_names.h"
#include "files/qv_file.h"
#include "files/tsn_header.h"

namespace tsn {

namespace {

LevelSummary Summarize(int n, const LoadedLevel& level) {
    LevelSummary s;
    s.number = n;
    s.width = level.width;
    s.height = level.height;
    s.info = level.info;
    s.hasDemo = level.hasDemo;
    if (level.hasDemo) {
        const auto record = static_cast<size_t>(level.recordSize());
        s.demoFrames = DemoFramesOf(level.bytes.data() + record + 1, level.bytes.size() - record - 1);
        s.hasSignature = level.hasSignature;
        s.signature = level.signature;
    }
    return s;
}

LevelSummary Unreadable(int n, FileError error) {
    LevelSummary bad;
    bad.number = n;
    bad.error = std::move(error);
    return bad;
}

// The byte ranges of the container levels read so far. A level whose data overlaps one of
// them is not read again: each byte of the file is then examined a bounded number of times,
// however many directory entries point at it.
class ClaimedRanges {
public:
    // The number of the level already holding part of [begin, end), or 0 after claiming it.
    int Claim(int64_t begin, int64_t end, int level) {
        auto next = ranges_.lower_bound(begin);
        if (next != ranges_.end() && next->first < end) return next->second.level;
        if (next != ranges_.begin()) {
            const auto& before = std::prev(next)->second;
            if (before.end > begin) return before.level;
        }
        ranges_.emplace(begin, Range{end, level});
        return 0;
    }

private:
    struct Range {
        int64_t end;
        int level;
    };
    std::map<int64_t, Range> ranges_;  // by first byte
};

void SummarizeContainer(ByteSource& src, const TsnHeader& header, LevelFileSummary& summary) {
    ClaimedRanges claimed;
    for (int n = 1; n <= header.count; ++n) {
        const auto& e = header.directory[static_cast<size_t>(n - 1)];
        const int64_t begin = static_cast<int64_t>(e.position) - 1;
        const int64_t end =
            begin + std::max<int64_t>(e.size, static_cast<int64_t>(e.width) * e.height + kLevelInfoSize);
        if (IsValidLevelSize(e.width, e.height) && src.Holds(begin, end - begin)) {
            if (const int owner = claimed.Claim(begin, end, n); owner != 0) {
                summary.levels.push_back(Unreadable(
                    n, FileError{"ReadTSN", 0,
                                 "The data of level " + std::to_string(n) +
                                     " overlaps the data of level " + std::to_string(owner)}));
                continue;
            }
        }
        auto level = ParseTsnLevel(src, header, n, "ReadTSN");
        summary.levels.push_back(level ? Summarize(n, *level) : Unreadable(n, level.error()));
    }
}

FileResult<LevelFileSummary> SummarizeSource(const std::string& path, LevelFileSummary summary) {
    FileSource src;
    if (!src.Open(path)) {
        return FileError{"SummarizeLevelFile", 1, "Cannot open " + path + ": " + src.LastError()};
    }
    switch (summary.kind) {
        case LevelFileKind::kQv: {
            auto level = ParseQV(src);
            if (!level) return level.error();
            summary.levels.push_back(Summarize(1, *level));
            break;
        }
        case LevelFileKind::kLevelSet: {
            const int count = LevelSetListCount(src.Size());
            for (int n = 1; n <= count; ++n) {
                auto level = ParseLevelSetLevel(src, n, "ReadLevel");
                if (!level) return level.error();
                summary.levels.push_back(Summarize(n, *level));
            }
            break;
        }
        case LevelFileKind::kTsn: {
            auto header = ParseTsnHeader(src, "TsnOpen", false);
            if (!header) return header.error();
            summary.version = header->version;
            SummarizeContainer(src, *header, summary);
            break;
        }
    }
    return summary;
}

}  // namespace

FileResult<LevelFileSummary> SummarizeLevelFile(const std::string& path) {
    LevelFileSummary summary;
    const std::string ext = ExtensionOf(path);
    if (ext == "tsn") {
        summary.kind = LevelFileKind::kTsn;
    } else if (ext == "qv") {
        summary.kind = LevelFileKind::kQv;
    } else if (IsLevelSetName(path)) {
        summary.kind = LevelFileKind::kLevelSet;
    } else {
        return FileError{"SummarizeLevelFile", 0, "Not a level file: " + path};
    }
    try {
        return SummarizeSource(path, std::move(summary));
    } catch (const std::bad_alloc&) {
        return OutOfMemoryError("SummarizeLevelFile");
    }
}

}  // namespace tsn
