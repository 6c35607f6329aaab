#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "templates/RateRow.h"
#include "templates/TemplateKind.h"

// The request writers of the template area. Each returns the packet size,
// or -1 when the buffer is too small. Text fields are cut to their width
// minus one byte.
namespace korvant {

// Commands 91 / 43 (12 bytes): template id at 4, page at 8.
int writeRatePageRequest(const TemplateKind& kind, int32_t templateId, int page,
                         std::span<uint8_t> buffer);

// Commands 92 (112 bytes) / 44 (156 bytes): contract char[32] at 4,
// exchange char[16] at 36, template id at 52, the values from 56, then the
// discount (fee only) and the collection mode.
int writeSetRatesRequest(const TemplateKind& kind, std::string_view contract,
                         std::string_view exchange, int32_t templateId, const RateRow& row,
                         std::span<uint8_t> buffer);

// Commands 74 / 73 (84 bytes): name char[64] at 4, group code char[16] at 68.
int writeAddTemplateRequest(const TemplateKind& kind, std::string_view name,
                            std::string_view groupCode, std::span<uint8_t> buffer);

// Commands 76 / 75 (rename) and 78 / 77 (delete), 88 bytes: name char[64]
// at 4, group code char[16] at 68, template id at 84.
int writeRenameTemplateRequest(const TemplateKind& kind, std::string_view newName,
                               std::string_view groupCode, int32_t templateId,
                               std::span<uint8_t> buffer);
int writeDeleteTemplateRequest(const TemplateKind& kind, std::string_view name,
                               std::string_view groupCode, int32_t templateId,
                               std::span<uint8_t> buffer);

// Commands 80 / 79 (84 bytes): sub-account code char[16] at 4, template
// name char[64] at 20 (empty: no template).
int writeAssignTemplateRequest(const TemplateKind& kind, std::string_view subAccount,
                               std::string_view templateName, std::span<uint8_t> buffer);

}  // namespace korvant
