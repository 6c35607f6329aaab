#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "app/session/HeapPolicy.h"
#include "app/session/ProcessHardening.h"
#include "cli/CliApp.h"
#include "cli/CliContext.h"

namespace {

// The terminal's settings while a prompt has echo off, for the signal
// handler: an interrupted prompt must not leave the shell without echo.
termios savedTerminal{};
volatile sig_atomic_t echoOff = 0;

void restoreEchoAndDie(int signal) {
    if (echoOff != 0) tcsetattr(STDIN_FILENO, TCSANOW, &savedTerminal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

// Reads one line from the terminal with echo off.
std::string promptWithoutEcho(const std::string& label) {
    std::cerr << label << std::flush;
    bool restore = tcgetattr(STDIN_FILENO, &savedTerminal) == 0;
    struct sigaction action {
    }, oldInt{}, oldTerm{}, oldHup{}, oldQuit{};
    if (restore) {
        action.sa_handler = restoreEchoAndDie;
        sigemptyset(&action.sa_mask);
        sigaction(SIGINT, &action, &oldInt);
        sigaction(SIGTERM, &action, &oldTerm);
        sigaction(SIGHUP, &action, &oldHup);
        sigaction(SIGQUIT, &action, &oldQuit);
        termios quiet = savedTerminal;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        echoOff = 1;
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (restore) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &savedTerminal);
        echoOff = 0;
        sigaction(SIGINT, &oldInt, nullptr);
        sigaction(SIGTERM, &oldTerm, nullptr);
        sigaction(SIGHUP, &oldHup, nullptr);
        sigaction(SIGQUIT, &oldQuit, nullptr);
    }
    std::cerr << '\n';
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace

int main(int argc, char** argv) {
    korvant::hardenProcess();
    korvant::keepHeapForLargeReads();
    korvant::cli::CliContext context(std::cout, std::cerr, std::cin);
    context.stdinIsTerminal = isatty(STDIN_FILENO) == 1;
    context.stderrIsTerminal = isatty(STDERR_FILENO) == 1;
    context.promptPassword = promptWithoutEcho;
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) context.programDir = self.parent_path().string();
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = korvant::cli::runCli(args, context);
    // The system takes back the caches and closes the connection at once;
    // freeing megabytes of records one by one first would only delay the
    // exit. Output still waiting in the streams is written first.
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(status);
}
