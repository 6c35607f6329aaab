#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "SettlementState.h"

// The operation log as the server keeps it: bounded (the oldest entries are
// dropped), in time order, so that a query finds its time span by binary
// search, and the entries of the last query kept while the log does not
// change, so that reading the next page costs that page only.
namespace korvant::sim {

class OperationLogStore {
public:
    static constexpr std::size_t DefaultCapacity = 1000000;

    explicit OperationLogStore(std::size_t capacity = DefaultCapacity) : capacity_(capacity) {}

    // Appends `record`; a time before the newest entry's (a clock set back)
    // is stored as that time, so the order holds. Beyond the capacity the
    // oldest entry is dropped.
    void append(LogRecord record);
    std::size_t size() const { return records_.size(); }
    const LogRecord& at(std::size_t index) const { return records_[index]; }

    // The entries with `from` <= sortTime <= `to` (-1: no bound) that
    // `keep` accepts, oldest first, as indexes. The answer of the same `key`
    // is reused while no entry was added.
    const std::vector<std::size_t>& find(const std::string& key, int64_t from, int64_t to,
                                         const std::function<bool(const LogRecord&)>& keep);

private:
    std::size_t capacity_;
    std::deque<LogRecord> records_;
    uint64_t appended_ = 0;  // entries ever appended: a change of the log
    std::string lastKey_;
    uint64_t lastAppended_ = UINT64_MAX;
    std::vector<std::size_t> lastFound_;
};

}  // namespace korvant::sim
