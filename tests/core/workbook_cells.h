#pragma once
// Reads the cells of the first sheet of a workbook back, unpacking it with the unzip tool:
// cell reference ("A1") -> value text, shared strings resolved.
#include <cstdio>
#include <map>
#include <regex>
#include <string>
#include <vector>

namespace tsn::testing {

inline std::string UnzipMember(const std::string& zip, const std::string& member) {
    std::string out;
    FILE* p = popen(("unzip -p '" + zip + "' " + member + " 2>/dev/null").c_str(), "r");
    if (p == nullptr) return out;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    pclose(p);
    return out;
}

inline bool UnzipAvailable() { return std::system("unzip -v >/dev/null 2>&1") == 0; }

inline std::map<std::string, std::string> SheetCells(const std::string& zip) {
    std::vector<std::string> shared;
    const std::string strings = UnzipMember(zip, "xl/sharedStrings.xml");
    const std::regex si("<si><t[^>]*>([^<]*)</t></si>");
    for (auto it = std::sregex_iterator(strings.begin(), strings.end(), si); it != std::sregex_iterator(); ++it)
        shared.push_back((*it)[1]);
    std::map<std::string, std::string> cells;
    const std::string sheet = UnzipMember(zip, "xl/worksheets/sheet1.xml");
    const std::regex cell("<c r=\"([A-Z]+[0-9]+)\"([^>]*)><v>([^<]*)</v></c>");
    for (auto it = std::sregex_iterator(sheet.begin(), sheet.end(), cell); it != std::sregex_iterator(); ++it) {
        const std::string value = (*it)[3];
        const bool isShared = (*it)[2].str().find("t=\"s\"") != std::string::npos;
        cells[(*it)[1]] = isShared ? shared.at(std::stoul(value)) : value;
    }
    return cells;
}

}  // namespace tsn::testing
