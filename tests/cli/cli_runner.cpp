#include "cli_runner.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tsn::testing {

namespace {

// The writing end for the child's stderr and the end the test reads: a pipe or a terminal.
bool ErrChannel(bool terminal, int& readEnd, int& writeEnd) {
    if (!terminal) {
        int p[2];
        if (pipe(p) != 0) return false;
        readEnd = p[0];
        writeEnd = p[1];
        return true;
    }
    readEnd = posix_openpt(O_RDWR | O_NOCTTY);
    if (readEnd < 0 || grantpt(readEnd) != 0 || unlockpt(readEnd) != 0) return false;
    writeEnd = open(ptsname(readEnd), O_RDWR | O_NOCTTY);
    return writeEnd >= 0;
}

// Reads both channels until both are closed (a terminal reports EIO when the child is gone).
void Drain(int outFd, int errFd, CliResult& r) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&r.out, &r.err};
    int open = 2;
    while (open > 0 && poll(fds, 2, -1) > 0) {
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) continue;
            char buf[4096];
            const ssize_t n = read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                sinks[i]->append(buf, static_cast<size_t>(n));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

}  // namespace

CliResult RunCli(const CliRun& run) {
    CliResult r;
    int out[2];
    int errRead = -1;
    int errWrite = -1;
    if (pipe(out) != 0 || !ErrChannel(run.stderrOnTerminal, errRead, errWrite)) return r;
    std::vector<std::string> words{TESSARIN_CLI};
    words.insert(words.end(), run.args.begin(), run.args.end());
    std::vector<char*> argv;
    for (auto& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        dup2(errWrite, STDERR_FILENO);
        close(out[0]);
        close(out[1]);
        close(errRead);
        close(errWrite);
        if (run.inChild && !run.inChild()) _exit(126);
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(out[1]);
    close(errWrite);
    if (pid > 0) {
        Drain(out[0], errRead, r);
        int raw = 0;
        waitpid(pid, &raw, 0);
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    } else {
        close(out[0]);
        close(errRead);
    }
    return r;
}

}  // namespace tsn::testing
