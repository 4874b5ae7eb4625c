#pragma once
// Reports a fatal processor fault with a readable name before the process ends.
#include <cstdint>
#include <string>

namespace tsn {

// The readable name of a fatal signal and its sub-code ("Access Violation", "Integer Divide
// By Zero", ...); "Unknown (&H" + 8 hexadecimal digits + ")" for anything else.
std::string CrashName(int signal, int code);

// Installs the handlers once; a fault then prints "Error 10000 (ExceptionHandler): <name>"
// and ends the process with the signal's default action.
void InstallCrashTranslator();
bool CrashTranslatorInstalled();

}  // namespace tsn
