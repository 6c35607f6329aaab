#include <gtest/gtest.h>

#include "OperationLogStore.h"

namespace korvant::sim {
namespace {

LogRecord entry(int64_t time, const std::string& admin) {
    LogRecord r;
    r.sortTime = time;
    r.administrator = admin;
    return r;
}

std::vector<int64_t> timesOf(OperationLogStore& log, const std::vector<std::size_t>& found) {
    std::vector<int64_t> times;
    for (std::size_t i : found) times.push_back(log.at(i).sortTime);
    return times;
}

// The log keeps its newest entries in time order; a query finds its time
// span and reuses its answer until the log changes.
TEST(OperationLogStore, BoundedInTimeOrderAndQueriedBySpan) {
    OperationLogStore log(4);
    for (int64_t t : {10, 20, 30, 25, 40, 50}) log.append(entry(t, t == 40 ? "b" : "a"));
    EXPECT_EQ(log.size(), 4u);  // 10 and 20 dropped; 25 came after 30
    const auto all = [](const LogRecord&) { return true; };
    const struct {
        int64_t from, to;
        std::vector<int64_t> times;
    } cases[] = {
        {-1, -1, {30, 30, 40, 50}},
        {30, 40, {30, 30, 40}},
        {31, 49, {40}},
        {60, -1, {}},
        {-1, 29, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(timesOf(log, log.find(std::to_string(c.from) + "/" + std::to_string(c.to), c.from,
                                        c.to, all)),
                  c.times)
            << c.from << ".." << c.to;

    int calls = 0;
    const auto onlyB = [&calls](const LogRecord& e) {
        ++calls;
        return e.administrator == "b";
    };
    EXPECT_EQ(timesOf(log, log.find("b", -1, -1, onlyB)), std::vector<int64_t>{40});
    EXPECT_EQ(calls, 4);
    log.find("b", -1, -1, onlyB);
    EXPECT_EQ(calls, 4);  // the next page costs nothing more
    log.append(entry(60, "b"));
    EXPECT_EQ(timesOf(log, log.find("b", -1, -1, onlyB)), (std::vector<int64_t>{40, 60}));
}

}  // namespace
}  // namespace korvant::sim
