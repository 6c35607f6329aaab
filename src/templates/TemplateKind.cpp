#include "templates/TemplateKind.h"

#include "protocol/CommandCode.h"

namespace korvant {
namespace {

constexpr const char* AbsoluteText = "绝对收取（只收取以下设定的数值）";

TemplateKind makeFeeKind() {
    TemplateKind k{};
    k.id = RateKind::Fee;
    k.view = ViewKind::FeeRates;
    k.list = ReferenceList::FeeTemplates;
    k.word = "手续费";
    k.listCommand = cmd::FeeTemplateList;
    k.pageCommand = cmd::FeeRates;
    k.setCommand = cmd::SetFeeRates;
    k.addCommand = cmd::AddFeeTemplate;
    k.renameCommand = cmd::ModifyFeeTemplate;
    k.deleteCommand = cmd::DeleteFeeTemplate;
    k.assignCommand = cmd::LoadFeeTemplate;
    k.rowSize = 56;
    k.setRequestSize = 112;
    k.values = {
        {"开仓手续费率(按金额,万分之)",
         "开仓手续费率(按金额，万分之):", "开仓手续费率(按金额/万分之),", 4},
        {"开仓手续费(按手数)", "开仓手续费(按手数):", "开仓手续费(按手数),", 2},
        {"平仓手续费率(按金额,万分之)",
         "平仓手续费率(按金额，万分之):", "平仓手续费率(按金额/万分之),", 4},
        {"平仓手续费(按手数)", "平仓手续费(按手数):", "平仓手续费(按手数),", 2},
        {"平今手续费率(按金额,万分之)",
         "平今手续费率(按金额，万分之):", "平今手续费率(按金额/万分之),", 4},
        {"平今手续费(按手数)", "平今手续费(按手数):", "平今手续费(按手数),", 2},
    };
    k.hasDiscount = true;
    k.dialogCaption = "手续费率";
    k.discountColumn = "平今优惠方式";
    k.relativeText = "相对收取（在主账号费率基础上加收）";
    k.absoluteText = AbsoluteText;
    k.dialogNote =
        "注意：20:"
        "00之后修改，次日8：00生效。8：00之后修改，结算时才能生效，结算单会按新费率计算当天"
        "所有交易的手续费。";
    k.rowMenuText = "修改手续费";
    k.modifyOperation = GatedOperation::ModifyFeeRates;
    k.importOperation = GatedOperation::ImportFeeRates;
    k.exportOperation = GatedOperation::ExportFeeRates;
    k.nodeSelected = ActionCode::FeeNodeSelected;
    k.modifyRates = ActionCode::ModifyFeeRates;
    k.addTemplate = ActionCode::AddFeeTemplate;
    k.renameTemplate = ActionCode::ModifyFeeTemplate;
    k.deleteTemplate = ActionCode::DeleteFeeTemplate;
    k.exportTemplate = ActionCode::ExportFeeRates;
    k.reloadAfterImport = ActionCode::ReloadFeeTemplatesAgain;
    k.loadTemplate = ActionCode::LoadFeeTemplate;
    k.add = {"添加手续费模板", "添加手续费率模板",
             "添加失败",       "添加 %s",
             "添加 %s 成功！", "解析数据包失败",
             "网络断开",       RefusalRow::ServerText,
             nullptr,          "服务器返回非确认包, 无法确定操作是否失败。"};
    k.rename = {"修改手续费率模板",     "修改手续费率模板",
                "修改手续费率模板",     "修改 %s",
                "修改 %s 成功！",       "修改 %s 失败！",
                "修改 %s 失败！",       RefusalRow::Failure,
                "该手续费率模板已存在", "服务器返回非确认包, 无法确定操作是否失败!"};
    k.remove = {"删除手续费率模板",
                "删除手续费率模板",
                "删除手续费率模板",
                "删除 %s",
                "删除 %s 成功！",
                "删除 %s 失败！",
                "删除 %s 失败！",
                RefusalRow::FailureAndServerText,
                nullptr,
                "服务器返回非确认包, 无法确定操作是否失败!"};
    k.deleteQuestion = "删除该手续费率模板？";
    k.assignCaption = "加载手续费率";
    k.assignLabel = "可选手续费率模板:";
    k.assignTitle = "加载手续费率模板";
    k.exportCaption = "导出手续费";
    k.importCaption = "导入手续费";
    k.importFilter = "手续费导出文件(*.csv)";
    k.exportDone = "手续费导出成功。 ";
    k.exportFailed = "手续费导出失败。 ";
    k.importQuestion = "导入手续费模版 %s ？";
    return k;
}

TemplateKind makeMarginKind() {
    TemplateKind k = makeFeeKind();
    k.id = RateKind::Margin;
    k.view = ViewKind::MarginRates;
    k.list = ReferenceList::MarginTemplates;
    k.word = "保证金";
    k.listCommand = cmd::MarginTemplateList;
    k.pageCommand = cmd::MarginRates;
    k.setCommand = cmd::SetMarginRates;
    k.addCommand = cmd::AddMarginTemplate;
    k.renameCommand = cmd::ModifyMarginTemplate;
    k.deleteCommand = cmd::DeleteMarginTemplate;
    k.assignCommand = cmd::LoadMarginTemplate;
    k.rowSize = 100;
    k.setRequestSize = 156;
    k.values = {
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
    };
    k.hasDiscount = false;
    k.dialogCaption = "保证金率";
    k.discountColumn = nullptr;
    k.relativeText = "相对收取（在主账号保证金率基础上加收）";
    k.dialogNote = "注意：20:00之后修改，次日8：00生效。8：00之后修改，结算时才能生效。";
    k.rowMenuText = "修改保证金";
    k.modifyOperation = GatedOperation::ModifyMarginRates;
    k.importOperation = GatedOperation::ImportMarginRates;
    k.exportOperation = GatedOperation::ExportMarginRates;
    k.nodeSelected = ActionCode::MarginNodeSelected;
    k.modifyRates = ActionCode::ModifyMarginRates;
    k.addTemplate = ActionCode::AddMarginTemplate;
    k.renameTemplate = ActionCode::ModifyMarginTemplate;
    k.deleteTemplate = ActionCode::DeleteMarginTemplate;
    k.exportTemplate = ActionCode::ExportMarginRates;
    k.reloadAfterImport = ActionCode::ReloadMarginTemplatesAgain;
    k.loadTemplate = ActionCode::LoadMarginTemplate;
    // The add starts as "添加保证金模板" but succeeds as "添加保证金率模板"; the
    // delete's success row has no final "！".
    k.add.startTitle = "添加保证金模板";
    k.add.successTitle = "添加保证金率模板";
    k.rename.startTitle = k.rename.successTitle = k.rename.failureTitle = "修改保证金率模板";
    k.rename.refusalMessage = "该保证金率模板已存在";
    k.remove.startTitle = k.remove.successTitle = k.remove.failureTitle = "删除保证金率模板";
    k.remove.successFormat = "删除 %s 成功";
    k.deleteQuestion = "删除该保证金率模板？";
    k.assignCaption = "加载保证金率";
    k.assignLabel = "可选保证金率模板:";
    k.assignTitle = "加载保证金率模板";
    k.exportCaption = "导出保证金";
    k.importCaption = "导入保证金";
    k.importFilter = "保证金导出文件(*.csv)";
    k.exportDone = "保证金导出成功。 ";
    k.exportFailed = "保证金导出失败。 ";
    k.importQuestion = "导入保证金模版 %s ？";
    return k;
}

template <class T>
std::vector<RateTemplate> copyOut(const RecordCache<T>& cache) {
    return std::vector<RateTemplate>(cache.records.begin(), cache.records.end());
}

}  // namespace

std::vector<std::string> TemplateKind::columns() const {
    std::vector<std::string> out = {"市场", "合约"};
    for (const RateValueSpec& v : values) out.emplace_back(v.column);
    if (hasDiscount) out.emplace_back(discountColumn);
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
