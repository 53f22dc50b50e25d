// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/TextEncoding.h"

#include <array>

namespace gx508::text {

namespace {

// Windows-1252 bytes 0x80..0x9F; the unassigned ones keep their own value.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98..9F
};

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// The Windows-1252 byte of `c`, or -1.
int Windows1252Byte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    for (std::size_t i = 0; i < kWindows1252High.size(); ++i) {
        if (kWindows1252High[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return -1;
}

void AppendUtf16Unit(std::string& out, char32_t unit, bool bigEndian) {
    const char high = static_cast<char>((unit >> 8) & 0xFF);
    const char low = static_cast<char>(unit & 0xFF);
    if (bigEndian) {
        out += high;
        out += low;
    } else {
        out += low;
        out += high;
    }
}

}  // namespace

char32_t NextCodePoint(std::string_view utf8, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    std::size_t length = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        minimum = 0x10000;
    } else {
        ++pos;
        return kReplacementCharacter;
    }
    if (utf8.size() - pos < length) {
        ++pos;
        return kReplacementCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byteAt(pos + i);
        if (!IsContinuation(next)) {
            ++pos;
            return kReplacementCharacter;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || IsSurrogate(c)) {
        ++pos;
        return kReplacementCharacter;
    }
    pos += length;
    return c;
}

void AppendUtf8(std::string& out, char32_t c) {
    if (IsSurrogate(c) || c > 0x10FFFF) {
        c = kReplacementCharacter;
    }
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        const std::size_t start = pos;
        if (NextCodePoint(bytes, pos) == kReplacementCharacter && pos - start != 3) {
            return false;  // U+FFFD itself is three bytes long; a replacement advances by one
        }
    }
    return true;
}

std::string Utf8FromUtf8Lossy(std::string_view bytes) {
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    std::string out;
    out.reserve(bytes.size());
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        AppendUtf8(out, NextCodePoint(bytes, pos));
    }
    return out;
}

std::string Utf8FromWindows1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80 && byte <= 0x9F) {
            AppendUtf8(out, kWindows1252High[byte - 0x80]);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Windows1252FromUtf8(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const int byte = Windows1252Byte(NextCodePoint(utf8, pos));
        out += byte < 0 ? '?' : static_cast<char>(byte);
    }
    return out;
}

std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    const std::size_t units = bytes.size() / 2;
    const auto unitAt = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return bigEndian ? static_cast<char32_t>((first << 8) | second)
                         : static_cast<char32_t>((second << 8) | first);
    };
    std::string out;
    out.reserve(bytes.size());
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < units) {
            const char32_t next = unitAt(i + 1);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
                ++i;
                continue;
            }
        }
        AppendUtf8(out, unit);  // an unpaired surrogate becomes U+FFFD here
    }
    if (bytes.size() % 2 != 0) {
        AppendUtf8(out, kReplacementCharacter);
    }
    return out;
}

std::string Utf16FromUtf8(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2);
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t c = NextCodePoint(utf8, pos);
        if (c >= 0x10000) {
            AppendUtf16Unit(out, 0xD800 + ((c - 0x10000) >> 10), bigEndian);
            AppendUtf16Unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), bigEndian);
        } else {
            AppendUtf16Unit(out, c, bigEndian);
        }
    }
    return out;
}

std::string_view PrefixOfUtf16Length(std::string_view utf8, std::size_t maxUnits) {
    std::size_t units = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        std::size_t next = pos;
        const std::size_t width = NextCodePoint(utf8, next) >= 0x10000 ? 2 : 1;
        if (units + width > maxUnits) {
            break;
        }
        units += width;
        pos = next;
    }
    return utf8.substr(0, pos);
}

}  // namespace gx508::text
