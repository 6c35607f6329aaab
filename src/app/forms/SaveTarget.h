#pragma once

#include <string>

// The check of a file's target before anything is fetched for it.
namespace korvant {

class FrontEndPort;

// False after "文件保存失败：PATH\nREASON" (error icon) when `path` exists
// and is neither a regular file nor a link to one (resolveWriteTarget): a
// folder, a device or a FIFO is never replaced.
bool checkSaveTarget(FrontEndPort& port, const std::string& path);

}  // namespace korvant
