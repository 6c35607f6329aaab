#include <gtest/gtest.h>

#include "local/XmlText.h"

namespace korvant {
namespace {

// Whatever bytes a server sends, the text stays well-formed XML: markup
// escaped, forbidden control characters dropped, broken UTF-8 replaced.
TEST(XmlText, AnyBytesBecomeWellFormedText) {
    const struct {
        std::string text, xml;
    } cases[] = {
        {"<a & \"b\">", "&lt;a &amp; &quot;b&quot;&gt;"},
        {"007 成交", "007 成交"},
        {"a\tb\nc\rd", "a\tb\nc&#13;d"},
        {std::string("x\0y\x01\x1F\x7F", 6), "xy\x7F"},
        {"\xC3\xA9\xF0\x9F\x98\x80", "\xC3\xA9\xF0\x9F\x98\x80"},  // é and an emoji stay
        {"a\xFF"
         "b",
         "a\xEF\xBF\xBD"
         "b"},                                                     // a stray byte
        {"\xE6\x88", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // a cut character
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xEF\xBF\xBE", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // U+FFFE
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string out = "<t>";
        appendXmlText(out, c.text);
        EXPECT_EQ(out, "<t>" + c.xml) << c.text;
    }
}

}  // namespace
}  // namespace korvant
