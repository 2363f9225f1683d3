// Hands an address to the desktop (browser or mail program), as the shell's open service does.
#pragma once

#include <functional>
#include <string>

// verb is "open" or empty (the default verb).
using ShellSink = std::function<void(const std::string& verb, const std::string& target)>;

// Replaces the desktop opener (tests); an empty sink restores it.
void SetShellSink(ShellSink sink);

// Never reports failure: an address that cannot be opened is ignored.
void ShellOpen(const std::string& verb, const std::string& target);
