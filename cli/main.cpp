#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int code = RunCommandLine(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    // A full disk or a closed pipe is a failure, never a quiet success.
    return std::cout.good() ? code : 2;
}
