#include "templates/TemplateKind.h"

#include "protocol/CommandCode.h"

namespace korvant {
namespace {

constexpr const char* AbsoluteText = "绝对收取（只收取以下设定的数值）";

// The texts of the three changes; "%s" is the template's name.
constexpr const char* NotAcknowledged = "服务器返回非确认包, 无法确定操作是否失败!";

TemplateKind makeFeeKind() {
    return {
        .id = RateKind::Fee,
        .view = ViewKind::FeeRates,
        .list = ReferenceList::FeeTemplates,
        .word = "手续费",
        .wire = {.listCommand = cmd::FeeTemplateList,
                 .pageCommand = cmd::FeeRates,
                 .setCommand = cmd::SetFeeRates,
                 .addCommand = cmd::AddFeeTemplate,
                 .renameCommand = cmd::ModifyFeeTemplate,
                 .deleteCommand = cmd::DeleteFeeTemplate,
                 .assignCommand = cmd::LoadFeeTemplate,
                 .rowSize = 56,
                 .setRequestSize = 112},
        .values =
            {
                {"开仓手续费率(按金额,万分之)",
                 "开仓手续费率(按金额，万分之):", "开仓手续费率(按金额/万分之),", 4},
                {"开仓手续费(按手数)", "开仓手续费(按手数):", "开仓手续费(按手数),", 2},
                {"平仓手续费率(按金额,万分之)",
                 "平仓手续费率(按金额，万分之):", "平仓手续费率(按金额/万分之),", 4},
                {"平仓手续费(按手数)", "平仓手续费(按手数):", "平仓手续费(按手数),", 2},
                {"平今手续费率(按金额,万分之)",
                 "平今手续费率(按金额，万分之):", "平今手续费率(按金额/万分之),", 4},
                {"平今手续费(按手数)", "平今手续费(按手数):", "平今手续费(按手数),", 2},
            },
        .hasDiscount = true,
        .rates = {.dialogCaption = "手续费率",
                  .discountColumn = "平今优惠方式",
                  .relativeText = "相对收取（在主账号费率基础上加收）",
                  .absoluteText = AbsoluteText,
                  .dialogNote = "注意：20:"
                                "00之后修改，次日8：00生效。8：00之后修改，结算时才能生效，"
                                "结算单会按新费率计算当天所有交易的手续费。",
                  .rowMenuText = "修改手续费"},
        .gates = {.modifyOperation = GatedOperation::ModifyFeeRates,
                  .importOperation = GatedOperation::ImportFeeRates,
                  .exportOperation = GatedOperation::ExportFeeRates},
        .actions = {.nodeSelected = ActionCode::FeeNodeSelected,
                    .modifyRates = ActionCode::ModifyFeeRates,
                    .addTemplate = ActionCode::AddFeeTemplate,
                    .renameTemplate = ActionCode::ModifyFeeTemplate,
                    .deleteTemplate = ActionCode::DeleteFeeTemplate,
                    .exportTemplate = ActionCode::ExportFeeRates,
                    .reloadAfterImport = ActionCode::ReloadFeeTemplates,
                    .loadTemplate = ActionCode::LoadFeeTemplate},
        .changes = {.add = {"添加手续费模板", "添加手续费率模板", "添加失败", "添加 %s",
                            "添加 %s 成功！", "解析数据包失败", "网络断开", RefusalRow::ServerText,
                            nullptr, "服务器返回非确认包, 无法确定操作是否失败。"},
                    .rename = {"修改手续费率模板", "修改手续费率模板", "修改手续费率模板",
                               "修改 %s", "修改 %s 成功！", "修改 %s 失败！", "修改 %s 失败！",
                               RefusalRow::Failure, "该手续费率模板已存在", NotAcknowledged},
                    .remove = {"删除手续费率模板", "删除手续费率模板", "删除手续费率模板",
                               "删除 %s", "删除 %s 成功！", "删除 %s 失败！", "删除 %s 失败！",
                               RefusalRow::FailureAndServerText, nullptr, NotAcknowledged},
                    .deleteQuestion = "删除该手续费率模板？"},
        .assign = {.assignCaption = "加载手续费率",
                   .assignLabel = "可选手续费率模板:",
                   .assignTitle = "加载手续费率模板"},
        .csv = {.exportCaption = "导出手续费",
                .importCaption = "导入手续费",
                .importFilter = "手续费导出文件(*.csv)",
                .exportDone = "手续费导出成功。 ",
                .exportFailed = "手续费导出失败。 ",
                .importQuestion = "导入手续费模版 %s ？"},
    };
}

TemplateKind makeMarginKind() {
    return {
        .id = RateKind::Margin,
        .view = ViewKind::MarginRates,
        .list = ReferenceList::MarginTemplates,
        .word = "保证金",
        .wire = {.listCommand = cmd::MarginTemplateList,
                 .pageCommand = cmd::MarginRates,
                 .setCommand = cmd::SetMarginRates,
                 .addCommand = cmd::AddMarginTemplate,
                 .renameCommand = cmd::ModifyMarginTemplate,
                 .deleteCommand = cmd::DeleteMarginTemplate,
                 .assignCommand = cmd::LoadMarginTemplate,
                 .rowSize = 100,
                 .setRequestSize = 156},
        .values =
            {
                {"投机多头保证金率(按金额)%",
                 "投机多头保证金率(按金额，百分之):", "投机多头保证金率(按金额)%,", 4},
                {"投机多头保证金(按手数)", "投机多头保证金(按手数):", "投机多头保证金(按数量),", 4},
                {"投机空头保证金率(按金额)%",
                 "投机空头保证金率(按金额，百分之):", "投机空头保证金率(按金额)%,", 4},
                {"投机空头保证金(按手数)", "投机空头保证金(按手数):", "投机空头保证金(按数量),", 4},
                {"保值多头保证金率(按金额)%",
                 "保值多头保证金率(按金额，百分之):", "保值多头保证金率(按金额)%,", 4},
                {"保值多头保证金(按手数)", "保值多头保证金(按手数):", "保值多头保证金(按数量),", 4},
                {"保值空头保证金率(按金额)%",
                 "保值空头保证金率(按金额，百分之):", "保值空头保证金率(按金额)%,", 4},
                {"保值空头保证金(按手数)", "保值空头保证金(按手数):", "保值空头保证金(按数量),", 4},
                {"套利多头保证金率(按金额)%",
                 "套利多头保证金率(按金额，百分之):", "套利多头保证金率(按金额)%,", 4},
                {"套利多头保证金(按手数)", "套利多头保证金(按手数):", "套利多头保证金(按数量),", 4},
                {"套利空头保证金率(按金额)%",
                 "套利空头保证金率(按金额，百分之):", "套利空头保证金率(按金额)%,", 4},
                {"套利空头保证金(按手数)", "套利空头保证金(按手数):", "套利空头保证金(按数量),", 4},
            },
        .hasDiscount = false,
        .rates = {.dialogCaption = "保证金率",
                  .discountColumn = nullptr,
                  .relativeText = "相对收取（在主账号保证金率基础上加收）",
                  .absoluteText = AbsoluteText,
                  .dialogNote =
                      "注意：20:00之后修改，次日8：00生效。8：00之后修改，结算时才能生效。",
                  .rowMenuText = "修改保证金"},
        .gates = {.modifyOperation = GatedOperation::ModifyMarginRates,
                  .importOperation = GatedOperation::ImportMarginRates,
                  .exportOperation = GatedOperation::ExportMarginRates},
        .actions = {.nodeSelected = ActionCode::MarginNodeSelected,
                    .modifyRates = ActionCode::ModifyMarginRates,
                    .addTemplate = ActionCode::AddMarginTemplate,
                    .renameTemplate = ActionCode::ModifyMarginTemplate,
                    .deleteTemplate = ActionCode::DeleteMarginTemplate,
                    .exportTemplate = ActionCode::ExportMarginRates,
                    .reloadAfterImport = ActionCode::ReloadMarginTemplates,
                    .loadTemplate = ActionCode::LoadMarginTemplate},
        // The add starts as "添加保证金模板" but succeeds as "添加保证金率模板"; the
        // delete's success row has no final "！".
        .changes = {.add = {"添加保证金模板", "添加保证金率模板", "添加失败", "添加 %s",
                            "添加 %s 成功！", "解析数据包失败", "网络断开", RefusalRow::ServerText,
                            nullptr, "服务器返回非确认包, 无法确定操作是否失败。"},
                    .rename = {"修改保证金率模板", "修改保证金率模板", "修改保证金率模板",
                               "修改 %s", "修改 %s 成功！", "修改 %s 失败！", "修改 %s 失败！",
                               RefusalRow::Failure, "该保证金率模板已存在", NotAcknowledged},
                    .remove = {"删除保证金率模板", "删除保证金率模板", "删除保证金率模板",
                               "删除 %s", "删除 %s 成功", "删除 %s 失败！", "删除 %s 失败！",
                               RefusalRow::FailureAndServerText, nullptr, NotAcknowledged},
                    .deleteQuestion = "删除该保证金率模板？"},
        .assign = {.assignCaption = "加载保证金率",
                   .assignLabel = "可选保证金率模板:",
                   .assignTitle = "加载保证金率模板"},
        .csv = {.exportCaption = "导出保证金",
                .importCaption = "导入保证金",
                .importFilter = "保证金导出文件(*.csv)",
                .exportDone = "保证金导出成功。 ",
                .exportFailed = "保证金导出失败。 ",
                .importQuestion = "导入保证金模版 %s ？"},
    };
}

template <class T>
std::vector<RateTemplate> copyOut(const RecordCache<T>& cache) {
    return std::vector<RateTemplate>(cache.records.begin(), cache.records.end());
}

}  // namespace

std::vector<std::string> TemplateKind::columns() const {
    std::vector<std::string> out = {"市场", "合约"};
    for (const RateValueSpec& v : values) out.emplace_back(v.column);
    if (hasDiscount) out.emplace_back(rates.discountColumn);
    out.emplace_back("收取方式");
    return out;
}

const TemplateKind& feeKind() {
    static const TemplateKind kind = makeFeeKind();
    return kind;
}

const TemplateKind& marginKind() {
    static const TemplateKind kind = makeMarginKind();
    return kind;
}

const TemplateKind& templateKind(RateKind kind) {
    return kind == RateKind::Fee ? feeKind() : marginKind();
}

std::vector<RateTemplate> cachedTemplates(const ReferenceData& reference,
                                          const TemplateKind& kind) {
    return kind.id == RateKind::Fee ? copyOut(reference.feeTemplates)
                                    : copyOut(reference.marginTemplates);
}

const RateTemplate* cachedTemplate(const ReferenceData& reference, const TemplateKind& kind,
                                   int32_t id) {
    if (id == 0) return nullptr;
    if (kind.id == RateKind::Fee) {
        for (const FeeTemplate& t : reference.feeTemplates.records)
            if (t.id == id) return &t;
    } else {
        for (const MarginTemplate& t : reference.marginTemplates.records)
            if (t.id == id) return &t;
    }
    return nullptr;
}

}  // namespace korvant
