#include "files/demo_block.h"

#include "engine/game_state.h"

namespace tsn {

namespace {

void AppendSignature(std::vector<uint8_t>& out, const std::string& text) {
    bool any = false;
    for (const char c : text) {
        const auto b = static_cast<uint8_t>(c);
        if (b == 255) continue;
        out.push_back(b);
        any = true;
    }
    if (any) out.push_back(255);
}

}  // namespace

std::vector<uint8_t> BuildDemoPart(const GameState& s, const SaveOptions& options,
                                   bool keepLoadedDemoQuietly) {
    std::vector<uint8_t> out;
    if (s.DemoBufferLive) {
        out.push_back(s.DemoFirstByte);
        s.DemoBuffer.Serialize(out);
        out.push_back(255);
        AppendSignature(out, ComposeSignature(options.signature));
        return out;
    }
    if (!s.LevelHasDemo) return out;
    if (!keepLoadedDemoQuietly && options.saveWithoutDemo && options.saveWithoutDemo()) return out;

    out.push_back(s.DemoFirstByte);
    const size_t first = static_cast<size_t>(s.DemoStartIndex) + 1;
    for (size_t i = first; i < s.LevelBytes.size(); ++i) {
        if (i > first && s.LevelBytes[i] == 255) break;
        out.push_back(s.LevelBytes[i]);
    }
    out.push_back(255);

    std::string text = s.DemoHasSignature ? s.DemoSignature : std::string();
    if (!keepLoadedDemoQuietly && options.saveWithMySignature && options.saveWithMySignature()) {
        text = options.signature.mySignature;
    }
    AppendSignature(out, text);
    return out;
}

}  // namespace tsn
