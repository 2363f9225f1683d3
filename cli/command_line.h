// rollcalc-cli's arguments: the four commands, their options and the exit codes.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Runs the program on its arguments (without the program name). Returns the exit code: 0 when
// solved, 1 when a calculator refused or a batch row failed, 2 for a bad argument.
int RunCommandLine(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                   std::ostream& err);
