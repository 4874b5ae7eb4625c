#include "files/file_dialogs.h"

#include "files/path_names.h"
#include "files/save_command.h"

namespace tsn {

namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == sep) {
            parts.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

std::vector<DialogFilter> ParseDialogFilter(const std::string& filter) {
    const auto parts = Split(filter, '|');
    std::vector<DialogFilter> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        DialogFilter f{parts[i], {}};
        for (const std::string& p : Split(parts[i + 1], ';'))
            if (!p.empty()) f.patterns.push_back(p);
        out.push_back(std::move(f));
    }
    return out;
}

int DialogFilterIndex(int remembered, size_t count) {
    return remembered >= 1 && static_cast<size_t>(remembered) <= count ? remembered : 1;
}

std::string NameForChosenFilter(const std::string& name, const DialogFilter& chosen) {
    if (ChooseSaveTarget(name, false) != SaveTarget::kNothing || chosen.patterns.empty())
        return name;
    const std::string& pattern = chosen.patterns.front();
    const auto dot = pattern.rfind('.');
    if (dot == std::string::npos) return name;
    return name + pattern.substr(dot);
}

}  // namespace tsn
