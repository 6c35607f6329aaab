#include "app/exchange/DeskPagedQuery.h"

#include "app/desk/Desk.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/PageProgress.h"
#include "protocol/Packet.h"

namespace korvant {

bool reportPagedQueryEnd(Desk& desk, PagedQueryResult result, const PagedQueryTexts& texts) {
    FrontEndPort& port = desk.port();
    switch (result) {
        case PagedQueryResult::Done:
            return true;
        case PagedQueryResult::BuildFailed:
            port.endProgram(texts.buildFailed);
        case PagedQueryResult::Disconnected:
            // A wait the user stopped ends as a lost connection does.
            port.endProgram(desk.connection().abandoned() ? std::string(LostConnectionText)
                                                          : texts.disconnected);
        case PagedQueryResult::ForeignAnswer:
        case PagedQueryResult::Stalled:
        case PagedQueryResult::Malformed:
            port.error(texts.undecodable);
            return false;
        case PagedQueryResult::TooMuchData:
            port.error(TooMuchDataText);
            return false;
        case PagedQueryResult::Stopped:
            return false;
    }
    return false;
}

bool runDeskPagedQuery(Desk& desk, PagedQuery query, const PagedQueryTexts& texts,
                       PagedQueryResult* result) {
    bool refused = false;
    auto own = std::move(query.foreignAnswer);
    query.foreignAnswer = [&](std::span<const uint8_t> packet) {
        const int length = static_cast<int>(packet.size());
        if (ResultPacket::isResult(packet.data(), length) && length >= 5 && packet[4] != 0) {
            desk.port().error(ResultPacket::parse(packet.data(), length).text);
            refused = true;
        }
        if (own) own(packet);
    };
    const OperationName name(desk, texts.progress);
    PageProgress progress(desk.port(), texts.progress);
    if (!query.pageRead)
        query.pageRead = [&progress](int read, int announced) {
            return progress.pageRead(read, announced);
        };
    const PagedQueryResult end = runPagedQuery(desk.connection(), query);
    if (result != nullptr) *result = end;
    if (refused) return false;
    return reportPagedQueryEnd(desk, end, texts);
}

}  // namespace korvant
