#include "cli/AdministratorSelection.h"

#include <ostream>

#include "app/AccountLists.h"
#include "app/Desk.h"
#include "cli/CliContext.h"
#include "model/PagedQuery.h"

namespace korvant::cli {

std::optional<int> findAdministrator(CliContext& context, const std::string& account) {
    Desk& desk = context.desk();
    MainState& state = desk.mainState();
    state.filter.clearFields();
    state.filter.account = firstCharacters(account, 15);
    state.filter.flags = SearchFilter::AccountFlag;
    const RecordCache<Administrator>& cache = desk.accounts().administrators;
    for (int page = 0; page < MaxQueryPages; ++page) {
        showAccountList(desk, AccountList::Administrators, page);
        for (int row = 0; row < cache.count(); ++row) {
            if (cache.at(row).account == account) {
                state.selectedRows = {row};
                return row;
            }
        }
        if (cache.cursor.last != page || page >= cache.cursor.total - 1) break;
    }
    context.err() << "no administrator " << account << " in group " << state.group.id << '\n';
    return std::nullopt;
}

}  // namespace korvant::cli
