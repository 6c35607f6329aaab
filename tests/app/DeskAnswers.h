#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "model/ContractVariety.h"
#include "model/Group.h"
#include "model/RateTemplate.h"
#include "model/RiskStrategy.h"
#include "model/SubAccount.h"
#include "protocol/Bytes.h"
#include "protocol/CommandCode.h"
#include "protocol/Gbk.h"
#include "support/FakeServer.h"
#include "support/ScratchFolder.h"
#include "support/TestRecords.h"

// Hand-made answers of a management server for the application tests, and a
// scratch folder for Server.ini and ServerInfo.Dat.
namespace korvant::test {

inline Bytes loginAnswer(int32_t ownGroupId, const std::string& name, uint32_t mask,
                         int length = 44) {
    Bytes p(static_cast<std::size_t>(length), 0);
    putU16(p.data(), static_cast<uint16_t>(length));
    p[3] = cmd::LoginAnswer;
    putI32(p.data() + 4, ownGroupId);
    writePlainText(p.data() + 8, 32, name);
    putU32(p.data() + 40, mask);
    return p;
}

// A list answer carrying `records` whole records.
template <class T>
Bytes listAnswerOf(uint8_t command, int total, int index, const std::vector<T>& records) {
    Bytes p(12 + records.size() * T::WireSize, 0);
    putU16(p.data(), static_cast<uint16_t>(p.size()));
    p[3] = command;
    putI32(p.data() + 4, total);
    putI32(p.data() + 8, index);
    for (std::size_t i = 0; i < records.size(); ++i)
        records[i].toWire(p.data() + 12 + i * T::WireSize);
    return p;
}

inline Bytes emptyList(uint8_t command) {
    Bytes p(12, 0);
    putU16(p.data(), 12);
    p[3] = command;
    putI32(p.data() + 4, 1);
    return p;
}

inline SubAccount makeSubAccount(const std::string& account, int groupId) {
    SubAccount s;
    s.account = account;
    s.groupId = groupId;
    s.password = "pw";
    return s;
}

// The page requested by a list request, by command.
inline int32_t requestedPage(const Bytes& request) {
    switch (request[3]) {
        case cmd::SubAccountList:
        case cmd::AdministratorList:
            return getI32(request.data() + 76);
        case cmd::MainAccountList:
            return getI32(request.data() + 24);
        case cmd::MainAccountLinks:
            return getI32(request.data() + 8);
        case cmd::GroupList:
            return getI32(request.data() + 36);
        case cmd::MarginTemplateList:
        case cmd::FeeTemplateList:
            return getI32(request.data() + 68);
        case cmd::VarietyList:
            return getI32(request.data() + 4);
        case cmd::RiskStrategyList:
            return getI32(request.data() + 8);
        default:
            return -1;
    }
}

// Answers the login and the five start-up queries: three groups in one page,
// two margin templates over two pages, one fee template, no varieties, one
// risk strategy.
inline Bytes startupAnswer(const Bytes& request, uint32_t mask = 0xFFFFF) {
    int page = requestedPage(request);
    switch (request[3]) {
        case cmd::Login:
            return loginAnswer(1, "系统管理员", mask);
        case cmd::GroupList:
            return listAnswerOf<Group>(
                cmd::GroupList, 1, 0,
                {makeGroup(1, 0, "", "Korvant平台"), makeGroup(2, 1, "01", "华东"),
                 makeGroup(5, 2, "0101", "上海一组")});
        case cmd::MarginTemplateList: {
            MarginTemplate t;
            t.id = 10 + page;
            t.name = "保证金" + std::to_string(page);
            return listAnswerOf<MarginTemplate>(cmd::MarginTemplateList, 2, page, {t});
        }
        case cmd::FeeTemplateList: {
            FeeTemplate t;
            t.id = 20;
            t.name = "标准手续费";
            return listAnswerOf<FeeTemplate>(cmd::FeeTemplateList, 1, 0, {t});
        }
        case cmd::VarietyList:
            return emptyList(cmd::VarietyList);
        case cmd::RiskStrategyList:
            return listAnswerOf<RiskStrategy>(cmd::RiskStrategyList, 1, 0, {RiskStrategy{}});
        default:
            return FakeServer::resultPacket(1, "unknown");
    }
}

// A scratch folder removed at the end of the test.
class ScratchDir {
public:
    std::string path() const { return folder_.path().string(); }
    std::string file(const std::string& name) const { return folder_.file(name); }
    void write(const std::string& name, const std::string& text) const {
        folder_.write(name, text);
    }
    // Server.ini with one entry.
    void serverIni(const std::string& host, int port,
                   const std::string& name = "测试服务器") const {
        write("Server.ini", "[Server]\nName1=" + name + "\nAddr1=" + host +
                                "\nPort1=" + std::to_string(port) + "\n");
    }

private:
    ScratchFolder folder_{"app"};
};

}  // namespace korvant::test
