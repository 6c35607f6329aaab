#pragma once

#include <string>

namespace CLI {
class App;
class Error;
}  // namespace CLI

// The message of a command line that cannot be parsed, in Chinese: the
// option, the value given and the form it takes ("选项 --date 的值
// “2026-12-01”无效：应为 YYYYMMDD 形式的日期，如 20261201"), then how to see the
// usage. Installed as the parser's failure message.
namespace korvant::cli {

std::string usageErrorText(const CLI::App* app, const CLI::Error& error);

}  // namespace korvant::cli
