// The local files the desk reads: the server list "Server.ini" and the
// rule-kind catalogue "riskdetail.ini" (UTF-8 or GBK, any bytes) and the
// last login "ServerInfo.Dat".
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "local/LastLogin.h"
#include "local/ServerList.h"
#include "risk/RuleCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    using namespace korvant;
    std::string bytes(reinterpret_cast<const char*>(data), size);
    ServerList list = ServerList::parse(bytes);
    for (int i = -1; i <= list.size(); ++i) {
        (void)list.address(i);
        (void)list.port(i);
    }
    std::string text = decodeConfigText(bytes);
    (void)iniValue(text, "Server", "Name1");
    (void)iniInt(text, "server", "port1", -1);

    (void)RuleCatalogue::parse(bytes);

    LastLogin last = LastLogin::fromBytes(data, size);
    (void)last.toBytes();
    return 0;
}
