#pragma once

#include <ctime>
#include <functional>
#include <string>
#include <vector>

// The course of the last data-changing operation: rows of local time, title
// and detail. An operation clears the list with its start row and appends its
// outcome rows. Front ends follow the list through listeners.
namespace korvant {

struct StatusRow {
    std::string time;  // "%04d-%02d-%02d %02d:%02d:%02d", local time of the append
    std::string title;
    std::string detail;
};

class StatusList {
public:
    enum class Change { Cleared, Appended };
    // Sees the whole list after each change (an append with the clear-first
    // flag reports Cleared, then Appended).
    using Listener = std::function<void(const StatusList&, Change)>;
    // Sees each appended row.
    using RowListener = std::function<void(const StatusRow&)>;
    // The local time of an append; tests fix it.
    using Clock = std::function<std::tm()>;

    StatusList();
    explicit StatusList(Clock clock);

    void setClock(Clock clock);
    void append(const std::string& title, const std::string& detail, bool clearFirst);
    void clear();

    const std::vector<StatusRow>& rows() const { return rows_; }
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }

    // Returns an id for remove().
    int addListener(Listener listener);
    int subscribe(RowListener listener);
    void remove(int id);

    static std::string formatTime(const std::tm& time);
    static std::tm localNow();

private:
    void notify(Change change);

    struct Entry {
        int id;
        Listener listener;
        RowListener rowListener;
    };
    Clock clock_;
    std::vector<StatusRow> rows_;
    std::vector<Entry> listeners_;
    int nextId_ = 1;
};

}  // namespace korvant
