#pragma once

#include <CLI/CLI.hpp>

#include <string>

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
    // The description's column counted in columns on screen, a Chinese
    // character taking two.
    std::string make_option(const CLI::Option* option, bool positional) const override;
};

// Columns `text` takes on a terminal: two for a character beyond ASCII
// (Chinese), one otherwise.
std::size_t displayWidth(const std::string& text);

// The group of options and of commands in --help.
inline constexpr const char* OptionsGroup = "选项";
inline constexpr const char* CommandsGroup = "命令";
inline constexpr const char* HelpFlagText = "显示本帮助并退出";

// Sets the formatter, the help flag and the groups on `app`; its options and
// commands added afterwards are in the Chinese groups.
void useChineseHelp(CLI::App& app);

}  // namespace korvant::cli
