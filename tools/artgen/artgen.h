#pragma once
// The art generator's products, built in memory so that tests can compare them with the files
// kept in the data folder.
#include <string>
#include <vector>

#include "image.h"
#include "image_files.h"

namespace tsn::art {

// The 512 x 512 sprite sheet: 16 x 16 cells of 32 x 32 pixels, sprite n at column n % 16,
// row n / 16.
Image BuildSpriteSheet();
// Sprite numbers that hold a picture; every other cell stays empty.
const std::vector<int>& SpritesInUse();

enum class LevelIcon { Played, Skipped, NotPlayed };
Bytes BuildIcon(LevelIcon which);
// The icon's picture and its opacity (0 or 255 per pixel).
Image IconPicture(LevelIcon which, std::vector<uint8_t>& alpha);
const char* IconFileName(LevelIcon which);

// The program's icon at `size` x `size` pixels, painted at that size (not scaled from another
// size), and its opacity (0 or 255 per pixel).
Image AppIcon(int size, std::vector<uint8_t>& alpha);
// The sizes the desktop's icon theme gets.
const std::vector<int>& AppIconSizes();

// A review page: every cell at twice the size with its number beside it.
Image BuildContactSheet(const Image& sheet);

}  // namespace tsn::art
