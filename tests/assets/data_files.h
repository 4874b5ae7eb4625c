#pragma once
// Reading the committed data files for the asset tests.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tsn::test {

inline std::filesystem::path DataPath(const std::string& relative) {
    return std::filesystem::path(TESSARIN_DATA_DIR) / relative;
}

inline std::vector<uint8_t> ReadDataFile(const std::string& relative) {
    std::ifstream in(DataPath(relative), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
           uint32_t(b[at + 3]) << 24;
}
inline uint16_t Le16(const std::vector<uint8_t>& b, size_t at) {
    return uint16_t(b[at] | b[at + 1] << 8);
}

}  // namespace tsn::test
