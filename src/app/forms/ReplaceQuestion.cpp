#include "app/forms/ReplaceQuestion.h"

#include <sys/stat.h>

namespace korvant {

bool mayReplaceFile(FrontEndPort& port, const std::string& path) {
    // Only a regular file (or a link to one) is replaced; anything else at
    // the path is refused by the writer's own check, without a question.
    struct stat existing {};
    if (::stat(path.c_str(), &existing) != 0 || !S_ISREG(existing.st_mode)) return true;
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return port.askYesNo(
        {name + "文件已经存在，是否替换原文件？", "提示信息", MessageIcon::Question});
}

}  // namespace korvant
