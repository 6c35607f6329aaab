#pragma once

#include <span>
#include <string>
#include <vector>
#include "text/NumberText.h"

#include "model/Administrator.h"
#include "model/MainAccount.h"
#include "model/PageCursor.h"
#include "model/SubAccount.h"
#include "text/NumberText.h"

// Columns of the account lists and the cell texts exactly as the desk
// shows them. The desk and the command-line front end both draw from here.
namespace korvant {

struct ListColumn {
    const char* caption;
    int width;    // in dialog units as the desk lays them out; 0 for hidden
    bool hidden;  // a width-0 column the desk keeps but does not show
};

// Two decimals ("%.2f", whatever the process locale). Rates with trailing
// zeros removed are formatTrimmed of text/NumberText.h.
std::string formatAmount(double value);

// "账号", "密码", "权限" (the mask as a decimal), "隶属", "名称", then
// "监控范围" twice (from, to).
std::span<const ListColumn> administratorListColumns();
std::vector<std::string> administratorListCells(const Administrator& admin);

// "主账号", "密码" ("*****"), "初始资金" and "可分配资金" ("不限" when the
// initial funds are 0), "优先资金", "期初投入", five hidden "费率".
std::span<const ListColumn> mainAccountListColumns();
std::vector<std::string> mainAccountListCells(const MainAccount& account);

// "隶属主账号", "可分配资金": the funds of a main account whose namesake
// among `firstLevel` is unlimited (initial funds 0) show "不限", as in the
// first-level list; they stay blank when there is no such namesake.
std::span<const ListColumn> mainAccountLinkListColumns();
std::vector<std::string> mainAccountLinkListCells(const MainAccountLink& link,
                                                  std::span<const MainAccount> firstLevel);

// "子账号" … "备注", and the hidden "属性" (the option flags as "%i").
std::span<const ListColumn> subAccountListColumns();
std::vector<std::string> subAccountListCells(const SubAccount& account);
// The row below the sub-account list: "第 %i/%i 页" (page + 1, total).
std::string subAccountPageText(const PageCursor& cursor);

}  // namespace korvant
