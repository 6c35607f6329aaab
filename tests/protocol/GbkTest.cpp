#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

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

// The table-driven conversions equal the system converter on every one- and
// two-byte sequence (each also followed by an ASCII byte, so that a lead byte
// with a bad trail resynchronises the same way) and on every BMP code point.
TEST(Gbk, TablesEqualTheConverterOnEverySequence) {
    int differences = 0;
    for (int a = 0x80; a < 0x100; ++a) {
        std::string one(1, static_cast<char>(a));
        if (fromGbk(one) != detail::fromGbkByConverter(one)) ++differences;
        for (int b = 0; b < 0x100; ++b) {
            std::string two{static_cast<char>(a), static_cast<char>(b), 'z'};
            if (fromGbk(two) != detail::fromGbkByConverter(two)) ++differences;
        }
    }
    EXPECT_EQ(differences, 0);

    differences = 0;
    for (uint32_t cp = 0x80; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8;
        if (cp < 0x800) {
            utf8 = {static_cast<char>(0xC0 | (cp >> 6)), static_cast<char>(0x80 | (cp & 0x3F))};
        } else {
            utf8 = {static_cast<char>(0xE0 | (cp >> 12)),
                    static_cast<char>(0x80 | ((cp >> 6) & 0x3F)),
                    static_cast<char>(0x80 | (cp & 0x3F))};
        }
        utf8 += "x";
        if (toGbk(utf8) != detail::toGbkByConverter(utf8)) ++differences;
    }
    EXPECT_EQ(differences, 0);
    const std::string broken = std::string("a\xE6\x9F\xF0\x9F\x98\x80\xC0\xAF\xED\xA0\x80") + "b";
    EXPECT_EQ(toGbk(broken), detail::toGbkByConverter(broken));
}

// Texts longer than a field, with ASCII runs of every length around the
// eight-byte steps, Chinese, lone and broken bytes: the whole-text
// conversions equal the converter both ways.
TEST(Gbk, LongMixedTextsEqualTheConverter) {
    const std::string pieces[] = {toGbk("柜"), "\x81", "\xB9\xF1", "\x80", "\xFF", "\xA1\x7F"};
    for (int seed = 0; seed < 40; ++seed) {
        std::string gbk;
        for (int k = 0; gbk.size() < 200u + 7u * seed; ++k) {
            gbk += std::string(static_cast<std::size_t>((k * 5 + seed) % 19), 'a' + k % 26);
            gbk += pieces[(k + seed) % 6];
        }
        ASSERT_EQ(fromGbk(gbk), detail::fromGbkByConverter(gbk)) << "seed " << seed;
        const std::string utf8 = fromGbk(gbk) + "\xE6\x9F" + std::string(9, 'z') + "\xC0\xAF";
        ASSERT_EQ(toGbk(utf8), detail::toGbkByConverter(utf8)) << "seed " << seed;
        std::string appended = "kept";
        appendGbk(appended, utf8);
        ASSERT_EQ(appended, "kept" + detail::toGbkByConverter(utf8)) << "seed " << seed;
    }
}

// A fixed field read in place ends at its first NUL (or at its width) and is
// decoded as a whole, wherever the NUL and the first non-ASCII byte fall.
TEST(Gbk, PlainTextFieldsEndAtTheirFirstNul) {
    const std::string chinese = toGbk("期");
    for (std::size_t width : {1u, 7u, 8u, 9u, 16u, 31u, 64u}) {
        for (std::size_t nul = 0; nul <= width; ++nul) {
            for (std::size_t high = 0; high <= width; ++high) {
                std::vector<uint8_t> field(width, 'x');
                if (high + 1 < width) std::memcpy(field.data() + high, chinese.data(), 2);
                if (nul < width) field[nul] = 0;
                std::string read = "previous text that is long enough for the heap";
                readPlainText(field.data(), width, read);
                const std::string expected = fromGbk(rawPlainText(field.data(), width));
                ASSERT_EQ(read, expected) << width << " " << nul << " " << high;
                ASSERT_EQ(readPlainText(field.data(), width), expected);
            }
        }
    }
    const uint8_t noNul[3] = {'a', 0xB9, 0xF1};
    EXPECT_EQ(readPlainText(noNul, 3), "a柜");
}

}  // namespace
}  // namespace korvant
