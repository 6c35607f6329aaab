#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <map>
#include <vector>

#include "local/FileErrorText.h"
#include "local/StreamedFile.h"
#include "local/TableFile.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

// The last row of a sheet, from 0.
constexpr lxw_row_t LastSheetRow = 1'048'575;
// The most characters a cell holds.
constexpr std::size_t MaxCellBytes = 32'767;

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

bool isCalendarDay(int64_t ymd, lxw_datetime& day) {
    if (ymd < 1900'01'01 || ymd > 9999'12'31) return false;
    const int year = static_cast<int>(ymd / 10000);
    const int month = static_cast<int>(ymd / 100 % 100);
    const int date = static_cast<int>(ymd % 100);
    static constexpr int Days[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || date < 1 || date > Days[month - 1]) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    if (month == 2 && date == 29 && !leap) return false;
    day = {year, month, date, 0, 0, 0};
    return true;
}

// The bytes of `text` up to MaxCellBytes, not cutting a UTF-8 character.
std::string_view cellCut(std::string_view text) {
    if (text.size() <= MaxCellBytes) return text;
    std::size_t end = MaxCellBytes;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}

const char* kindFormat(CellKind kind) {
    switch (kind) {
        case CellKind::Text:
            return "@";
        case CellKind::Date:
            return "yyyy-mm-dd";
        default:
            return "0";
    }
}

// "@" for text, "0" for whole numbers, "0.00" for two decimals, dates
// "yyyy-mm-dd".
std::string numberFormatOf(const TableColumn& column) {
    if (column.kind != CellKind::Number || column.decimals <= 0) return kindFormat(column.kind);
    return "0." + std::string(static_cast<std::size_t>(std::min(column.decimals, 15)), '0');
}

bool roundsToZero(double value, int decimals) {
    char text[FixedTextSize];
    const std::size_t n = writeTrimmed(text, value, decimals);
    return n == 1 && text[0] == '0';
}

class XlsxTableFile final : public TableFile {
public:
    XlsxTableFile(const std::string& path, const TableLayout& layout)
        : file_(path), layout_(layout) {
        if (!file_.ok()) return;
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        options.use_zip64 = LXW_TRUE;
        // The rows wait in the library's own temporary files (removed as
        // soon as they are opened) beside the target, on its disk, rather
        // than in a temporary folder that may live in memory.
        const std::string& target = file_.path();
        const std::size_t slash = target.find_last_of('/');
        folder_ = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
        options.tmpdir = folder_.data();
        const std::string name = file_.temporaryName();
        book_ = workbook_new_opt(name.c_str(), &options);
        if (book_ == nullptr) {
            fail(errno);
            return;
        }
        bold_ = workbook_add_format(book_);
        format_set_bold(bold_);
        // One format object a number format: the library looks an object
        // up again at every cell when another one of equal properties was
        // used first.
        std::map<std::string, lxw_format*> byNumberFormat;
        const auto formatOf = [&](const std::string& numberFormat) {
            lxw_format*& format = byNumberFormat[numberFormat];
            if (format == nullptr) {
                format = workbook_add_format(book_);
                format_set_num_format(format, numberFormat.c_str());
            }
            return format;
        };
        for (const TableColumn& column : layout_.columns)
            formats_.push_back(formatOf(numberFormatOf(column)));
        integerFormat_ = formatOf("0");
        startSheet();
    }

    ~XlsxTableFile() override {
        if (book_ != nullptr) lxw_workbook_free(book_);
    }

    void text(std::string_view value) override {
        if (value.empty() || sheet_ == nullptr) {
            ++column_;
            return;
        }
        const std::string_view cut = cellCut(value);
        cell_.assign(cut.data(), cut.size());
        bytes_ += static_cast<int64_t>(cut.size());
        check(worksheet_write_string(sheet_, row_, column_, cell_.c_str(), formatAt(column_)));
        ++column_;
    }
    void integer(int64_t value) override {
        if (sheet_ == nullptr) return;
        const CellKind kind = kindAt(column_);
        bytes_ += 8;
        lxw_datetime day{};
        if (kind == CellKind::Text) {
            cell_ = formatInt(value);
            check(worksheet_write_string(sheet_, row_, column_, cell_.c_str(), formatAt(column_)));
        } else if (kind == CellKind::Date && isCalendarDay(value, day)) {
            check(worksheet_write_datetime(sheet_, row_, column_, &day, formatAt(column_)));
        } else {
            // A date that is no day of the calendar keeps its number.
            check(worksheet_write_number(
                sheet_, row_, column_, static_cast<double>(value),
                kind == CellKind::Date ? integerFormat_ : formatAt(column_)));
        }
        ++column_;
    }
    void number(double value) override {
        if (sheet_ == nullptr) return;
        bytes_ += 8;
        if (column_ < layout_.columns.size() && layout_.columns[column_].trimmed &&
            roundsToZero(value, layout_.columns[column_].decimals)) {
            ++column_;  // as the CSV file: nothing
            return;
        }
        if (std::isfinite(value)) {
            check(worksheet_write_number(sheet_, row_, column_, value, formatAt(column_)));
        } else {
            cell_ = formatFixed(value, 2);
            check(worksheet_write_string(sheet_, row_, column_, cell_.c_str(), nullptr));
        }
        ++column_;
    }
    void none(std::string_view) override { ++column_; }
    void endRow() override {
        column_ = 0;
        if (row_ == LastSheetRow) {
            startSheet();
        } else {
            ++row_;
        }
    }

    PageWrite endPage(int64_t maxBytes) override {
        if (!ok()) return PageWrite::Failed;
        return bytes_ > maxBytes ? PageWrite::TooLarge : PageWrite::Written;
    }
    bool commit(bool mayReplace) override {
        if (!ok()) return false;
        const lxw_error closed = workbook_close(book_);
        book_ = nullptr;
        if (closed != LXW_NO_ERROR) {
            fail(errno != 0 ? errno : EIO);
            return false;
        }
        if (!file_.commit(mayReplace)) return false;
        return true;
    }
    bool ok() const override { return code_ == 0 && file_.ok(); }
    const std::string& error() const override { return code_ != 0 ? error_ : file_.error(); }
    int64_t size() const override { return bytes_; }

private:
    void startSheet() {
        ++sheets_;
        std::string name = layout_.sheet;
        if (sheets_ > 1) name += " (" + formatInt(sheets_) + ")";
        sheet_ = workbook_add_worksheet(book_, name.c_str());
        if (sheet_ == nullptr) {
            fail(EIO);
            return;
        }
        for (std::size_t i = 0; i < layout_.columns.size(); ++i) {
            const auto col = static_cast<lxw_col_t>(i);
            check(worksheet_set_column(sheet_, col, col, widthOf(layout_.columns[i]), formats_[i]));
        }
        worksheet_freeze_panes(sheet_, 1, 0);
        for (std::size_t i = 0; i < layout_.columns.size(); ++i)
            check(worksheet_write_string(sheet_, 0, static_cast<lxw_col_t>(i),
                                         layout_.columns[i].caption.c_str(), bold_));
        row_ = 1;
    }
    CellKind kindAt(lxw_col_t column) const {
        return column < layout_.columns.size() ? layout_.columns[column].kind : CellKind::Text;
    }
    lxw_format* formatAt(lxw_col_t column) const {
        return column < formats_.size() ? formats_[column] : nullptr;
    }
    void check(lxw_error result) {
        if (result != LXW_NO_ERROR && code_ == 0) fail(EIO);
    }
    void fail(int code) {
        if (code_ != 0) return;
        code_ = code == 0 ? EIO : code;
        error_ = fileErrorText(code_);
    }

    StreamedFile file_;
    TableLayout layout_;
    std::string folder_;  // of the library's temporary files
    lxw_workbook* book_ = nullptr;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* bold_ = nullptr;
    lxw_format* integerFormat_ = nullptr;
    std::vector<lxw_format*> formats_;
    int sheets_ = 0;
    lxw_row_t row_ = 0;
    lxw_col_t column_ = 0;
    std::string cell_;  // one cell's text with its NUL
    int64_t bytes_ = 0;
    int code_ = 0;
    std::string error_;
};

}  // namespace

std::unique_ptr<TableFile> makeXlsxTableFile(const std::string& path, const TableLayout& layout) {
    return std::make_unique<XlsxTableFile>(path, layout);
}

}  // namespace korvant
