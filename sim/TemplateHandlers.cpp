#include <algorithm>

#include "Dispatcher.h"
#include "HandlerSupport.h"
#include "Handlers.h"
#include "PageSizes.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"

// Fee-rate and margin-rate templates: their rate pages, rates set contract
// by contract, adding, renaming, deleting, and loading them onto
// sub-accounts. Rate pages are positional: row i of page p belongs to
// variety p·100 + i, in the order of the variety list.
namespace korvant::sim {
namespace {

constexpr int RatesPerPage = 100;

// What tells the two kinds apart on the wire.
struct Kind {
    bool fee;
    int values;   // doubles per row
    int rowSize;  // bytes per row in a rate page
    uint32_t permission;
    const char* word;  // in refusal texts
};

constexpr Kind FeeKind{true, 6, 56, 0x100, "手续费率模板"};
constexpr Kind MarginKind{false, 12, 100, 0x80, "保证金率模板"};

std::vector<RateTemplate>& listOf(Context& c, const Kind& k) {
    return k.fee ? c.state.feeTemplates : c.state.marginTemplates;
}

void writeRow(uint8_t* p, const Kind& k, const RateRow& row) {
    for (int i = 0; i < k.values; ++i) putF64(p + 8 * i, row.values[static_cast<std::size_t>(i)]);
    int offset = 8 * k.values;
    if (k.fee) {
        putI32(p + offset, row.discount);
        offset += 4;
    }
    putI32(p + offset, row.mode);
}

// 91 / 43: template id at 4, page at 8. An unknown template lists its rows
// empty, so that the pages stay paired with the variety list.
Answer ratePage(const Request& r, Context& c, const Kind& k) {
    const RateTemplate* t = c.state.findTemplate(listOf(c, k), r.i32(4));
    const auto& varieties = c.state.varieties;
    return pageAnswer(r.command(), k.rowSize, RatesPerPage, r.i32(8),
                      static_cast<int>(varieties.size()), [&](uint8_t* p, int i) {
                          if (t != nullptr)
                              writeRow(p, k, t->rowOf(varieties[static_cast<std::size_t>(i)]));
                      });
}

// 92 / 44: contract 4, exchange 36, template id 52, the values from 56,
// then (fee) the discount and the collection mode.
Answer setRates(const Request& r, Context& c, const Kind& k) {
    if (!permitted(c, k.permission)) return refusal(format("没有修改%s的权限", k.word));
    RateTemplate* t = c.state.findTemplate(listOf(c, k), r.i32(52));
    if (t == nullptr) return refusal(format("%s %d 不存在", k.word, r.i32(52)));
    const std::string contract = r.text(4, 32);
    const std::string exchange = r.text(36, 16);
    const auto& varieties = c.state.varieties;
    auto v = std::find_if(varieties.begin(), varieties.end(),
                          [&](const ContractVariety& x) { return x.contract == contract; });
    if (v == varieties.end()) return refusal(format("合约 %s 不存在", contract.c_str()));
    if (v->exchange != exchange)
        return refusal(format("合约 %s 不属于 %s", contract.c_str(), exchange.c_str()));
    RateRow row;
    int offset = 56;
    for (int i = 0; i < k.values; ++i, offset += 8)
        row.values[static_cast<std::size_t>(i)] = r.f64(offset);
    if (k.fee) {
        row.discount = r.i32(offset) == 1 ? 1 : 0;
        offset += 4;
    }
    row.mode = r.i32(offset) == 1 ? 1 : 0;
    t->contracts[contract] = row;
    return done();
}

bool nameTaken(const std::vector<RateTemplate>& list, const std::string& name, int32_t except) {
    return std::any_of(list.begin(), list.end(),
                       [&](const RateTemplate& t) { return t.name == name && t.id != except; });
}

std::string checkOwner(Context& c, const std::string& groupCode) {
    const Group* g = c.state.findGroupByCode(groupCode);
    if (g == nullptr || g->level() != 1) return "模板只能属于一级组";
    if (!manages(c, g->id)) return "不能管理其他组的模板";
    return {};
}

// 74 / 73: name 4, group code 68. The acknowledgement's text is the new id.
Answer addTemplate(const Request& r, Context& c, const Kind& k) {
    const std::string name = r.text(4, 64);
    const std::string code = r.text(68, 16);
    if (name.empty()) return refusal("模板名称不能为空");
    std::string problem = checkOwner(c, code);
    if (!problem.empty()) return refusal(problem);
    auto& list = listOf(c, k);
    if (nameTaken(list, name, 0)) return refusal(format("%s %s 已存在", k.word, name.c_str()));
    RateTemplate t;
    t.id = c.state.nextTemplateId++;
    t.name = name;
    t.groupCode = code;
    list.push_back(t);
    return done(std::to_string(t.id));
}

// 76 / 75: new name 4, group code 68, template id 84.
Answer renameTemplate(const Request& r, Context& c, const Kind& k) {
    auto& list = listOf(c, k);
    RateTemplate* t = c.state.findTemplate(list, r.i32(84));
    if (t == nullptr) return refusal(format("%s %d 不存在", k.word, r.i32(84)));
    std::string problem = checkOwner(c, t->groupCode);
    if (!problem.empty()) return refusal(problem);
    const std::string name = r.text(4, 64);
    if (name.empty()) return refusal("模板名称不能为空");
    if (nameTaken(list, name, t->id)) return refusal(format("%s %s 已存在", k.word, name.c_str()));
    t->name = name;
    return done();
}

// 78 / 77: name 4, group code 68, template id 84. A template that a
// sub-account uses stays.
Answer deleteTemplate(const Request& r, Context& c, const Kind& k) {
    auto& list = listOf(c, k);
    RateTemplate* t = c.state.findTemplate(list, r.i32(84));
    if (t == nullptr) return refusal(format("%s %d 不存在", k.word, r.i32(84)));
    std::string problem = checkOwner(c, t->groupCode);
    if (!problem.empty()) return refusal(problem);
    const int32_t id = t->id;
    for (const SubAccount& a : c.state.subAccounts)
        if ((k.fee ? a.feeTemplateId : a.marginTemplateId) == id)
            return refusal(format("子账号 %d 正在使用该模板，不能删除", a.number));
    list.erase(list.begin() + (t - list.data()));
    return done();
}

// 80 / 79: sub-account 4, template name 20 (empty: none). Only a template
// of the sub-account's first-level group can be loaded.
Answer loadTemplate(const Request& r, Context& c, const Kind& k) {
    int32_t number = 0;
    const std::string text = r.text(4, 16);
    SubAccount* a = parseAccountNumber(text, number) ? c.state.findSubAccount(number) : nullptr;
    if (a == nullptr) return refusal(format("子账号 %s 不存在", text.c_str()));
    if (!manages(c, a->groupId)) return refusal("不能修改管辖范围以外的子账号");
    const std::string name = r.text(20, 64);
    int32_t id = 0;
    if (!name.empty()) {
        const Group* g = c.state.findGroup(a->groupId);
        const std::string department = g != nullptr ? g->code.substr(0, 2) : std::string();
        for (const RateTemplate& t : listOf(c, k))
            if (t.name == name && t.groupCode == department) id = t.id;
        if (id == 0) return refusal(format("本组没有%s %s", k.word, name.c_str()));
    }
    (k.fee ? a->feeTemplateId : a->marginTemplateId) = id;
    return done();
}

template <Answer (*F)(const Request&, Context&, const Kind&)>
Handler with(const Kind& k) {
    return [&k](const Request& r, Context& c) { return F(r, c, k); };
}

}  // namespace

void addTemplateHandlers(Dispatcher& d) {
    d.add({cmd::FeeRates, 12, false, RefusalStyle::Result, with<ratePage>(FeeKind)});
    d.add({cmd::MarginRates, 12, false, RefusalStyle::Result, with<ratePage>(MarginKind)});
    d.add({cmd::SetFeeRates, 112, false, RefusalStyle::Result, with<setRates>(FeeKind)});
    d.add({cmd::SetMarginRates, 156, false, RefusalStyle::Result, with<setRates>(MarginKind)});
    d.add({cmd::AddFeeTemplate, 84, false, RefusalStyle::Result, with<addTemplate>(FeeKind)});
    d.add({cmd::AddMarginTemplate, 84, false, RefusalStyle::Result, with<addTemplate>(MarginKind)});
    d.add({cmd::ModifyFeeTemplate, 88, false, RefusalStyle::Result, with<renameTemplate>(FeeKind)});
    d.add({cmd::ModifyMarginTemplate, 88, false, RefusalStyle::Result,
           with<renameTemplate>(MarginKind)});
    d.add({cmd::DeleteFeeTemplate, 88, false, RefusalStyle::Result, with<deleteTemplate>(FeeKind)});
    d.add({cmd::DeleteMarginTemplate, 88, false, RefusalStyle::Result,
           with<deleteTemplate>(MarginKind)});
    d.add({cmd::LoadFeeTemplate, 84, false, RefusalStyle::Result, with<loadTemplate>(FeeKind)});
    d.add(
        {cmd::LoadMarginTemplate, 84, false, RefusalStyle::Result, with<loadTemplate>(MarginKind)});
}

}  // namespace korvant::sim
