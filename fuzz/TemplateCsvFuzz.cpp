// A rate-template file to import: cut into lines, each line checked and read
// as a line of either template kind.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "templates/TemplateCsv.h"
#include "templates/TemplateKind.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace korvant;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const CsvFileLine& line : splitCsvLines(bytes)) {
        if (csvLineTooLong(line.bytes) || csvLineBlank(line.bytes)) continue;
        (void)parseTemplateCsvLine(feeKind(), line.bytes);
        (void)parseTemplateCsvLine(marginKind(), line.bytes);
    }
    return 0;
}
