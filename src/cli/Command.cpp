#include "cli/Command.h"

#include <ostream>

#include "app/FrontEndPort.h"
#include "app/ReportPage.h"
#include "cli/CliContext.h"
#include "cli/ExitStatus.h"
#include "cli/Tsv.h"

namespace korvant::cli {

void Command::printPage(CliContext& context, const ReportPage& page) {
    std::vector<std::string> captions;
    for (const ReportColumn& column : page.columns()) captions.push_back(column.caption);
    writeTsvRow(context.out(), captions);
    for (int row = 0; row < page.rowCount(); ++row) writeTsvRow(context.out(), page.cells(row));
    context.out().flush();
    context.err() << page.pageLabel() << '\n' << std::flush;
}

int runCommand(Command& command, CliContext& context) {
    try {
        if (!command.checkUsage(context)) return ExitUsage;
        if (command.logsIn()) {
            const int loggedIn = context.login();
            if (loggedIn != ExitDone) return loggedIn;
        }
        const bool done = command.run(context);
        // An error box means something asked for was not done, even where
        // the desk goes on after it.
        return done && context.port().errorCount() == 0 ? ExitDone : ExitFailed;
    } catch (const ProgramEnd&) {
        return ExitEnded;
    }
}

}  // namespace korvant::cli
