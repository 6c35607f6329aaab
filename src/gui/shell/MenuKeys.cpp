#include "gui/shell/MenuKeys.h"

#include <utility>

namespace korvant::gui {

char menuAccessKey(std::string_view caption) {
    // The same caption takes the same key in every menu; the keys of one
    // menu differ (checked by the menu tests).
    static constexpr std::pair<std::string_view, char> keys[] = {
        {"修改密码", 'W'},     {"交易参数", 'T'},     {"开始结算", 'S'},
        {"结算价设置", 'P'},   {"清除结算数据", 'C'}, {"添加", 'A'},
        {"修改", 'M'},         {"删除", 'D'},         {"刷新", 'R'},
        {"出入金", 'F'},       {"添加主账号", 'A'},   {"修改主账号", 'M'},
        {"删除主账号", 'D'},   {"加载风控策略", 'K'}, {"显示关联的子账号", 'L'},
        {"加载保证金率", 'B'}, {"加载手续费率", 'E'}, {"导入", 'I'},
        {"导出", 'X'},         {"修改手续费", 'M'},   {"修改保证金", 'M'},
    };
    for (const auto& [text, key] : keys)
        if (text == caption) return key;
    return 0;
}

}  // namespace korvant::gui
