#include <gtest/gtest.h>

#include "local/CsvText.h"

namespace korvant {
namespace {

TEST(CsvText, TextThatStartsLikeAFormulaGetsAQuoteInFront) {
    EXPECT_EQ(csvSafeText("=HYPERLINK(\"x\")"), "'=HYPERLINK(\"x\")");
    EXPECT_EQ(csvSafeText("+1+2"), "'+1+2");
    EXPECT_EQ(csvSafeText("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(csvSafeText("-cmd"), "'-cmd");
    // A negative number, a lone minus and ordinary text stay as they are.
    EXPECT_EQ(csvSafeText("-12.5"), "-12.5");
    EXPECT_EQ(csvSafeText("-"), "-");
    EXPECT_EQ(csvSafeText("a=b"), "a=b");
    EXPECT_EQ(csvSafeText("入金"), "入金");
    EXPECT_EQ(csvSafeText(""), "");
}

TEST(CsvText, QuotedTextIsMadeSafeAndKeepsItsColumn) {
    EXPECT_EQ(csvQuotedText("plain"), "plain");
    EXPECT_EQ(csvQuotedText("a,b"), "\"a,b\"");
    EXPECT_EQ(csvQuotedText("say \"hi\"\r\n"), "\"say \"\"hi\"\"\r\n\"");
    EXPECT_EQ(csvQuotedText("=1,2"), "\"'=1,2\"");
}

}  // namespace
}  // namespace korvant
