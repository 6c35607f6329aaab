#include "local/StatusList.h"

#include <cstdio>

namespace korvant {

StatusList::StatusList() : clock_(&StatusList::localNow) {}

StatusList::StatusList(Clock clock) : clock_(clock ? std::move(clock) : &StatusList::localNow) {}

void StatusList::setClock(Clock clock) {
    clock_ = clock ? std::move(clock) : &StatusList::localNow;
}

std::tm StatusList::localNow() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

std::string StatusList::formatTime(const std::tm& t) {
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

void StatusList::append(const std::string& title, const std::string& detail, bool clearFirst) {
    if (clearFirst) clear();
    rows_.push_back({formatTime(clock_()), title, detail});
    notify(Change::Appended);
}

void StatusList::clear() {
    rows_.clear();
    notify(Change::Cleared);
}

int StatusList::addListener(Listener listener) {
    listeners_.push_back({nextId_, std::move(listener), nullptr});
    return nextId_++;
}

int StatusList::subscribe(RowListener listener) {
    listeners_.push_back({nextId_, nullptr, std::move(listener)});
    return nextId_++;
}

void StatusList::remove(int id) {
    std::erase_if(listeners_, [id](const Entry& e) { return e.id == id; });
}

void StatusList::notify(Change change) {
    // A copy: a listener may add or remove listeners.
    auto listeners = listeners_;
    for (const auto& e : listeners) {
        if (e.listener) e.listener(*this, change);
        if (e.rowListener && change == Change::Appended && !rows_.empty())
            e.rowListener(rows_.back());
    }
}

}  // namespace korvant
