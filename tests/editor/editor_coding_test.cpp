#include "editor/editor_coding.h"

#include <gtest/gtest.h>

namespace tsn {
namespace {

TEST(EditorCoding, CodesCrossBothWays) {
    struct Case { int game, editor; };
    for (const Case c : {Case{25, 76}, Case{40, 41}, Case{0, 0}, Case{24, 24}, Case{42, 42}}) {
        EXPECT_EQ(EditorCode(c.game), c.editor) << c.game;
        EXPECT_EQ(GameCode(c.editor), c.game) << c.editor;
    }
}

}  // namespace
}  // namespace tsn
