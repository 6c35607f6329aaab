#include "local/WriteTarget.h"

#include <sys/stat.h>

#include <climits>
#include <cstdlib>

namespace korvant {

namespace {

// Why an existing file of this kind is not replaced, after "这" or
// "符号链接指向的".
std::string notRegularText(mode_t mode) {
    if (S_ISDIR(mode)) return "是一个目录, 不是文件";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "是一个设备, 不是普通文件, 不会被替换";
    if (S_ISFIFO(mode)) return "是一个管道 (FIFO), 不是普通文件, 不会被替换";
    if (S_ISSOCK(mode)) return "是一个套接字, 不是普通文件, 不会被替换";
    return "不是普通文件, 不会被替换";
}

}  // namespace

WriteTarget resolveWriteTarget(const std::string& path) {
    WriteTarget target{path, {}};
    struct stat own {};
    // Nothing there yet (or nothing that can be looked at): creating the
    // file says what is wrong.
    if (path.empty() || ::lstat(path.c_str(), &own) != 0) return target;
    if (S_ISREG(own.st_mode)) return target;
    if (!S_ISLNK(own.st_mode)) {
        target.error = "这" + notRegularText(own.st_mode);
        return target;
    }
    char resolved[PATH_MAX];
    struct stat end {};
    if (::realpath(path.c_str(), resolved) == nullptr || ::stat(resolved, &end) != 0) {
        target.error = "符号链接没有指向一个存在的普通文件";
        return target;
    }
    if (!S_ISREG(end.st_mode)) {
        target.error = "符号链接指向的" + notRegularText(end.st_mode);
        return target;
    }
    target.path = resolved;
    return target;
}

}  // namespace korvant
