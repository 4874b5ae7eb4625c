#include "path_finder.h"

#include <algorithm>
#include <deque>

#include "engine/element_codes.h"

namespace tsn::levels {

namespace {

bool Falls(uint16_t v) {
    const int code = v & 0xFF;  // at rest or already moving
    return code == kZonk || code == kInfotron || code == kOrangeDisk;
}
bool Enemy(uint16_t v) { return (v & 0xFF) == kSnikSnak || (v & 0xFF) == kElectron; }

// A port code Murphy may pass moving in direction d (0 up, 1 left, 2 down, 3 right).
bool PassablePort(uint16_t v, int d) {
    static const std::vector<std::vector<int>> ports = {
        {kPortUp, kPortUpDown, kPortAll, kSpecialPortUp},
        {kPortLeft, kPortLeftRight, kPortAll, kSpecialPortLeft},
        {kPortDown, kPortUpDown, kPortAll, kSpecialPortDown},
        {kPortRight, kPortLeftRight, kPortAll, kSpecialPortRight}};
    const auto& p = ports[static_cast<size_t>(d)];
    return std::find(p.begin(), p.end(), v & 0xFF) != p.end();
}

}  // namespace

std::vector<int> FindPath(const GameState& s, int target) {
    const int w = s.FieldWidth;
    const int cells = w * s.FieldHeight;
    if (target < 0 || target >= cells || target == s.MurphyPos) return {};
    const int step[4] = {-w, -1, w, 1};
    const auto inside = [&](int c) { return c >= w && c < cells - w && c % w != 0 && c % w != w - 1; };
    const auto field = [&](int c) { return static_cast<uint16_t>(s.PlayField16[c]); };
    const auto safe = [&](int c) {
        if (!inside(c) || Falls(field(c - w))) return false;
        for (const int d : step)
            if (Enemy(field(c + d))) return false;
        return true;
    };
    const auto walkable = [&](int c) {
        const uint16_t v = field(c);
        if (c == target && v == kExit) return true;
        return (v == kSpace || v == kBase || v == kInfotron || v == kRedDisk) && safe(c);
    };

    std::vector<int> from(static_cast<size_t>(cells), -1);
    std::vector<int> move(static_cast<size_t>(cells), 0);
    std::deque<int> queue{s.MurphyPos};
    from[static_cast<size_t>(s.MurphyPos)] = s.MurphyPos;
    while (!queue.empty() && from[static_cast<size_t>(target)] < 0) {
        const int c = queue.front();
        queue.pop_front();
        for (int d = 0; d < 4; ++d) {
            int n = c + step[d];
            if (!inside(n)) continue;
            const bool port = PassablePort(field(n), d);
            if (port) n += step[d];  // still on the field: the port cell is inside it
            // A cell already reached is not judged again.
            if (from[static_cast<size_t>(n)] >= 0) continue;
            if (port ? field(n) != kSpace || !safe(n) : !walkable(n)) continue;
            from[static_cast<size_t>(n)] = c;
            move[static_cast<size_t>(n)] = d + 1;
            queue.push_back(n);
        }
    }
    std::vector<int> path;
    if (from[static_cast<size_t>(target)] < 0) return path;
    for (int c = target; c != s.MurphyPos; c = from[static_cast<size_t>(c)]) path.push_back(move[static_cast<size_t>(c)]);
    std::reverse(path.begin(), path.end());
    return path;
}

}  // namespace tsn::levels
