// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/Status.h"

namespace gx508 {

// The private-profile ini format the program's settings inis, profile list and macro store use.
//
// Names of sections and keys match without regard to ASCII case; lines, names and values are
// trimmed of blanks and control characters; a value wrapped in matching quotes loses them; the
// first of two equal sections or keys wins. Edits change only the lines they touch, so every
// other line (comments, blank lines, unknown content) stays byte for byte. A file keeps the
// encoding it was read in (UTF-16LE with its mark, UTF-16BE, UTF-8 with or without a mark, or
// Windows-1252); a new file is UTF-8 without a mark, with CRLF line ends. All strings in this
// interface are UTF-8.
//
// Details:
// - Blanks are 0x09–0x0D, 0x1A (^Z) and 0x20; only ASCII letters match without regard to case.
//   The section and key names asked for are trimmed the same way as the names in the file.
// - A header is a line whose first non-blank character is '[' and that holds a ']'; its name
//   runs to the last ']'. An entry is any other line with a '='; it splits at the first '='.
//   Lines before the first header belong to no section; the section "" is only a "[]" header.
// - Of two sections with the same name only the first is searched, changed and removed.
// - A file with no mark that is valid UTF-8 is read as UTF-8, otherwise as Windows-1252, whose
//   five unassigned bytes map to U+0081, U+008D, U+008F, U+0090 and U+009D so that they survive.
//   Characters that Windows-1252 cannot hold are written as '?'. A Windows-1252 file whose
//   bytes after an edit would read as UTF-8 (the edit removed its only byte that UTF-8 does
//   not allow) is written as UTF-8 with a mark, so that it reads back with the same text.
// - Lines that are not edited are written back with their original bytes; new lines take the
//   first line end of the file (CRLF when it has none).
// The largest ini file the program reads: far beyond any file it writes, small enough that a
// crafted file cannot make a load slow or huge.
inline constexpr std::size_t kMaxIniFileSize = 2 * 1024 * 1024;

class IniDocument {
  public:
    enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Windows1252 };

    // An empty document (a file that does not exist yet).
    IniDocument();

    // Decodes the bytes of an ini file. Never fails: undecodable bytes become U+FFFD.
    static IniDocument Parse(std::span<const std::uint8_t> bytes);

    // Reads the file. A missing file gives an empty document; an empty path, a folder or a
    // file that cannot be read fails with the system's error code, a file larger than
    // kMaxIniFileSize with EFBIG.
    static Result<IniDocument> Read(const std::filesystem::path& path);

    // Reads the file for a lookup; a missing or unreadable file gives an empty document.
    static IniDocument Load(const std::filesystem::path& path);

    // The value of `key` in `section`, or nothing when the section or key is absent. Takes
    // constant time (after one pass over the document following a change), so reading every
    // key is linear in the size of the file. Not for use from two threads at once.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Sets the value of `key`: an existing key changes only its value; a new key goes after the
    // last non-blank line of its section; a new section is appended at the end. Values holding a
    // line break (CR or LF) are refused and leave the document unchanged.
    //
    // The value is written without its leading blanks; an existing line is rewritten as its
    // name, '=' and the value. A value that already reads back the same changes nothing. Also
    // refused, for they could not be read back: an empty section name, a line break in the
    // section or key name, and a key name that holds '=' or starts with '['.
    Status Set(std::string_view section, std::string_view key, std::string_view value);

    // Removes the first line of `key` in `section`. Removing what is not there changes nothing.
    void RemoveKey(std::string_view section, std::string_view key);

    // Removes the header of `section` and every line up to the next header.
    void RemoveSection(std::string_view section);

    // The file's bytes in its encoding.
    std::vector<std::uint8_t> Serialize() const;

    // Writes the document atomically (temporary file, then rename), changed or not.
    Status Save(const std::filesystem::path& path) const;

    Encoding encoding() const;
    bool modified() const;

  private:
    // A line's end; None only for a last line without one.
    enum class LineEnd : std::uint8_t { None, CrLf, Lf, Cr };

    // Kept small, for a file may hold millions of short lines.
    struct Line {
        enum class Kind : std::uint8_t { Blank, Header, Entry, Other };
        std::string text;             // the line decoded to UTF-8, without its line end
        std::string raw;              // the line's original bytes, when they are not `text` itself
        std::uint32_t nameBegin = 0;  // header or entry name, trimmed: a part of `text`
        std::uint32_t nameSize = 0;
        std::uint32_t valueBegin = 0;  // entry value, trimmed, quotes kept: a part of `text`
        std::uint32_t valueSize = 0;
        LineEnd end = LineEnd::None;
        bool rawIsText = false;  // the original bytes are `text`, and `raw` is empty
        bool edited = false;     // true: Serialize encodes `text`; false: it copies the bytes
        Kind kind = Kind::Other;

        std::string_view name() const { return std::string_view(text).substr(nameBegin, nameSize); }
        std::string_view value() const {
            return std::string_view(text).substr(valueBegin, valueSize);
        }
        std::string_view bytes() const { return rawIsText ? std::string_view(text) : raw; }
    };

    static Line MakeLine(std::string text, LineEnd end);
    static std::string_view EndText(LineEnd end);
    static void Classify(Line& line);
    std::size_t FindSection(std::string_view section) const;
    std::size_t SectionEnd(std::size_t header) const;
    std::size_t FindEntry(std::size_t header, std::string_view key) const;
    void EndLastLine(std::size_t index);
    void BuildIndex() const;
    void Changed();

    std::vector<Line> m_lines;
    // For Get: the line of each key of each first section, by section and key name in lower
    // case joined by a line feed (which no name holds). Built on the first Get after a change.
    mutable std::unordered_map<std::string, std::size_t> m_index;
    mutable bool m_indexed = false;
    Encoding m_encoding = Encoding::Utf8;
    LineEnd m_newline = LineEnd::CrLf;
    bool m_modified = false;
};

// The private-profile functions the program calls. Each call reads the file afresh.

// Reads `key` of `section`. A missing file, section or key gives `fallback` (trailing blanks
// removed). The result holds at most `capacity` − 1 characters, as with a buffer of
// `capacity` characters; capacity 0 gives an empty text.
// Characters are counted as UTF-16 code units, as Windows does (a character beyond U+FFFF
// counts two); a cut never splits a character, so the result stays valid UTF-8. Only spaces
// (' ') count as trailing blanks of `fallback`; its quotes stay.
std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view fallback = {},
                          std::size_t capacity = 1024);

// ReadIniString on a document already read, for many lookups in one reading of the file.
std::string IniString(const IniDocument& document, std::string_view section, std::string_view key,
                      std::string_view fallback = {}, std::size_t capacity = 1024);

// What IniDocument::Read says of the file, without parsing it: for a warning that a file the
// program is about to read as empty is there but refused.
Status CheckIniFile(const std::filesystem::path& path);

// The one way to change an ini file: reads it as IniDocument::Read does, runs `edit` on the
// document and, when the edit succeeded and changed it, writes it back in one atomic write.
// A file that cannot be read fails the call and is left alone, so that it is never replaced
// by a document holding only the edit; a failed edit writes nothing and is returned.
Status EditIniFile(const std::filesystem::path& path,
                   const std::function<Status(IniDocument&)>& edit);

// Writes `key` of `section`, creating the file or the section when needed. A write that would
// change nothing leaves the file alone. Fails for a value with a line break, an empty section
// name, or a file that cannot be written.
// Also fails, without writing, for an empty path and for a file that exists but cannot be read
// (so an unreadable file is never replaced by one holding only the new key).
Status WriteIniString(const std::filesystem::path& path, std::string_view section,
                      std::string_view key, std::string_view value);

// Removes `key` of `section`; a missing file, section or key is not an error, and no file is
// created. An empty path or an unreadable file is an error.
Status DeleteIniKey(const std::filesystem::path& path, std::string_view section,
                    std::string_view key);

// Removes `section` with its keys; a missing file or section is not an error.
Status DeleteIniSection(const std::filesystem::path& path, std::string_view section);

// `s` without the blanks the format trims around names and values (0x09-0x0D, ^Z, space).
std::string_view TrimIniBlanks(std::string_view s);

// True when two section or key names name the same thing: equal after trimming, ignoring
// ASCII case.
bool SameIniName(std::string_view a, std::string_view b);

// True when the path names an existing file or folder.
bool FileExists(const std::filesystem::path& path);

}  // namespace gx508
