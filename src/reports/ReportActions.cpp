#include "reports/ReportActions.h"

#include "app/Desk.h"

namespace korvant {

void registerReportActions(Desk&) {}

}  // namespace korvant
