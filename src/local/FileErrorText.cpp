#include "local/FileErrorText.h"

#include <cerrno>

#include "text/NumberText.h"

namespace korvant {

std::string fileErrorText(int code) {
    switch (code) {
        case ENOENT:
            return "文件或目录不存在";
        case EACCES:
        case EPERM:
            return "没有访问权限";
        case ENOSPC:
            return "磁盘空间不足";
        case EDQUOT:
            return "超出磁盘配额";
        case EROFS:
            return "文件系统是只读的";
        case EISDIR:
            return "这是一个目录, 不是文件";
        case ENOTDIR:
            return "路径中有一项不是目录";
        case ENAMETOOLONG:
            return "文件名太长";
        case EEXIST:
            return "文件已存在";
        case EBUSY:
        case ETXTBSY:
            return "文件正被占用";
        case EMFILE:
        case ENFILE:
            return "打开的文件太多";
        case EIO:
            return "读写设备出错";
        case EFBIG:
            return "文件太大";
        case ELOOP:
            return "符号链接层数过多";
        case EXDEV:
            return "不能跨文件系统移动文件";
        case EINVAL:
            return "文件名无效";
        default:
            return "系统错误 " + formatInt(code);
    }
}

}  // namespace korvant
