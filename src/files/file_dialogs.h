#pragma once
// The file dialogs' filters, written as "label|patterns|label|patterns" (patterns separated by
// ";"), their remembered index and the name a chosen filter gives a typed name.
#include <string>
#include <vector>

namespace tsn {

inline constexpr const char* kOpenFilter =
    "All Levels (*.DAT;*.D?\?;*.qv;*.tsn)|*.DAT;*.D?\?;*.qv;*.tsn|Tessarin Levels (*.tsn)|*.tsn"
    "|Quorvane Level Sets (*.DAT;*.D?\?)|*.DAT;*.D?\?|Velnorix Demos (*.qv)|*.qv";

struct DialogFilter {
    std::string label;
    std::vector<std::string> patterns;  // "*.tsn", "*.D??", ...
};

// The entries of a filter text; a label without its pattern part is left out.
std::vector<DialogFilter> ParseDialogFilter(const std::string& filter);

// A remembered 1-based filter index when it names one of `count` entries, else 1.
int DialogFilterIndex(int remembered, size_t count);

// The name a save dialog writes to: a name no writer takes ("run", "run.txt") gets the
// extension of the chosen filter's first pattern ("run.tsn", "run.txt.tsn"), so a save
// always writes something. Names the writers take stay as they are.
std::string NameForChosenFilter(const std::string& name, const DialogFilter& chosen);

}  // namespace tsn
