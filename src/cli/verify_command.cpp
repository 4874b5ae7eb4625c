// tessarin-cli verify: replays the demo of every .qv and .tsn file and reports the verdicts.
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "cli/commands.h"
#include "engine/demo_verification.h"
#include "files/demo_files.h"
#include "files/safe_write.h"

namespace tsn::cli {

namespace {

constexpr const char* kUsage = "usage: tessarin-cli verify PATH... [--csv FILE] [--jobs N]\n";

struct VerifyArgs {
    std::vector<std::string> paths;
    std::string csv;
    int jobs = 0;
};

bool ParseArgs(const Args& args, VerifyArgs& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--csv" || a == "--jobs") {
            if (i + 1 >= args.size()) return false;
            const std::string& value = args[++i];
            long long jobs = 0;
            if (a == "--csv") {
                out.csv = value;
            } else if (ParseNumber(value, 1, 4096, jobs)) {
                out.jobs = static_cast<int>(jobs);
            } else {
                return false;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            return false;
        } else {
            out.paths.push_back(a);
        }
    }
    return !out.paths.empty();
}

// Plays the files on `jobs` threads; row i always belongs to file i.
std::vector<VerificationRow> VerifyAll(const std::vector<std::string>& files, int jobs) {
    std::vector<VerificationRow> rows(files.size());
    std::atomic<size_t> next{0};
    std::atomic<size_t> done{0};
    const bool progress = isatty(STDERR_FILENO) != 0;
    std::mutex progressMutex;
    auto worker = [&] {
        for (size_t i = next++; i < files.size(); i = next++) {
            rows[i] = VerifyDemoFile(files[i], static_cast<int>(i + 1));
            const size_t finished = ++done;
            if (progress) {
                std::lock_guard lock(progressMutex);
                std::fprintf(stderr, "\rverifying %zu of %zu", finished, files.size());
                std::fflush(stderr);
            }
        }
    };
    std::vector<std::thread> threads;
    const size_t count = std::min(files.size(), static_cast<size_t>(jobs));
    for (size_t t = 1; t < count; ++t) threads.emplace_back(worker);
    worker();
    for (auto& t : threads) t.join();
    if (progress && !files.empty()) std::fputs("\r\033[K", stderr);
    return rows;
}

}  // namespace

int Verify(const Args& args) {
    VerifyArgs va;
    if (!ParseArgs(args, va)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    std::vector<std::string> missing;
    const auto files = FindDemoFiles(va.paths, &missing);
    for (const auto& m : missing) std::fprintf(stderr, "tessarin-cli verify: %s: not found\n", m.c_str());

    int jobs = va.jobs;
    if (jobs == 0) jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto rows = VerifyAll(files, jobs);

    std::printf("File N\tPath\tSteps\tFrames Read\tFrames Played\tSolved\tError\n");
    int succeeded = 0;
    for (const auto& row : rows) {
        const auto texts = RowTexts(row);
        for (size_t i = 0; i < texts.size(); ++i)
            std::printf("%s%s", texts[i].c_str(), i + 1 < texts.size() ? "\t" : "\n");
        if (row.succeeded()) ++succeeded;
    }
    const int failed = static_cast<int>(rows.size()) - succeeded;
    std::printf("%d demos: %d succeeded, %d failed\n", static_cast<int>(rows.size()), succeeded,
                failed);

    int status = failed == 0 && missing.empty() ? 0 : 1;
    if (!va.csv.empty()) {
        const std::string text = ResultsText(rows);
        const auto written = WriteFileSafely(
            va.csv, {reinterpret_cast<const uint8_t*>(text.data()), text.size()}, "verify");
        if (!written) {
            std::fprintf(stderr, "tessarin-cli verify: %s\n", written.error().Text().c_str());
            status = 1;
        }
    }
    std::fflush(stdout);
    return status;
}

}  // namespace tsn::cli
