#pragma once
// A 3 x 5 pixel font for digits and the few capitals the pictures need.
#include <string_view>

#include "image.h"

namespace tsn::art {

// Draws text with its top-left corner at (x, y), each font pixel `scale` pixels wide,
// one column of space between characters. Returns the width drawn.
int DrawText(Image& img, int x, int y, std::string_view text, Rgb c, int scale = 1);
int TextWidth(std::string_view text, int scale = 1);

}  // namespace tsn::art
