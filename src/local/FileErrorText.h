#pragma once

#include <string>

// The reason a file could not be read or written, in the desk's language.
namespace korvant {

// The text of a system error number (errno) of a file operation, e.g.
// ENOENT "文件或目录不存在"; an unknown number "系统错误 N".
std::string fileErrorText(int code);

}  // namespace korvant
