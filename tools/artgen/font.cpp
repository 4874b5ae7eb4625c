#include "font.h"

#include <cstdint>

namespace tsn::art {
namespace {

// Five rows of three bits each, top row first, most significant bit on the left.
const uint8_t* Glyph(char ch) {
    static const uint8_t digits[10][5] = {
        {7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 3, 1, 7}, {5, 5, 7, 1, 1},
        {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 2, 2, 2}, {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};
    static const uint8_t e[5] = {7, 4, 6, 4, 7}, x[5] = {5, 5, 2, 5, 5}, i[5] = {7, 2, 2, 2, 7},
                         t[5] = {7, 2, 2, 2, 2}, blank[5] = {0, 0, 0, 0, 0};
    if (ch >= '0' && ch <= '9') return digits[ch - '0'];
    switch (ch) {
        case 'E':
            return e;
        case 'X':
            return x;
        case 'I':
            return i;
        case 'T':
            return t;
        default:
            return blank;
    }
}

}  // namespace

int TextWidth(std::string_view text, int scale) {
    return text.empty() ? 0 : int(text.size()) * 4 * scale - scale;
}

int DrawText(Image& img, int x, int y, std::string_view text, Rgb c, int scale) {
    int cx = x;
    for (char ch : text) {
        const uint8_t* g = Glyph(ch);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                if (g[row] & (4 >> col))
                    img.fillRect(cx + col * scale, y + row * scale, scale, scale, c);
        cx += 4 * scale;
    }
    return TextWidth(text, scale);
}

}  // namespace tsn::art
