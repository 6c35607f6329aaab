#include "reports/money/FundsHistory.h"

#include "app/desk/Desk.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/forms/DateCheck.h"
#include "model/ListAnswer.h"
#include "protocol/CommandCode.h"
#include "reports/money/MoneyRequests.h"
#include "text/CalendarDate.h"

namespace korvant {

bool readFundsHistory(Desk& desk, FundsHistory& history) {
    FrontEndPort& port = desk.port();
    history.rows.clear();
    history.complete = false;
    if (history.account.empty()) {
        port.info("请输入客户号");
        return false;
    }
    if (!checkCalendarDates(port, {{"起始日期", history.startDate}, {"结束日期", history.endDate}}))
        return false;
    if (history.endDate < history.startDate) {
        port.info("起始时间不能晚于结束时间");
        return false;
    }
    std::vector<int32_t> days;
    for (int32_t day = history.startDate; day != 0 && day <= history.endDate;
         day = nextCalendarDate(day)) {
        if (days.size() >= MaxFundsHistoryDays) {
            port.info("日期范围不能超过 366 天");
            return false;
        }
        days.push_back(day);
    }

    PagedQuery query;
    query.command = cmd::FundsReport;
    query.recordSize = FundsRow::WireSize;
    query.loop = PageLoop::KnownPages;
    query.knownPages = static_cast<int>(days.size());
    query.requestPage = [&](int page) {
        FundsQuery ask;
        ask.day = days[static_cast<std::size_t>(page)];
        ask.targetText = history.account;
        ask.targetId = -1;
        return writeFundsQuery(ask);
    };
    query.parsePage = [&](const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, FundsRow::WireSize);
        for (int i = 0; i < page.count; ++i) {
            FundsRow row =
                FundsRow::fromWire(page.records + static_cast<std::size_t>(i) * FundsRow::WireSize);
            if (row.account == history.account) history.rows.push_back(std::move(row));
        }
    };
    PagedQueryTexts texts;
    texts.progress = "读取资金走势";
    history.complete = runDeskPagedQuery(desk, std::move(query), texts);
    return !history.rows.empty();
}

}  // namespace korvant
