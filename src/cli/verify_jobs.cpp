#include "cli/verify_jobs.h"

#include <algorithm>
#include <atomic>
#include <cinttypes>
#include <cstdio>
#include <functional>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "cli/printable.h"
#include "run/demo_verification.h"

namespace tsn::cli {

namespace {

// The one status line on stderr, shared by all threads.
class ProgressLine {
public:
    ProgressLine(bool enabled, size_t total) : enabled_(enabled), total_(total) {}

    void FileDone() {
        const size_t done = ++done_;
        Show("verifying " + std::to_string(done) + " of " + std::to_string(total_));
    }

    void Frames(const std::string& path, int64_t played, int64_t frames) {
        char text[96];
        std::snprintf(text, sizeof text, ": frame %" PRId64 " of %" PRId64, played, frames);
        Show("verifying " + std::to_string(done_ + 1) + " of " + std::to_string(total_) + ", " +
             PrintablePath(path) + text);
    }

    void Clear() {
        if (enabled_ && total_ > 0) std::fputs("\r\033[K", stderr);
    }

private:
    void Show(const std::string& text) {
        if (!enabled_) return;
        std::lock_guard lock(mutex_);
        std::fprintf(stderr, "\r\033[K%s", text.c_str());
        std::fflush(stderr);
    }

    bool enabled_;
    size_t total_;
    std::atomic<size_t> done_{0};
    std::mutex mutex_;
};

VerificationRow VerifyOne(const std::string& path, int number, const VerifyOptions& options) {
    try {
        return VerifyDemoFile(path, number, options);
    } catch (const std::bad_alloc&) {
        VerificationRow row = FileErrorRow(number, path);
        row.error = kOutOfMemoryWord;
        row.detail = "Not enough memory to play the demo";
        return row;
    }
}

// Starts up to `wanted` threads running `worker`; as many as the system allows.
size_t StartThreads(std::vector<std::thread>& threads, size_t wanted,
                    const std::function<void()>& worker) {
    for (size_t t = 0; t < wanted; ++t) {
        try {
            threads.emplace_back(worker);
        } catch (const std::system_error&) {
            break;
        }
    }
    return threads.size();
}

}  // namespace

std::vector<VerificationRow> VerifyAll(const std::vector<std::string>& files, int jobs,
                                       int64_t maxFrames, const RunRules& rules, bool progress) {
    std::vector<VerificationRow> rows(files.size());
    ProgressLine line(progress, files.size());
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < files.size(); i = next++) {
            VerifyOptions options;
            options.maxFrames = maxFrames;
            options.rules = rules;
            if (progress) {
                options.progress = [&line, &path = files[i]](int64_t played, int64_t total) {
                    line.Frames(path, played, total);
                };
            }
            rows[i] = VerifyOne(files[i], static_cast<int>(i + 1), options);
            line.FileDone();
        }
    };
    // The calling thread is one of the workers.
    std::vector<std::thread> threads;
    if (files.size() > 1) {
        const size_t wanted = std::min(files.size(), static_cast<size_t>(std::max(jobs, 1))) - 1;
        const size_t started = StartThreads(threads, wanted, worker);
        if (started < wanted) {
            std::fprintf(stderr, "tessarin-cli verify: the system refused threads; verifying on %zu\n",
                         started + 1);
        }
    }
    worker();
    for (auto& t : threads) t.join();
    line.Clear();
    return rows;
}

}  // namespace tsn::cli
