// The text of the level information window.
#include <gtest/gtest.h>

#include "files/level_info_text.h"

namespace tsn {
namespace {

TEST(LevelInfoText, TitleSizeSignatureAndQuickSaveLine) {
    LevelInfo plain;
    plain.setTitle("----- WARM UP -----");
    LevelInfo quick = plain;
    quick.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkQuickSaved;
    quick.bytes[LevelInfo::kLoadCountOffset] = 3 ^ 166;
    const std::string head = plain.title() + "\r\n(60 x 24)";
    const std::string quickLine = "\r\n\r\nQuick Save was used: 3 time(s). ";
    const struct {
        const char* name;
        LevelInfoTextParts parts;
        std::string text;
    } cases[] = {
        {"plain", {plain, 60, 24, false, "unused", true}, head},
        {"signature", {plain, 60, 24, true, "me\r\nnow", true}, head + "\r\n\r\nme\r\nnow"},
        {"quick saves", {quick, 60, 24, false, "", true}, head + quickLine},
        {"both", {quick, 60, 24, true, "me", true}, head + "\r\n\r\nme" + quickLine},
        {"line not wanted", {quick, 60, 24, true, "me", false}, head + "\r\n\r\nme"},
        {"other size", {plain, 125, 3, false, "", true}, plain.title() + "\r\n(125 x 3)"},
    };
    for (const auto& c : cases) EXPECT_EQ(LevelInfoText(c.parts), c.text) << c.name;
    EXPECT_EQ(plain.title().size(), 23u);
}

}  // namespace
}  // namespace tsn
