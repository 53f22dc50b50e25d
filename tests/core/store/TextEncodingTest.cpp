// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/TextEncoding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace gx508::text {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The bytes of a string in hex, for failure messages.
std::string Hex(std::string_view bytes) {
    std::string out;
    for (const char ch : bytes) {
        char byte[4];
        std::snprintf(byte, sizeof byte, " %02X", static_cast<unsigned char>(ch));
        out += byte;
    }
    return out;
}

std::uint32_t Value(char32_t c) {
    return static_cast<std::uint32_t>(c);
}

TEST(TextEncodingTest, NextCodePointDecodesOneCharacterOrRefusesOneByte) {
    struct Case {
        const char* what;
        std::string_view bytes;
        char32_t codePoint;
        std::size_t advance;
    };
    const std::vector<Case> cases = {
        {"ASCII", "A", U'A', 1},
        {"two bytes", "\xC3\xA9", U'\u00E9', 2},
        {"three bytes", "\xE4\xB8\xAD", U'\u4E2D', 3},
        {"four bytes", "\xF0\x9F\x98\x80", U'\U0001F600', 4},
        {"the last code point", "\xF4\x8F\xBF\xBF", U'\U0010FFFF', 4},
        {"just below the surrogates", "\xED\x9F\xBF", U'\uD7FF', 3},
        {"just above the surrogates", "\xEE\x80\x80", U'\uE000', 3},
        {"a real U+FFFD", kReplacement, kReplacementCharacter, 3},
        {"a UTF-8 byte-order mark is an ordinary character", "\xEF\xBB\xBF", U'\uFEFF', 3},
        {"stray continuation byte", "\x80", kReplacementCharacter, 1},
        {"overlong NUL", "\xC0\x80", kReplacementCharacter, 1},
        {"overlong two-byte form", "\xC1\xBF", kReplacementCharacter, 1},
        {"overlong three-byte slash", "\xE0\x80\xAF", kReplacementCharacter, 1},
        {"overlong four-byte form", "\xF0\x8F\xBF\xBF", kReplacementCharacter, 1},
        {"lone high surrogate", "\xED\xA0\x80", kReplacementCharacter, 1},
        {"lone low surrogate", "\xED\xBF\xBF", kReplacementCharacter, 1},
        {"above U+10FFFF", "\xF4\x90\x80\x80", kReplacementCharacter, 1},
        {"lead byte F5", "\xF5\x80\x80\x80", kReplacementCharacter, 1},
        {"byte FF", "\xFF", kReplacementCharacter, 1},
        {"cut off at the end", "\xE4\xB8", kReplacementCharacter, 1},
        {"lead byte alone", "\xC3", kReplacementCharacter, 1},
        {"continuation missing",
         "\xE4"
         "AA",
         kReplacementCharacter, 1},
    };
    for (const Case& c : cases) {
        std::size_t pos = 0;
        EXPECT_EQ(Value(NextCodePoint(c.bytes, pos)), Value(c.codePoint)) << c.what;
        EXPECT_EQ(pos, c.advance) << c.what;
    }
}

TEST(TextEncodingTest, NextCodePointStartsAtTheGivenPosition) {
    const std::string_view text =
        "a\xC3\xA9"
        "b";
    std::size_t pos = 1;
    EXPECT_EQ(Value(NextCodePoint(text, pos)), 0xE9u);
    EXPECT_EQ(pos, 3u);
    EXPECT_EQ(Value(NextCodePoint(text, pos)), Value(U'b'));
    EXPECT_EQ(pos, 4u);
}

TEST(TextEncodingTest, AppendUtf8WritesTheShortestFormAndRefusesNonCharacters) {
    struct Case {
        char32_t codePoint;
        std::string_view bytes;
    };
    const std::vector<Case> cases = {
        {0x00, "\0"sv},
        {0x7F, "\x7F"},
        {0x80, "\xC2\x80"},
        {0x7FF, "\xDF\xBF"},
        {0x800, "\xE0\xA0\x80"},
        {0xFFFF, "\xEF\xBF\xBF"},
        {0x10000, "\xF0\x90\x80\x80"},
        {0x10FFFF, "\xF4\x8F\xBF\xBF"},
        {0xD800, kReplacement},
        {0xDFFF, kReplacement},
        {0x110000, kReplacement},
        {0xFFFFFFFF, kReplacement},
    };
    for (const Case& c : cases) {
        std::string out = "x";
        AppendUtf8(out, c.codePoint);
        EXPECT_EQ(out, "x" + std::string(c.bytes)) << std::hex << Value(c.codePoint);
    }
}

TEST(TextEncodingTest, LossyUtf8KeepsValidTextAndReplacesEachMalformedByte) {
    struct Case {
        const char* what;
        std::string_view bytes;
        bool valid;
        std::string lossy;
    };
    const std::string r(kReplacement);
    const std::vector<Case> cases = {
        {"empty", "", true, ""},
        {"ASCII", "abc", true, "abc"},
        {"Chinese", "中文", true, "中文"},
        {"a real U+FFFD", kReplacement, true, r},
        {"UTF-8 byte-order mark",
         "\xEF\xBB\xBF"
         "a",
         true,
         "\xEF\xBB\xBF"
         "a"},
        {"stray byte",
         "a\x80"
         "b",
         false, "a" + r + "b"},
        {"overlong NUL", "\xC0\x80", false, r + r},
        {"encoded surrogate", "\xED\xA0\x80", false, r + r + r},
        {"cut-off character", "\xE4\xB8", false, r + r},
        {"cut-off character before text",
         "\xE4\xB8"
         "A",
         false, r + r + "A"},
        {"UTF-16 byte-order mark read as UTF-8", "\xFF\xFE", false, r + r},
        {"Windows-1252 text", "caf\xE9", false, "caf" + r},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsValidUtf8(c.bytes), c.valid) << c.what;
        const std::string lossy = Utf8FromUtf8Lossy(c.bytes);
        EXPECT_EQ(lossy, c.lossy) << c.what << ": " << Hex(lossy);
        EXPECT_TRUE(IsValidUtf8(lossy)) << c.what;
    }
}

TEST(TextEncodingTest, Utf16DecodesPairsAndReplacesWhatCannotBeRead) {
    struct Case {
        const char* what;
        std::string_view bytes;
        bool bigEndian;
        std::string utf8;
    };
    const std::string r(kReplacement);
    const std::vector<Case> cases = {
        {"empty", "", false, ""},
        {"little-endian ASCII", "A\0B\0"sv, false, "AB"},
        {"big-endian ASCII", "\0A\0B"sv, true, "AB"},
        {"little-endian Chinese", "\x2D\x4E", false, "中"},
        {"big-endian Chinese", "\x4E\x2D", true, "中"},
        {"little-endian pair", "\x3D\xD8\x00\xDE"sv, false, "\xF0\x9F\x98\x80"},
        {"big-endian pair", "\xD8\x3D\xDE\x00"sv, true, "\xF0\x9F\x98\x80"},
        {"high surrogate at the end", "A\0\x3D\xD8"sv, false, "A" + r},
        {"high surrogate before a letter",
         "\x3D\xD8"
         "A\0"sv,
         false, r + "A"},
        {"high surrogate before a high surrogate", "\x3D\xD8\x3D\xD8\x00\xDE"sv, false,
         r + "\xF0\x9F\x98\x80"},
        {"lone low surrogate",
         "\x00\xDE"
         "A\0"sv,
         false, r + "A"},
        {"pair in the wrong order", "\x00\xDE\x3D\xD8"sv, false, r + r},
        {"odd length", "A\0B"sv, false, "A" + r},
        {"one byte", "A", false, r},
        {"little-endian byte-order mark is an ordinary character",
         "\xFF\xFE"
         "A\0"sv,
         false,
         "\xEF\xBB\xBF"
         "A"},
        {"big-endian byte-order mark is an ordinary character", "\xFE\xFF\0A"sv, true,
         "\xEF\xBB\xBF"
         "A"},
        {"byte-order mark in the other order", "\xFF\xFE", true, "\xEF\xBF\xBE"},
    };
    for (const Case& c : cases) {
        const std::string utf8 = Utf8FromUtf16(c.bytes, c.bigEndian);
        EXPECT_EQ(utf8, c.utf8) << c.what << ": " << Hex(utf8);
    }
}

TEST(TextEncodingTest, Utf16EncodesPairsAndRoundTripsValidText) {
    EXPECT_EQ(Utf16FromUtf8("A中", false), "A\0\x2D\x4E"sv);
    EXPECT_EQ(Utf16FromUtf8("A中", true), "\0A\x4E\x2D"sv);
    EXPECT_EQ(Utf16FromUtf8("\xF0\x9F\x98\x80", false), "\x3D\xD8\x00\xDE"sv);
    EXPECT_EQ(Utf16FromUtf8("\xF4\x8F\xBF\xBF", true), "\xDB\xFF\xDF\xFF"sv);
    EXPECT_EQ(Utf16FromUtf8("a\x80", false), "a\0\xFD\xFF"sv) << "a malformed byte is U+FFFD";
    EXPECT_EQ(Utf16FromUtf8("", true), "");

    const std::string_view samples[] = {"",
                                        "Macro_1",
                                        "宏管理器",
                                        "Zurück „Klick“",
                                        "\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF",
                                        "\xEF\xBB\xBF"};
    for (std::string_view sample : samples) {
        for (bool bigEndian : {false, true}) {
            EXPECT_EQ(Utf8FromUtf16(Utf16FromUtf8(sample, bigEndian), bigEndian), sample)
                << sample << (bigEndian ? " big-endian" : " little-endian");
        }
    }
}

TEST(TextEncodingTest, Windows1252MapsItsOwnBytesAndKeepsTheUnassignedOnes) {
    struct Case {
        unsigned char byte;
        std::string_view utf8;
    };
    const std::vector<Case> cases = {
        {0x41, "A"},
        {0x80, "€"},
        {0x85, "…"},
        {0x8A, "Š"},
        {0x93, "“"},
        {0x99, "™"},
        {0x9F, "Ÿ"},
        {0xA0, "\u00A0"},
        {0xE9, "é"},
        {0xFC, "ü"},
        {0xFF, "ÿ"},
        // Unassigned in Windows-1252: the C1 control of the same value.
        {0x81, "\xC2\x81"},
        {0x8D, "\xC2\x8D"},
        {0x8F, "\xC2\x8F"},
        {0x90, "\xC2\x90"},
        {0x9D, "\xC2\x9D"},
    };
    for (const Case& c : cases) {
        const std::string byte(1, static_cast<char>(c.byte));
        EXPECT_EQ(Utf8FromWindows1252(byte), c.utf8) << Hex(byte);
        EXPECT_EQ(Windows1252FromUtf8(c.utf8), byte) << Hex(byte);
    }
}

TEST(TextEncodingTest, EveryWindows1252ByteStringSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = Utf8FromWindows1252(all);
    EXPECT_TRUE(IsValidUtf8(utf8));
    EXPECT_EQ(Windows1252FromUtf8(utf8), all);
}

TEST(TextEncodingTest, CharactersWithoutAWindows1252ByteBecomeQuestionMarks) {
    struct Case {
        const char* what;
        std::string_view utf8;
        std::string_view bytes;
    };
    const std::vector<Case> cases = {
        {"Chinese", "宏a", "?a"},
        {"C1 control that 1252 gives to a letter", "\xC2\x80", "?"},
        {"outside the basic plane", "\xF0\x9F\x98\x80", "?"},
        {"malformed byte", "a\xC3", "a?"},
        {"German text", "Zurück „Klick“",
         "Zur\xFC"
         "ck \x84Klick\x93"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Windows1252FromUtf8(c.utf8), c.bytes) << c.what;
    }
}

TEST(TextEncodingTest, Utf16PrefixCutsOnlyBetweenCharacters) {
    struct Case {
        const char* what;
        std::string_view utf8;
        std::size_t maxUnits;
        std::string_view prefix;
    };
    const std::string emojiA =
        "\xF0\x9F\x98\x80"
        "a";
    const std::vector<Case> cases = {
        {"shorter than the limit", "abc", 10, "abc"},
        {"exactly the limit", "abc", 3, "abc"},
        {"cut", "abc", 2, "ab"},
        {"no room", "abc", 0, ""},
        {"empty", "", 5, ""},
        {"Chinese counts one unit each", "中文字", 2, "中文"},
        {"a pair is not split", emojiA, 1, ""},
        {"a pair counts two units", emojiA, 2, "\xF0\x9F\x98\x80"},
        {"a malformed byte counts one unit",
         "a\x80"
         "bc",
         2, "a\x80"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PrefixOfUtf16Length(c.utf8, c.maxUnits), c.prefix) << c.what;
    }
}

}  // namespace
}  // namespace gx508::text
