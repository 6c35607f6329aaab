#pragma once

#include <string>
#include <vector>

// What the command definitions say about the command line, walked out of the
// parser once, and the two documents written from it: the man page and the
// bash completion script. Nothing in them is written by hand, so that a
// command or option added later is documented and completed by the build.
namespace korvant::cli {

struct OptionReference {
    std::string name;   // "--group"
    std::string value;  // "ID", "N", "TEXT"...; empty for a flag
    std::string help;
    bool required = false;
};

struct CommandReference {
    std::string words;  // "group list", "statement batch"
    std::string help;
    std::vector<OptionReference> options;
};

struct CliReference {
    std::string program;  // "korvant-cli"
    std::string summary;  // the one line of NAME
    std::string version;
    std::vector<OptionReference> globalOptions;
    // The first words of the line with their one-line helps (objects such as
    // "group" and one-word commands such as "login").
    std::vector<std::pair<std::string, std::string>> firstWords;
    std::vector<CommandReference> commands;
    // The text after the options in --help: paragraphs, then sections whose
    // heading is a line in capitals ("EXIT STATUS").
    std::string notes;
};

// korvant-cli.1: NAME, SYNOPSIS, DESCRIPTION, GLOBAL OPTIONS, COMMANDS with
// their options, then the sections of the notes.
std::string roffManPage(const CliReference& reference);

// Completes the command words, the options of the command on the line and
// the global ones, and the values of --format; file names otherwise.
std::string bashCompletionScript(const CliReference& reference);

}  // namespace korvant::cli
