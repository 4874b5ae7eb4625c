#include "app/crash_handler.h"

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace tsn {

namespace {
bool g_installed = false;

// The handler may only make async-signal-safe calls: every text it can write is made when the
// handlers are installed.
constexpr int kAnyCode = INT_MIN;
struct CrashText {
    int sig = 0;
    int code = 0;
    char text[96] = {};
    size_t length = 0;
};
CrashText g_texts[24];
size_t g_textCount = 0;

void AddText(int sig, int code) {
    if (g_textCount == std::size(g_texts)) return;
    CrashText& t = g_texts[g_textCount++];
    t.sig = sig;
    t.code = code;
    // A code no name is given for yields the signal's general name.
    const std::string text = "Error 10000 (ExceptionHandler): " +
                             CrashName(sig, code == kAnyCode ? -1 : code) + "\n";
    t.length = std::min(text.size(), sizeof t.text);
    std::memcpy(t.text, text.data(), t.length);
}

void PrepareTexts() {
    const int fpe[] = {FPE_INTDIV, FPE_INTOVF, FPE_FLTDIV, FPE_FLTOVF,
                       FPE_FLTUND, FPE_FLTRES, FPE_FLTINV, FPE_FLTSUB};
    for (int code : fpe) AddText(SIGFPE, code);
    AddText(SIGBUS, BUS_ADRALN);
    AddText(SIGTRAP, TRAP_TRACE);
    AddText(SIGILL, ILL_PRVOPC);
    for (int sig : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGTRAP}) AddText(sig, kAnyCode);
}

const CrashText* TextFor(int sig, int code) {
    for (size_t i = 0; i < g_textCount; ++i)
        if (g_texts[i].sig == sig && g_texts[i].code == code) return &g_texts[i];
    for (size_t i = 0; i < g_textCount; ++i)
        if (g_texts[i].sig == sig && g_texts[i].code == kAnyCode) return &g_texts[i];
    return nullptr;
}

void Handler(int sig, siginfo_t* info, void*) {
    if (const CrashText* t = TextFor(sig, info != nullptr ? info->si_code : 0))
        (void)!write(STDERR_FILENO, t->text, t->length);
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
    PrepareTexts();
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
