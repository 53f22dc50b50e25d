// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace gx508::text {

// Conversions between UTF-8 and the encodings ini files come in. Byte strings travel in
// std::string. Every function runs in linear time and accepts any input: malformed input
// becomes U+FFFD, never an error.

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The code point at `pos` of `utf8`; advances `pos` past it. A malformed sequence (stray or
// missing continuation byte, overlong form, surrogate, above U+10FFFF) gives U+FFFD and
// advances by one byte. Requires pos < utf8.size().
char32_t NextCodePoint(std::string_view utf8, std::size_t& pos);

// Appends the UTF-8 form of `codePoint`; surrogates and values above U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, char32_t codePoint);

bool IsValidUtf8(std::string_view bytes);

// `bytes` as valid UTF-8, with each malformed byte replaced by U+FFFD.
std::string Utf8FromUtf8Lossy(std::string_view bytes);

// Windows-1252. Its five unassigned bytes (81, 8D, 8F, 90, 9D) map to the C1 controls of the
// same value, as Windows' MultiByteToWideChar does, so every byte string survives a round trip.
std::string Utf8FromWindows1252(std::string_view bytes);
// Characters without a Windows-1252 byte become '?'.
std::string Windows1252FromUtf8(std::string_view utf8);

// UTF-16 in the given byte order. An unpaired surrogate or a final odd byte becomes U+FFFD.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian);
std::string Utf16FromUtf8(std::string_view utf8, bool bigEndian);

// The longest prefix of `utf8` that holds at most `maxUnits` UTF-16 code units, cut between
// characters (a malformed byte counts as one unit).
std::string_view PrefixOfUtf16Length(std::string_view utf8, std::size_t maxUnits);

}  // namespace gx508::text
