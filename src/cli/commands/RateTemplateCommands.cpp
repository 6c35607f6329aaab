#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <ostream>

#include "app/actions/ActionDispatcher.h"
#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/TablePage.h"
#include "cli/Tsv.h"
#include "cli/commands/AccountSelection.h"
#include "cli/commands/Commands.h"
#include "templates/TemplateForms.h"
#include "templates/TemplateKind.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateTree.h"
#include "text/NumberText.h"

// The verbs of `fee` and `margin` (list, rates, set, add, rename, delete,
// export, import) and `subaccount fee|margin`: the same commands for both
// kinds of rate template, told apart by the kind's data.
namespace korvant::cli {
namespace {

// The option of each rate value, in the kind's order.
const std::vector<std::string>& valueOptions(const TemplateKind& kind) {
    static const std::vector<std::string> fee = {"--open-rate",        "--open-fee",
                                                 "--close-rate",       "--close-fee",
                                                 "--close-today-rate", "--close-today-fee"};
    static const std::vector<std::string> margin = {
        "--speculation-long-rate", "--speculation-long",     "--speculation-short-rate",
        "--speculation-short",     "--hedge-long-rate",      "--hedge-long",
        "--hedge-short-rate",      "--hedge-short",          "--arbitrage-long-rate",
        "--arbitrage-long",        "--arbitrage-short-rate", "--arbitrage-short"};
    return kind.id == RateKind::Fee ? fee : margin;
}

std::string noun(const TemplateKind& kind) {
    return kind.id == RateKind::Fee ? "fee" : "margin";
}

// The kind as the desk names it in its messages.
std::string kindName(const TemplateKind& kind) {
    return kind.id == RateKind::Fee ? "手续费率模板" : "保证金率模板";
}

// Whether the template is one of the kind's cached templates ("没有手续费率模板
// N" otherwise).
bool knownTemplate(CliContext& context, const TemplateKind& kind, int32_t id) {
    if (cachedTemplate(context.desk().reference(), kind, id) != nullptr) return true;
    return context.refuse("没有" + kindName(kind) + " " + std::to_string(id));
}

// The node of a template in the kind's tree ("没有手续费率模板 N" when the
// tree has none).
std::optional<ChosenNode> templateNode(CliContext& context, const TemplateKind& kind, int32_t id) {
    Desk& desk = context.desk();
    const TemplateNode tree = buildTemplateTree(desk.reference(), kind);
    const RateTemplate* t = cachedTemplate(desk.reference(), kind, id);
    const TemplateNode* node = t != nullptr ? findTemplateNode(tree, t->groupCode, id) : nullptr;
    if (node == nullptr) {
        context.refuse("没有" + kindName(kind) + " " + std::to_string(id));
        return std::nullopt;
    }
    return ChosenNode{node->type, node->groupCode, node->templateId};
}

// Whether the kind's tree has the node of a first-level group of this code
// ("没有一级组 CODE" otherwise).
bool knownGroupNode(CliContext& context, const TemplateKind& kind, const std::string& code) {
    const TemplateNode tree = buildTemplateTree(context.desk().reference(), kind);
    const TemplateNode* node = findTemplateNode(tree, code, 0);
    if (node == nullptr || node->type != TemplateNodeType::Group)
        return context.refuse("没有一级组 " + code);
    return true;
}

class KindCommand : public Command {
public:
    KindCommand(const TemplateKind& kind, const std::string& verb, std::string help)
        : Command(noun(kind) + " " + verb, std::move(help)), kind_(kind) {}

protected:
    const TemplateKind& kind_;
};

class ListCommand : public KindCommand {
public:
    using KindCommand::KindCommand;
    bool run(CliContext& context) override {
        const std::vector<std::string> names = {"id", "name", "groupCode"};
        TablePage table(names, names);
        // As the desk's tree lists them: by group, without the templates of
        // no first-level group.
        const TemplateNode tree = buildTemplateTree(context.desk().reference(), kind_);
        for (const TemplateNode& group : tree.children)
            for (const TemplateNode& t : group.children)
                table.add({int64_t{t.templateId}, t.text, t.groupCode});
        printRows(context, table);
        return true;
    }
};

class RatesCommand : public KindCommand {
public:
    using KindCommand::KindCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--template", id_, "模板 id (0: 没有费率的合约)")->required();
        addPageOption(app, page_);
    }
    bool run(CliContext& context) override {
        Desk& desk = context.desk();
        if (id_ != 0 && !knownTemplate(context, kind_, id_)) return false;
        if (page_ > contractPageCount(desk.reference().varieties.count()))
            return context.refuse("没有第 " + std::to_string(page_) + " 页");
        RatePage page(kind_);
        page.choose(desk, id_, page_ - 1);
        if (!page.read()) return false;
        printPage(context, page);
        return true;
    }

private:
    int32_t id_ = 0;
    int page_ = 1;
};

class SetCommand : public KindCommand {
public:
    SetCommand(const TemplateKind& kind, std::string verb, std::string help)
        : KindCommand(kind, std::move(verb), std::move(help)), values_(kind.values.size()) {}
    void addOptions(CLI::App& app) override {
        app.add_option("--template", id_, "模板 id")->required();
        app.add_option("--contract", contract_, "合约代码 (\"合约\")")->required();
        app.add_flag("--all-months", allMonths_, "\"应用到该品种所有月份\"");
        const auto& options = valueOptions(kind_);
        for (std::size_t i = 0; i < options.size(); ++i) {
            std::string label = kind_.values[i].label;
            if (!label.empty() && label.back() == ':') label.pop_back();
            app.add_option(options[i], values_[i], "\"" + label + "\" (不给出: 不变)");
        }
        if (kind_.hasDiscount)
            app.add_option("--close-today-discount", discount_,
                           "\"平今优惠方式\": 0 \"按系统设置\", 1 \"不优惠\"")
                ->check(CLI::Range(0, 1));
        app.add_option("--collection", collection_, "\"收取方式\": 0 相对, 1 绝对 (\"绝对收取\")")
            ->check(CLI::Range(0, 1));
    }
    bool run(CliContext& context) override {
        if (!knownTemplate(context, kind_, id_)) return false;
        Desk& desk = context.desk();
        const auto& contracts = desk.reference().varieties.records;
        auto it =
            std::find_if(contracts.begin(), contracts.end(),
                         [this](const ContractVariety& c) { return c.contractCode == contract_; });
        if (it == contracts.end()) return context.refuse("没有合约 " + contract_);
        const int index = static_cast<int>(it - contracts.begin());
        // The values left out keep what the server holds now.
        std::optional<RateForm> form = currentRates(desk, kind_, id_, index);
        if (!form) return false;
        for (std::size_t i = 0; i < values_.size() && i < form->values.size(); ++i)
            if (values_[i]) form->values[i] = *values_[i];
        if (discount_) form->noDiscount = *discount_ == 1;
        if (collection_) form->absolute = *collection_ == 1;
        form->allMonths = allMonths_;
        if (!validateRateForm(context.port(), *form)) return false;
        const int expected =
            allMonths_ ? static_cast<int>(sameProductContracts(contracts, index).size()) : 1;
        return applyRates(desk, kind_, id_, index, form->row(), allMonths_) == expected;
    }

private:
    int32_t id_ = 0;
    std::string contract_;
    bool allMonths_ = false;
    std::vector<std::optional<std::string>> values_;
    std::optional<int> discount_;
    std::optional<int> collection_;
};

// A command on one template: --template, a template of the tree.
class OneTemplateCommand : public KindCommand {
public:
    using KindCommand::KindCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--template", id_, "模板 id")->required();
    }

protected:
    std::optional<ChosenNode> node(CliContext& context) const {
        return templateNode(context, kind_, id_);
    }

    int32_t id_ = 0;
};

// A command on the templates of a first-level group: --group, the code of
// a group of the tree.
class GroupTemplatesCommand : public KindCommand {
public:
    using KindCommand::KindCommand;
    void addOptions(CLI::App& app) override {
        app.add_option("--group", group_, "一级组的代码 (两个字符)")->required();
    }

protected:
    bool knownGroup(CliContext& context) const { return knownGroupNode(context, kind_, group_); }

    std::string group_;
};

class AddCommand : public GroupTemplatesCommand {
public:
    using GroupTemplatesCommand::GroupTemplatesCommand;
    void addOptions(CLI::App& app) override {
        GroupTemplatesCommand::addOptions(app);
        app.add_option("--name", name_, "模板名称 (\"名称\", 最多 63 字节)")->required();
    }
    bool run(CliContext& context) override {
        if (!knownGroup(context)) return false;
        TemplateNameForm form;
        form.name = name_;
        return addTemplate(context.desk(), kind_, group_, form.typedName());
    }

private:
    std::string name_;
};

class RenameCommand : public OneTemplateCommand {
public:
    using OneTemplateCommand::OneTemplateCommand;
    void addOptions(CLI::App& app) override {
        OneTemplateCommand::addOptions(app);
        app.add_option("--name", name_, "新名称 (\"名称\", 最多 63 字节)")->required();
    }
    bool run(CliContext& context) override {
        const std::optional<ChosenNode> chosen = node(context);
        if (!chosen) return false;
        TemplateNameForm form;
        form.name = name_;
        return renameTemplate(context.desk(), kind_, *chosen, form.typedName());
    }

private:
    std::string name_;
};

class DeleteCommand : public OneTemplateCommand {
public:
    using OneTemplateCommand::OneTemplateCommand;
    bool run(CliContext& context) override {
        return node(context) && deleteTemplate(context.desk(), kind_, id_);
    }
};

class ExportCommand : public OneTemplateCommand {
public:
    using OneTemplateCommand::OneTemplateCommand;
    void addOptions(CLI::App& app) override {
        OneTemplateCommand::addOptions(app);
        app.add_option("--file", file_,
                       "要写入的 CSV 文件 (缺少扩展名时加 \".csv\"); 文件名以 \".xlsx\" 结尾或使用 "
                       "--format xlsx 时为 Excel 工作簿")
            ->required();
    }
    bool writesTables() const override { return true; }
    bool run(CliContext& context) override {
        const std::optional<std::string> file = tableFilePath(context, file_);
        if (!file || !node(context)) return false;
        return exportTemplate(context.desk(), kind_, id_, *file);
    }

private:
    std::string file_;
};

class ImportCommand : public GroupTemplatesCommand {
public:
    using GroupTemplatesCommand::GroupTemplatesCommand;
    void addOptions(CLI::App& app) override {
        GroupTemplatesCommand::addOptions(app);
        app.add_option("--file", file_, "要读取的 CSV 文件; 文件名即模板名")->required();
    }
    bool run(CliContext& context) override {
        if (!knownGroup(context)) return false;
        return importTemplate(context.desk(), kind_, group_, file_);
    }

private:
    std::string file_;
};

// `subaccount fee|margin`: the template picker of the sub-account list.
class AssignCommand : public Command {
public:
    explicit AssignCommand(const TemplateKind& kind)
        : Command("subaccount " + noun(kind), std::string("给子账号加载模板 (\"") +
                                                  kind.assign.assignCaption +
                                                  "\"); 不给出 --template: \"不使用模版\""),
          kind_(kind) {}
    void addOptions(CLI::App& app) override {
        target_.add(app, "列出该子账号的组的 id", "子账号 (\"子账号\")");
        app.add_option("--template", template_, "该组所属一级组的模板中的模板名称");
    }
    bool run(CliContext& context) override {
        const std::optional<Group> group = target_.findGroup(context);
        if (!group || !findSubAccounts(context, *group, {target_.account})) return false;
        Desk& desk = context.desk();
        TemplatePickerForm form = templateChoices(desk, kind_, group->groupCode);
        if (!template_.empty()) {
            auto it = std::find(form.entries.begin() + 1, form.entries.end(), template_);
            if (it == form.entries.end())
                return context.refuse("组 " + std::to_string(target_.group) + " 没有可选的" +
                                      kindName(kind_) + " " + template_);
            form.choice = static_cast<int>(it - form.entries.begin());
        }
        return assignTemplate(desk, kind_, target_.account, form.chosenName());
    }

private:
    const TemplateKind& kind_;
    AccountTarget target_;
    std::string template_;
};

}  // namespace

void addRateTemplateCommands(CommandList& commands, const TemplateKind& kind) {
    const std::string word = kind.id == RateKind::Fee ? "手续费率" : "保证金率";
    commands.push_back(std::make_unique<ListCommand>(kind, "list", "列出" + word + "模板"));
    commands.push_back(std::make_unique<RatesCommand>(
        kind, "rates",
        "输出模板费率的一页 (\"" + std::string(kind.rates.dialogCaption) + "\" 列表)"));
    commands.push_back(std::make_unique<SetCommand>(
        kind, "set", "设置合约的费率 (\"" + std::string(kind.rates.dialogCaption) + "\" 对话框)"));
    commands.push_back(std::make_unique<AddCommand>(kind, "add", "在组中添加" + word + "模板"));
    commands.push_back(std::make_unique<RenameCommand>(kind, "rename", "重命名模板"));
    commands.push_back(
        std::make_unique<DeleteCommand>(kind, "delete", "删除模板 (会询问; --yes 回答)"));
    commands.push_back(std::make_unique<ExportCommand>(
        kind, "export", "把模板的费率写为 CSV (\"" + std::string(kind.csv.exportCaption) + "\")"));
    commands.push_back(std::make_unique<ImportCommand>(kind, "import",
                                                       "从 CSV 文件创建模板 (\"" +
                                                           std::string(kind.csv.importCaption) +
                                                           "\"; 会询问, --yes 回答)"));
    commands.push_back(std::make_unique<AssignCommand>(kind));
}

}  // namespace korvant::cli
