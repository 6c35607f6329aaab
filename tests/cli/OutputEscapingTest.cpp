#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliPort.h"
#include "cli/ControlEscape.h"
#include "cli/StatusLine.h"
#include "cli/Tsv.h"

namespace korvant::cli {
namespace {

TEST(OutputEscaping, ControlCharactersBecomeVisibleEscapes) {
    EXPECT_EQ(escapeControls("a\nb"), "a\\nb");
    EXPECT_EQ(escapeControls("\x1b[31mred\x1b[0m"), "\\x1B[31mred\\x1B[0m");
    EXPECT_EQ(escapeControls(std::string("x\0y", 3)), "x\\x00y");
    EXPECT_EQ(escapeControls("\t\r\x7f\x1f"), "\\x09\\x0D\\x7F\\x1F");
    // UTF-8 characters, blanks and printable ASCII stay as they are.
    EXPECT_EQ(escapeControls("  组包出错!! ~"), "  组包出错!! ~");
    // A text of many lines keeps its layout, nothing else.
    EXPECT_EQ(escapeControls("a\tb\r\n\x1b[2J\x7f", true), "a\tb\r\n\\x1B[2J\\x7F");
}

TEST(OutputEscaping, NoServerTextCanForgeALineOrACell) {
    std::ostringstream out;
    writeTsvRow(out, {"a\tb", "line\nforged\tcell", "\x1b]0;title\x07"});
    EXPECT_EQ(out.str(), "a\\x09b\tline\\nforged\\x09cell\t\\x1B]0;title\\x07\n");

    EXPECT_EQ(messageLine({"bad\r\nstatus\tx", "提\x1b示", MessageIcon::Error}),
              "[提\\x1B示] bad\\x0D\\nstatus\\x09x");

    EXPECT_EQ(statusLine({"2024-01-02 09:05:07", "登录\n", "名称:x\x1b[2J\nstatus\tforged"}),
              "status\t2024-01-02 09:05:07\t登录\\n\t名称:x\\x1B[2J\\nstatus\\x09forged");
}

TEST(OutputEscaping, PasswordsInStatusRowsAreMasked) {
    EXPECT_EQ(maskPasswords("账号:a1, 密码:secret, 权限:7, 名称:n, 组:g"),
              "账号:a1, 密码:******, 权限:7, 名称:n, 组:g");
    // A password that holds ", " or ":" is masked whole.
    EXPECT_EQ(maskPasswords("账号:42, 密码:a, b:c, 名称:n"), "账号:42, 密码:******, 名称:n");
    EXPECT_EQ(maskPasswords("账号:a, 密码:"), "账号:a, 密码:******");
    EXPECT_EQ(maskPasswords("账号:a, 密码:p, 名称:n, 组:g, 密码:q"),
              "账号:a, 密码:******, 名称:n, 组:g, 密码:******");
    EXPECT_EQ(maskPasswords("添加 a1 成功"), "添加 a1 成功");
    EXPECT_EQ(statusLine({"t", "添加子账号", "账号:42, 密码:pw\x1b, 名称:n"}),
              "status\tt\t添加子账号\t账号:42, 密码:******, 名称:n");
}

}  // namespace
}  // namespace korvant::cli
