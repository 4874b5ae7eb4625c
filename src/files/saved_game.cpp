#include "files/saved_game.h"

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>
#include <type_traits>

#include "engine/demo_buffer.h"
#include "engine/game_state.h"
#include "files/byte_source.h"
#include "files/check_value.h"
#include "files/path_names.h"
#include "files/paths.h"

namespace tsn {

namespace {

constexpr int kTableSize = 255;
constexpr uint8_t kInt16Tag = 2;
// Murphy's longest animation sequence is far below this; anything longer is not ours.
constexpr int32_t kMaxSequence = 256;

// The values that are not a single field of the state as they are stored.
struct Extras {
    uint8_t savedLoads = 0;
    uint8_t flags = 0;  // engine byte B
    int16_t redDiskShow = 0;  // engine word C
    int16_t lastKey = -1;
    int16_t repeatAgain = 0;
    int64_t fpsTick = 0;
    int64_t fpsFrame = 0;
    // The view's scroll position is the window's, not the run's: stored as 0, and a load
    // centres the view on Murphy.
    int16_t scrollX = 0;
    int16_t scrollY = 0;
    // The run loop's flag: a game is saved only from within the running loop, and a load keeps
    // the flag of the loop that carries it out.
    int16_t mainLoop = 1;
};

enum Flag : uint8_t { kRedDiskCheat = 1, kEatRightBug = 2, kPlayback = 4, kRecorded = 8 };

Extras ExtrasOf(const GameState& s) {
    Extras e;
    e.savedLoads = s.SavedGameLoads;
    e.flags = static_cast<uint8_t>((s.Rules.AllowRedDiskCheat ? kRedDiskCheat : 0) |
                                   (s.Rules.AllowEatRightRedDiskBug ? kEatRightBug : 0) |
                                   (s.DemoPlayback == 1 ? kPlayback : 0) |
                                   (s.DemoBufferLive ? kRecorded : 0));
    e.redDiskShow = s.RedDiskShowCount;
    e.lastKey = s.DemoBuffer.LastKey();
    e.repeatAgain = s.DemoRepeatCount;
    e.fpsFrame = s.FrameCounter;
    return e;
}

// The fixed-width values between the header and the arrays (Murphy's animation sequence sits
// among them and is handled by the visitor's `sequence`), in file order.
template <class S, class V>
void WalkScalars(S& s, Extras& e, V& v) {
    v(e.savedLoads);
    v(s.MurphyCoarseY);
    v(s.MurphyCoarseX);
    v(s.MurphyFacingLeft);
    v(s.MurphyKilled);
    v(s.EndLevelNow);
    v(s.LeadOutCounter);
    v(s.RedDiskCount);
    v(s.IdleCounter);
    v(s.ExplosionInProgress);
    v(s.TerminalBlinkMask);
    v(s.TerminalsUsed);
    v(s.FrameCounter);
    v(s.EnemiesFrozen);
    v(s.PortPassActive);
    v(s.RedDiskState);
    v(s.RedDiskPos);
    v(s.StartRandomSeed);
    v(s.MurphyPresent);
    v(s.InfotronsNeeded);
    v(s.ZonksFrozen);
    v(s.MurphyPos);
    v(s.MurphyScreenXPos);
    v(s.MurphyScreenYPos);
    v(s.MurphyLastPos);
    v(s.MurphyFalling);
    v(s.NoKeyAtRest);
    v(s.MurphyDelay);
    v(s.LevelSolved);
    v(s.MurphyDownTarget);
    v(e.flags);
    v(e.redDiskShow);
    v(e.mainLoop);
    v.sequence(s.MurphyAnimSequence);
    v(s.MurphySecondSprite);
    v(s.MurphyDX);
    v(s.MurphyAnimPhase);
    v(s.MurphyClearCell);
    v(s.MurphyDrawCell);
    v(s.MurphyOverlayOffset);
    v(s.MurphyDY);
    v(s.DemoStartIndex);
    v(s.DemoReadIndex);
    v(s.DemoRepeatCount);
    v(e.fpsTick);
    v(e.fpsFrame);
    v(e.repeatAgain);
    v(s.MurphyInput);
    v(e.lastKey);
    v(s.RandomSeed);
    v(s.GravityOn);
    v(e.scrollX);
    v(e.scrollY);
    v(s.StepCount);
    v(s.CurrentLevelNumber);
    v(s.LoadedLevelNumber);
}

// The arrays after the scalars, in file order, each preceded by its 32-bit lower and upper
// bound. The level bytes are as long as the file says (at least the level record); every other
// array has the bounds of the running level.
template <class S, class V>
void WalkArrays(S& s, V& v) {
    auto& f = s.PlayField16;
    v.array(f.Lowest(), f.Highest(), f.cell0() + f.Lowest());
    v.array(0, static_cast<int32_t>(s.FieldBytes.size()) - 1, s.FieldBytes.data());
    v.vector(s.LevelBytes, s.LevelRecordUpper + 1);
    v.array(0, static_cast<int32_t>(s.ActiveCells.size()) - 1, s.ActiveCells.data());
    v.array(0, static_cast<int32_t>(s.ActiveCodes.size()) - 1, s.ActiveCodes.data());
    v.array(0, static_cast<int32_t>(s.TerminalBlinkTimer.size()) - 1, s.TerminalBlinkTimer.data());
}

// ---- Writing ----

struct Writer {
    std::vector<uint8_t>& out;

    template <class T>
    void operator()(const T& value) {
        static_assert(std::is_integral_v<T>);
        auto u = static_cast<std::make_unsigned_t<T>>(value);
        for (size_t i = 0; i < sizeof(T); ++i) {
            out.push_back(static_cast<uint8_t>(u & 0xFF));
            if constexpr (sizeof(T) > 1) u = static_cast<std::make_unsigned_t<T>>(u >> 8);
        }
    }
    void sequence(const std::vector<int16_t>& seq) {
        (*this)(kInt16Tag);
        (*this)(uint8_t{1});
        (*this)(static_cast<int32_t>(seq.size()));
        (*this)(int32_t{0});
        for (int16_t x : seq) (*this)(x);
    }
    template <class T>
    void array(int32_t lower, int32_t upper, const T* first) {
        (*this)(lower);
        (*this)(upper);
        for (int32_t i = 0; i <= upper - lower; ++i) (*this)(first[i]);
    }
    template <class T>
    void vector(const std::vector<T>& values, int32_t /*minCount*/) {
        array(0, static_cast<int32_t>(values.size()) - 1, values.data());
    }
};

// ---- Reading ----

struct Reader {
    std::span<const uint8_t> data;
    size_t pos = 0;
    bool ok = true;

    const uint8_t* take(size_t n) {
        if (!ok || n > data.size() - pos) {
            ok = false;
            return nullptr;
        }
        const uint8_t* p = data.data() + pos;
        pos += n;
        return p;
    }
    template <class T>
    void operator()(T& value) {
        static_assert(std::is_integral_v<T>);
        const uint8_t* p = take(sizeof(T));
        if (p == nullptr) return;
        uint64_t u = 0;
        for (size_t i = sizeof(T); i-- > 0;) u = (u << 8) | p[i];
        value = static_cast<T>(static_cast<std::make_unsigned_t<T>>(u));
    }
    void sequence(std::vector<int16_t>& seq) {
        uint8_t tag = 0, dims = 0;
        int32_t count = 0, lower = 0;
        (*this)(tag);
        (*this)(dims);
        (*this)(count);
        (*this)(lower);
        if (!ok || tag != kInt16Tag || dims != 1 || lower != 0 || count < 0 || count > kMaxSequence) {
            ok = false;
            return;
        }
        seq.assign(static_cast<size_t>(count), 0);
        for (auto& x : seq) (*this)(x);
    }
    // Reads an array whose bounds must be exactly `lower` .. `upper`.
    template <class T>
    void array(int32_t lower, int32_t upper, T* first) {
        int32_t lo = 0, hi = 0;
        (*this)(lo);
        (*this)(hi);
        if (!ok || lo != lower || hi != upper) {
            ok = false;
            return;
        }
        for (int32_t i = 0; i <= upper - lower && ok; ++i) (*this)(first[i]);
    }
    // Reads an array whose length the file decides (lower bound 0, at least `minCount`
    // elements, no more than the file holds).
    template <class T>
    void vector(std::vector<T>& values, int32_t minCount) {
        int32_t lo = 0, hi = 0;
        (*this)(lo);
        (*this)(hi);
        if (!ok || lo != 0 || hi < minCount - 1 ||
            static_cast<uint64_t>(hi) + 1 > (data.size() - pos) / sizeof(T)) {
            ok = false;
            return;
        }
        values.assign(static_cast<size_t>(hi) + 1, 0);
        for (auto& x : values) (*this)(x);
    }
};

// Passes over the arrays by the bounds the file gives, whatever the level.
struct Skipper {
    Reader& r;

    template <class T>
    void array(int32_t, int32_t, const T*) {
        skip(sizeof(T));
    }
    template <class T>
    void vector(const std::vector<T>&, int32_t) {
        skip(sizeof(T));
    }
    void skip(size_t width) {
        int32_t lo = 0, hi = 0;
        r(lo);
        r(hi);
        const int64_t n = static_cast<int64_t>(hi) - lo + 1;
        if (!r.ok || n < 0 || r.take(static_cast<size_t>(n) * width) == nullptr) r.ok = false;
    }
};

std::vector<uint8_t> MixingTable(uint64_t seed) {
    std::vector<uint8_t> table(kTableSize);
    std::iota(table.begin(), table.end(), uint8_t{1});
    std::mt19937_64 gen(seed);
    // Each entry drawn uniformly from the numbers not used yet.
    for (size_t i = 0; i + 1 < table.size(); ++i) {
        std::uniform_int_distribution<size_t> pick(i, table.size() - 1);
        std::swap(table[i], table[pick(gen)]);
    }
    return table;
}

bool DigestMatches(std::span<const uint8_t> data, const std::string& digest) {
    return digest.size() == kSavedGameDigestLength && data.size() >= kSavedGameHeaderSize &&
           std::memcmp(data.data() + kSavedGameDigestAt, digest.data(), kSavedGameDigestLength) == 0;
}

bool HasMagic(std::span<const uint8_t> data) {
    return data.size() >= kSavedGameMagicLength &&
           std::memcmp(data.data(), kSavedGameMagic, kSavedGameMagicLength) == 0;
}

bool CheckValueHolds(std::span<const uint8_t> data) {
    if (data.size() < kSavedGameHeaderSize + 4) return false;
    const size_t body = data.size() - 4;
    const auto stored = static_cast<uint32_t>(GetI32(data.data() + body));
    return CheckValue(data.first(body), kSavedGameMask) == stored;
}

}  // namespace

std::vector<uint8_t> EncodeSavedGame(const GameState& s, const std::string& digest,
                                     uint64_t tableSeed) {
    std::vector<uint8_t> out;
    Writer w{out};
    std::string header(kSavedGameMagic, kSavedGameMagicLength);
    header += static_cast<char>(kSavedGameFormat);
    header += digest;
    header.resize(kSavedGameHeaderSize, '0');
    out.assign(header.begin(), header.end());

    Extras e = ExtrasOf(s);
    WalkScalars(s, e, w);

    WalkArrays(s, w);

    LevelInfo info = s.Info;
    info.bytes[LevelInfo::kLoadCountOffset] = s.SavedGameLoads;
    info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkQuickSaved;
    out.insert(out.end(), info.bytes.begin(), info.bytes.end());

    const std::vector<uint8_t> demo = s.DemoBuffer.bytes();
    w(static_cast<int32_t>(demo.size()));
    w(static_cast<int16_t>(s.DemoBuffer.CheckSumByte()));
    w(static_cast<int32_t>(DemoFramesOf(demo.data(), demo.size())));
    w(s.DemoBuffer.FirstByte());

    const std::vector<uint8_t> table = MixingTable(tableSeed);
    out.insert(out.end(), table.begin(), table.end());
    for (size_t i = 0; i < demo.size(); ++i) out.push_back(demo[i] ^ table[i % kTableSize]);

    w(CheckValue(out, kSavedGameMask));
    return out;
}

std::string SavedGameRefusalText(SavedGameRefusal r) {
    switch (r) {
        case SavedGameRefusal::None: break;
        case SavedGameRefusal::NotSavedGame: return "Cannot load previous saved game file!";
        case SavedGameRefusal::OtherLevelFile:
            return "The Tessarin quick save file doesn't match with the current loaded level.";
        case SavedGameRefusal::Corrupt: return "The saved file is corrupt!";
    }
    return {};
}

SavedGameRefusal CheckSavedGameHeader(std::span<const uint8_t> data, const std::string& digest) {
    if (!HasMagic(data)) return SavedGameRefusal::NotSavedGame;
    if (!DigestMatches(data, digest)) return SavedGameRefusal::OtherLevelFile;
    return SavedGameRefusal::None;
}

SavedGameRefusal LoadSavedGame(GameState& s, std::span<const uint8_t> data,
                               const std::string& digest) {
    const SavedGameRefusal header = CheckSavedGameHeader(data, digest);
    if (header != SavedGameRefusal::None) return header;
    if (!CheckValueHolds(data) || data[kSavedGameFormatAt] != kSavedGameFormat)
        return SavedGameRefusal::Corrupt;

    // Everything goes into a copy first; the running game changes only when all of it fits.
    GameState t = s;
    Reader r{data.first(data.size() - 4), kSavedGameHeaderSize};
    Extras e;
    WalkScalars(t, e, r);
    WalkArrays(t, r);
    const auto levelBytes = static_cast<int32_t>(t.LevelBytes.size());
    t.LevelBufferUpper = levelBytes - 1;
    // The info block as stored, but for the saved-game marks (load count, save mark): those
    // the running level keeps, since a level file saved later takes them from the run.
    if (const uint8_t* p = r.take(kLevelInfoSize)) {
        std::copy_n(p, kLevelInfoSize, t.Info.bytes.begin());
        t.Info.bytes[LevelInfo::kLoadCountOffset] = s.Info.bytes[LevelInfo::kLoadCountOffset];
        t.Info.bytes[LevelInfo::kSaveMarkOffset] = s.Info.bytes[LevelInfo::kSaveMarkOffset];
    }

    int32_t demoLength = 0, keyEvents = 0;
    int16_t checksum = 0;
    uint8_t firstByte = 0;
    r(demoLength);
    r(checksum);
    r(keyEvents);
    r(firstByte);
    const uint8_t* table = r.take(kTableSize);
    if (!r.ok || demoLength < 0 || static_cast<size_t>(demoLength) != r.data.size() - r.pos)
        return SavedGameRefusal::Corrupt;
    std::vector<uint8_t> demo(r.take(static_cast<size_t>(demoLength)),
                              r.data.data() + r.data.size());
    for (size_t i = 0; i < demo.size(); ++i) demo[i] ^= table[i % kTableSize];

    // Values the engine uses as indexes must point into the restored arrays; a level without
    // demo bytes (every level of a set) has its demo start just past its last byte.
    if (t.DemoStartIndex < 0 || t.DemoStartIndex > levelBytes || t.DemoReadIndex < 0)
        return SavedGameRefusal::Corrupt;
    // A level set's file holds many levels: the saved game belongs to one of them.
    if (t.CurrentLevelNumber != s.CurrentLevelNumber) return SavedGameRefusal::OtherLevelFile;

    t.SavedGameLoads = e.savedLoads;
    t.Rules.AllowRedDiskCheat = (e.flags & kRedDiskCheat) != 0;
    t.Rules.AllowEatRightRedDiskBug = (e.flags & kEatRightBug) != 0;
    t.DemoPlayback = (e.flags & kPlayback) != 0 ? 1 : 0;
    t.DemoBufferLive = (e.flags & kRecorded) != 0;
    t.RedDiskShowCount = static_cast<uint8_t>(e.redDiskShow);
    t.DemoBuffer.Restore(demo, e.lastKey, static_cast<uint8_t>(checksum), firstByte);

    static_cast<LevelState&>(s) = std::move(static_cast<LevelState&>(t));
    static_cast<RunState&>(s) = std::move(static_cast<RunState&>(t));
    s.Rules = t.Rules;
    s.DemoPlayback = t.DemoPlayback;
    if (s.Drawing()) {
        s.view->drawField(s);
        s.view->placeView(s, false);
    }
    return SavedGameRefusal::None;
}

bool SummarizeSavedGame(std::span<const uint8_t> data, SavedGameSummary& out) {
    if (!HasMagic(data) || data.size() < kSavedGameHeaderSize + 4) return false;
    out.digest.assign(reinterpret_cast<const char*>(data.data() + kSavedGameDigestAt),
                      kSavedGameDigestLength);
    out.checkValueHolds = CheckValueHolds(data);
    // The scalars do not depend on a level: read them into a fresh state.
    GameState t;
    Extras e;
    Reader r{data, kSavedGameHeaderSize};
    WalkScalars(t, e, r);
    if (!r.ok) return false;
    out.levelNumber = t.CurrentLevelNumber;
    out.frames = t.Frames();
    out.murphyCell = t.MurphyPos;
    out.infotronsNeeded = t.InfotronsNeeded;
    // Skip the arrays by their bounds to reach the recorder's byte count.
    Skipper skipper{r};
    WalkArrays(t, skipper);
    int32_t demoLength = 0;
    if (r.take(kLevelInfoSize) == nullptr) return false;
    r(demoLength);
    if (!r.ok) return false;
    out.demoBytes = demoLength;
    return true;
}

FileResult<std::string> SavedGamePath(const std::string& levelFile, const std::string& digest) {
    auto folder = UserSubFolder(kSavesFolder);
    if (!folder) return folder.error();
    return *folder + "/" + ToLower(NameWithoutExtension(levelFile)) + digest + ".tss";
}

}  // namespace tsn
