// Snik Snaks: wall-following enemies that leave Murphy alone while he passes through a port.
#include "elements/elements.h"
#include "elements/enemy.h"
#include "engine/animation.h"
#include "engine/element_codes.h"

namespace tsn {

namespace {
// Moving sprites: up 160..167, left 240..247, down 168..175, right 248..255.
constexpr EnemyFamily kSnikSnakFamily{
    kSnikSnak,
    true,
    WidenSprites(SnikSnakFrames),
    {StepSprites(159), StepSprites(239), StepSprites(167), StepSprites(247)},
};
}  // namespace

void subSnikSnakFrame(GameState& s, int cell) {
    EnemyFrame(s, cell, kSnikSnakFamily);
}

void subSnikSnakDraw(GameState& s, int cell) {
    EnemyDraw(s, cell, kSnikSnakFamily);
}

}  // namespace tsn
