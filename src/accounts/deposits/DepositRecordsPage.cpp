#include "accounts/deposits/DepositRecordsPage.h"

#include "accounts/deposits/DepositRecordsCsv.h"
#include "accounts/deposits/DepositRequests.h"
#include "app/ActionDispatcher.h"
#include "app/Desk.h"
#include "app/Exchange.h"
#include "local/WholeFile.h"
#include "model/ListAnswer.h"
#include "protocol/Packet.h"

namespace korvant {

namespace {

// More pages than any server holds: the export loop stops here at the latest.
constexpr int MaxExportPages = 100000;

// One command-47 exchange. Returns the list page of the answer in `plain`
// (inflated when it came compressed), or false for another answer.
bool fetchPage(Desk& desk, const DepositRecordsQuery& query, std::vector<uint8_t>& plain,
               ListPage& page) {
    std::vector<uint8_t> buffer(PacketBufferSize, 0);
    int length = writeDepositRecordsQuery(query, buffer.data(), static_cast<int>(buffer.size()));
    int received =
        exchange(desk, buffer.data(), length, buffer, ExchangeTexts::query(" 组包出错!!"));
    if (received <= 0) return false;
    // A refusal shows the server's text through its handler; any other
    // answer is not a page of records.
    PacketHeader header = PacketHeader::read(buffer.data());
    bool decoded = decodeAnswer(desk.router(), buffer.data(), received) == 0;
    if (!decoded || (header.command != DepositRecordsCommand && header.command != 0))
        desk.port().error("  错误的数据包, 无法解析 !  ");
    if (!decoded || header.command != DepositRecordsCommand) return false;
    if (header.flag == FlagCompressed) {
        plain.assign(WorkCopySize, 0);
        int size =
            inflatePacket(buffer.data(), received, plain.data(), static_cast<int>(plain.size()));
        if (size <= 0) return false;
        plain.resize(static_cast<std::size_t>(size));
    } else {
        plain.assign(buffer.begin(), buffer.begin() + received);
    }
    page = parseListPage(plain.data(), static_cast<int>(plain.size()), DepositRecord::WireSize);
    return true;
}

}  // namespace

const std::array<const char*, 9>& depositRecordCaptions() {
    static const std::array<const char*, 9> captions = {
        "客户号", "交易日期", "日期", "时间", "入金", "出金", "操作员", "流水号", "备注"};
    return captions;
}

std::vector<std::string> depositRecordCells(const DepositRecord& record) {
    return {std::to_string(record.customer),
            std::to_string(record.tradeDate),
            std::to_string(record.date),
            record.time,
            record.depositText(),
            record.withdrawalText(),
            record.operatorName,
            std::to_string(record.serial),
            record.remark};
}

bool searchDepositRecords(Desk& desk, DepositRecordsPage& page) {
    if (!page.customer.empty()) {
        if (page.selectReportNode) page.selectReportNode(page.customer);
        page.accountId = -1;
    }
    return queryDepositRecords(desk, page, 0);
}

bool queryDepositRecords(Desk& desk, DepositRecordsPage& page, int pageIndex) {
    if (page.startDate > page.endDate) {
        desk.port().info("起始时间不能晚于结束时间");
        return false;
    }
    DepositRecordsQuery query;
    query.startDate = page.startDate;
    query.endDate = page.endDate;
    query.customer = page.customer;
    query.accountId = page.accountId;
    query.page = pageIndex;
    std::vector<uint8_t> plain;
    ListPage list{};
    if (!fetchPage(desk, query, plain, list)) return false;
    page.records.replace(list);
    desk.dispatcher().send(ActionCode::DepositRecordsPageLabel);
    return true;
}

bool loadAllDepositRecords(Desk& desk, const DepositRecordsQuery& query,
                           std::vector<DepositRecord>& out) {
    DepositRecordsQuery next = query;
    for (int page = 0; page < MaxExportPages; ++page) {
        next.page = page;
        std::vector<uint8_t> plain;
        ListPage list{};
        if (!fetchPage(desk, next, plain, list)) return false;
        for (int i = 0; i < list.count; ++i)
            out.push_back(DepositRecord::fromWire(list.records + static_cast<std::size_t>(i) *
                                                                     DepositRecord::WireSize));
        if (page >= list.total - 1) break;
    }
    return true;
}

bool exportDepositRecords(Desk& desk, const DepositRecordsPage& page) {
    FrontEndPort& port = desk.port();
    DepositExportForm form;
    form.startDate = page.startDate;
    form.endDate = page.endDate;
    if (!port.editForm(form, [](Form&) { return true; })) return false;

    DepositRecordsQuery query;
    query.startDate = form.startDate;
    query.endDate = form.endDate;
    query.customer = page.customer;
    query.accountId = page.accountId;
    std::vector<DepositRecord> records;
    if (!loadAllDepositRecords(desk, query, records)) return false;

    std::string error;
    if (!writeWholeFile(form.path, depositCsvBytes(records, form.startDate, form.endDate),
                        &error)) {
        port.error("文件保存失败：" + form.path + "\n" + error);
        return false;
    }
    port.info("数据保存成功，保存文件为：" + form.path);
    return true;
}

}  // namespace korvant
