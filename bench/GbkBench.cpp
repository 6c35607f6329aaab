// Decoding of wire fields from GBK: ns per 16-byte ASCII field and per field
// mixing ASCII and Chinese, against a floor that copies the same bytes.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "BenchTable.h"
#include "protocol/Gbk.h"

namespace korvant::bench {
namespace {

// ns per call of `f` over `fields`, median of several rounds.
template <class F>
double nsPerField(const std::vector<std::string>& fields, F f) {
    std::vector<double> rounds;
    const int repeat = 1000;
    for (int r = 0; r < 7; ++r) {
        auto start = Clock::now();
        std::size_t sink = 0;
        for (int i = 0; i < repeat; ++i)
            for (const std::string& s : fields) sink += f(s);
        rounds.push_back(since(start) * 1e9 / double(repeat * fields.size()));
        if (sink == 1) std::puts("");
    }
    return median(rounds);
}

// The floor: the field's bytes copied into a new string (the decoder makes
// one as well).
std::size_t copyField(const std::string& s) {
    std::string out(s.data(), s.size());
    return out.size();
}

}  // namespace
}  // namespace korvant::bench

int main() {
    using namespace korvant::bench;
    std::vector<std::string> ascii, mixed;
    const std::string chinese = korvant::toGbk("期货一部");
    for (int i = 0; i < 1000; ++i) {
        char text[17];
        std::snprintf(text, sizeof text, "IF2612-%09d", i);
        ascii.emplace_back(text, 16);
        mixed.push_back(chinese + std::to_string(i) + korvant::toGbk("组"));
    }
    auto decode = [](const std::string& s) { return korvant::fromGbk(s).size(); };
    nsPerField(ascii, copyField);  // warm-up
    // The goal is a time a field (30 ns), not a ratio to the copy.
    const double asciiNs = nsPerField(ascii, decode);
    printRow("GBK decoding, 16-byte ASCII field (goal <= 30 ns)", asciiNs,
             nsPerField(ascii, copyField), asciiNs / 30.0, 1.0, "ns");
    printRow("GBK decoding, mixed field", nsPerField(mixed, decode), nsPerField(mixed, copyField),
             "ns", 0);
    return 0;
}
