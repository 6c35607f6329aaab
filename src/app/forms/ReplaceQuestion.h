#pragma once

#include <string>

#include "app/port/FrontEndPort.h"

// The one question before a file the user chose is replaced.
namespace korvant {

// True when no regular file is at `path` (what is there otherwise is the
// writer's to refuse), or when the user answers Yes to
// "<name>文件已经存在，是否替换原文件？" ("提示信息"); false for No (the old
// file stays, nothing is fetched).
bool mayReplaceFile(FrontEndPort& port, const std::string& path);

}  // namespace korvant
