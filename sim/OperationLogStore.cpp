#include "OperationLogStore.h"

#include <algorithm>

namespace korvant::sim {

void OperationLogStore::append(LogRecord record) {
    if (!records_.empty()) record.sortTime = std::max(record.sortTime, records_.back().sortTime);
    records_.push_back(std::move(record));
    while (records_.size() > capacity_) records_.pop_front();
    ++appended_;
}

const std::vector<std::size_t>& OperationLogStore::find(
    const std::string& key, int64_t from, int64_t to,
    const std::function<bool(const LogRecord&)>& keep) {
    if (key == lastKey_ && appended_ == lastAppended_) return lastFound_;
    const auto byTime = [](const LogRecord& e, int64_t t) { return e.sortTime < t; };
    auto begin = from >= 0 ? std::lower_bound(records_.begin(), records_.end(), from, byTime)
                           : records_.begin();
    auto end = to >= 0
                   ? std::upper_bound(begin, records_.end(), to,
                                      [](int64_t t, const LogRecord& e) { return t < e.sortTime; })
                   : records_.end();
    lastFound_.clear();
    for (auto it = begin; it != end; ++it)
        if (keep(*it)) lastFound_.push_back(static_cast<std::size_t>(it - records_.begin()));
    lastKey_ = key;
    lastAppended_ = appended_;
    return lastFound_;
}

}  // namespace korvant::sim
