#include "app/forms/SaveTarget.h"

#include "app/port/FrontEndPort.h"
#include "local/WriteTarget.h"

namespace korvant {

bool checkSaveTarget(FrontEndPort& port, const std::string& path) {
    const WriteTarget target = resolveWriteTarget(path);
    if (target.ok()) return true;
    port.error("文件保存失败：" + path + "\n" + target.error);
    return false;
}

}  // namespace korvant
