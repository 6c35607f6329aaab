#include "accounts/mainaccounts/MainAccountAck.h"

namespace korvant {

AckTexts mainAccountAckTexts(const std::string& title, const std::string& failureRow,
                             bool successWording) {
    AckTexts texts;
    texts.title = title;
    texts.failureRow = failureRow;
    texts.parseFailed = " 解析数据包失败!";
    texts.notAcknowledged = successWording ? "服务器返回非确认包, 无法确定操作是否成功!"
                                           : "服务器返回非确认包, 无法确定操作是否失败!";
    return texts;
}

}  // namespace korvant
