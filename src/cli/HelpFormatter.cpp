#include "cli/HelpFormatter.h"

#include <memory>

namespace korvant::cli {

std::string valueName(const CLI::Option& option) {
    std::string type = option.get_type_name();
    if (type.empty()) return {};  // a flag
    const std::string name = option.get_name();
    // CLI11 adds what it checks ("INT:INT in [1 - 9]", "TEXT:{a,b}").
    for (const char* plain : {"INT:", "TEXT:", "FLOAT:", "UINT:"})
        if (type.rfind(plain, 0) == 0) type = type.substr(0, type.find(':'));
    const bool number = type == "INT" || type == "UINT";
    if (name == "--group" || name == "--parent" || name == "--new-group" || name == "--account-id")
        return "ID";
    if (number &&
        (name == "--date" || name == "--match-date" || name == "--from" || name == "--to"))
        return "YYYYMMDD";
    if (number) return "N";
    if (type == "TEXT") return "文本";
    if (type == "FLOAT") return "数值";
    return type;
}

std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ++width;
        else if ((byte & 0xC0) == 0xC0)
            width += 2;  // the lead byte of a character; its other bytes count nothing
    }
    return width;
}

std::string HelpFormatter::make_option(const CLI::Option* option, bool positional) const {
    const std::string name = "  " + make_option_name(option, positional) + make_option_opts(option);
    const std::string description = make_option_desc(option);
    const std::size_t column = get_column_width();
    const std::size_t width = displayWidth(name);
    std::string line = name;
    if (description.empty()) return line + '\n';
    if (width >= column)
        line += '\n' + std::string(column, ' ');
    else
        line += std::string(column - width, ' ');
    for (char c : description) {
        line += c;
        if (c == '\n') line += std::string(column, ' ');
    }
    return line + '\n';
}

HelpFormatter::HelpFormatter() {
    label("Usage", "用法");
    label("OPTIONS", "选项");
    label("SUBCOMMAND", "命令");
    label("SUBCOMMANDS", "命令");
    label("Positionals", "参数");
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
    std::string text;
    const std::string value = valueName(*option);
    if (!value.empty()) text += ' ' + value;
    if (option->get_expected_max() > 1) text += " ...";
    if (option->get_required()) text += " 必填";
    if (!option->get_needs().empty()) {
        text += " 需同时给出:";
        for (const CLI::Option* other : option->get_needs()) text += ' ' + other->get_name();
    }
    if (!option->get_excludes().empty()) {
        text += " 不可同时给出:";
        for (const CLI::Option* other : option->get_excludes()) text += ' ' + other->get_name();
    }
    return text;
}

void useChineseHelp(CLI::App& app) {
    app.formatter(std::make_shared<HelpFormatter>());
    app.set_help_flag("-h,--help", HelpFlagText);
    app.get_help_ptr()->group(OptionsGroup);
    app.option_defaults()->group(OptionsGroup);
    app.group(CommandsGroup);
}

}  // namespace korvant::cli
