#include "app/forms/SearchFilter.h"

#include <cstring>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"

namespace korvant {

std::array<uint8_t, SearchFilter::WireSize> SearchFilter::toWire() const {
    std::array<uint8_t, WireSize> bytes{};
    writePlainText(bytes.data() + 0, 16, account);
    writePlainText(bytes.data() + 16, 16, password);
    putI32(bytes.data() + 32, adminNumber);
    putI32(bytes.data() + 40, openingDate);
    writePlainText(bytes.data() + 44, 32, remark);
    putI32(bytes.data() + 76, groupId);
    bytes[80] = flags;
    return bytes;
}

SearchFilter SearchFilter::fromWire(const uint8_t* bytes) {
    SearchFilter f;
    f.account = readPlainText(bytes + 0, 16);
    f.password = readPlainText(bytes + 16, 16);
    f.adminNumber = getI32(bytes + 32);
    f.openingDate = getI32(bytes + 40);
    f.remark = readPlainText(bytes + 44, 32);
    f.groupId = getI32(bytes + 76);
    f.flags = bytes[80];
    return f;
}

void SearchFilter::clearFields() {
    int32_t keep = groupId;
    *this = SearchFilter{};
    groupId = keep;
}

const std::array<const char*, 4>& searchCategoryCaptions() {
    static const std::array<const char*, 4> captions{"用户名", "密码", "开户日期", "备注"};
    return captions;
}

std::string firstCharacters(const std::string& utf8, int maxChars) {
    std::size_t pos = 0;
    int count = 0;
    while (pos < utf8.size() && count < maxChars) {
        unsigned char c = static_cast<unsigned char>(utf8[pos]);
        std::size_t len = c < 0x80           ? 1
                          : (c >> 5) == 0x6  ? 2
                          : (c >> 4) == 0xE  ? 3
                          : (c >> 3) == 0x1E ? 4
                                             : 1;
        pos += len;
        ++count;
    }
    return utf8.substr(0, std::min(pos, utf8.size()));
}

int32_t lenientInt(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i++] - '0');
        if (value > INT32_MAX) {
            value = INT32_MAX;
            break;
        }
    }
    return static_cast<int32_t>(negative ? -value : value);
}

SearchFilter searchBarFilter(int groupId, SearchCategory category, const std::string& keyword) {
    SearchFilter f;
    f.groupId = groupId;
    switch (category) {
        case SearchCategory::Account:
            f.account = firstCharacters(keyword, 15);
            if (!f.account.empty()) f.flags |= SearchFilter::AccountFlag;
            break;
        case SearchCategory::Password:
            f.password = firstCharacters(keyword, 15);
            if (!f.password.empty()) f.flags |= SearchFilter::PasswordFlag;
            break;
        case SearchCategory::OpeningDate:
            f.openingDate = lenientInt(firstCharacters(keyword, 15));
            if (f.openingDate != 0) f.flags |= SearchFilter::OpeningDateFlag;
            break;
        case SearchCategory::Remark:
            f.remark = firstCharacters(keyword, 31);
            if (!f.remark.empty()) f.flags |= SearchFilter::RemarkFlag;
            break;
    }
    return f;
}

std::optional<SearchFilter> advancedSearchFilter(int groupId, const AdvancedSearchForm& form) {
    SearchFilter f;
    f.groupId = groupId;
    f.account = firstCharacters(form.account, 15);
    f.password = firstCharacters(form.password, 15);
    f.remark = firstCharacters(form.remark, 31);
    if (!f.account.empty()) f.flags |= SearchFilter::AccountFlag;
    if (!f.password.empty()) f.flags |= SearchFilter::PasswordFlag;
    if (!f.remark.empty()) f.flags |= SearchFilter::RemarkFlag;
    if (f.flags == 0) return std::nullopt;
    return f;
}

}  // namespace korvant
