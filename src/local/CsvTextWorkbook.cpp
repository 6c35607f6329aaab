#include "local/CsvTextWorkbook.h"

#include <algorithm>
#include <cerrno>
#include <map>
#include <vector>

#include "local/FileErrorText.h"
#include "local/StreamedFile.h"
#include "local/WorkbookParts.h"
#include "local/XmlText.h"
#include "local/ZipStream.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

// The digits a spreadsheet's number keeps exactly.
constexpr int MaxDigits = 15;
constexpr double NarrowestColumn = 8, WidestColumn = 50;

// The lines of a CSV text, cell by cell: "," between cells; a cell that
// starts with '"' is quoted up to the next lone '"' ("" stands for one),
// and may hold commas and line breaks; a line ends at CR LF, LF or a lone
// CR. Bytes after a closing quote up to the next "," belong to the cell.
class CsvCursor {
public:
    explicit CsvCursor(std::string_view text) : text_(text) {}

    // The next line's cells (GBK, unquoted) into `cells`; false at the end.
    bool nextLine(std::vector<std::string>& cells) {
        if (at_ >= text_.size()) return false;
        cells.clear();
        for (;;) {
            std::string& cell = cells.emplace_back();
            if (at_ < text_.size() && text_[at_] == '"') {
                ++at_;
                for (; at_ < text_.size(); ++at_) {
                    if (text_[at_] != '"') {
                        cell += text_[at_];
                    } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                        cell += '"';
                        ++at_;
                    } else {
                        ++at_;
                        break;
                    }
                }
            }
            const std::size_t end = text_.find_first_of(",\r\n", at_);
            const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
            cell.append(text_.substr(at_, stop - at_));
            at_ = stop;
            if (at_ >= text_.size()) return true;
            const char c = text_[at_++];
            if (c == ',') continue;
            if (c == '\r' && at_ < text_.size() && text_[at_] == '\n') ++at_;
            return true;
        }
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Columns as wide as their widest cell: a character beyond ASCII takes two
// widths.
double widthOf(std::string_view utf8) {
    double width = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            width += 1;
        else if ((byte & 0xC0) == 0xC0)
            width += 2;
    }
    return width;
}

bool blank(const std::vector<std::string>& cells) {
    return std::all_of(cells.begin(), cells.end(), [](const std::string& c) { return c.empty(); });
}

// A caption: a line of one cell that is no amount ("成交明细").
bool caption(const std::vector<std::string>& cells) {
    return cells.size() == 1 && !cells[0].empty() && amountDecimals(cells[0]) < 0;
}

}  // namespace

// An amount is an optional "-", the whole part ("0", or digits that do not
// start with "0"), "." and at least one digit, at most 15 digits in all:
// "1234.50", "-0.25". Its cell is a number shown with as many decimals as
// the text has. Integers ("5", "20261130"), leading zeros ("0012.5"), a "+",
// blanks, thousands separators, percentages and anything longer stay text
// exactly as printed: account numbers, codes and dates are never numbers.
int amountDecimals(std::string_view cell) {
    std::size_t at = !cell.empty() && cell[0] == '-' ? 1 : 0;
    const std::size_t whole = at;
    while (at < cell.size() && cell[at] >= '0' && cell[at] <= '9') ++at;
    const std::size_t wholeDigits = at - whole;
    if (wholeDigits == 0 || (wholeDigits > 1 && cell[whole] == '0')) return -1;
    if (at >= cell.size() || cell[at] != '.') return -1;
    const std::size_t fraction = ++at;
    while (at < cell.size() && cell[at] >= '0' && cell[at] <= '9') ++at;
    const std::size_t decimals = at - fraction;
    if (at != cell.size() || decimals == 0) return -1;
    if (wholeDigits + decimals > static_cast<std::size_t>(MaxDigits)) return -1;
    return static_cast<int>(decimals);
}

bool writeCsvTextWorkbook(const std::string& path, std::string_view gbk, const std::string& sheet,
                          std::string& error) {
    // First the shape: rows, columns and their widths; nothing is written
    // for a text that does not fit a sheet.
    std::vector<std::string> cells;
    std::vector<double> widths;
    std::size_t rows = 0;
    for (CsvCursor lines(gbk); lines.nextLine(cells);) {
        if (++rows > static_cast<std::size_t>(LastSheetRow) || cells.size() > MaxColumns) {
            error = rows > static_cast<std::size_t>(LastSheetRow)
                        ? "行数超过工作表的上限 (1048576 行)"
                        : "列数超过工作表的上限 (16384 列)";
            return false;
        }
        if (cells.size() < 2) continue;  // captions do not widen a column
        if (widths.size() < cells.size()) widths.resize(cells.size(), NarrowestColumn);
        for (std::size_t i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths[i], std::min(widthOf(fromGbk(cells[i])), WidestColumn));
    }

    StreamedFile file(path);
    if (!file.ok()) {
        error = file.error();
        return false;
    }
    ZipStream zip(file);
    std::string block =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<sheetViews><sheetView tabSelected=\"1\" workbookViewId=\"0\"/></sheetViews>"
        "<sheetFormatPr defaultRowHeight=\"15\"/>";
    if (!widths.empty()) {
        block += "<cols>";
        for (std::size_t i = 0; i < widths.size(); ++i) {
            const std::string number = std::to_string(i + 1);
            block += "<col min=\"" + number + "\" max=\"" + number + "\" width=\"" +
                     std::to_string(static_cast<int>(widths[i]) + 2) + "\" customWidth=\"1\"/>";
        }
        block += "</cols>";
    }
    block += "<sheetData>";
    zip.begin("xl/worksheets/sheet1.xml");

    // One style for each count of decimals, in the order first met.
    std::vector<std::string> formats;
    std::map<int, int> styleOfDecimals;
    std::size_t row = 0;
    for (CsvCursor lines(gbk); lines.nextLine(cells);) {
        const std::string r = std::to_string(++row);
        if (blank(cells)) {
            block += "<row r=\"" + r + "\"/>";
            continue;
        }
        block += "<row r=\"" + r + "\">";
        const bool bold = caption(cells);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (cells[i].empty()) continue;
            block += "<c r=\"" + columnName(i) + r + '"';
            const int decimals = amountDecimals(cells[i]);
            if (decimals >= 0) {
                const auto [at, added] = styleOfDecimals.emplace(
                    decimals, FirstFormatStyle + static_cast<int>(formats.size()));
                if (added) formats.push_back("0." + std::string(std::size_t(decimals), '0'));
                block += " s=\"" + std::to_string(at->second) + "\"><v>" + cells[i] + "</v></c>";
                continue;
            }
            const std::string utf8 = fromGbk(cells[i]);
            const std::string_view text = cellCut(utf8);
            if (bold) block += " s=\"" + std::to_string(BoldStyle) + '"';
            block += isXmlSpace(text.front()) || isXmlSpace(text.back())
                         ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                         : " t=\"inlineStr\"><is><t>";
            appendXmlText(block, text);
            block += "</t></is></c>";
        }
        block += "</row>";
        if (block.size() >= SheetBlockSize) zip.write(block);
    }
    block += "</sheetData></worksheet>";
    zip.write(block);

    const auto part = [&](const char* name, std::string xml) {
        zip.begin(name);
        zip.write(xml);
    };
    part("xl/styles.xml", workbookStyles(formats));
    part("xl/workbook.xml", workbookXml({sheet}));
    part("xl/_rels/workbook.xml.rels", workbookRelationships(1));
    part("_rels/.rels", packageRelationships());
    part("[Content_Types].xml", contentTypes(1));
    if (!zip.finish()) {
        error = fileErrorText(zip.errorCode() == 0 ? EIO : zip.errorCode());
        return false;
    }
    if (!file.commit(true)) {
        error = file.error();
        return false;
    }
    return true;
}

}  // namespace korvant
