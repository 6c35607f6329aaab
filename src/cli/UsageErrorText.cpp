#include "cli/UsageErrorText.h"

#include <CLI/CLI.hpp>

#include <regex>

#include "cli/ControlEscape.h"

namespace korvant::cli {

namespace {

// The option of that name in `app` or any command below it.
const CLI::Option* findOption(const CLI::App* app, const std::string& name) {
    if (app == nullptr) return nullptr;
    if (const CLI::Option* own = app->get_option_no_throw(name)) return own;
    for (const CLI::App* below : app->get_subcommands({}))
        if (const CLI::Option* found = findOption(below, name)) return found;
    return nullptr;
}

// What the option takes, from its name and the type of its value.
std::string expectedForm(const std::string& name, const CLI::Option* option,
                         const std::string& detail) {
    const std::string type = option != nullptr ? option->get_type_name() : std::string();
    const bool integer = type.find("INT") != std::string::npos;
    if (name == "--page" || name == "--row") return "从 1 起的整数";
    if (integer && (name == "--date" || name == "--day" || name == "--from" || name == "--to"))
        return "YYYYMMDD 形式的日期，如 20261201";
    if (integer && name == "--month") return "YYYYMM 形式的月份，如 202612";
    std::smatch range;
    if (std::regex_search(detail, range, std::regex("not in range (-?[0-9]+) to (-?[0-9]+)")))
        return range[1].str() + " 到 " + range[2].str() + " 之间的整数";
    std::smatch set;
    if (std::regex_search(detail, set, std::regex("not in (\\{.*\\})")))
        return "以下之一：" + set[1].str();
    if (type.find("UINT") != std::string::npos) return "不小于 0 的整数";
    if (integer) return "-2147483648 到 2147483647 之间的整数";
    if (type.find("FLOAT") != std::string::npos) return "数字";
    return type.empty() ? std::string("帮助中所写的形式") : type;
}

std::string invalidValue(const CLI::App* app, const std::string& name, const std::string& value,
                         const std::string& detail) {
    const std::string form = expectedForm(name, findOption(app, name), detail);
    // A blank only between Chinese and a form that starts with Latin text.
    const bool latin = !form.empty() && static_cast<unsigned char>(form.front()) < 0x80;
    return "选项 " + name + " 的值“" + value + "”无效：应为" + (latin ? " " : "") + form;
}

std::string translated(const CLI::App* app, const CLI::Error& error) {
    const std::string what = error.what();
    const std::string kind = error.get_name();
    std::smatch m;
    if (kind == "ConversionError") {
        if (std::regex_match(what, m, std::regex("Could not convert: (\\S+) = (.*)")))
            return invalidValue(app, m[1].str(), m[2].str(), {});
        if (std::regex_match(what, m,
                             std::regex("The value (.*) is not an allowed value for (\\S+)")))
            return invalidValue(app, m[2].str(), m[1].str(), {});
    }
    if (kind == "ValidationError" &&
        std::regex_match(what, m, std::regex("(\\S+): (?:Value )?(.*?) (not in .*)"))) {
        return invalidValue(app, m[1].str(), m[2].str(), m[3].str());
    }
    if (kind == "RequiredError") {
        if (std::regex_match(what, m, std::regex("(\\S+) is required")))
            return "缺少选项 " + m[1].str();
        return "缺少命令";
    }
    if (kind == "ExcludesError" && std::regex_match(what, m, std::regex("(\\S+) excludes (\\S+)")))
        return "选项 " + m[1].str() + " 与 " + m[2].str() + " 不能同时使用";
    if (kind == "RequiresError" && std::regex_match(what, m, std::regex("(\\S+) requires (\\S+)")))
        return "选项 " + m[1].str() + " 需要同时给出 " + m[2].str();
    if (std::regex_search(what, m, std::regex("not expected: (.*)")))
        return "无法识别的参数：" + m[1].str();
    if (kind == "ArgumentMismatch" && std::regex_match(what, m, std::regex("(\\S+?):? .*")))
        return "选项 " + m[1].str() + " 缺少值或值的个数不对";
    return what;
}

}  // namespace

std::string usageErrorText(const CLI::App* app, const CLI::Error& error) {
    return escapeControls(translated(app, error)) + "\n用 --help 查看用法。\n";
}

}  // namespace korvant::cli
