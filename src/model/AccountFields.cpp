#include "model/AccountFields.h"

#include "text/NumberText.h"

namespace korvant {
namespace {

// The addresses as on the wire: the first octet is the low byte.
std::string ipList(const Administrator& admin) {
    std::string text;
    for (uint32_t ip : admin.allowedIps) {
        if (ip == 0) continue;
        if (!text.empty()) text += ',';
        for (int octet = 0; octet < 4; ++octet) {
            if (octet > 0) text += '.';
            text += formatInt((ip >> (8 * octet)) & 0xFF);
        }
    }
    return text;
}

}  // namespace

const std::vector<std::string>& administratorFieldNames() {
    static const std::vector<std::string> names = {
        "account", "password",   "permissionMask", "groupName",   "groupId",
        "name",    "multiLogin", "allowedIps",     "monitorFrom", "monitorTo"};
    return names;
}

std::vector<RawValue> administratorRawValues(const Administrator& a) {
    return {a.account,
            a.password,
            int64_t{a.permissionMask},
            a.groupName,
            int64_t{a.groupId},
            a.name,
            int64_t{a.multiLogin},
            ipList(a),
            int64_t{a.monitorFrom},
            int64_t{a.monitorTo}};
}

const std::vector<std::string>& mainAccountFieldNames() {
    static const std::vector<std::string> names = {
        "account",         "initialFunds",      "distributableFunds", "priorityFunds",
        "startInvestment", "managementFeeRate", "custodyFeeRate",     "feeRate3",
        "feeRate4",        "feeRate5"};
    return names;
}

std::vector<RawValue> mainAccountRawValues(const MainAccount& m) {
    std::vector<RawValue> values = {m.account, m.initialFunds, m.distributableFunds,
                                    m.priorityFunds, m.startInvestment};
    for (double rate : m.feeRates) values.emplace_back(rate);
    return values;
}

const std::vector<std::string>& mainAccountLinkFieldNames() {
    static const std::vector<std::string> names = {"account", "distributableFunds"};
    return names;
}

std::vector<RawValue> mainAccountLinkRawValues(const MainAccountLink& link) {
    return {link.account, link.distributableFunds};
}

const std::vector<std::string>& subAccountFieldNames() {
    static const std::vector<std::string> names = {
        "account",         "password",    "groupName",      "groupId",     "name",
        "openDate",        "mainAccount", "marginTemplate", "feeTemplate", "priorityFunds",
        "startInvestment", "mac",         "remark",         "options"};
    return names;
}

std::vector<RawValue> subAccountRawValues(const SubAccount& s) {
    return {s.account,     s.password,          s.groupName,       int64_t{s.groupId},
            s.name,        int64_t{s.openDate}, s.mainAccount,     s.marginTemplate,
            s.feeTemplate, s.priorityFunds,     s.startInvestment, s.mac,
            s.remark,      int64_t{s.options}};
}

}  // namespace korvant
