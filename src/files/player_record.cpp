#include "files/player_record.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "files/byte_source.h"
#include "files/check_value.h"

namespace tsn {
namespace {

constexpr size_t kProgressAt = 8;
constexpr size_t kReservedAt = kProgressAt + kProgressEntries * kProgressEntrySize;  // 4448
constexpr size_t kNameAt = kReservedAt + 4;                                          // 4452
constexpr size_t kEmailAt = kNameAt + kPlayerNameSize;                               // 4477
constexpr size_t kCompletedAt = kEmailAt + kPlayerEmailSize;                         // 4527
constexpr size_t kReserved2At = kCompletedAt + 1;                                    // 4528
constexpr size_t kDigestAt = kReserved2At + 8;                                       // 4536
constexpr size_t kDigestSize = 32;
static_assert(kDigestAt + kDigestSize == kPlayerRecordSize);

void Put32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}

uint32_t Get32(const uint8_t* p) { return static_cast<uint32_t>(GetI32(p)); }

void PutText(uint8_t* p, size_t width, const std::string& text) {
    std::memset(p, ' ', width);
    std::memcpy(p, text.data(), std::min(width, text.size()));
}

std::string GetText(const uint8_t* p, size_t width) {
    return std::string(reinterpret_cast<const char*>(p), width);
}

}  // namespace

int32_t PlayerRecord::TotalPlayTime() const {
    int64_t sum = 0;
    for (const LevelProgressEntry& e : progress) sum += e.playTime;
    return static_cast<int32_t>(
        std::clamp<int64_t>(sum, 0, std::numeric_limits<int32_t>::max()));
}

std::string TrimField(std::string text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
    return text;
}

PlayerRecord NewPlayerRecord(const std::string& name, const std::string& email,
                             const std::string& digest) {
    PlayerRecord r;
    r.name = name.substr(0, kPlayerNameSize);
    r.email = email.substr(0, kPlayerEmailSize);
    r.digest = digest.substr(0, kDigestSize);
    return r;
}

std::vector<uint8_t> EncodePlayerFile(const PlayerRecord& r) {
    std::vector<uint8_t> b(kPlayerFileSize, 0);
    std::memcpy(b.data(), kPlayerMagic, 7);
    b[7] = r.format;
    for (size_t i = 0; i < r.progress.size(); ++i) {
        const LevelProgressEntry& e = r.progress[i];
        uint8_t* p = b.data() + kProgressAt + i * kProgressEntrySize;
        p[0] = e.state;
        std::copy(e.reserved.begin(), e.reserved.end(), p + 1);
        Put32(p + 4, static_cast<uint32_t>(e.playTime));
        Put32(p + 8, static_cast<uint32_t>(e.runs));
        Put32(p + 12, static_cast<uint32_t>(e.steps));
        Put32(p + 16, static_cast<uint32_t>(e.bestSteps));
        std::copy(e.reserved2.begin(), e.reserved2.end(), p + 20);
    }
    Put32(b.data() + kReservedAt, r.reserved);
    PutText(b.data() + kNameAt, kPlayerNameSize, r.name);
    PutText(b.data() + kEmailAt, kPlayerEmailSize, r.email);
    b[kCompletedAt] = r.allLevelsCompleted;
    std::copy(r.reserved2.begin(), r.reserved2.end(), b.begin() + kReserved2At);
    PutText(b.data() + kDigestAt, kDigestSize, r.digest);
    Put32(b.data() + kPlayerRecordSize,
          CheckValue(std::span<const uint8_t>(b.data(), kPlayerRecordSize), kPlayerCheckMask));
    return b;
}

bool HasPlayerMagic(std::span<const uint8_t> bytes) {
    return bytes.size() >= 7 && std::memcmp(bytes.data(), kPlayerMagic, 7) == 0;
}

FileResult<PlayerRecord> DecodePlayerFile(std::span<const uint8_t> bytes) {
    if (bytes.size() != kPlayerFileSize ||
        CheckValue(bytes.first(kPlayerRecordSize), kPlayerCheckMask) !=
            Get32(bytes.data() + kPlayerRecordSize)) {
        return FileError{"LoadPlayerFile", 0, "The player file is corrupt!"};
    }
    const uint8_t* b = bytes.data();
    PlayerRecord r;
    r.format = b[7];
    for (size_t i = 0; i < r.progress.size(); ++i) {
        LevelProgressEntry& e = r.progress[i];
        const uint8_t* p = b + kProgressAt + i * kProgressEntrySize;
        e.state = p[0];
        std::copy(p + 1, p + 4, e.reserved.begin());
        e.playTime = GetI32(p + 4);
        e.runs = GetI32(p + 8);
        e.steps = GetI32(p + 12);
        e.bestSteps = GetI32(p + 16);
        std::copy(p + 20, p + 40, e.reserved2.begin());
    }
    r.reserved = Get32(b + kReservedAt);
    r.name = GetText(b + kNameAt, kPlayerNameSize);
    r.email = GetText(b + kEmailAt, kPlayerEmailSize);
    r.allLevelsCompleted = b[kCompletedAt];
    std::copy(b + kReserved2At, b + kDigestAt, r.reserved2.begin());
    r.digest = GetText(b + kDigestAt, kDigestSize);
    return r;
}

}  // namespace tsn
