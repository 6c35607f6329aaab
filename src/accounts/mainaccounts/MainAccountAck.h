#pragma once

#include <string>

#include "app/Exchange.h"

// The acknowledgement texts shared by the main-account operations.
namespace korvant {

// " 解析数据包失败!" for an answer that cannot be decoded, "服务器返回非确认包,
// 无法确定操作是否失败!" (or "…是否成功!" with `successWording`) for one that
// is no acknowledgement.
AckTexts mainAccountAckTexts(const std::string& title, const std::string& failureRow,
                             bool successWording = false);

}  // namespace korvant
