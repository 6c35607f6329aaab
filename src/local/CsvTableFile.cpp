#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>

#include "local/CsvLines.h"
#include "local/CsvText.h"
#include "local/StreamedFile.h"
#include "local/TableFile.h"
#include "protocol/Gbk.h"
#include "text/NumberText.h"

namespace korvant {

namespace {

// The lines are written in GBK as the cells come, straight into the page's
// buffer: the bytes of CsvLines converted to GBK, without a text of the
// page in between. Cells that appendCsvCell writes byte for byte are
// copied (ASCII) or encoded in place; the rest go through appendGbk and
// appendCsvCell, which give the same bytes in this order, since no byte of
// a double-byte GBK character is one that appendCsvCell looks at.
class CsvTableFile final : public TableFile {
public:
    CsvTableFile(const std::string& path, const TableLayout& layout)
        : file_(path), layout_(layout) {
        std::string header = toGbk(csvHeaderLine(layout_));
        file_.append(header);
    }

    void text(std::string_view value) override {
        separate();
        switch (csvCellKind(value)) {
            case CsvCellKind::Plain:
                put(value.data(), value.size());
                return;
            case CsvCellKind::Encoded:
                putEncoded(value);
                return;
            case CsvCellKind::Quoted:
                break;
        }
        gbk_.clear();
        appendGbk(gbk_, value);
        cell_.clear();
        appendCsvCell(cell_, gbk_);
        put(cell_.data(), cell_.size());
    }
    // A wire field whose bytes are a plain cell (ASCII, nothing to quote)
    // is copied as it is: decoding it and encoding it again gives the same
    // bytes.
    void wireText(WireText value) override {
        const std::string_view raw = rawPlainText(value.field, value.width);
        if (csvCellKind(raw) != CsvCellKind::Plain) {
            TableSink::wireText(value);
            return;
        }
        separate();
        put(raw.data(), raw.size());
    }
    void integer(int64_t value) override {
        separate();
        char* at = room(24);
        used_ += static_cast<std::size_t>(std::to_chars(at, at + 24, value).ptr - at);
    }
    void number(double value) override {
        const std::size_t column = column_;
        separate();
        used_ += writeCsvNumber(room(FixedTextSize), value, layout_, column);
    }
    void none(std::string_view csvText) override {
        separate();
        used_ += writeGbk(room(csvText.size()), csvText);
    }
    void endRow() override {
        put("\r\n", 2);
        column_ = 0;
    }

    // The pages' lines gather until they fill a block, which is written
    // in one call; a page that would take the file past `maxBytes` is
    // dropped from it.
    PageWrite endPage(int64_t maxBytes) override {
        if (file_.size() + static_cast<int64_t>(used_) > maxBytes) {
            used_ = pageStart_;
            return PageWrite::TooLarge;
        }
        PageWrite result = PageWrite::Written;
        if (used_ >= WriteBlock && !writeOut()) result = PageWrite::Failed;
        pageStart_ = used_;
        return result;
    }
    bool commit(bool mayReplace) override {
        if (used_ > 0 && !writeOut()) return false;
        return file_.commit(mayReplace);
    }
    bool ok() const override { return file_.ok(); }
    const std::string& error() const override { return file_.error(); }
    // The lines of every page ended, written or still in the block.
    int64_t size() const override { return file_.size() + static_cast<int64_t>(pageStart_); }

private:
    // Room for `n` more bytes at the end of the page; they count once
    // `used_` is moved past them.
    char* room(std::size_t n) {
        if (page_.size() - used_ < n) [[unlikely]]
            grow(n);
        return page_.data() + used_;
    }
    [[gnu::noinline]] void grow(std::size_t n) {
        page_.resize(std::max(page_.size() * 2, used_ + n + 4096));
    }
    void put(const char* bytes, std::size_t n) {
        std::memcpy(room(n), bytes, n);
        used_ += n;
    }
    bool writeOut() {
        const bool written = file_.append(std::string_view(page_.data(), used_));
        used_ = 0;
        pageStart_ = 0;
        return written;
    }
    void separate() {
        if (column_++ > 0) put(",", 1);
    }
    // The GBK of a short text met before (the code texts of every row,
    // "买", "投机") is taken from a few slots found by its bytes; any other
    // is encoded in place and takes the slot of its hash.
    struct Encoded {
        std::size_t utf8Size = 0;  // 0: an empty slot
        char utf8[16];
        std::size_t gbkSize = 0;
        char gbk[16];
    };
    void putEncoded(std::string_view value) {
        const std::size_t n = value.size();
        if (n > sizeof(Encoded::utf8)) {
            used_ += writeGbk(room(n), value);
            return;
        }
        const auto first = static_cast<unsigned char>(value.front());
        const auto last = static_cast<unsigned char>(value.back());
        Encoded& slot = encoded_[(n * 31 + first + last * 7) % encoded_.size()];
        if (slot.utf8Size == n && std::memcmp(slot.utf8, value.data(), n) == 0) {
            put(slot.gbk, slot.gbkSize);
            return;
        }
        char* at = room(n);
        const std::size_t written = writeGbk(at, value);
        slot.utf8Size = n;
        std::memcpy(slot.utf8, value.data(), n);
        slot.gbkSize = written;
        std::memcpy(slot.gbk, at, written);
        used_ += written;
    }

    StreamedFile file_;
    TableLayout layout_;
    std::string page_;  // the lines (GBK) not yet written: its first `used_` bytes
    std::size_t used_ = 0;
    std::size_t pageStart_ = 0;  // where the lines of the page being written start
    static constexpr std::size_t WriteBlock = 256 * 1024;
    std::size_t column_ = 0;
    std::array<Encoded, 16> encoded_{};
    std::string gbk_;   // a cell in GBK
    std::string cell_;  // the same as written
};

}  // namespace

std::unique_ptr<TableFile> makeCsvTableFile(const std::string& path, const TableLayout& layout) {
    return std::make_unique<CsvTableFile>(path, layout);
}

}  // namespace korvant
