// The real window on Windows: plain Win32 and GDI. Only this folder includes windows.h.
#pragma once

#include <memory>

#include "platform/platform.hpp"

namespace kolvard {

// Returns nothing (with a message on standard error) when no window class can be made.
std::unique_ptr<Platform> makeWin32Platform();

// The console shows what the program writes as UTF-8, as a Linux terminal does.
void useUtf8Console();

}  // namespace kolvard
