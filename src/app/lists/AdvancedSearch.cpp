#include "app/lists/AdvancedSearch.h"

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"

namespace korvant {

bool validateAdvancedSearchForm(FrontEndPort& port, AdvancedSearchForm& form) {
    form.refusedField.clear();
    if (advancedSearchFilter(-1, form)) return true;
    if (!form.openingDate.empty())
        return refuseField(port, form, "openingDate",
                           {"高级搜索不按开户日查找。按开户日期查找，请在“类别”中选择“开户日期”，"
                            "在“关键字”中填写日期（如 20260102）后点“搜索”。",
                            "提示", MessageIcon::Information});
    return refuseField(
        port, form, "account",
        {"请至少填写用户名、密码或备注中的一项。", "提示", MessageIcon::Information});
}

bool runAdvancedSearch(Desk& desk, int groupId) {
    FrontEndPort& port = desk.port();
    AdvancedSearchForm form;
    if (!port.editForm(form, [&port](Form& f) {
            return validateAdvancedSearchForm(port, static_cast<AdvancedSearchForm&>(f));
        }))
        return false;
    const std::optional<SearchFilter> filter = advancedSearchFilter(groupId, form);
    if (!filter) return false;
    desk.dispatcher().send(ActionCode::Search, *filter);
    return true;
}

}  // namespace korvant
