#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "protocol/Bytes.h"
#include "protocol/Gbk.h"
#include "protocol/Packet.h"

// Fixed-size wire layouts described once: one table of fields per layout,
// each {member, offset, width}, drives both the decoder and the encoder of
// a record or a request, and says its size. A field's kind follows from
// its member's type:
// - int32_t, uint32_t, uint8_t, double, or an enum of one of those:
//   little-endian, at any alignment;
// - std::array of one of those: the values back to back, or one element;
// - std::string: GBK text in a fixed field, read up to its first NUL and
//   written cut on whole characters, the rest of the field zero (the last
//   byte always, unless the field may be filled to its end).
// The widths are checked against the kinds and every field against the
// layout's size when the table is compiled, so a decoder never reads past
// the bytes of the layout its caller hands it.
//
// A record or request keeps its table as a static member:
//     static constexpr auto wireFields = wireLayout<WireSize>(
//         wireField(&Group::name, 0, 32), wireField(&Group::id, 32, 4), ...);
namespace korvant {

namespace wire {
inline constexpr std::size_t WholeMember = static_cast<std::size_t>(-1);
}

template <class Record, class Member>
struct WireField {
    using MemberType = Member;

    Member Record::*member;
    std::size_t offset;
    std::size_t width;
    // Text only: at most this many bytes are read (a prefix cut on whole
    // characters); the whole field is written.
    std::size_t shown;
    // Text only: the text may fill the whole field, with no NUL after it.
    bool filled = false;
    // Array only: the one element this field holds, or the whole array.
    std::size_t element = wire::WholeMember;
};

namespace wire {

template <class T>
struct IsArray : std::false_type {};
template <class T, std::size_t N>
struct IsArray<std::array<T, N>> : std::true_type {};

template <class T>
struct NumberOf {
    using type = T;
};
template <class T>
requires std::is_enum_v<T>
struct NumberOf<T> {
    using type = std::underlying_type_t<T>;
};

// Bytes of one number of type T on the wire; 0 for a type that is no number.
template <class T>
constexpr std::size_t numberWidth() {
    using N = typename NumberOf<T>::type;
    if constexpr (std::is_same_v<N, int32_t> || std::is_same_v<N, uint32_t>)
        return 4;
    else if constexpr (std::is_same_v<N, uint8_t>)
        return 1;
    else if constexpr (std::is_same_v<N, double>)
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
    using N = typename NumberOf<T>::type;
    if constexpr (std::is_same_v<N, int32_t>)
        return static_cast<T>(getI32(p));
    else if constexpr (std::is_same_v<N, uint32_t>)
        return static_cast<T>(getU32(p));
    else if constexpr (std::is_same_v<N, uint8_t>)
        return static_cast<T>(getU8(p));
    else
        return getF64(p);
}

template <class T>
void putNumber(uint8_t* p, T value) {
    using N = typename NumberOf<T>::type;
    if constexpr (std::is_same_v<N, int32_t>)
        putI32(p, static_cast<int32_t>(value));
    else if constexpr (std::is_same_v<N, uint32_t>)
        putU32(p, static_cast<uint32_t>(value));
    else if constexpr (std::is_same_v<N, uint8_t>)
        putU8(p, static_cast<uint8_t>(value));
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
        if constexpr (Field.element != WholeMember) {
            value[Field.element] = getNumber<T>(p);
        } else {
            for (std::size_t i = 0; i < value.size(); ++i)
                value[i] = getNumber<T>(p + i * numberWidth<T>());
        }
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
        if constexpr (Field.filled)
            writeFilledText(p, Field.width, value);
        else
            writePlainText(p, Field.width, value);
    } else if constexpr (IsArray<Member>::value) {
        using T = typename Member::value_type;
        if constexpr (Field.element != WholeMember) {
            putNumber<T>(p, value[Field.element]);
        } else {
            for (std::size_t i = 0; i < value.size(); ++i)
                putNumber<T>(p + i * numberWidth<T>(), value[i]);
        }
    } else {
        putNumber<Member>(p, value);
    }
}

}  // namespace wire

// The field `member` of `Record`, `width` bytes from `offset`; `shown`
// (text only) bounds what is read. A width that does not match the
// member's kind does not compile.
template <class Record, class Member>
consteval WireField<Record, Member> wireField(Member Record::*member, std::size_t offset,
                                              std::size_t width, std::size_t shown = 0) {
    constexpr bool text = std::is_same_v<Member, std::string>;
    static_assert(text || wire::memberWidth<Member>() > 0, "no wire kind for this member type");
    if (!text && (width != wire::memberWidth<Member>() || shown != 0))
        throw "the width does not match the member's kind";
    if (text && (width == 0 || shown > width)) throw "a text field needs a width";
    return {member, offset, width, shown == 0 ? width : shown};
}

// A text field that may fill all its `width` bytes, with no NUL after it.
template <class Record>
consteval WireField<Record, std::string> wireFilledText(std::string Record::*member,
                                                        std::size_t offset, std::size_t width) {
    WireField<Record, std::string> field = wireField(member, offset, width);
    field.filled = true;
    return field;
}

// The element `index` of the array `member`, at `offset`.
template <class Record, class T, std::size_t N>
consteval WireField<Record, std::array<T, N>> wireElement(std::array<T, N> Record::*member,
                                                          std::size_t index, std::size_t offset) {
    static_assert(wire::numberWidth<T>() > 0, "no wire kind for this element type");
    if (index >= N) throw "no such element";
    return {member, offset, wire::numberWidth<T>(), 0, false, index};
}

// The fields of one layout of `Size` bytes, in wire order. A field past
// the end does not compile.
template <std::size_t Size, class... Fields>
class WireLayout {
public:
    static constexpr std::size_t wireSize = Size;

    consteval explicit WireLayout(Fields... fields) : fields_(fields...) {
        ((fields.offset + fields.width > Size ? throw "a field lies past the end of the layout"
                                              : 0),
         ...);
    }

    static constexpr std::size_t size() { return sizeof...(Fields); }
    constexpr const std::tuple<Fields...>& fields() const { return fields_; }

    // The fields at the positions `Picked`, for a record read in part.
    template <std::size_t... Picked>
    consteval auto pick() const {
        return WireLayout<Size, std::tuple_element_t<Picked, std::tuple<Fields...>>...>(
            std::get<Picked>(fields_)...);
    }

private:
    std::tuple<Fields...> fields_;
};

template <std::size_t Size, class... Fields>
consteval auto wireLayout(Fields... fields) {
    return WireLayout<Size, Fields...>(fields...);
}

// Reads the fields of the table `Table` from `wire` (the layout's whole
// bytes) into `record`: one straight run of reads, unrolled when compiling.
template <const auto& Table, class Record>
void readWire(const uint8_t* wire, Record& record) {
    [&]<std::size_t... I>(std::index_sequence<I...>) {
        (wire::readField<std::get<I>(Table.fields())>(wire, record), ...);
    }
    (std::make_index_sequence<Table.size()>{});
}

template <class Record, const auto& Table = Record::wireFields>
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

// Writes `record` into `wire`: the layout's bytes zeroed, then the fields.
template <const auto& Table, class Record>
void writeWire(const Record& record, uint8_t* wire) {
    std::memset(wire, 0, Table.wireSize);
    writeFields<Table>(record, wire);
}

template <class Record>
void writeWire(const Record& record, uint8_t* wire) {
    writeWire<Record::wireFields>(record, wire);
}

// A request packet of the layout `Table` (its size counts the header),
// every byte zero but the header with `command`.
template <const auto& Table>
std::vector<uint8_t> newRequest(uint8_t command) {
    static_assert(Table.wireSize >= HeaderSize && Table.wireSize <= 0xFFFF);
    std::vector<uint8_t> packet(Table.wireSize, 0);
    PacketHeader{static_cast<uint16_t>(Table.wireSize), FlagPlain, command}.write(packet.data());
    return packet;
}

// The request of `command` with the fields of `Table` taken from `request`.
template <const auto& Table, class Request>
std::vector<uint8_t> writeRequest(uint8_t command, const Request& request) {
    std::vector<uint8_t> packet = newRequest<Table>(command);
    writeFields<Table>(request, packet.data());
    return packet;
}

template <class Request>
std::vector<uint8_t> writeRequest(uint8_t command, const Request& request) {
    return writeRequest<Request::wireFields>(command, request);
}

// The same into a caller's buffer: the size written, or -1 when `capacity`
// is below the layout's size.
template <class Request>
int writeRequest(uint8_t command, const Request& request, uint8_t* buffer, int capacity) {
    constexpr auto& table = Request::wireFields;
    PacketWriter writer(buffer, capacity, static_cast<int>(table.wireSize), command);
    if (!writer.valid()) return -1;
    writeFields<table>(request, buffer);
    return writer.finish();
}

}  // namespace korvant
