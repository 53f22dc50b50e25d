// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/IniFile.h"

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <utility>

#include "core/store/AtomicFile.h"
#include "core/store/FileBytes.h"
#include "core/store/TextEncoding.h"

namespace gx508 {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// The blanks Windows trims: 0x09-0x0D, ^Z and space.
bool IsBlank(char c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x1A || c == ' ';
}

std::string_view TrimLeft(std::string_view s) {
    std::size_t start = 0;
    while (start < s.size() && IsBlank(s[start])) {
        ++start;
    }
    return s.substr(start);
}

std::string_view Trim(std::string_view s) {
    s = TrimLeft(s);
    std::size_t end = s.size();
    while (end > 0 && IsBlank(s[end - 1])) {
        --end;
    }
    return s.substr(0, end);
}

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerAscii(std::string_view s) {
    std::string lowered(s);
    for (char& c : lowered) {
        c = AsciiLower(c);
    }
    return lowered;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

std::string_view StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

bool IsUtf16(IniDocument::Encoding encoding) {
    return encoding == IniDocument::Encoding::Utf16Le || encoding == IniDocument::Encoding::Utf16Be;
}

std::string_view ByteOrderMark(IniDocument::Encoding encoding) {
    switch (encoding) {
        case IniDocument::Encoding::Utf8Bom:
            return "\xEF\xBB\xBF";
        case IniDocument::Encoding::Utf16Le:
            return "\xFF\xFE";
        case IniDocument::Encoding::Utf16Be:
            return "\xFE\xFF";
        case IniDocument::Encoding::Utf8:
        case IniDocument::Encoding::Windows1252:
            break;
    }
    return {};
}

std::string Decode(std::string_view bytes, IniDocument::Encoding encoding) {
    switch (encoding) {
        case IniDocument::Encoding::Utf16Le:
            return text::Utf8FromUtf16(bytes, false);
        case IniDocument::Encoding::Utf16Be:
            return text::Utf8FromUtf16(bytes, true);
        case IniDocument::Encoding::Windows1252:
            return text::Utf8FromWindows1252(bytes);
        case IniDocument::Encoding::Utf8:
        case IniDocument::Encoding::Utf8Bom:
            break;
    }
    return text::Utf8FromUtf8Lossy(bytes);
}

// `utf8` is valid UTF-8 (every text the document holds is).
std::string Encode(std::string_view utf8, IniDocument::Encoding encoding) {
    switch (encoding) {
        case IniDocument::Encoding::Utf16Le:
            return text::Utf16FromUtf8(utf8, false);
        case IniDocument::Encoding::Utf16Be:
            return text::Utf16FromUtf8(utf8, true);
        case IniDocument::Encoding::Windows1252:
            return text::Windows1252FromUtf8(utf8);
        case IniDocument::Encoding::Utf8:
        case IniDocument::Encoding::Utf8Bom:
            break;
    }
    return std::string(utf8);
}

}  // namespace

IniDocument::IniDocument() = default;

IniDocument IniDocument::Parse(std::span<const std::uint8_t> bytes) {
    const std::string_view all(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    IniDocument document;
    std::string_view body = all;
    if (all.starts_with("\xFF\xFE")) {
        document.m_encoding = Encoding::Utf16Le;
    } else if (all.starts_with("\xFE\xFF")) {
        document.m_encoding = Encoding::Utf16Be;
    } else if (all.starts_with("\xEF\xBB\xBF")) {
        document.m_encoding = Encoding::Utf8Bom;
    } else {
        document.m_encoding = text::IsValidUtf8(all) ? Encoding::Utf8 : Encoding::Windows1252;
    }
    body.remove_prefix(ByteOrderMark(document.m_encoding).size());

    // Split at CR, LF and CRLF, counted in code units: 2 bytes in UTF-16, else 1. In UTF-8
    // and Windows-1252 the bytes 0D and 0A never occur inside a character.
    const std::size_t unit = IsUtf16(document.m_encoding) ? 2 : 1;
    const bool bigEndian = document.m_encoding == Encoding::Utf16Be;
    const auto unitAt = [&](std::size_t i) -> unsigned {
        const auto first = static_cast<unsigned char>(body[i]);
        if (unit == 1) {
            return first;
        }
        const auto second = static_cast<unsigned char>(body[i + 1]);
        return bigEndian ? (first << 8) | second : (second << 8) | first;
    };
    bool newlineFound = false;
    const auto addLine = [&](std::string_view raw, LineEnd end) {
        if (!newlineFound && end != LineEnd::None) {
            document.m_newline = end;
            newlineFound = true;
        }
        Line line;
        line.text = Decode(raw, document.m_encoding);
        line.rawIsText = line.text == raw;
        if (!line.rawIsText) {
            line.raw = std::string(raw);
        }
        line.end = end;
        Classify(line);
        document.m_lines.push_back(std::move(line));
    };
    std::size_t start = 0;
    std::size_t i = 0;
    while (i + unit <= body.size()) {
        const unsigned c = unitAt(i);
        if (c != '\r' && c != '\n') {
            i += unit;
            continue;
        }
        const std::size_t lineEnd = i;
        i += unit;
        LineEnd end = c == '\r' ? LineEnd::Cr : LineEnd::Lf;
        if (c == '\r' && i + unit <= body.size() && unitAt(i) == '\n') {
            end = LineEnd::CrLf;
            i += unit;
        }
        addLine(body.substr(start, lineEnd - start), end);
        start = i;
    }
    if (start < body.size()) {
        addLine(body.substr(start), LineEnd::None);  // also keeps a final odd byte of a UTF-16 file
    }
    return document;
}

namespace {

// The bytes of an ini file; a missing file has none.
Result<std::vector<std::uint8_t>> ReadIniBytes(const std::filesystem::path& path) {
    using Bytes = Result<std::vector<std::uint8_t>>;
    if (path.empty()) {
        return Bytes::Error("no ini file name given", EINVAL);
    }
    Bytes bytes = ReadFileBytes(path, kMaxIniFileSize + 1);
    if (!bytes) {
        return bytes.code() == ENOENT ? Bytes(std::vector<std::uint8_t>()) : bytes;
    }
    if (bytes->size() > kMaxIniFileSize) {
        return Bytes::Error(path.string() + " is larger than " +
                                std::to_string(kMaxIniFileSize / (1024 * 1024)) +
                                " MiB and is not read",
                            EFBIG);
    }
    return bytes;
}

}  // namespace

Result<IniDocument> IniDocument::Read(const std::filesystem::path& path) {
    const Result<std::vector<std::uint8_t>> bytes = ReadIniBytes(path);
    if (!bytes) {
        return bytes.failure();
    }
    return Parse(*bytes);
}

Status CheckIniFile(const std::filesystem::path& path) {
    const Result<std::vector<std::uint8_t>> bytes = ReadIniBytes(path);
    return bytes ? Status::Ok() : Status(bytes.failure());
}

IniDocument IniDocument::Load(const std::filesystem::path& path) {
    Result<IniDocument> read = Read(path);
    return read ? std::move(*read) : IniDocument();
}

IniDocument::Line IniDocument::MakeLine(std::string text, LineEnd end) {
    Line line;
    line.text = std::move(text);
    line.end = end;
    line.edited = true;
    Classify(line);
    return line;
}

void IniDocument::Classify(Line& line) {
    const std::string_view text = Trim(line.text);
    const auto place = [&line](std::string_view part, std::uint32_t& begin, std::uint32_t& size) {
        begin = static_cast<std::uint32_t>(part.data() - line.text.data());
        size = static_cast<std::uint32_t>(part.size());
    };
    line.nameBegin = line.nameSize = line.valueBegin = line.valueSize = 0;
    if (text.empty()) {
        line.kind = Line::Kind::Blank;
        return;
    }
    const std::size_t close = text.rfind(']');
    if (text.front() == '[' && close != std::string_view::npos) {
        line.kind = Line::Kind::Header;
        place(Trim(text.substr(1, close - 1)), line.nameBegin, line.nameSize);
        return;
    }
    const std::size_t equals = text.find('=');
    if (equals != std::string_view::npos) {
        line.kind = Line::Kind::Entry;
        place(Trim(text.substr(0, equals)), line.nameBegin, line.nameSize);
        place(Trim(text.substr(equals + 1)), line.valueBegin, line.valueSize);
        return;
    }
    line.kind = Line::Kind::Other;
}

std::string_view IniDocument::EndText(LineEnd end) {
    switch (end) {
        case LineEnd::CrLf:
            return "\r\n";
        case LineEnd::Lf:
            return "\n";
        case LineEnd::Cr:
            return "\r";
        case LineEnd::None:
            break;
    }
    return {};
}

std::size_t IniDocument::FindSection(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Kind::Header &&
            EqualsIgnoringAsciiCase(m_lines[i].name(), wanted)) {
            return i;
        }
    }
    return kNone;
}

std::size_t IniDocument::SectionEnd(std::size_t header) const {
    std::size_t i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Line::Kind::Header) {
        ++i;
    }
    return i;
}

std::size_t IniDocument::FindEntry(std::size_t header, std::string_view key) const {
    const std::string_view wanted = Trim(key);
    const std::size_t end = SectionEnd(header);
    for (std::size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Kind::Entry &&
            EqualsIgnoringAsciiCase(m_lines[i].name(), wanted)) {
            return i;
        }
    }
    return kNone;
}

void IniDocument::EndLastLine(std::size_t index) {
    Line& line = m_lines[index];
    if (line.end != LineEnd::None) {
        return;  // only the file's last line can lack a line end
    }
    line.end = m_newline;
    if (IsUtf16(m_encoding) && line.bytes().size() % 2 != 0) {
        line.edited = true;  // re-encode the final odd byte (U+FFFD) so the units stay aligned
    }
}

void IniDocument::Changed() {
    m_modified = true;
    m_indexed = false;
}

void IniDocument::BuildIndex() const {
    m_index.clear();
    std::unordered_map<std::string, bool> seenSections;
    std::string section;  // the current first section's key prefix; empty outside one
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines[i];
        if (line.kind == Line::Kind::Header) {
            std::string lowered = LowerAscii(line.name());
            const bool first = seenSections.emplace(lowered, true).second;
            section = first ? lowered + '\n' : std::string();
        } else if (line.kind == Line::Kind::Entry && !section.empty()) {
            m_index.emplace(section + LowerAscii(line.name()), i);  // the first key wins
        }
    }
    m_indexed = true;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    if (HasLineBreak(section) || HasLineBreak(key)) {
        return std::nullopt;
    }
    if (!m_indexed) {
        BuildIndex();
    }
    const auto found = m_index.find(LowerAscii(Trim(section)) + '\n' + LowerAscii(Trim(key)));
    if (found == m_index.end()) {
        return std::nullopt;
    }
    return std::string(StripQuotes(m_lines[found->second].value()));
}

Status IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    if (HasLineBreak(value)) {
        return Status::Error("an ini value cannot hold a line break", EINVAL);
    }
    if (HasLineBreak(section) || HasLineBreak(key)) {
        return Status::Error("an ini name cannot hold a line break", EINVAL);
    }
    const std::string sectionName = text::Utf8FromUtf8Lossy(Trim(section));
    if (sectionName.empty()) {
        return Status::Error("an ini section needs a name", EINVAL);
    }
    const std::string keyName = text::Utf8FromUtf8Lossy(Trim(key));
    if (keyName.find('=') != std::string::npos || keyName.starts_with('[')) {
        return Status::Error("an ini key cannot hold '=' or start with '['", EINVAL);
    }
    const std::string newValue = text::Utf8FromUtf8Lossy(TrimLeft(value));

    const std::size_t header = FindSection(sectionName);
    if (header == kNone) {
        if (!m_lines.empty()) {
            EndLastLine(m_lines.size() - 1);
        }
        m_lines.push_back(MakeLine("[" + sectionName + "]", m_newline));
        m_lines.push_back(MakeLine(keyName + "=" + newValue, m_newline));
        Changed();
        return Status::Ok();
    }
    const std::size_t entry = FindEntry(header, keyName);
    if (entry != kNone) {
        Line& line = m_lines[entry];
        if (line.value() == Trim(newValue)) {
            return Status::Ok();  // reads back the same already
        }
        line.text = std::string(line.name()) + "=" + newValue;
        line.raw.clear();
        line.rawIsText = false;
        line.edited = true;
        Classify(line);
        Changed();
        return Status::Ok();
    }
    const std::size_t end = SectionEnd(header);
    std::size_t last = header;
    for (std::size_t i = header + 1; i < end; ++i) {
        if (m_lines[i].kind != Line::Kind::Blank) {
            last = i;
        }
    }
    EndLastLine(last);
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(last + 1),
                   MakeLine(keyName + "=" + newValue, m_newline));
    Changed();
    return Status::Ok();
}

void IniDocument::RemoveKey(std::string_view section, std::string_view key) {
    const std::size_t header = FindSection(section);
    if (header == kNone) {
        return;
    }
    const std::size_t entry = FindEntry(header, key);
    if (entry == kNone) {
        return;
    }
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(entry));
    Changed();
}

void IniDocument::RemoveSection(std::string_view section) {
    const std::size_t header = FindSection(section);
    if (header == kNone) {
        return;
    }
    const std::size_t end = SectionEnd(header);
    m_lines.erase(m_lines.begin() + static_cast<std::ptrdiff_t>(header),
                  m_lines.begin() + static_cast<std::ptrdiff_t>(end));
    Changed();
}

std::vector<std::uint8_t> IniDocument::Serialize() const {
    std::string out(ByteOrderMark(m_encoding));
    for (const Line& line : m_lines) {
        out += line.edited ? Encode(line.text, m_encoding) : std::string(line.bytes());
        out += Encode(EndText(line.end), m_encoding);
    }
    const bool ascii = std::all_of(out.begin(), out.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (m_encoding == Encoding::Windows1252 && !ascii && text::IsValidUtf8(out)) {
        // These bytes would read back as UTF-8, with other text: the text goes out as UTF-8
        // with its mark instead, which reads back the same.
        out = ByteOrderMark(Encoding::Utf8Bom);
        for (const Line& line : m_lines) {
            out += line.text;
            out += EndText(line.end);
        }
    }
    return std::vector<std::uint8_t>(out.begin(), out.end());
}

Status IniDocument::Save(const std::filesystem::path& path) const {
    const std::vector<std::uint8_t> bytes = Serialize();
    return WriteFileAtomically(path, bytes);
}

IniDocument::Encoding IniDocument::encoding() const {
    return m_encoding;
}

bool IniDocument::modified() const {
    return m_modified;
}

std::string ReadIniString(const std::filesystem::path& path, std::string_view section,
                          std::string_view key, std::string_view fallback, std::size_t capacity) {
    return capacity == 0 ? std::string()
                         : IniString(IniDocument::Load(path), section, key, fallback, capacity);
}

std::string IniString(const IniDocument& document, std::string_view section, std::string_view key,
                      std::string_view fallback, std::size_t capacity) {
    if (capacity == 0) {
        return {};
    }
    std::optional<std::string> value = document.Get(section, key);
    if (!value) {
        while (!fallback.empty() && fallback.back() == ' ') {
            fallback.remove_suffix(1);
        }
        value = std::string(fallback);
    }
    return std::string(text::PrefixOfUtf16Length(*value, capacity - 1));
}

Status EditIniFile(const std::filesystem::path& path,
                   const std::function<Status(IniDocument&)>& edit) {
    Result<IniDocument> document = IniDocument::Read(path);
    if (!document) {
        return document.failure();
    }
    const Status edited = edit(*document);
    if (!edited) {
        return edited;
    }
    return document->modified() ? document->Save(path) : Status::Ok();
}

Status WriteIniString(const std::filesystem::path& path, std::string_view section,
                      std::string_view key, std::string_view value) {
    return EditIniFile(path,
                       [&](IniDocument& document) { return document.Set(section, key, value); });
}

Status DeleteIniKey(const std::filesystem::path& path, std::string_view section,
                    std::string_view key) {
    return EditIniFile(path, [&](IniDocument& document) {
        document.RemoveKey(section, key);
        return Status::Ok();
    });
}

Status DeleteIniSection(const std::filesystem::path& path, std::string_view section) {
    return EditIniFile(path, [&](IniDocument& document) {
        document.RemoveSection(section);
        return Status::Ok();
    });
}

bool FileExists(const std::filesystem::path& path) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    return exists && !ec;
}

std::string_view TrimIniBlanks(std::string_view s) {
    return Trim(s);
}

bool SameIniName(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase(Trim(a), Trim(b));
}

}  // namespace gx508
