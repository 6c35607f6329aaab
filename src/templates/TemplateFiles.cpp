#include <algorithm>
#include <optional>
#include <string>

#include "app/desk/Desk.h"
#include "app/exchange/Change.h"
#include "app/exchange/DeskPagedQuery.h"
#include "app/forms/ReplaceQuestion.h"
#include "app/forms/SaveTarget.h"
#include "app/session/Permissions.h"
#include "app/session/ReferenceReload.h"
#include "local/TableFile.h"
#include "local/UserFile.h"
#include "protocol/AnswerRouter.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"
#include "templates/RatePage.h"
#include "templates/TemplateCsv.h"
#include "templates/TemplateOperations.h"
#include "templates/TemplateRequests.h"

// Export and import of a template as a CSV file.
namespace korvant {
namespace {

// Names tried for an imported template before the import gives up: the
// name itself, then "name-1", "name-2" … while the server says "已存在".
constexpr int MaxImportCandidates = 1000;

// The largest file an import reads: a template of every contract is a few
// hundred kilobytes.
constexpr std::size_t MaxImportBytes = std::size_t{16} << 20;

// Long lines reported one by one before the count says the rest.
constexpr int MaxLongLineWarnings = 10;

// The id of a new template: the decimal number of the acknowledgement's
// text; 0 when the text holds none.
int32_t idOfText(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    int64_t value = 0;
    bool digits = false;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        digits = true;
        value = value * 10 + (text[i] - '0');
        if (value > 0x7FFFFFFF) return 0;
    }
    return digits ? static_cast<int32_t>(value) : 0;
}

enum class Creation { Created, Exists, Stopped };

// One attempt to create the imported template under `candidate`.
Creation tryCreate(Desk& desk, const TemplateKind& kind, const std::string& candidate,
                   const std::string& groupCode, int32_t& newId, std::string& serverText) {
    Creation creation = Creation::Stopped;
    ChangeSpec spec;
    spec.build = [&](std::span<uint8_t> buffer) {
        return writeAddTemplateRequest(kind, candidate, groupCode, buffer);
    };
    spec.exchange = ExchangeTexts::operation("   组包出错! ");
    spec.exchange.checkSend = false;
    spec.exchange.receiveFailed = {"与服务器的联接断开了!", "提示", MessageIcon::Error};
    spec.judgement = Judgement::Custom;
    spec.ack.writeRows = false;
    spec.ack.parseFailed = "添加失败，服务器返回数据有误。";
    spec.judge = [&](Desk& d, std::span<const uint8_t> answer) {
        const int length = static_cast<int>(answer.size());
        const std::string wrongData = "添加失败，服务器返回数据有误。";
        if (!ResultPacket::isResult(answer.data(), length)) {
            d.port().error(wrongData);
            return AckResult::NotAcknowledged;
        }
        const ResultPacket result = ResultPacket::parse(answer.data(), length);
        serverText = result.text;
        if (result.status == 0) {
            newId = idOfText(result.text);
            // Rates are never sent for a template the answer does not name.
            if (newId <= 0) {
                d.port().error(wrongData);
                return AckResult::ParseFailed;
            }
            creation = Creation::Created;
            return AckResult::Success;
        }
        if (result.text.find("已存在") != std::string::npos) {
            creation = Creation::Exists;
        } else {
            d.port().error(result.text);
        }
        return AckResult::Refused;
    };
    spec.requery = Requery::Never;
    runChange(desk, spec);
    return creation;
}

}  // namespace

namespace {

// The most bytes an export writes (several times a template of every
// contract a server lists).
constexpr int64_t MaxTemplateExportBytes = int64_t{1} << 30;

}  // namespace

bool exportTemplate(Desk& desk, const TemplateKind& kind, int32_t templateId,
                    const std::string& path) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, kind.gates.exportOperation)) return false;
    if (templateId == 0 || cachedTemplate(desk.reference(), kind, templateId) == nullptr)
        return false;
    const std::string target = withExportExtension(path);
    if (!checkSaveTarget(port, target)) return false;
    if (!mayReplaceFile(port, target)) return false;

    // The file is put in place only when it is complete: an export that
    // stops part-way leaves no half-written file behind. The pages are those of the
    // contract list (a count that is a multiple of 100 asks for one more,
    // empty page); a stopped export asks for nothing more and writes no file.
    const int count = desk.reference().varieties.count();
    const int pages = count / RatePageRows + 1;
    const auto step = [&](int p) {
        return port.progressStep(textf("%s %d/%d", kind.csv.exportCaption, p + 1, pages), p + 1,
                                 pages);
    };
    if (!step(0)) {
        port.hideProgress();
        return false;
    }
    // The contracts as they are now: an answer routed during the export
    // cannot change the list under it.
    const std::vector<ContractVariety> contracts(desk.reference().varieties.records.begin(),
                                                 desk.reference().varieties.records.end());
    const int listed = std::min(count, static_cast<int>(contracts.size()));
    // Each page's rows are written while the server builds the next page.
    const std::unique_ptr<TableFile> file = openTableFile(target, templateLayout(kind));
    if (!file->ok()) {
        port.hideProgress();
        port.error("  写文件失败。");
        return false;
    }
    int page = 0;
    std::vector<RateRow> rows;
    bool stopped = false;

    PagedQuery query;
    query.command = kind.wire.pageCommand;
    query.recordSize = kind.wire.rowSize;
    query.loop = PageLoop::KnownPages;
    query.knownPages = pages;
    query.writeRequest = [&](int p, uint8_t* buffer, int capacity) {
        return writeRatePageRequest(kind, templateId, p,
                                    std::span<uint8_t>(buffer, static_cast<std::size_t>(capacity)));
    };
    query.pageRead = [&](int read, int) {
        stopped = !step(read);
        return !stopped;
    };
    // A page with fewer rows than its contracts has no rates for the rest:
    // the file would show them as zero, so no file is written.
    query.acceptPage = [&](const uint8_t* packet, int length) {
        rows =
            readRatePage(kind, std::span<const uint8_t>(packet, static_cast<std::size_t>(length)));
        const int wanted = std::clamp(listed - page * RatePageRows, 0, RatePageRows);
        return static_cast<int>(rows.size()) >= wanted;
    };
    query.parsePage = [&](const uint8_t* packet, int length) {
        desk.router().route(packet, length);
        const int wanted = std::clamp(listed - page * RatePageRows, 0, RatePageRows);
        for (int i = 0; i < wanted; ++i)
            writeTemplateRow(*file, kind,
                             contracts[static_cast<std::size_t>(page * RatePageRows + i)],
                             rows[static_cast<std::size_t>(i)]);
        file->endPage(MaxTemplateExportBytes);
        ++page;
    };
    // A refusal shows the server's text, an answer that is no rate page
    // "  错误的数据包, 无法解析 !  ", a lost connection ends the program.
    if (!runDeskPagedQuery(desk, std::move(query))) {
        port.hideProgress();
        if (!stopped) port.error(kind.csv.exportFailed);
        return false;
    }
    port.hideProgress();
    if (!file->commit(true)) {
        port.error("  写文件失败。");
        return false;
    }
    port.info(kind.csv.exportDone);
    return true;
}

bool importTemplate(Desk& desk, const TemplateKind& kind, const std::string& groupCode,
                    const std::string& chosen) {
    FrontEndPort& port = desk.port();
    if (!gate(port, desk.session().permissionMask, kind.gates.importOperation)) return false;
    // The templates of a kind belong to the first-level groups.
    const auto& groups = desk.reference().groups.records;
    if (groupCode.size() != 2 || std::none_of(groups.begin(), groups.end(), [&](const Group& g) {
            return g.groupCode == groupCode;
        }))
        return false;
    const std::string path = withCsvExtension(chosen);

    // The whole file is read and checked before anything is sent: a file
    // that cannot be imported leaves no empty template behind.
    UserFile file = readUserFile(path, MaxImportBytes);
    if (file.outcome == UserFile::Outcome::TooLarge) {
        port.error(textf("文件 %s 超过 16 MB，未导入。", path.c_str()));
        return false;
    }
    if (!file.ok()) {
        port.error(textf("打开 %s 失败。", path.c_str()));
        return false;
    }
    const std::string gbk = importTextAsGbk(file.bytes);
    file.bytes = std::string();
    const TemplateCsvCount count = countTemplateCsv(kind, gbk);
    if (count.usable == 0) {
        port.error(textf("文件 %s 中没有可导入的行，未导入。", path.c_str()));
        return false;
    }
    if (!port.askYesNo(
            {textf(kind.csv.importQuestion, path.c_str()), "确认", MessageIcon::Question, true}))
        return false;

    const std::string name = templateNameFromPath(kind, path);
    std::string candidate;
    std::string serverText;
    int32_t templateId = 0;
    Creation creation = Creation::Exists;
    for (int n = 0; n < MaxImportCandidates && creation == Creation::Exists; ++n) {
        candidate = n == 0 ? name : textf("%s-%i", name.c_str(), n);
        creation = tryCreate(desk, kind, candidate, groupCode, templateId, serverText);
    }
    if (creation == Creation::Exists) port.error(serverText);
    if (creation != Creation::Created) return false;

    CsvLineReader reader(gbk);
    CsvFileLine line;
    reader.next(line);  // the header
    int imported = 0;
    int longLines = 0;
    int sent = 0;
    bool stopped = false;
    while (reader.next(line)) {
        if (csvLineBlank(line.bytes)) continue;
        // The user may stop between two lines (停止 in the progress window);
        // the lines after it are counted as not imported.
        if (stopped) continue;
        if (csvLineTooLong(line.bytes)) {
            if (++longLines <= MaxLongLineWarnings)
                port.warn(textf("第 %d 行超过 %d 字节，未导入。", line.number, MaxCsvLineBytes));
            continue;
        }
        const CsvRateLine parsed = parseTemplateCsvLine(kind, line.bytes);
        if (parsed.withoutRates) continue;
        ++sent;
        // Written without printf: one progress text a line.
        const std::string step = std::string(kind.csv.importCaption) + ' ' + std::to_string(sent) +
                                 '/' + std::to_string(count.usable);
        stopped = !port.progressStep(step, sent, count.usable);
        if (setRates(desk, kind, templateId, parsed.contract, parsed.exchange, parsed.row))
            ++imported;
    }
    port.hideProgress();
    reloadReferenceList(desk, kind.list);
    // Refused lines, lines too long to read and the lines after a stop were
    // not imported.
    const int notImported = count.usable - imported + count.tooLong;
    if (stopped) {
        port.warn(textf("导入已停止：模版 %s 已导入 %d 行，未导入 %d 行。模版中保留已导入的行。",
                        candidate.c_str(), imported, notImported));
        return false;
    }
    if (notImported > 0) {
        port.warn(
            textf("模版 %s 导入 %d 行，%d 行未导入。", candidate.c_str(), imported, notImported));
        return false;
    }
    port.info(textf("模版 %s 导入成功。 ", candidate.c_str()));
    return true;
}

}  // namespace korvant
