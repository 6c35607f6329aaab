#include "reports/ReportsPages.h"

#include "app/desk/Desk.h"

namespace korvant {

ReportsPages& reportsPages(Desk& desk) {
    return keptState(desk.states().reports);
}

}  // namespace korvant
