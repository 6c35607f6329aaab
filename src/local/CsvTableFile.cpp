#include "local/CsvLines.h"
#include "local/StreamedFile.h"
#include "local/TableFile.h"
#include "protocol/Gbk.h"

namespace korvant {

namespace {

class CsvTableFile final : public TableFile {
public:
    CsvTableFile(const std::string& path, const TableLayout& layout)
        : file_(path), layout_(layout), lines_(text_, layout_) {
        file_.append(toGbk(csvHeaderLine(layout_)));
    }

    void text(std::string_view value) override { lines_.text(value); }
    void integer(int64_t value) override { lines_.integer(value); }
    void number(double value) override { lines_.number(value); }
    void none(std::string_view csvText) override { lines_.none(csvText); }
    void endRow() override { lines_.endRow(); }

    PageWrite endPage(int64_t maxBytes) override {
        gbk_.clear();
        appendGbk(gbk_, text_);
        text_.clear();
        if (file_.size() + static_cast<int64_t>(gbk_.size()) > maxBytes) return PageWrite::TooLarge;
        return file_.append(gbk_) ? PageWrite::Written : PageWrite::Failed;
    }
    bool commit(bool mayReplace) override { return file_.commit(mayReplace); }
    bool ok() const override { return file_.ok(); }
    const std::string& error() const override { return file_.error(); }
    int64_t size() const override { return file_.size(); }

private:
    StreamedFile file_;
    TableLayout layout_;
    std::string text_;  // the page's lines (UTF-8)
    CsvLines lines_;
    std::string gbk_;  // the same in GBK
};

}  // namespace

std::unique_ptr<TableFile> makeCsvTableFile(const std::string& path, const TableLayout& layout) {
    return std::make_unique<CsvTableFile>(path, layout);
}

}  // namespace korvant
