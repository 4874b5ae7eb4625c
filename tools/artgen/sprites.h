#pragma once
// Painters for every picture of the sprite sheet, grouped by element family.
#include "image.h"
#include "raster.h"

namespace tsn::art {

inline constexpr int kCell = 32;

// Objects that several families reuse (drawn onto an existing picture).
void PaintZonk(Image& img, double cx, double cy, double turns, double scale = 1);
void PaintInfotron(Image& img, double cx, double cy, double turns, double scale = 1);
void PaintFloppy(Image& img, const Ramp& body, double cx, double cy, double scale = 1);
void PaintBaseTile(Image& img, int ox, int oy, int seed);
void PaintSparkle(Image& img, double cx, double cy, double size, Rgb core, Rgb glow);

// Murphy.
Image MurphyAtRest();                           // 3
// Murphy with an open grin, centred at (cx, cy) at any scale (the program's icon).
void PaintCheerfulMurphy(Image& img, double cx, double cy, double scale);
Image MurphyWalk(bool left, int frame);         // 176..183 (left), 184..191 (right)
Image MurphyYawn(int frame);                    // 56..67
Image MurphyLean(bool wallOnLeft, int frame);   // 71..73 (wall on the left), 68..70
Image MurphySnap(int dx, int dy);               // 46 up, 95 left, 47 down, 94 right
Image MurphyExit(int frame);                    // 48..54
Image MurphyPush(int dx, int dy);               // 44 right, 45 left, 79 vertical
Image MurphyWithRedDisk();                      // 43
Image MurphyEatInfotron(bool left, int frame);  // 64 x 32: 208..223 left, 224..239 right

// Round things and disks.
Image Zonk(int rollFrame);       // -1 at rest (1); 0..6 rolling pictures 192..198
Image Infotron(int rollFrame);   // -1 at rest (4); 0..6 rolling pictures 200..206
Image Floppy(const Ramp& body);  // orange 8, yellow 18, red 20
Image SnapInfotron(int frame);   // 0..5 -> 87, 88, 89, 91, 92, 93
Image SnapRedDisk(int frame);    // 0..6 -> 96..102

// Walls, chips, ports and the board.
Image Space();                // 0
Image Base();                 // 2
Image BugDormant();           // 25
Image BugSpark(int level);    // 0..4 -> 74..78
Image SnapBase(int frame);    // 0..6 -> 80..86
Image Ram(int part);          // 0 whole (5), 1 left (26), 2 right (27), 3 top (38), 4 bottom (39)
Image Hardware(int variant);  // 0 plain (6), 1..10 -> 28..37
Image HardwareTrash();        // 42
Image WallSpace(bool editorMark);  // 40 in play, 41 the editor's marked picture
Image Exit();                      // 7
Image Port(int code);              // 9..16, 21..23
Image Frame(int part);  // 0 corner (55), 1 left/right edge (110), 2 top/bottom edge (111)
Image Terminal(int frame, bool used);  // 128..135, 136..143; 19 is frame 0

// Enemies and blasts.
Image SnikSnakTurn(int facing);         // facing 0 up .. 7 up-right, anticlockwise
Image SnikSnakMove(int dir, int step);  // dir 0 up, 1 left, 2 down, 3 right; step 0..7
Image Electron(int frame);              // 0..7 -> 144..151; 24 is frame 0
Image Explosion(int frame);             // 0..6 -> 103..109
Image ElectronExplosion(int frame);     // 0..7 -> 112..119

}  // namespace tsn::art
