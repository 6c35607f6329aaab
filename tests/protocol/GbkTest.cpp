#include <gtest/gtest.h>

#include <string>

#include "protocol/Gbk.h"

namespace korvant {
namespace {

const std::string Replacement = "\xEF\xBF\xBD";

TEST(Gbk, ConvertsBothWays) {
    EXPECT_EQ(toGbk("柜台管理"), "\xB9\xF1\xCC\xA8\xB9\xDC\xC0\xED");
    EXPECT_EQ(fromGbk("\xB9\xF1\xCC\xA8\xB9\xDC\xC0\xED"), "柜台管理");
    EXPECT_EQ(toGbk("abc 123"), "abc 123");
    EXPECT_EQ(fromGbk(toGbk("账号:a1, 密码:p")), "账号:a1, 密码:p");
    EXPECT_EQ(toGbk(""), "");
}

TEST(Gbk, InvalidBytesBecomeReplacementCharacters) {
    // A lone lead byte at the end, a lead byte with an invalid trail byte,
    // and a byte that is never valid.
    EXPECT_EQ(fromGbk("ab\x81"), "ab" + Replacement);
    EXPECT_EQ(fromGbk("\x81\x20x"), Replacement + " x");
    EXPECT_EQ(fromGbk("\xFF\xB9\xF1"), Replacement + "柜");
    std::string noise;
    for (int i = 0; i < 2000; ++i) noise.push_back(static_cast<char>((i * 37 + 11) & 0xFF));
    EXPECT_TRUE(isValidUtf8(fromGbk(noise)));
}

TEST(Gbk, UnconvertibleOrBrokenUtf8BecomesQuestionMarks) {
    EXPECT_EQ(toGbk("a\xF0\x9F\x98\x80"
                    "b"),
              "a?b");  // emoji: not in GBK
    EXPECT_EQ(toGbk("a\xE6\x9F"
                    "b"),
              "a??b");  // truncated sequence
}

TEST(Gbk, CutLengthNeverHalvesADoubleByteCharacter) {
    std::string gbk = toGbk("a柜台");  // 1 + 2 + 2 bytes
    EXPECT_EQ(gbkCutLength(gbk, 5), 5u);
    EXPECT_EQ(gbkCutLength(gbk, 4), 3u);
    EXPECT_EQ(gbkCutLength(gbk, 2), 1u);
    EXPECT_EQ(gbkCutLength(gbk, 0), 0u);
    EXPECT_EQ(gbkCutLength("abcdef", 4), 4u);
}

TEST(Gbk, Utf8Validation) {
    EXPECT_TRUE(isValidUtf8("柜台 abc"));
    EXPECT_FALSE(isValidUtf8("\xB9\xF1"));      // GBK bytes
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));      // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));  // surrogate
    EXPECT_FALSE(isValidUtf8("\xE6\x9F"));      // truncated
}

}  // namespace
}  // namespace korvant
