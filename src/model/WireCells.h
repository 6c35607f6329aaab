#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "model/WireFields.h"

// The cells of a record read either from the decoded record or straight
// from its wire bytes, so that one writer of a row's cells serves both: a
// list shows decoded rows, an export writes the answers' records as they
// come without decoding their texts first.
//     cellOf<&TradeRow::volume>(row)                      // the member
//     cellOf<&TradeRow::volume>(WireRecord<TradeRow>{p})  // read from p
// A text read from the wire stays a WireText (its GBK bytes, up to the
// first NUL as decoding reads them); TableSink::wireText takes it.
namespace korvant {

struct WireText {
    const uint8_t* field;
    std::size_t width;
};

// The wire bytes of one record of `Record`'s layout (Record::wireFields).
template <class Record>
struct WireRecord {
    const uint8_t* bytes;
};

template <auto Member, class Record>
const auto& cellOf(const Record& record) {
    return record.*Member;
}

namespace wire {

// The field of `Table` that holds `Member`; no such field does not compile.
template <const auto& Table, auto Member, std::size_t I = 0>
consteval auto fieldOf() {
    using Fields = std::remove_cvref_t<decltype(Table.fields())>;
    static_assert(I < std::tuple_size_v<Fields>, "the member has no field on the wire");
    constexpr auto field = std::get<I>(Table.fields());
    if constexpr (std::is_same_v<decltype(field.member), decltype(Member)>) {
        if constexpr (field.member == Member && field.element == WholeMember)
            return field;
        else
            return fieldOf<Table, Member, I + 1>();
    } else {
        return fieldOf<Table, Member, I + 1>();
    }
}

}  // namespace wire

template <auto Member, class Record>
auto cellOf(const WireRecord<Record>& record) {
    constexpr auto field = wire::fieldOf<Record::wireFields, Member>();
    using M = typename decltype(field)::MemberType;
    if constexpr (std::is_same_v<M, std::string>) {
        static_assert(field.shown == field.width,
                      "a text read in part is decoded, not written raw");
        return WireText{record.bytes + field.offset, field.width};
    } else {
        return wire::getNumber<M>(record.bytes + field.offset);
    }
}

}  // namespace korvant
