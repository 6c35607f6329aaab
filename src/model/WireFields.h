#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

// Fixed-size wire records described once: one table of fields per record,
// each {member, offset, width}, drives both the record's decoder and its
// encoder. A field's kind follows from its member's type:
// - int32_t, uint32_t, uint8_t, double: little-endian, at any alignment;
// - std::array of one of those: the values back to back;
// - std::string: GBK text in a fixed field, read up to its first NUL and
//   written cut on whole characters, the rest of the field zero.
// The widths are checked against the kinds and every field against the
// record's WireSize when the table is compiled, so a decoder never reads
// past the whole row its caller hands it.
namespace korvant {

template <class Record, class Member>
struct WireField {
    using MemberType = Member;

    Member Record::*member;
    std::size_t offset;
    std::size_t width;
    // Text only: at most this many bytes are read (a prefix cut on whole
    // characters); the whole field is written.
    std::size_t shown;
};

namespace wire {

template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

// Bytes of one number of type T on the wire; 0 for a type that is no number.
template <class T>
constexpr std::size_t numberWidth() {
    if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>)
        return 4;
    else if constexpr (std::is_same_v<T, uint8_t>)
        return 1;
    else if constexpr (std::is_same_v<T, double>)
        return 8;
    else
        return 0;
}

template <class Member>
constexpr std::size_t memberWidth() {
    if constexpr (IsArray<Member>::value)
        return numberWidth<typename Member::value_type>() * std::tuple_size_v<Member>;
    else
        return numberWidth<Member>();
}

template <class T>
T getNumber(const uint8_t* p) {
    if constexpr (std::is_same_v<T, int32_t>)
        return getI32(p);
    else if constexpr (std::is_same_v<T, uint32_t>)
        return getU32(p);
    else if constexpr (std::is_same_v<T, uint8_t>)
        return getU8(p);
    else
        return getF64(p);
}

template <class T>
void putNumber(uint8_t* p, T value) {
    if constexpr (std::is_same_v<T, int32_t>)
        putI32(p, value);
    else if constexpr (std::is_same_v<T, uint32_t>)
        putU32(p, value);
    else if constexpr (std::is_same_v<T, uint8_t>)
        putU8(p, value);
    else
        putF64(p, value);
}

// Field is a WireField known when compiling: its offset, width and member
// are constants in the code, no table is read while decoding.
template <auto Field, class Object>
void readField(const uint8_t* wire, Object& record) {
    using Member = typename decltype(Field)::MemberType;
    const uint8_t* p = wire + Field.offset;
    Member& value = record.*Field.member;
    if constexpr (std::is_same_v<Member, std::string>) {
        if constexpr (Field.shown == Field.width) {
            readPlainText(p, Field.width, value);
        } else {
            const std::string_view raw = rawPlainText(p, Field.width);
            value = fromGbk(raw.substr(0, gbkCutLength(raw, Field.shown)));
        }
    } else if constexpr (IsArray<Member>::value) {
        using T = typename Member::value_type;
        for (std::size_t i = 0; i < value.size(); ++i)
            value[i] = getNumber<T>(p + i * numberWidth<T>());
    } else {
        value = getNumber<Member>(p);
    }
}

template <auto Field, class Object>
void writeField(uint8_t* wire, const Object& record) {
    using Member = typename decltype(Field)::MemberType;
    uint8_t* p = wire + Field.offset;
    const Member& value = record.*Field.member;
    if constexpr (std::is_same_v<Member, std::string>) {
        writePlainText(p, Field.width, value);
    } else if constexpr (IsArray<Member>::value) {
        using T = typename Member::value_type;
        for (std::size_t i = 0; i < value.size(); ++i)
            putNumber<T>(p + i * numberWidth<T>(), value[i]);
    } else {
        putNumber<Member>(p, value);
    }
}

}  // namespace wire

// The field `member` of `Record`, `width` bytes from `offset`; `shown`
// (text only) bounds what is read. A width that does not match the
// member's kind, or a field past Record::WireSize, does not compile.
template <class Record, class Member>
consteval WireField<Record, Member> wireField(Member Record::*member, std::size_t offset,
                                              std::size_t width, std::size_t shown = 0) {
    constexpr bool text = std::is_same_v<Member, std::string>;
    static_assert(text || wire::memberWidth<Member>() > 0, "no wire kind for this member type");
    if (!text && (width != wire::memberWidth<Member>() || shown != 0))
        throw "the width does not match the member's kind";
    if (text && (width == 0 || shown > width)) throw "a text field needs a width";
    if (offset + width > static_cast<std::size_t>(Record::WireSize))
        throw "the field lies past the end of the record";
    return {member, offset, width, shown == 0 ? width : shown};
}

// The fields of one record, in wire order. A table is declared constexpr
// at namespace scope and used through readWire, decodeWire and writeWire.
template <class... Fields>
class WireFields {
public:
    constexpr explicit WireFields(Fields... fields) : fields_(fields...) {}

    static constexpr std::size_t size() { return sizeof...(Fields); }
    constexpr const std::tuple<Fields...>& fields() const { return fields_; }

    // The fields at the positions `Picked`, for a record read in part.
    template <std::size_t... Picked>
    constexpr auto pick() const {
        return WireFields<std::tuple_element_t<Picked, std::tuple<Fields...>>...>(
            std::get<Picked>(fields_)...);
    }

private:
    std::tuple<Fields...> fields_;
};

// Reads the fields of the table `Table` from `wire` (a whole record) into
// `record`: one straight run of reads, unrolled when compiling.
template <const auto& Table, class Record>
void readWire(const uint8_t* wire, Record& record) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (wire::readField<std::get<I>(Table.fields())>(wire, record), ...);
    }
    (std::make_index_sequence<Table.size()>{});
}

template <class Record, const auto& Table>
Record decodeWire(const uint8_t* wire) {
    Record record;
    readWire<Table>(wire, record);
    return record;
}

// Writes the fields of `Table` of `record` into `wire`, leaving the bytes
// between them as they are.
template <const auto& Table, class Record>
void writeFields(const Record& record, uint8_t* wire) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (wire::writeField<std::get<I>(Table.fields())>(wire, record), ...);
    }
    (std::make_index_sequence<Table.size()>{});
}

// Writes `record` into `wire`: its Record::WireSize bytes zeroed, then the
// fields of `Table`.
template <const auto& Table, class Record>
void writeWire(const Record& record, uint8_t* wire) {
    std::memset(wire, 0, Record::WireSize);
    writeFields<Table>(record, wire);
}

// A request packet of Request::WireSize bytes, header included: the header
// with `command`, the fields of `Table`, every other byte zero. Returns the
// size written, or -1 when `capacity` is too small.
template <const auto& Table, class Request>
int writeRequestWire(uint8_t command, const Request& request, uint8_t* buffer, int capacity) {
    PacketWriter writer(buffer, capacity, Request::WireSize, command);
    if (!writer.valid()) return -1;
    writeFields<Table>(request, buffer);
    return writer.finish();
}

}  // namespace korvant

// Defines `Record::fromWire` and `Record::toWire` over the fields that
// follow, the record's table `RecordFields` (at namespace scope in one
// source file).
#define KORVANT_WIRE_RECORD(Record, ...)                            \
    constexpr ::korvant::WireFields Record##Fields{__VA_ARGS__};    \
    Record Record::fromWire(const uint8_t* wire) {                  \
        return ::korvant::decodeWire<Record, Record##Fields>(wire); \
    }                                                               \
    void Record::toWire(uint8_t* wire) const {                      \
        ::korvant::writeWire<Record##Fields>(*this, wire);          \
    }
