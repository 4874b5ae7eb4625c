#include "app/crash_handler.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace tsn {

namespace {
bool g_installed = false;

void Handler(int sig, siginfo_t* info, void*) {
    const std::string name = CrashName(sig, info != nullptr ? info->si_code : 0);
    const std::string text = "Error 10000 (ExceptionHandler): " + name + "\n";
    (void)!write(STDERR_FILENO, text.data(), text.size());
    signal(sig, SIG_DFL);
    raise(sig);
}
}  // namespace

std::string CrashName(int sig, int code) {
    switch (sig) {
        case SIGSEGV: return "Access Violation";
        case SIGBUS: return code == BUS_ADRALN ? "Data Type Misalignment" : "In Page Error";
        case SIGTRAP: return code == TRAP_TRACE ? "Single Step" : "Breakpoint";
        case SIGILL: return code == ILL_PRVOPC ? "Privileged Instruction" : "Illegal Instruction";
        case SIGFPE:
            switch (code) {
                case FPE_INTDIV: return "Integer Divide By Zero";
                case FPE_INTOVF: return "Integer Overflow";
                case FPE_FLTDIV: return "Divide By Zero";
                case FPE_FLTOVF: return "Float Overflow";
                case FPE_FLTUND: return "Float Underflow";
                case FPE_FLTRES: return "Floating Point Inexact Result";
                case FPE_FLTINV: return "Invalid Operation";
                case FPE_FLTSUB: return "Array Bounds Exceeded";
                default: return "Invalid Operation";
            }
        default: break;
    }
    char buf[32];
    std::snprintf(buf, sizeof buf, "Unknown (&H%08X)", static_cast<unsigned>(sig));
    return buf;
}

void InstallCrashTranslator() {
    if (g_installed) return;
    struct sigaction sa;
    std::memset(&sa, 0, sizeof sa);
    sa.sa_sigaction = Handler;
    sa.sa_flags = SA_SIGINFO | SA_RESETHAND;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP}) sigaction(sig, &sa, nullptr);
    g_installed = true;
}

bool CrashTranslatorInstalled() { return g_installed; }

}  // namespace tsn
