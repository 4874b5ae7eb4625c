#include "files/level_file_summary.h"

#include "engine/demo_buffer.h"
#include "files/byte_source.h"
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
            for (int n = 1; n <= header->count; ++n) {
                auto level = ParseTsnLevel(src, *header, n, "ReadTSN");
                if (level) {
                    summary.levels.push_back(Summarize(n, *level));
                } else {
                    LevelSummary bad;
                    bad.number = n;
                    bad.error = level.error();
                    summary.levels.push_back(std::move(bad));
                }
            }
            break;
        }
    }
    return summary;
}

}  // namespace tsn
