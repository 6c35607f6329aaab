#pragma once

#include <cstddef>
#include <vector>

#include "model/ListAnswer.h"
#include "model/PageCursor.h"

// An ordered array of cached records in arrival order, with the cursor of
// the list it was filled from.
namespace korvant {

template <class T>
struct RecordCache {
    std::vector<T> records;
    PageCursor cursor;

    void clear() {
        records.clear();
        cursor = PageCursor{};
    }
    int count() const { return static_cast<int>(records.size()); }
    bool empty() const { return records.empty(); }
    const T& at(int index) const { return records.at(static_cast<std::size_t>(index)); }

    // Stores the cursor of a list page and appends its whole records. A
    // packet too short for the page header leaves the cursor unchanged.
    void append(const ListPage& page) {
        storeCursor(page);
        if (page.count <= 0) return;
        // A first page sizes the array; later pages grow it geometrically.
        if (records.empty()) records.reserve(static_cast<std::size_t>(page.count));
        for (int i = 0; i < page.count; ++i)
            records.push_back(
                T::fromWire(page.records + static_cast<std::size_t>(i) * T::WireSize));
    }
    // Empties the records, then stores the cursor and appends.
    void replace(const ListPage& page) {
        records.clear();
        append(page);
    }
    void storeCursor(const ListPage& page) {
        if (!page.hasHeader) return;
        cursor.total = page.total;
        cursor.last = page.index;
    }
    void appendAnswer(const uint8_t* packet, int length) {
        append(parseListPage(packet, length, T::WireSize));
    }
    void replaceFromAnswer(const uint8_t* packet, int length) {
        replace(parseListPage(packet, length, T::WireSize));
    }
};

}  // namespace korvant
