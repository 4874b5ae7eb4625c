// tessarin-cli verify: replays the demo of every .qv and .tsn file and reports the verdicts.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "cli/printable.h"
#include "cli/same_file.h"
#include "cli/usage.h"
#include "cli/verify_jobs.h"
#include "engine/game_state.h"
#include "files/demo_files.h"
#include "files/safe_write.h"
#include "run/results_workbook.h"

namespace tsn::cli {

namespace {


struct VerifyArgs {
    std::vector<std::string> paths;
    std::string csv;
    bool csvGiven = false;
    std::string xlsx;
    bool xlsxGiven = false;
    int jobs = 0;
    int64_t maxFrames = 0;
    RunRules rules;
};

// Options may stand anywhere among the paths; "--" ends them.
bool ParseArgs(const Args& args, VerifyArgs& out) {
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a == "-") {
            out.paths.push_back(a);
        } else if (a == "--") {
            options = false;
        } else if (a == "--csv" || a == "--xlsx" || a == "--jobs" || a == "--max-frames" || a == "--rules") {
            if (i + 1 >= args.size()) return false;
            const std::string& value = args[++i];
            long long n = 0;
            if (a == "--csv") {
                if (value.empty()) return false;
                out.csv = value;
                out.csvGiven = true;
            } else if (a == "--xlsx") {
                if (value.empty()) return false;
                out.xlsx = value;
                out.xlsxGiven = true;
            } else if (a == "--rules" && ParseRules(value, out.rules)) {
            } else if (a == "--jobs" && ParseNumber(value, 1, 4096, n)) {
                out.jobs = static_cast<int>(n);
            } else if (a == "--max-frames" && ParseNumber(value, 1, INT64_MAX / kFixedOne, n)) {
                out.maxFrames = n;
            } else {
                return false;
            }
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else {
            out.paths.push_back(a);
        }
    }
    return !out.paths.empty();
}

// Refuses a results file that is one of the demos being verified.
bool ResultsFileAllowed(const char* option, const std::string& results,
                        const std::vector<std::string>& files) {
    const auto demo = InputNamedBy(results, files);
    if (demo.empty()) return true;
    std::fprintf(stderr, "tessarin-cli verify: %s %s is the demo %s being verified; "
                 "choose another file for the results\n",
                 option, PrintablePath(results).c_str(), PrintablePath(demo).c_str());
    return false;
}

// Writes one results file; false after reporting a failure.
bool Written(const FileStatus& written) {
    if (written) return true;
    std::fprintf(stderr, "tessarin-cli verify: %s\n", PrintableError(written.error()).c_str());
    return false;
}

void PrintTable(const std::vector<VerificationRow>& rows) {
    std::printf("File N\tPath\tSteps\tFrames Read\tFrames Played\tSolved\tError\n");
    for (const auto& row : rows) {
        auto texts = RowTexts(row);
        texts[1] = PrintablePath(texts[1]);
        for (size_t i = 0; i < texts.size(); ++i)
            std::printf("%s%s", texts[i].c_str(), i + 1 < texts.size() ? "\t" : "\n");
    }
}

// The summary line and every path that was skipped; returns the number of failed demos.
int PrintSummary(const std::vector<VerificationRow>& rows, const std::vector<SkippedPath>& skipped) {
    int succeeded = 0;
    for (const auto& row : rows)
        if (row.succeeded()) ++succeeded;
    const int failed = static_cast<int>(rows.size()) - succeeded;
    std::printf("%d demos: %d succeeded, %d failed", static_cast<int>(rows.size()), succeeded, failed);
    if (skipped.empty()) {
        std::printf("\n");
        return failed;
    }
    std::printf("; %zu path%s skipped:\n", skipped.size(), skipped.size() == 1 ? "" : "s");
    for (const auto& s : skipped)
        std::printf("  %s: %s\n", PrintablePath(s.path).c_str(), s.reason.c_str());
    return failed;
}

}  // namespace

int Verify(const Args& args) {
    VerifyArgs va;
    if (!ParseArgs(args, va)) return UsageError("verify");
    std::vector<SkippedPath> skipped;
    const auto files = FindDemoFiles(va.paths, &skipped);
    for (const auto& s : skipped)
        std::fprintf(stderr, "tessarin-cli verify: %s: %s\n", PrintablePath(s.path).c_str(), s.reason.c_str());
    if ((va.csvGiven && !ResultsFileAllowed("--csv", va.csv, files)) ||
        (va.xlsxGiven && !ResultsFileAllowed("--xlsx", va.xlsx, files))) {
        return 2;
    }

    int jobs = va.jobs;
    if (jobs == 0) jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto rows = VerifyAll(files, jobs, va.maxFrames, va.rules, isatty(STDERR_FILENO) != 0);
    for (const auto& row : rows) {
        if (!row.detail.empty()) {
            std::fprintf(stderr, "tessarin-cli verify: %s: %s\n", PrintablePath(row.path).c_str(),
                         PrintablePath(row.detail).c_str());
        }
    }

    PrintTable(rows);
    const int failed = PrintSummary(rows, skipped);
    int status = failed == 0 && skipped.empty() ? 0 : 1;
    if (va.csvGiven) {
        const std::string text = ResultsText(rows);
        if (!Written(WriteFileSafely(
                va.csv, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, "verify"))) {
            status = 1;
        }
    }
    if (va.xlsxGiven && !Written(WriteResultsWorkbook(va.xlsx, rows))) status = 1;
    std::fflush(stdout);
    return status;
}

}  // namespace tsn::cli
