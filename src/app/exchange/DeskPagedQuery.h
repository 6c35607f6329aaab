#pragma once

#include <string>

#include "model/PagedQuery.h"

// Every page of a list read over the desk's connection, and what the user
// is told when the read did not bring every announced page.
namespace korvant {

class Desk;

struct PagedQueryTexts {
    std::string buildFailed = "  组包出错!! ";
    std::string disconnected = "  与服务器断开了!";
    // An answer that is not a page of the list, or pages that do not advance.
    std::string undecodable = "  错误的数据包, 无法解析 !  ";
    // Names the read in the progress window of a list of many pages.
    std::string progress = "读取数据";
};

// Done: true. A request that cannot be built and a lost connection end the
// program with their texts. A foreign answer or a page that does not
// advance shows `undecodable`, too much data TooMuchDataText (error icon);
// false. A read the user stopped shows nothing; false.
bool reportPagedQueryEnd(Desk& desk, PagedQueryResult result, const PagedQueryTexts& texts);

// Runs `query` over the desk's connection. A list of more than a few pages
// opens the progress window ("TITLE  第 n/N 页", `texts.progress`) that
// lets the user stop after the current page, unless the query brings its
// own `pageRead`. A refusal by the server in the place of a page shows the
// server's text (instead of `undecodable`). Then
// reports the end as above; true when every announced page came. `result`
// receives how the read ended when given.
bool runDeskPagedQuery(Desk& desk, PagedQuery query, const PagedQueryTexts& texts = {},
                       PagedQueryResult* result = nullptr);

}  // namespace korvant
