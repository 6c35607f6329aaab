#include <CLI/CLI.hpp>

#include <array>
#include <optional>
#include <ostream>

#include "app/desk/Desk.h"
#include "app/session/Permissions.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/TablePage.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"
#include "risk/RiskArea.h"
#include "risk/RiskCategory.h"
#include "risk/RiskOperations.h"
#include "risk/RuleAssignment.h"
#include "risk/RuleForms.h"
#include "text/NumberText.h"

// `risk kinds|list|add|modify|delete|assigned|load|unload|up|down`: the
// rule catalogue, the rule warehouse and the rules loaded onto a target.
namespace korvant::cli {
namespace {

class RiskCommand : public Command {
public:
    RiskCommand(const std::string& verb, std::string help)
        : Command("risk " + verb, std::move(help)) {}
};

class KindsCommand : public RiskCommand {
public:
    using RiskCommand::RiskCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--category", category_, "只列出该类别对话框提供的种类");
    }
    // The catalogue is a local file: no server is asked.
    bool logsIn() const override { return false; }
    bool run(CliContext& context) override {
        const RuleCatalogue catalogue = readRuleCatalogue(context.desk());
        const std::vector<std::string> names = {"category", "kind", "template"};
        TablePage table(names, names);
        for (const RuleKind& k : catalogue.kinds())
            if (!category_ || dialogOffersKind(*category_, k.category, k.kind))
                table.add({int64_t{k.category}, int64_t{k.kind}, k.templateText});
        printRows(context, table);
        return true;
    }

private:
    std::optional<int32_t> category_;
};

class ListCommand : public RiskCommand {
public:
    using RiskCommand::RiskCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--category", category_, "树节点 (默认 -1, \"所有规则\")");
    }
    bool run(CliContext& context) override {
        WarehousePage& page = riskArea(context.desk()).page;
        page.node = category_;
        page.refresh(context.desk());
        printPage(context, page);
        return true;
    }

private:
    int32_t category_ = AllCategories;
};

// HHMM as typed for --from / --to, to the window's hour·10000 + minute·100.
bool windowTime(const std::optional<std::string>& text, int32_t& out) {
    if (!text) return true;
    const std::optional<int64_t> value = readInteger(*text);
    if (!value || *value < 0 || *value > 2359 || *value % 100 > 59) return false;
    out = static_cast<int32_t>(*value * 100);
    return true;
}

// `risk add` and `risk modify`: the rule's dialog filled from the options.
// When modifying, options left out keep the rule's values.
class EditCommand : public RiskCommand {
public:
    EditCommand(bool adding, std::string help)
        : RiskCommand(adding ? "add" : "modify", std::move(help)), adding_(adding) {}
    void addOptions(CLI::App& app) override {
        if (adding_) {
            app.add_option("--category", category_, "规则类别 1-15")->required();
            app.add_option("--kind", kind_, "规则目录中的种类 (类别 2: 不给出)");
            app.add_option("--level", level_, "账号层级: 0 子账号和组, 1 主账号");
        } else {
            app.add_option("--id", id_, "规则序号 (\"序号\")")->required();
        }
        auto* products =
            app.add_option("--products", products_, "品种代码, 以逗号分隔")->delimiter(',');
        app.add_option("--exchanges", exchanges_, "SHFE,DCE,CZCE,CFFEX, 以逗号分隔")
            ->delimiter(',')
            ->excludes(products);
        for (int i = 0; i < 6; ++i)
            app.add_option("--param" + std::to_string(i + 1),
                           parameters_[static_cast<std::size_t>(i)],
                           "\"参数" + std::to_string(i + 1) + "\", 按输入原样");
        app.add_option("--from", from_, "时段开始 HHMM (\"起始时间\"; 0000 与 0000: 全天)");
        app.add_option("--to", to_, "时段结束 HHMM");
        app.add_flag("--forbid-open", forbidOpen_, "勾选 \"禁止开仓\"");
        app.add_flag("--forbid-close", forbidClose_, "勾选 \"禁止平仓\"");
        if (!adding_) {
            app.add_flag("--allow-open", allowOpen_, "取消勾选 \"禁止开仓\"");
            app.add_flag("--allow-close", allowClose_, "取消勾选 \"禁止平仓\"");
        }
        app.add_option("--notify-minutes", notifyMinutes_, "\"每 N 分钟发送风险通知\" (0: 不发送)");
        app.add_option("--force-close-percent", forcePercent_,
                       "\"强平所有持仓数量的 N%\" (0: 不强平)");
        app.add_option("--name", name_, "\"名称(可不填)\": 代替摘要");
    }

    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        RiskRule rule;
        const RiskRule* existing = nullptr;
        if (!adding_) {
            // The options left out keep the rule's values: the rule is read
            // first (the operation checks it again).
            if (!warehouseRule(desk, id_, rule)) return refuseUnknownRule(desk, id_);
            existing = &rule;
            category_ = rule.category;
        } else if (category_ <= 0) {
            desk.port().info("请选择要添加的风控类别");
            return false;
        }
        std::optional<RiskRule> values = category_ == ProductCategory
                                             ? productRule(context, existing)
                                             : genericRule(context, existing);
        if (!values) return false;
        if (!adding_) return modifyRiskRule(desk, id_, *values);
        values->accountLevel = level_;
        const std::optional<int32_t> id = addRiskRule(desk, *values);
        if (!id) return false;
        context.out() << "id\t" << *id << '\n' << std::flush;
        return true;
    }

private:
    bool flag(bool set, bool clear, bool kept) const { return set ? true : clear ? false : kept; }

    std::optional<RiskRule> productRule(CliContext& context, const RiskRule* existing) {
        Desk& desk = context.desk();
        ProductRuleForm form = makeProductRuleForm(desk.reference(), existing);
        if (!exchanges_.empty()) {
            context.refuse("类别 2 (交易品种) 没有 --exchanges 选项");
            return std::nullopt;
        }
        if (!products_.empty()) form.selected = products_;
        if (!windowTime(from_, form.windowStart) || !windowTime(to_, form.windowEnd)) {
            context.refuse("--from 和 --to 应为 HHMM 形式的时间（0000 到 2359），如 0905");
            return std::nullopt;
        }
        if (name_) form.name = *name_;
        form.forbidOpen = flag(forbidOpen_, allowOpen_, form.forbidOpen);
        form.forbidClose = flag(forbidClose_, allowClose_, form.forbidClose);
        if (!knownProducts(context, form.exchanges)) return std::nullopt;
        if (!validateProductRuleForm(desk.port(), form)) return std::nullopt;
        return form.result;
    }

    std::optional<RiskRule> genericRule(CliContext& context, const RiskRule* existing) {
        Desk& desk = context.desk();
        GenericRuleForm form =
            makeGenericRuleForm(desk.reference(), readRuleCatalogue(desk), category_, existing);
        if (adding_) {
            form.selectedKind = -1;
            for (std::size_t i = 0; i < form.kinds.size(); ++i)
                if (form.kinds[i].kind == kind_) form.selectedKind = static_cast<int>(i);
            if (form.selectedKind < 0) {
                context.refuse("类别 " + std::to_string(category_) + " 中没有规则种类 " +
                               std::to_string(kind_) + " (见 risk kinds)");
                return std::nullopt;
            }
        }
        if (!products_.empty()) {
            if (!knownProducts(context, form.exchanges)) return std::nullopt;
            form.scope = productScopeOf(form.exchanges, products_);
        }
        if (!exchanges_.empty()) {
            ExchangePickerForm picker;
            const auto& captions = exchangeCodes();
            for (const std::string& code : exchanges_) {
                std::size_t i = 0;
                while (i < captions.size() && captions[i] != code) ++i;
                if (i == captions.size()) {
                    context.refuse("没有交易所 " + code);
                    return std::nullopt;
                }
                picker.ticked[i] = true;
            }
            validateExchangePicker(desk.port(), picker);
            form.scope = picker.scope;
        }
        for (std::size_t i = 0; i < 6; ++i)
            if (parameters_[i]) form.parameters[i] = *parameters_[i];
        if (!windowTime(from_, form.windowStart) || !windowTime(to_, form.windowEnd)) {
            context.refuse("--from 和 --to 应为 HHMM 形式的时间（0000 到 2359），如 0905");
            return std::nullopt;
        }
        form.forbidOpen = flag(forbidOpen_, allowOpen_, form.forbidOpen);
        form.forbidClose = flag(forbidClose_, allowClose_, form.forbidClose);
        if (notifyMinutes_) {
            form.notify = *notifyMinutes_ != 0;
            form.notifyMinutes = *notifyMinutes_;
        }
        if (forcePercent_) {
            form.forceClose = *forcePercent_ != 0;
            form.forceClosePercent = *forcePercent_;
        }
        if (name_) form.name = *name_;
        refreshKindTexts(form);
        if (!validateGenericRuleForm(desk.port(), form)) return std::nullopt;
        return form.result;
    }

    static const std::vector<std::string>& exchangeCodes() {
        static const std::vector<std::string> codes = {"SHFE", "DCE", "CZCE", "CFFEX"};
        return codes;
    }

    bool knownProducts(CliContext& context, const std::vector<ExchangeProducts>& exchanges) {
        for (const std::string& product : products_) {
            bool found = false;
            for (const ExchangeProducts& e : exchanges)
                for (const std::string& p : e.products) found = found || p == product;
            if (!found) {
                context.refuse("没有品种 " + product);
                return false;
            }
        }
        return true;
    }

    bool adding_;
    int32_t id_ = 0;
    int32_t category_ = 0;
    int32_t kind_ = 0;
    int32_t level_ = 0;
    std::vector<std::string> products_;
    std::vector<std::string> exchanges_;
    std::array<std::optional<std::string>, 6> parameters_;
    std::optional<std::string> from_, to_;
    bool forbidOpen_ = false, forbidClose_ = false, allowOpen_ = false, allowClose_ = false;
    std::optional<int32_t> notifyMinutes_, forcePercent_;
    std::optional<std::string> name_;
};

class DeleteCommand : public RiskCommand {
public:
    using RiskCommand::RiskCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--id", ids_, "规则序号 (\"序号\"); 多个时重复本选项或以逗号分隔")
            ->required()
            ->delimiter(',');
    }
    bool run(CliContext& context) override {
        const int deleted = deleteRulesAfterQuestion(context.desk(), RulePlace::Warehouse, ids_);
        return deleted == static_cast<int>(ids_.size());
    }

private:
    std::vector<int32_t> ids_;
};

// The commands on one target's loaded rules: they open the assignment as
// the dialog does, act, and close it (command 83).
class TargetCommand : public RiskCommand {
public:
    enum class Verb { Assigned, Load, Unload, Up, Down };
    TargetCommand(Verb verb, std::string name, std::string help)
        : RiskCommand(std::move(name), std::move(help)), verb_(verb) {}
    void addOptions(CLI::App& app) override {
        auto* sub = app.add_option("--sub", sub_, "子账号 (\"子账号\")");
        auto* main = app.add_option("--main", main_, "主账号 (\"主账号\")");
        auto* group = app.add_option("--group", group_, "组代码 (\"组\"), 如 0101");
        sub->excludes(main)->excludes(group);
        main->excludes(group);
        if (verb_ == Verb::Assigned) return;
        auto* ids = app.add_option("--id", ids_, "规则序号 (\"序号\")")->required();
        if (verb_ == Verb::Load || verb_ == Verb::Unload)
            ids->delimiter(',');
        else
            ids->expected(1);
    }
    bool run(CliContext& context) override {
        RuleAssignment assignment;
        if (sub_)
            assignment.target = {RuleTargetKind::SubAccount, *sub_};
        else if (main_)
            assignment.target = {RuleTargetKind::MainAccount, *main_};
        else if (group_)
            assignment.target = {RuleTargetKind::Group, *group_};
        else
            return context.refuse("请给出 --sub、--main 或 --group 之一");
        Desk& desk = context.desk();
        if (!readLoadedRules(desk, assignment.target, assignment.loaded)) return false;
        if (verb_ == Verb::Assigned) {
            print(context, assignment);
            return true;
        }
        const bool done = act(context, assignment);
        print(context, assignment);
        const bool finished = finishAssignment(desk, assignment.target);
        return done && finished;
    }

private:
    bool act(CliContext& context, RuleAssignment& assignment) {
        Desk& desk = context.desk();
        const auto count = static_cast<int>(ids_.size());
        switch (verb_) {
            case Verb::Load:
                return loadSelectedRules(desk, assignment, ids_) == count;
            case Verb::Unload:
                return unloadSelectedRules(desk, assignment, ids_) == count;
            case Verb::Up:
            case Verb::Down: {
                const bool up = verb_ == Verb::Up;
                const int32_t position = assignment.positionOf(ids_.front());
                // The desk does nothing here; the command line says why.
                if (position != 0 &&
                    position == (up ? 1 : static_cast<int32_t>(assignment.loaded.size()))) {
                    context.refuse("风控规则 " + std::to_string(ids_.front()) +
                                   (up ? " 已经在最前" : " 已经在最后"));
                    return false;
                }
                return moveSelectedRule(desk, assignment, ids_, up);
            }
            case Verb::Assigned:
                break;
        }
        return true;
    }

    static void print(CliContext& context, const RuleAssignment& assignment) {
        TablePage table({"序号", "名称"}, {"id", "summary"});
        for (const AssignedRule& entry : assignment.loaded)
            table.add({int64_t{entry.id}, entry.rule.summary});
        printRows(context, table);
    }

    Verb verb_;
    std::optional<std::string> sub_, main_, group_;
    std::vector<int32_t> ids_;
};

}  // namespace

void addRiskCommands(CommandList& commands) {
    using V = TargetCommand::Verb;
    commands.push_back(
        std::make_unique<KindsCommand>("kinds", "riskdetail.ini 中的规则种类: 类别, 种类, 模板"));
    commands.push_back(
        std::make_unique<ListCommand>("list", "某类别的规则库 (\"风控仓库\"): 序号, 名称, 备注"));
    commands.push_back(
        std::make_unique<EditCommand>(true, "向规则库添加规则 (使用该类别对话框的检查)"));
    commands.push_back(
        std::make_unique<EditCommand>(false, "修改规则库中的规则 (未给出的选项保持不变)"));
    commands.push_back(
        std::make_unique<DeleteCommand>("delete", "询问后删除规则 (--yes); 遇到第一次拒绝即停止"));
    commands.push_back(std::make_unique<TargetCommand>(V::Assigned, "assigned",
                                                       "加载到子账号、主账号或组上的规则"));
    commands.push_back(std::make_unique<TargetCommand>(V::Load, "load",
                                                       "把规则库中的规则加载到目标规则列表的末尾"));
    commands.push_back(
        std::make_unique<TargetCommand>(V::Unload, "unload", "询问后从目标卸载规则 (--yes)"));
    commands.push_back(std::make_unique<TargetCommand>(V::Up, "up", "把已加载的规则上移一位"));
    commands.push_back(std::make_unique<TargetCommand>(V::Down, "down", "把已加载的规则下移一位"));
}

}  // namespace korvant::cli
