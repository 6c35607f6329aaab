#include <cerrno>
#include <charconv>
#include <cmath>
#include <map>
#include <vector>

#include "local/FileErrorText.h"
#include "local/StreamedFile.h"
#include "local/TableFile.h"
#include "local/WorkbookParts.h"
#include "local/XmlText.h"
#include "local/ZipStream.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

// Columns as wide as their captions: a CJK character takes two widths, and
// a value column room for its usual values.
double widthOf(const TableColumn& column) {
    double width = 0;
    for (const char c : column.caption) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            width += 1;
        } else if ((byte & 0xC0) == 0xC0) {
            width += 2;  // the lead byte of a character beyond ASCII
        }
    }
    double least = 8;
    if (column.kind == CellKind::Date) least = 10;
    if (column.kind == CellKind::Number) least = 12;
    return std::max(width, least) + 2;
}

// Days from 1970-01-01 of a day of the proleptic Gregorian calendar.
int64_t daysFromEpoch(int64_t year, int64_t month, int64_t day) {
    year -= month <= 2 ? 1 : 0;
    const int64_t era = year / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// A spreadsheet's serial day number of yyyymmdd (1 for 1900-01-01, counting
// the 29 February 1900 that spreadsheets keep for compatibility), or -1 for
// a number that is no day of the calendar from 1900 on.
int64_t serialDay(int64_t ymd) {
    if (ymd < 1900'01'01 || ymd > 9999'12'31) return -1;
    const int64_t year = ymd / 10000, month = ymd / 100 % 100, date = ymd % 100;
    static constexpr int Days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || date < 1 || date > Days[month - 1]) return -1;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && date == 29 && !leap) return -1;
    const int64_t serial = daysFromEpoch(year, month, date) - daysFromEpoch(1899, 12, 30);
    return serial < 61 ? serial - 1 : serial;  // before 1900-03-01
}

// "@" for text, "0" for whole numbers, "0.00" for two decimals, dates
// "yyyy-mm-dd".
std::string numberFormatOf(const TableColumn& column) {
    switch (column.kind) {
        case CellKind::Text:
            return "@";
        case CellKind::Date:
            return "yyyy-mm-dd";
        case CellKind::Integer:
            return "0";
        case CellKind::Number:
            break;
    }
    if (column.decimals <= 0) return "0";
    return "0." + std::string(static_cast<std::size_t>(std::min(column.decimals, 15)), '0');
}

bool roundsToZero(double value, int decimals) {
    char text[FixedTextSize];
    const std::size_t n = writeTrimmed(text, value, decimals);
    return n == 1 && text[0] == '0';
}

// The workbook written as the rows come: the sheet's XML (inline strings,
// one style a column) goes in blocks to a ZipStream, which compresses and
// writes it on its own thread; the other parts follow at the commit.
class XlsxTableFile final : public TableFile {
public:
    XlsxTableFile(const std::string& path, const TableLayout& layout)
        : file_(path), layout_(layout) {
        if (!file_.ok()) return;
        std::map<std::string, int> styleOf;
        std::vector<std::string> formats;
        const auto styleFor = [&](const std::string& format) {
            const auto [at, added] =
                styleOf.emplace(format, FirstFormatStyle + static_cast<int>(formats.size()));
            if (added) formats.push_back(format);
            return at->second;
        };
        for (const TableColumn& column : layout_.columns)
            columnStyles_.push_back(styleFor(numberFormatOf(column)));
        integerStyle_ = styleFor("0");
        styles_ = workbookStyles(formats);
        block_.reserve(SheetBlockSize + MaxCellBytes * 8);
        zip_ = std::make_unique<ZipStream>(file_);
        startSheet();
    }

    void text(std::string_view value) override {
        if (!value.empty()) {
            const std::string_view cut = cellCut(value);
            bytes_ += static_cast<int64_t>(cut.size());
            textCell(cut, styleAt(column_));
        }
        ++column_;
    }
    void integer(int64_t value) override {
        bytes_ += 8;
        const CellKind kind = kindAt(column_);
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        const std::string_view number(digits, static_cast<std::size_t>(end - digits));
        if (kind == CellKind::Text) {
            textCell(number, styleAt(column_));
        } else if (const int64_t serial = kind == CellKind::Date ? serialDay(value) : -1;
                   serial >= 0) {
            const auto dayEnd = std::to_chars(digits, digits + sizeof digits, serial).ptr;
            valueCell(std::string_view(digits, static_cast<std::size_t>(dayEnd - digits)),
                      styleAt(column_));
        } else {
            // A date that is no day of the calendar keeps its number.
            valueCell(number, kind == CellKind::Date ? integerStyle_ : styleAt(column_));
        }
        ++column_;
    }
    void number(double value) override {
        bytes_ += 8;
        const bool skipped = column_ < layout_.columns.size() && layout_.columns[column_].trimmed &&
                             roundsToZero(value, layout_.columns[column_].decimals);
        if (skipped) {
            // as the CSV file: nothing
        } else if (std::isfinite(value)) {
            char digits[32];
            const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
            valueCell(std::string_view(digits, static_cast<std::size_t>(end - digits)),
                      styleAt(column_));
        } else {
            textCell(formatFixed(value, 2), PlainStyle);
        }
        ++column_;
    }
    void none(std::string_view) override { ++column_; }
    void endRow() override {
        if (rowOpen_) {
            block_ += "</row>";
        } else {
            block_ += "<row r=\"";
            block_ += rowText_;
            block_ += "\"/>";
        }
        if (block_.size() >= SheetBlockSize) hand();
        if (row_ == LastSheetRow) {
            endSheet();
            startSheet();
        } else {
            startRow(row_ + 1);
        }
    }

    PageWrite endPage(int64_t maxBytes) override {
        if (!ok()) return PageWrite::Failed;
        if (bytes_ > maxBytes) return PageWrite::TooLarge;
        // The page's rows are compressed while the next page is on its way.
        hand();
        return PageWrite::Written;
    }
    bool commit(bool mayReplace) override {
        if (!ok()) return false;
        endSheet();
        part("xl/styles.xml", styles_);
        part("xl/workbook.xml", workbookXml(sheetNames_));
        part("xl/_rels/workbook.xml.rels", workbookRelationships(sheetNames_.size()));
        part("_rels/.rels", packageRelationships());
        part("[Content_Types].xml", contentTypes(sheetNames_.size()));
        const bool finished = zip_->finish();
        finished_ = true;
        if (!finished) {
            fail(zip_->errorCode());
            return false;
        }
        return file_.commit(mayReplace);
    }
    bool ok() const override {
        if (code_ != 0) return false;
        // While the archive's thread writes, the file is its own.
        if (zip_ && !finished_) return zip_->errorCode() == 0;
        return file_.ok();
    }
    const std::string& error() const override {
        if (code_ == 0 && zip_ && !finished_ && zip_->errorCode() != 0)
            error_ = fileErrorText(zip_->errorCode());
        else if (code_ == 0 && (!zip_ || finished_))
            return file_.error();
        return error_;
    }
    int64_t size() const override { return bytes_; }

private:
    void startSheet() {
        if (!zip_) return;
        sheetNames_.push_back(layout_.sheet.empty() ? "Sheet" : layout_.sheet);
        if (sheetNames_.size() > 1)
            sheetNames_.back() += " (" + formatInt(sheetNames_.size()) + ")";
        zip_->begin("xl/worksheets/sheet" + std::to_string(sheetNames_.size()) + ".xml");
        block_ +=
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
            "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
            "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
            "<sheetViews><sheetView ";
        if (sheetNames_.size() == 1) block_ += "tabSelected=\"1\" ";
        // The caption row frozen above the rest.
        block_ +=
            "workbookViewId=\"0\"><pane ySplit=\"1\" topLeftCell=\"A2\" activePane=\"bottomLeft\" "
            "state=\"frozen\"/><selection pane=\"bottomLeft\" activeCell=\"A2\" sqref=\"A2\"/>"
            "</sheetView></sheetViews><sheetFormatPr defaultRowHeight=\"15\"/>";
        if (!layout_.columns.empty()) {
            block_ += "<cols>";
            for (std::size_t i = 0; i < layout_.columns.size() && i < MaxColumns; ++i) {
                const std::string number = std::to_string(i + 1);
                char width[32];
                const auto end =
                    std::to_chars(width, width + sizeof width, widthOf(layout_.columns[i])).ptr;
                block_ += "<col min=\"" + number + "\" max=\"" + number + "\" width=\"" +
                          std::string(width, end) + "\" style=\"" +
                          std::to_string(columnStyles_[i]) + "\" customWidth=\"1\"/>";
            }
            block_ += "</cols>";
        }
        block_ += "<sheetData>";
        startRow(1);
        for (const TableColumn& column : layout_.columns) {
            textCell(column.caption, BoldStyle);
            ++column_;
        }
        endRow();
    }
    void endSheet() {
        block_ += "</sheetData></worksheet>";
        hand();
    }
    void startRow(int64_t row) {
        row_ = row;
        rowText_ = std::to_string(row);
        rowOpen_ = false;
        column_ = 0;
        next_ = 0;
    }
    // `<c` with the cell's place when a reader would not count its way
    // there (after an empty cell), and its style.
    void openCell(int style) {
        if (!rowOpen_) {
            block_ += "<row r=\"";
            block_ += rowText_;
            block_ += "\">";
            rowOpen_ = true;
        }
        block_ += "<c";
        if (column_ != next_) {
            block_ += " r=\"";
            block_ += columnName(column_);
            block_ += rowText_;
            block_ += '"';
        }
        next_ = column_ + 1;
        if (style != PlainStyle) {
            char digits[16];
            const auto end = std::to_chars(digits, digits + sizeof digits, style).ptr;
            block_ += " s=\"";
            block_.append(digits, end);
            block_ += '"';
        }
    }
    void textCell(std::string_view value, int style) {
        if (column_ >= MaxColumns) return;
        openCell(style);
        const bool keepSpaces =
            !value.empty() && (isXmlSpace(value.front()) || isXmlSpace(value.back()));
        block_ += keepSpaces ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">"
                             : " t=\"inlineStr\"><is><t>";
        appendXmlText(block_, value);
        block_ += "</t></is></c>";
    }
    void valueCell(std::string_view value, int style) {
        if (column_ >= MaxColumns) return;
        openCell(style);
        block_ += "><v>";
        block_ += value;
        block_ += "</v></c>";
    }
    // The sheet's XML so far to the archive.
    void hand() {
        if (!zip_) {
            block_.clear();
            return;
        }
        zip_->write(block_);
        if (block_.capacity() < SheetBlockSize) block_.reserve(SheetBlockSize + MaxCellBytes * 8);
    }
    void part(const char* name, std::string xml) {
        zip_->begin(name);
        zip_->write(xml);
    }
    CellKind kindAt(std::size_t column) const {
        return column < layout_.columns.size() ? layout_.columns[column].kind : CellKind::Text;
    }
    int styleAt(std::size_t column) const {
        return column < columnStyles_.size() ? columnStyles_[column] : PlainStyle;
    }
    void fail(int code) {
        if (code_ != 0) return;
        code_ = code == 0 ? EIO : code;
        error_ = fileErrorText(code_);
    }

    StreamedFile file_;
    TableLayout layout_;
    std::vector<int> columnStyles_;
    int integerStyle_ = PlainStyle;
    std::string styles_;
    std::vector<std::string> sheetNames_;
    std::string block_;  // the sheet's XML not yet handed on
    int64_t row_ = 0;
    std::string rowText_;
    bool rowOpen_ = false;
    std::size_t column_ = 0;
    std::size_t next_ = 0;  // the column a cell without its place stands in
    int64_t bytes_ = 0;
    int code_ = 0;
    mutable std::string error_;
    // Last: stopped before the file goes.
    std::unique_ptr<ZipStream> zip_;
    bool finished_ = false;
};

}  // namespace

std::unique_ptr<TableFile> makeXlsxTableFile(const std::string& path, const TableLayout& layout) {
    return std::make_unique<XlsxTableFile>(path, layout);
}

}  // namespace korvant
