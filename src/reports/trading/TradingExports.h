#pragma once

#include "reports/export/ReportExport.h"
#include "reports/export/ReportExportForm.h"

// "导出" of " 委托记录 " and " 成交记录 ": every page of a date range for the
// page's target (commands 104 and 93, count and index), streamed into the
// CSV files "子账号,交易日,委托号,…" (GBK, CR LF).
namespace korvant {

class Desk;
class OrdersPage;
class TradesPage;

// The export of the page's target over the form's range; the page shows the
// export's last page afterwards.
ReportExport orderExport(Desk& desk, OrdersPage& page, const ReportExportForm& form);
ReportExport tradeExport(Desk& desk, TradesPage& page, const ReportExportForm& form);

// The operations with their form given (the command line) ...
ReportExportResult exportOrders(Desk& desk, OrdersPage& page, const ReportExportForm& form);
ReportExportResult exportTrades(Desk& desk, TradesPage& page, const ReportExportForm& form);
// ... and the desk's "导出": the dialog (both days the page's day), then the
// export. A typed account becomes the target first, as for "查询".
bool exportOrdersFromDesk(Desk& desk, OrdersPage& page);
bool exportTradesFromDesk(Desk& desk, TradesPage& page);

}  // namespace korvant
