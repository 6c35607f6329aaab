#include "accounts/deposits/DepositForm.h"

#include <optional>

#include "text/AmountInWords.h"
#include "text/NumberInput.h"
#include "text/NumberText.h"

namespace korvant {

std::array<std::string, 3> depositAmountCaptions(int direction) {
    if (direction == DepositDirectionOut)
        return {"可用资金减少:", "优先资金减少:（可不填）", "期初投入减少:（可不填）"};
    return {"可用资金增加:", "优先资金增加:（可不填）", "期初投入增加:（可不填）"};
}

std::string depositInfoLine(const std::string& label, double value) {
    return label + "  " + formatFixed(value, 2) + "    （" + amountInWords(value) + "）";
}

DepositView depositView(const DepositForm& form) {
    DepositView view;
    view.amountCaptions = depositAmountCaptions(form.direction);
    view.equityLine = depositInfoLine("当前权益:", form.equity);
    view.availableLine = depositInfoLine("可用资金:", form.available);
    view.priorityLine = depositInfoLine("优先资金:", form.priority);
    view.startInvestmentLine = depositInfoLine("期初投入:", form.startInvestment);
    view.depositableLine = depositInfoLine("可 入 金:", form.depositable);
    if (form.mode == DepositMode::MainAccount && form.initialFunds == 0)
        view.availableLine = "可用资金:  不限";
    if (form.initialFunds == 0 && form.depositable == 0) view.depositableLine = "可 入 金:  不限";
    switch (form.mode) {
        case DepositMode::SubAccount:
            break;
        case DepositMode::MainAccount:
            view.showEquity = false;
            view.showDepositable = false;
            view.showHistoryBox = false;
            view.showRemark = false;
            break;
        case DepositMode::Link:
            view.showEquity = false;
            view.showHistoryBox = false;
            view.showRemark = false;
            view.showPriorityRows = false;
            view.showDepositable = true;
            break;
    }
    return view;
}

double roundToCents(double value) {
    return readLenient(formatFixed(value, 2));
}

double readAmount(const std::string& text) {
    return readCNumber(text);
}

bool validateDepositForm(FrontEndPort& port, DepositForm& form) {
    form.refusedField.clear();
    const Message refusal{"请填写正确的金额", "提示", MessageIcon::Error};
    // Only plain amounts of the field count: "1,000", "-5000" or "1e60" are
    // refused here rather than read as some other amount.
    const struct {
        const std::string& text;
        double& change;
        const char* name;
    } amounts[] = {{form.availableText, form.availableChange, "available"},
                   {form.priorityText, form.priorityChange, "priority"},
                   {form.startInvestmentText, form.startInvestmentChange, "startInvestment"}};
    double values[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<double> value =
            readNumberInput(DepositForm::AmountInput, amounts[i].text);
        if (!value) return refuseField(port, form, amounts[i].name, refusal);
        values[i] = *value;
    }
    if (!(values[0] >= 0) || !(values[0] > 0 || values[1] > 0 || values[2] > 0))
        return refuseField(port, form, "available", refusal);
    for (std::size_t i = 0; i < 3; ++i) amounts[i].change = roundToCents(values[i]);
    return true;
}

DepositTotals depositTotals(const DepositForm& form) {
    double sign = form.direction == DepositDirectionOut ? -1.0 : 1.0;
    DepositTotals totals;
    totals.priority = roundToCents(form.priority + sign * form.priorityChange);
    totals.startInvestment = roundToCents(form.startInvestment + sign * form.startInvestmentChange);
    // Negative totals (and a negative zero) are sent as 0.
    if (!(totals.priority > 0)) totals.priority = 0;
    if (!(totals.startInvestment > 0)) totals.startInvestment = 0;
    return totals;
}

}  // namespace korvant
