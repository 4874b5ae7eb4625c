// Placeholder so the frame step links while this element family is being written.
#include "elements/elements.h"

namespace tsn {

void subOrangeDiskFrame(GameState&, int) {}

}  // namespace tsn
