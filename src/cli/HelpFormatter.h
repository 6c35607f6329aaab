#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// The layout of korvant-cli --help in Chinese: CLI11's own labels ("用法",
// "选项", "必填"...) and the names of option values as the synopsis and the
// man page write them ("ID", "N", "YYYYMMDD", "文本").
namespace korvant::cli {

// The name of an option's value ("ID", "YYYYMMDD", "N", "文本"), empty for a
// flag.
std::string valueName(const CLI::Option& option);

class HelpFormatter : public CLI::Formatter {
public:
    HelpFormatter();
    std::string make_option_opts(const CLI::Option* option) const override;
    // The descriptions wrapped in their column, counted in columns on
    // screen (a Chinese character takes two).
    std::string make_option(const CLI::Option* option, bool positional) const override;
    std::string make_subcommand(const CLI::App* sub) const override;
};

// Columns `text` takes on a terminal: two for a character beyond ASCII
// (Chinese), one otherwise.
std::size_t displayWidth(const std::string& text);

// The width of --help.
inline constexpr std::size_t HelpWidth = 79;

// Appends `words` to `text`, breaking lines before HelpWidth columns (a
// Chinese character takes two, and a line may break between two of them);
// continuation lines start with `indent` blanks. With `whole`, no word is
// broken (a synopsis: "[--name 文本]").
void appendWrapped(std::string& text, const std::vector<std::string>& words, std::size_t indent,
                   bool whole = false);

// The blank-separated words of `text`.
std::vector<std::string> wordsOf(const std::string& text);

// The group of options and of commands in --help.
inline constexpr const char* OptionsGroup = "选项";
inline constexpr const char* CommandsGroup = "命令";
inline constexpr const char* HelpFlagText = "显示本帮助并退出";

// Sets the formatter, the help flag and the groups on `app`; its options and
// commands added afterwards are in the Chinese groups.
void useChineseHelp(CLI::App& app);

}  // namespace korvant::cli
