#include "protocol/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace korvant {
namespace {

bool isAscii(std::string_view s) {
    for (unsigned char c : s)
        if (c >= 0x80) return false;
    return true;
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

}  // namespace

std::string toGbk(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    return toGbkConverter().run(utf8, [](std::string& out, std::string_view rest) {
        out.push_back('?');
        std::size_t n = utf8SequenceLength(static_cast<unsigned char>(rest[0]));
        // Skip only whole, well-formed sequences; a broken one byte by byte.
        if (n > rest.size() || !isValidUtf8(rest.substr(0, n))) n = 1;
        return n;
    });
}

std::string fromGbk(std::string_view gbk) {
    if (isAscii(gbk)) return std::string(gbk);
    return fromGbkConverter().run(gbk, [](std::string& out, std::string_view) {
        out.append("\xEF\xBF\xBD");
        return std::size_t{1};
    });
}

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

std::string_view rawPlainText(const uint8_t* field, std::size_t width) {
    const void* nul = std::memchr(field, 0, width);
    std::size_t n =
        nul ? static_cast<std::size_t>(static_cast<const uint8_t*>(nul) - field) : width;
    return std::string_view(reinterpret_cast<const char*>(field), n);
}

std::string readPlainText(const uint8_t* field, std::size_t width) {
    return fromGbk(rawPlainText(field, width));
}

}  // namespace korvant
