#include <CLI/CLI.hpp>

#include <optional>
#include <ostream>
#include <string>

#include "app/desk/Desk.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"
#include "cli/commands/Commands.h"
#include "reports/log/OperationLog.h"
#include "text/NumberText.h"

// `log`: one local page of the operation log ("日志管理") as TSV.
namespace korvant::cli {
namespace {

// "YYYY-MM-DD HH:MM:SS" (the seconds may be left out).
std::optional<LogDateTime> readDateTime(const std::string& text) {
    LogDateTime t;
    int* fields[] = {&t.year, &t.month, &t.day, &t.hour, &t.minute, &t.second};
    const char separators[] = {'-', '-', ' ', ':', ':'};
    std::size_t at = 0;
    for (int i = 0; i < 6; ++i) {
        std::size_t end = at;
        while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
        auto value = readInteger(text.substr(at, end - at));
        if (!value || *value < 0 || *value > 9999) return std::nullopt;
        *fields[i] = static_cast<int>(*value);
        at = end;
        if (at == text.size()) return i >= 4 ? std::optional<LogDateTime>(t) : std::nullopt;
        if (i == 5 || text[at] != separators[i]) return std::nullopt;
        ++at;
    }
    return std::nullopt;
}

class LogCommand : public Command {
public:
    using Command::Command;
    void addOptions(CLI::App& app) override {
        app.add_option("--from", from_, "起始时间 \"YYYY-MM-DD HH:MM:SS\" (\"从\"; 秒可省略)")
            ->required()
            ->type_name("'YYYY-MM-DD HH:MM[:SS]'");
        app.add_option("--to", to_, "截止时间 \"YYYY-MM-DD HH:MM:SS\" (\"到\")")
            ->required()
            ->type_name("'YYYY-MM-DD HH:MM[:SS]'");
        app.add_option("--admin", admin_, "管理员 (\"管理员:\")");
        app.add_option("--keyword", keyword_, "关键字 (\"关键字:\")");
        app.add_option(
            "--kinds", kinds_,
            "类别, 以逗号分隔: 组,子账号,管理员,风控规则,手续费,保证金,出入金,风控触发,修改持仓 "
            "(不给出: 全部)");
        addPageOption(app, page_);
    }
    bool checkUsage(CliContext& context) override {
        LogQuery& query = query_;
        auto from = readDateTime(from_);
        auto to = readDateTime(to_);
        if (!from || !to) {
            context.err() << "--from/--to: \"YYYY-MM-DD HH:MM:SS\" expected\n";
            return false;
        }
        query.from = *from;
        query.to = *to;
        query.administrator = admin_;
        query.keyword = keyword_;
        std::string kind;
        for (char c : kinds_ + ",") {
            if (c != ',') {
                kind += c;
                continue;
            }
            if (kind.empty()) continue;
            bool known = false;
            for (std::size_t i = 0; i < logCategories().size(); ++i)
                if (kind == logCategories()[i].caption) {
                    query.categories[i] = true;
                    known = true;
                }
            if (!known) {
                context.err() << "--kinds: 未知类别 " << kind << "\n";
                return false;
            }
            kind.clear();
        }

        return true;
    }
    bool run(CliContext& context) override {
        OperationLogPage page;
        page.query = query_;
        Desk& desk = context.desk();
        if (!page.search(desk)) return false;
        if (page_ > 1 && !page.showPage(desk, page_ - 1)) {
            context.refuse("没有第 " + std::to_string(page_) + " 页");
            return false;
        }
        printPage(context, page);
        return true;
    }

private:
    LogQuery query_;
    std::string from_;
    std::string to_;
    std::string admin_;
    std::string keyword_;
    std::string kinds_;
    int page_ = 1;
};

}  // namespace

void addLogCommand(CommandList& commands) {
    commands.push_back(
        std::make_unique<LogCommand>("log", "输出一段时间内操作日志 (\"日志管理\") 的一页"));
}

}  // namespace korvant::cli
