#include "templates/TemplateRequests.h"

#include "protocol/Packet.h"

namespace korvant {
namespace {

int capacityOf(std::span<uint8_t> buffer) {
    return buffer.size() > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(buffer.size());
}

int writeNamed(uint8_t command, int size, std::string_view name, std::string_view groupCode,
               int32_t templateId, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), capacityOf(buffer), size, command);
    w.text(4, 64, name).text(68, 16, groupCode);
    if (size >= 88) w.i32(84, templateId);
    return w.finish();
}

}  // namespace

int writeRatePageRequest(const TemplateKind& kind, int32_t templateId, int page,
                         std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), capacityOf(buffer), 12, kind.wire.pageCommand);
    w.i32(4, templateId).i32(8, page);
    return w.finish();
}

int writeSetRatesRequest(const TemplateKind& kind, std::string_view contract,
                         std::string_view exchange, int32_t templateId, const RateRow& row,
                         std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), capacityOf(buffer), kind.wire.setRequestSize,
                   kind.wire.setCommand);
    w.text(4, 32, contract).text(36, 16, exchange).i32(52, templateId);
    int offset = 56;
    for (std::size_t i = 0; i < kind.values.size(); ++i, offset += 8) w.f64(offset, row.values[i]);
    if (kind.hasDiscount) {
        w.i32(offset, row.discount);
        offset += 4;
    }
    w.i32(offset, row.mode);
    return w.finish();
}

int writeAddTemplateRequest(const TemplateKind& kind, std::string_view name,
                            std::string_view groupCode, std::span<uint8_t> buffer) {
    return writeNamed(kind.wire.addCommand, 84, name, groupCode, 0, buffer);
}

int writeRenameTemplateRequest(const TemplateKind& kind, std::string_view newName,
                               std::string_view groupCode, int32_t templateId,
                               std::span<uint8_t> buffer) {
    return writeNamed(kind.wire.renameCommand, 88, newName, groupCode, templateId, buffer);
}

int writeDeleteTemplateRequest(const TemplateKind& kind, std::string_view name,
                               std::string_view groupCode, int32_t templateId,
                               std::span<uint8_t> buffer) {
    return writeNamed(kind.wire.deleteCommand, 88, name, groupCode, templateId, buffer);
}

int writeAssignTemplateRequest(const TemplateKind& kind, std::string_view subAccount,
                               std::string_view templateName, std::span<uint8_t> buffer) {
    PacketWriter w(buffer.data(), capacityOf(buffer), 84, kind.wire.assignCommand);
    w.text(4, 16, subAccount).text(20, 64, templateName);
    return w.finish();
}

}  // namespace korvant
