// The real window on Windows: plain Win32 and GDI. Only this folder includes windows.h.
#pragma once

#include <memory>

#include "platform/platform.hpp"

namespace kolvard {

// Returns nothing (with a message on standard error) when no window class can be made.
std::unique_ptr<Platform> makeWin32Platform();

// The console shows what the program writes as UTF-8, and the arguments arrive as UTF-8
// (argv points at them afterwards), as in a Linux terminal; the C runtime alone hands over
// the arguments in the ANSI code page, where "1ø" is not UTF-8.
void useUtf8Console(int& argc, char**& argv);

}  // namespace kolvard
