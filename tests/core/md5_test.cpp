#include <gtest/gtest.h>

#include <string>

#include "files/level_digest.h"
#include "files/md5.h"
#include "temp_dir.h"

namespace tsn {
namespace {

std::string Md5Hex(const std::string& text) {
    return HexUpper(Md5Of(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size())));
}

TEST(Md5, TestSuiteOfTheStandard) {
    EXPECT_EQ(Md5Hex(""), "D41D8CD98F00B204E9800998ECF8427E");
    EXPECT_EQ(Md5Hex("a"), "0CC175B9C0F1B6A831C399E269772661");
    EXPECT_EQ(Md5Hex("abc"), "900150983CD24FB0D6963F7D28E17F72");
    EXPECT_EQ(Md5Hex("message digest"), "F96B697D7CB7938D525A2F31AAF161D0");
    EXPECT_EQ(Md5Hex("abcdefghijklmnopqrstuvwxyz"), "C3FCD3D76192E4007DFB496CCA67E13B");
    EXPECT_EQ(Md5Hex("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789"),
              "D174AB98D277D9F5A5611C2C9F419D9F");
    EXPECT_EQ(Md5Hex("1234567890123456789012345678901234567890123456789012345678901234567890"
                     "1234567890"),
              "57EDF4A22BE3C955AC49DA2E2107B67A");
}

TEST(Md5, PiecewiseUpdatesGiveTheSameDigest) {
    std::vector<uint8_t> data(1000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i * 31 + 7);
    const auto whole = Md5Of(data);
    for (size_t cut : {1u, 55u, 56u, 63u, 64u, 65u, 500u}) {
        Md5 m;
        m.Update(std::span<const uint8_t>(data.data(), cut));
        m.Update(std::span<const uint8_t>(data.data() + cut, data.size() - cut));
        EXPECT_EQ(m.Final(), whole) << cut;
    }
}

TEST(LevelDigest, LeavesOutTheLastBlockOfFilesThatAreMultiplesOf64) {
    testing::TempDir dir;
    std::vector<uint8_t> data(170496);  // 111 standard levels
    for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<uint8_t>(i ^ (i >> 8));
    testing::WriteBytes(dir.file("set.dat"), data);
    const auto first = std::span<const uint8_t>(data.data(), 170432);
    EXPECT_EQ(*DigestFileToHexStr(dir.file("set.dat")), HexUpper(Md5Of(first)));

    // 65 bytes: not a multiple, all bytes count.
    const std::vector<uint8_t> odd(data.begin(), data.begin() + 65);
    testing::WriteBytes(dir.file("odd.qv"), odd);
    EXPECT_EQ(*DigestFileToHexStr(dir.file("odd.qv")), HexUpper(Md5Of(odd)));

    // Exactly 64 bytes: the digest of nothing. An empty file: also the digest of nothing.
    testing::WriteBytes(dir.file("64.qv"), std::vector<uint8_t>(data.begin(), data.begin() + 64));
    EXPECT_EQ(*DigestFileToHexStr(dir.file("64.qv")), "D41D8CD98F00B204E9800998ECF8427E");
    testing::WriteBytes(dir.file("empty.qv"), {});
    EXPECT_EQ(*DigestFileToHexStr(dir.file("empty.qv")), "D41D8CD98F00B204E9800998ECF8427E");

    EXPECT_FALSE(DigestFileToHexStr(dir.file("missing.qv")).ok());
}

}  // namespace
}  // namespace tsn
