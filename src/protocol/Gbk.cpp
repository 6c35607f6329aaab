#include "protocol/Gbk.h"

#include <iconv.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <iterator>
#include <vector>

namespace korvant {
namespace {

// Length of the ASCII prefix of `s`, eight bytes at a time.
std::size_t asciiPrefix(std::string_view s) {
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        uint64_t word;
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080ull) break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

bool isAscii(std::string_view s) {
    return asciiPrefix(s) == s.size();
}

// One conversion descriptor per direction and thread, opened on first use.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; on an invalid or incomplete sequence it
    // calls `onBad` with the output so far and skips `skip` input bytes.
    template <typename OnBad>
    std::string run(std::string_view in, OnBad onBad) {
        std::string out;
        if (cd_ == reinterpret_cast<iconv_t>(-1)) return out;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        std::vector<char> buf(in.size() * 4 + 16);
        char* inp = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        while (inLeft > 0) {
            char* outp = buf.data();
            std::size_t outLeft = buf.size();
            std::size_t r = iconv(cd_, &inp, &inLeft, &outp, &outLeft);
            out.append(buf.data(), static_cast<std::size_t>(outp - buf.data()));
            if (r != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: replace and step over the offending input.
            std::size_t skip = onBad(out, std::string_view(inp, inLeft));
            if (skip > inLeft) skip = inLeft;
            inp += skip;
            inLeft -= skip;
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

Converter& toGbkConverter() {
    thread_local Converter c("CP936", "UTF-8");
    return c;
}

Converter& fromGbkConverter() {
    thread_local Converter c("UTF-8", "CP936");
    return c;
}

std::size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) return 2;
    if ((lead & 0xF0) == 0xE0) return 3;
    if ((lead & 0xF8) == 0xF0) return 4;
    return 1;
}

// Table-driven conversion. The decoding tables are written at build time
// from the system's converter, so every byte sequence converts exactly as
// the converter would, at memory speed and without opening a converter:
// decoding a field is a table look-up per character.
#include "protocol/GbkTable.inc"

class GbkTables {
public:
    // Code point of a single byte >= 0x80 (0 when it is no character).
    uint16_t single(unsigned char b) const { return GbkSingle[b]; }
    // Code point of a double-byte character (0 when invalid).
    uint16_t pair(unsigned char lead, unsigned char trail) const {
        if (lead < 0x80) return 0;
        return GbkPairs[(static_cast<std::size_t>(lead - 0x80) << 8) | trail];
    }
    // GBK bytes of a BMP code point: 0 when GBK cannot hold it; a value
    // above 0xFF is a double-byte character (lead in the high byte).
    uint16_t encoded(uint32_t cp) const {
        // Made on first use; after that a look-up is one load.
        static const std::vector<uint16_t> encode = buildEncoding();
        return cp < encode.size() ? encode[cp] : 0;
    }

private:
    // The inverse of the decoding tables. Where two byte sequences decode
    // to the same character, the converter writes the lower one.
    static std::vector<uint16_t> buildEncoding() {
        std::vector<uint16_t> encode(0x10000, 0);
        for (uint32_t cp = 0; cp < 0x80; ++cp) encode[cp] = static_cast<uint16_t>(cp);
        for (int b = 0x80; b <= 0xFF; ++b)
            if (GbkSingle[b] != 0 && encode[GbkSingle[b]] == 0)
                encode[GbkSingle[b]] = static_cast<uint16_t>(b);
        for (std::size_t index = 0; index < std::size(GbkPairs); ++index) {
            const uint16_t cp = GbkPairs[index];
            if (cp != 0 && encode[cp] == 0) encode[cp] = static_cast<uint16_t>(0x8000 + index);
        }
        return encode;
    }
};

const GbkTables& tables() {
    static const GbkTables t;
    return t;
}

// The code point of the well-formed UTF-8 sequence of `n` bytes at `p`.
uint32_t decodeUtf8(const unsigned char* p, std::size_t n) {
    uint32_t cp = n == 2 ? (p[0] & 0x1F) : n == 3 ? (p[0] & 0x0F) : (p[0] & 0x07);
    for (std::size_t k = 1; k < n; ++k) cp = (cp << 6) | (p[k] & 0x3F);
    return cp;
}

// True when the `n` bytes at `p` (2 to 4, lead byte included) are one
// well-formed UTF-8 sequence: continuation bytes, no overlong form, no
// surrogate, nothing above U+10FFFF.
bool wellFormedSequence(const unsigned char* p, std::size_t n) {
    for (std::size_t k = 1; k < n; ++k)
        if ((p[k] & 0xC0) != 0x80) return false;
    const uint32_t cp = decodeUtf8(p, n);
    return !((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) ||
             cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF));
}

// Copies the ASCII run at `p[i]` to `o`, eight bytes at a time while they
// last; returns the index after the run's whole words.
template <typename Out>
std::size_t copyAsciiWords(const unsigned char* p, std::size_t i, std::size_t size, Out*& o) {
    while (i + 8 <= size) {
        uint64_t word;
        std::memcpy(&word, p + i, 8);
        if (word & 0x8080808080808080ull) break;
        std::memcpy(o, &word, 8);
        o += 8;
        i += 8;
    }
    return i;
}

// Decodes `gbk` from index `i` (everything before it is ASCII and already
// in `out`) into `out`, which has room for three bytes per input byte.
// Returns the number of bytes written in all.
std::size_t decodeGbk(std::string_view gbk, std::size_t i, unsigned char* out) {
    const GbkTables& t = tables();
    const std::size_t size = gbk.size();
    unsigned char* o = out + i;
    const auto* p = reinterpret_cast<const unsigned char*>(gbk.data());
    auto put = [&o](uint32_t cp) {
        if (cp < 0x800) {
            *o++ = static_cast<unsigned char>(0xC0 | (cp >> 6));
            *o++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<unsigned char>(0xE0 | (cp >> 12));
            *o++ = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<unsigned char>(0x80 | (cp & 0x3F));
        }
    };
    while (i < size) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            *o++ = b;
            ++i;
            i = copyAsciiWords(p, i, size, o);
        } else if (uint16_t cp = t.single(b)) {
            put(cp);
            ++i;
        } else if (uint16_t cp2 = i + 1 < size ? t.pair(b, p[i + 1]) : 0) {
            put(cp2);
            i += 2;
        } else {
            put(0xFFFD);  // invalid or truncated
            ++i;
        }
    }
    return static_cast<std::size_t>(o - out);
}

// `out` = `gbk` decoded, where the first `i` bytes are ASCII. A field is
// decoded on the stack and copied once at its exact size (a short one then
// needs no heap at all); a long text is decoded in place, at most three
// UTF-8 bytes for each GBK byte. `gbk` must not lie inside `out`.
void assignDecoded(std::string& out, std::string_view gbk, std::size_t i) {
    constexpr std::size_t FieldBytes = 256;
    if (gbk.size() <= FieldBytes) {
        unsigned char field[FieldBytes * 3];
        std::memcpy(field, gbk.data(), i);
        const std::size_t n = decodeGbk(gbk, i, field);
        out.assign(reinterpret_cast<const char*>(field), n);
        return;
    }
    out.resize(gbk.size() * 3);
    std::memcpy(out.data(), gbk.data(), i);
    out.resize(decodeGbk(gbk, i, reinterpret_cast<unsigned char*>(out.data())));
}

}  // namespace

std::string toGbk(std::string_view utf8) {
    std::string out;
    appendGbk(out, utf8);
    return out;
}

void appendGbk(std::string& out, std::string_view utf8) {
    if (asciiPrefix(utf8) == utf8.size()) {
        out.append(utf8);
        return;
    }
    // Every character takes at most as many bytes in GBK as in UTF-8, and a
    // broken byte becomes one '?'.
    const std::size_t start = out.size();
    out.resize(start + utf8.size());
    out.resize(start + writeGbk(out.data() + start, utf8));
}

std::size_t writeGbk(char* out, std::string_view utf8) {
    const std::size_t size = utf8.size();
    std::size_t i = asciiPrefix(utf8);
    std::memcpy(out, utf8.data(), i);
    if (i == size) return size;
    const GbkTables& t = tables();
    auto* const begin = reinterpret_cast<unsigned char*>(out);
    auto* o = begin + i;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    while (i < size) {
        if (p[i] < 0x80) {
            *o++ = p[i++];
            i = copyAsciiWords(p, i, size, o);
            continue;
        }
        std::size_t n = utf8SequenceLength(p[i]);
        // Only whole, well-formed sequences are characters; a broken one is
        // replaced byte by byte.
        if (n == 1 || i + n > size || !wellFormedSequence(p + i, n)) {
            *o++ = '?';
            ++i;
            continue;
        }
        const uint32_t cp = decodeUtf8(p + i, n);
        const uint16_t code = cp <= 0xFFFF ? t.encoded(cp) : 0;
        if (code == 0) {
            *o++ = '?';
        } else if (code > 0xFF) {
            *o++ = static_cast<unsigned char>(code >> 8);
            *o++ = static_cast<unsigned char>(code & 0xFF);
        } else {
            *o++ = static_cast<unsigned char>(code);
        }
        i += n;
    }
    return static_cast<std::size_t>(o - begin);
}

std::string fromGbk(std::string_view gbk) {
    const std::size_t i = asciiPrefix(gbk);
    if (i == gbk.size()) return std::string(gbk);
    std::string out;
    assignDecoded(out, gbk, i);
    return out;
}

namespace detail {

std::string toGbkByConverter(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    return toGbkConverter().run(utf8, [](std::string& out, std::string_view rest) {
        out.push_back('?');
        std::size_t n = utf8SequenceLength(static_cast<unsigned char>(rest[0]));
        // Skip only whole, well-formed sequences; a broken one byte by byte.
        if (n > rest.size() || !isValidUtf8(rest.substr(0, n))) n = 1;
        return n;
    });
}

std::string fromGbkByConverter(std::string_view gbk) {
    if (isAscii(gbk)) return std::string(gbk);
    return fromGbkConverter().run(gbk, [](std::string& out, std::string_view) {
        out.append("\xEF\xBF\xBD");
        return std::size_t{1};
    });
}

}  // namespace detail

std::size_t gbkCutLength(std::string_view gbk, std::size_t maxBytes) {
    std::size_t i = 0;
    while (i < gbk.size() && i < maxBytes) {
        auto c = static_cast<unsigned char>(gbk[i]);
        std::size_t n = (c >= 0x81 && c <= 0xFE && i + 1 < gbk.size()) ? 2 : 1;
        if (i + n > maxBytes) break;
        i += n;
    }
    return i;
}

bool isValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n;
        uint32_t cp;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            n = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            n = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            n = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + n > s.size()) return false;
        for (std::size_t k = 1; k < n; ++k) {
            auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (t & 0x3F);
        }
        if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) ||
            cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += n;
    }
    return true;
}

void writePlainText(uint8_t* field, std::size_t width, std::string_view utf8) {
    if (width == 0) return;
    std::memset(field, 0, width);
    std::string gbk = toGbk(utf8);
    std::size_t n = gbkCutLength(gbk, width - 1);
    std::memcpy(field, gbk.data(), n);
}

void writeFilledText(uint8_t* field, std::size_t width, std::string_view utf8) {
    std::memset(field, 0, width);
    const std::string gbk = toGbk(utf8);
    std::memcpy(field, gbk.data(), gbkCutLength(gbk, width));
}

std::string_view rawPlainText(const uint8_t* field, std::size_t width) {
    const void* nul = std::memchr(field, 0, width);
    std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const uint8_t*>(nul) - field) : width;
    return std::string_view(reinterpret_cast<const char*>(field), n);
}

std::string readPlainText(const uint8_t* field, std::size_t width) {
    std::string out;
    readPlainText(field, width, out);
    return out;
}

void readPlainText(const uint8_t* field, std::size_t width, std::string& out) {
    // One pass a word at a time finds where the text ends and whether it is
    // ASCII up to there; most fields are (numbers, codes, dates).
    constexpr uint64_t Ones = 0x0101010101010101ull;
    constexpr uint64_t Highs = 0x8080808080808080ull;
    std::size_t i = 0;
    for (; i + 8 <= width; i += 8) {
        uint64_t word;
        std::memcpy(&word, field + i, 8);
        // Flags every byte >= 0x80 and the first NUL (or more); the bytes
        // are then looked at one by one.
        if (((word - Ones) & ~word & Highs) | (word & Highs)) break;
    }
    for (; i < width; ++i) {
        if (field[i] == 0) {
            out.assign(reinterpret_cast<const char*>(field), i);
            return;
        }
        if (field[i] >= 0x80) break;
    }
    if (i == width) {
        out.assign(reinterpret_cast<const char*>(field), width);
        return;
    }
    const void* nul = std::memchr(field + i, 0, width - i);
    const std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const uint8_t*>(nul) - field) : width;
    assignDecoded(out, std::string_view(reinterpret_cast<const char*>(field), n), i);
}

}  // namespace korvant
