// Hands an address to the desktop (browser or mail program), as the shell's open service does.
#pragma once

#include <functional>
#include <string>

// verb is "open" or empty (the default verb). Gives whether a program took the address.
using ShellSink = std::function<bool(const std::string& verb, const std::string& target)>;

// Replaces the desktop opener (tests); an empty sink restores it.
void SetShellSink(ShellSink sink);

// False when no program is set up to open the address, or it is not an address at all.
bool ShellOpen(const std::string& verb, const std::string& target);
