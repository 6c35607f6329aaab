#include "templates/TemplateForms.h"

#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {

RateRow RateForm::row() const {
    RateRow r;
    for (std::size_t i = 0; i < values.size() && i < r.values.size(); ++i)
        r.values[i] = readLenient(values[i]);
    r.discount = noDiscount ? 1 : 0;
    r.mode = absolute ? 1 : 0;
    return r;
}

bool validateRateForm(FrontEndPort& port, RateForm& form) {
    form.refusedField.clear();
    for (std::size_t i = 0; i < form.values.size(); ++i) {
        if (readNumberInput(RateForm::ValueInput, form.values[i])) continue;
        const std::string field = "value" + std::to_string(i);
        // Named by its column caption, which has no colon.
        const char* name = form.rateKind != nullptr && i < form.rateKind->values.size()
                               ? form.rateKind->values[i].column
                               : "";
        return refuseField(
            port, form, field.c_str(),
            {numberInputRefusal(name, RateForm::ValueInput), "提示", MessageIcon::Warning});
    }
    return true;
}

RateForm makeRateForm(const TemplateKind& kind, const std::vector<std::string>& cells) {
    RateForm form;
    form.rateKind = &kind;
    auto cell = [&cells](std::size_t i) { return i < cells.size() ? cells[i] : std::string(); };
    form.contract = cell(1);
    const std::size_t count = kind.values.size();
    for (std::size_t i = 0; i < count; ++i) form.values.push_back(cell(2 + i));
    std::size_t next = 2 + count;
    if (kind.hasDiscount) form.noDiscount = cell(next++) == "不优惠";
    form.absolute = cell(next).rfind("绝对", 0) == 0;
    return form;
}

RateRow mergeUnchangedRates(const RateForm& shown, const RateForm& edited, const RateRow& now) {
    RateRow row = edited.row();
    for (std::size_t i = 0; i < edited.values.size() && i < row.values.size(); ++i)
        if (i < shown.values.size() && edited.values[i] == shown.values[i])
            row.values[i] = now.values[i];
    if (edited.noDiscount == shown.noDiscount) row.discount = now.discount;
    if (edited.absolute == shown.absolute) row.mode = now.mode;
    return row;
}

std::string TemplateNameForm::typedName() const {
    const std::string gbk = toGbk(name);
    return fromGbk(std::string_view(gbk).substr(0, gbkCutLength(gbk, MaxBytes)));
}

std::string TemplatePickerForm::chosenName() const {
    if (choice <= 0 || choice >= static_cast<int>(entries.size())) return {};
    return entries[static_cast<std::size_t>(choice)];
}

}  // namespace korvant
