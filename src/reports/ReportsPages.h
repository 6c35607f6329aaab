#pragma once

#include "reports/money/FundsPage.h"
#include "reports/money/NetValuePage.h"
#include "reports/statements/StatementPage.h"
#include "reports/trading/TradingPages.h"

namespace korvant {

class Desk;

// The report pages of the desk's whole run, one of each.
struct ReportsPages {
    FundsPage funds;
    NetValuePage netValues;
    TradesPage trades;
    OrdersPage orders;
    PositionsPage positions;
    StatementPage statement;
};

// The desk's report pages, made on first use.
ReportsPages& reportsPages(Desk& desk);

}  // namespace korvant
