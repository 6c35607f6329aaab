#include <termios.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/CliApp.h"
#include "cli/CliContext.h"

namespace {

// Reads one line from the terminal with echo off.
std::string promptWithoutEcho() {
    std::cerr << "密码: " << std::flush;
    termios saved{};
    bool restore = tcgetattr(STDIN_FILENO, &saved) == 0;
    if (restore) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (restore) tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::cerr << '\n';
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    korvant::cli::CliContext context(std::cout, std::cerr, std::cin);
    context.stdinIsTerminal = isatty(STDIN_FILENO) == 1;
    context.stderrIsTerminal = isatty(STDERR_FILENO) == 1;
    context.promptPassword = promptWithoutEcho;
    std::vector<std::string> args(argv + 1, argv + argc);
    return korvant::cli::runCli(args, context);
}
