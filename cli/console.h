// What taketa-calc needs from the system it runs on, the same on Linux and
// Windows: its arguments as UTF-8, standard output and error that pass
// UTF-8 text and LF line ends through unchanged, whether standard error is a
// terminal, and Ctrl-C.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace taketa::cli {

// The command line's arguments after the program's name, in UTF-8. On
// Windows they are read from the wide command line, so that text outside
// the ANSI code page arrives whole.
std::vector<std::string> Arguments(int argc, char** argv);

// Standard output and error from now on write their bytes as given: no CR
// before LF on Windows, and a Windows console shows them as UTF-8 (its code
// page is set back when the program ends).
void PrepareStandardStreams();

// True when `stream` is a terminal that takes "\r" and the escape sequence
// that clears the rest of the line.
bool IsTerminal(std::FILE* stream);

// `handler` runs on Ctrl-C (Windows: also Ctrl-Break). On Linux it runs in
// a signal handler, on Windows on a thread of its own: it may only set
// lock-free atomics and call ExitNow.
void OnInterrupt(void (*handler)());

// Ends the program at once with `status`, from anywhere, a handler included.
[[noreturn]] void ExitNow(int status);

}  // namespace taketa::cli
