#include "cli/Command.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <string>

#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "app/pages/ReportPage.h"
#include "app/port/FrontEndPort.h"
#include "cli/CliContext.h"
#include "cli/CommandGates.h"
#include "cli/ExitStatus.h"
#include "cli/PageWriter.h"
#include "model/ListAnswer.h"
#include "model/PagedQuery.h"
#include "reports/ReportLoads.h"

namespace korvant::cli {

namespace {

// With --all: the pages after the one printed, each printed as it comes.
// The total is the one the first page announced (a list that shrinks on the
// way ends sooner; one that grows is not followed further). A page that is
// not listed, an answer for another page, or MaxQueryPages pages stop the
// list, and so does a page count or index that no list has (negative, or
// the index beyond the count): never a short list taken as complete.
bool printFurtherPages(CliContext& context, ReportPage& page, PageWriter& writer) {
    Desk& desk = context.desk();
    if (!validPageFields(page.cursor().total, page.cursor().last))
        return context.refuse(BadPacketText);
    int total = page.cursor().total;
    for (int index = 1; index < total; ++index) {
        // The cap of every paged read: ten times the largest real list.
        if (index == MaxQueryPages) return context.refuse(TooMuchDataText);
        // Stdout that takes nothing more ends the list (said once, at the
        // end of the command).
        if (!context.out().flush()) return false;
        if (!page.showPage(desk, index)) return false;
        if (!validPageFields(page.cursor().total, page.cursor().last))
            return context.refuse(BadPacketText);
        if (page.cursor().last != index)
            return context.refuse(
                textf("第 %d 页 (共 %d 页) 的回答是另一页, 列表不完整", index + 1, total));
        writer.writeRows(page);
        total = std::min(total, page.cursor().total);
    }
    return true;
}

// The view and the permission of the command, before it sends anything: a
// script may do no more than the desk offers the same administrator.
bool permitted(const Command& command, CliContext& context) {
    const std::optional<CommandGate> gate = commandGate(command.name());
    Desk& desk = context.desk();
    if (!gate) {
        context.port().error("命令 " + command.name() + " 没有登记所需的权限, 未执行。");
        return false;
    }
    // The operation's own refusal first: where its bit is also the view's,
    // it says more.
    if (gate->operation && !korvant::gate(desk, *gate->operation)) return false;
    return gate->view == ViewKind::None || gateView(desk, gate->view);
}

}  // namespace

bool outputWritten(CliContext& context) {
    if (context.out().flush()) return true;
    context.port().error(StdoutFailedText);
    return false;
}

void Command::printPage(CliContext& context, ReportPage& page) {
    PageWriter& writer = context.pageWriter();
    if (context.options.all && page.cursor().last > 0 && !page.showPage(context.desk(), 0)) {
        context.listFailed = true;
        return;
    }
    writer.writeHeader(page);
    writer.writeRows(page);
    if (context.options.all && !printFurtherPages(context, page, writer)) context.listFailed = true;
    if (!context.options.quiet) context.err() << page.pageLabel() << '\n' << std::flush;
}

void Command::printRows(CliContext& context, const ReportPage& page) {
    PageWriter& writer = context.pageWriter();
    writer.writeHeader(page);
    writer.writeRows(page);
}

std::optional<std::string> tableFilePath(CliContext& context, const std::string& path) {
    if (context.options.format != OutputFormat::Xlsx) return path;
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return path + ".xlsx";
    std::string ending = name.substr(dot);
    for (char& c : ending) c = static_cast<char>(c | 0x20);
    if (ending == ".xlsx") return path;
    context.err() << "--format xlsx 与文件名 " << path << " 不符: 请用 .xlsx 结尾的文件名\n";
    return std::nullopt;
}

int runCommand(Command& command, CliContext& context) {
    try {
        if (context.options.format == OutputFormat::Xlsx && !command.writesTables()) {
            context.err()
                << "--format xlsx 只用于导出文件的命令 (--export, --file, statement --save)\n";
            return ExitUsage;
        }
        if (!command.checkUsage(context)) return ExitUsage;
        if (command.logsIn()) {
            const int loggedIn = context.login();
            if (loggedIn != ExitDone) return loggedIn;
            if (!permitted(command, context)) return ExitFailed;
        }
        const bool done = command.run(context);
        context.pageWriter().finish();
        // Output that did not reach stdout (a full disk, a closed pipe) is
        // not done either.
        if (!outputWritten(context)) return ExitFailed;
        // An error box means something asked for was not done, even where
        // the desk goes on after it.
        return done && !context.listFailed && context.port().errorCount() == 0 ? ExitDone
                                                                               : ExitFailed;
    } catch (const ProgramEnd&) {
        context.pageWriter().finish();
        return ExitEnded;
    }
}

void Command::addPageOption(CLI::App& app, int& page) {
    app.add_option("--page", page, "页码, 从 1 起 (默认 1)")->check(CLI::PositiveNumber);
}

}  // namespace korvant::cli
