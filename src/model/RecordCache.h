#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/LargeBlockAllocator.h"
#include "model/ListAnswer.h"
#include "model/PageCursor.h"

// An ordered array of cached records in arrival order, with the cursor of
// the list it was filled from.
namespace korvant {

template <class T>
using RecordArray = std::vector<T, LargeBlockAllocator<T>>;

template <class T>
struct RecordCache {
    RecordArray<T> records;
    PageCursor cursor;

    // A record on the wire, turned into a T where the array constructs one
    // (no temporary record moved in).
    struct Decoded {
        const uint8_t* wire;
        operator T() const { return T::fromWire(wire); }
    };

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
        // Each record is decoded straight into its place in the array.
        for (int i = 0; i < page.count; ++i)
            records.emplace_back(Decoded{page.records + static_cast<std::size_t>(i) * T::WireSize});
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
    // Before the first page of a read of every page: room for as many
    // records as the page announces in all, so that the array does not
    // grow by doubling (800 000 sub-accounts would otherwise pass through
    // arrays of twice their size). Bounded, since the total is the server's
    // word: no more records than a read may bring, and no more than 1 GiB
    // of address space, mapped but not touched until records arrive.
    void reserveForAllPages(const uint8_t* packet, int length) {
        const ListPage page = parseListPage(packet, length, T::WireSize);
        if (page.index != 0 || page.count <= 0 || page.total <= 1) return;
        std::size_t wanted =
            static_cast<std::size_t>(page.total) * static_cast<std::size_t>(page.count);
        wanted = std::min({wanted, MaxReservedRecords, MaxReservedBytes / sizeof(T)});
        if (wanted > records.capacity()) records.reserve(wanted);
    }
    static constexpr std::size_t MaxReservedRecords = 2000000;
    static constexpr std::size_t MaxReservedBytes = std::size_t{1} << 30;

    void appendAnswer(const uint8_t* packet, int length) {
        append(parseListPage(packet, length, T::WireSize));
    }
    void replaceFromAnswer(const uint8_t* packet, int length) {
        replace(parseListPage(packet, length, T::WireSize));
    }
};

}  // namespace korvant
