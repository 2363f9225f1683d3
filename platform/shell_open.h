// Hands an address to the desktop (browser or mail program), as the shell's open service does.
#pragma once

#include <functional>
#include <string>

// verb is "open" or empty (the default verb). Gives whether a program took the address.
using ShellSink = std::function<bool(const std::string& verb, const std::string& target)>;

// Replaces the desktop opener (tests); an empty sink restores it.
void SetShellSink(ShellSink sink);

// Told, on the window's thread, that the desktop's opener ran but ended in failure: it exists,
// but no browser or mail program is set up behind it.
using ShellFailure = std::function<void()>;

// False when no program is set up to open the address, or it is not an address at all. A failure
// found only once the opener has ended is told to failedLater instead.
bool ShellOpen(const std::string& verb, const std::string& target,
               const ShellFailure& failedLater = {});
