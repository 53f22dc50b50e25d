// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/IniFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/OrdinaryUser.h"
#include "support/TempFolder.h"

// The engine reads and writes ini files as the Windows private-profile functions do; each row
// below is named after the behaviour it shows.

namespace gx508 {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;

// "a\nb\n" with CRLF line ends.
std::string Crlf(std::string_view lines) {
    std::string out;
    for (const char c : lines) {
        out += c == '\n' ? "\r\n" : std::string(1, c);
    }
    return out;
}

std::string Utf16(std::u16string_view text, bool bigEndian = false) {
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += bigEndian ? high : low;
        out += bigEndian ? low : high;
    }
    return out;
}

std::optional<std::string> ReadText(const fs::path& path) {
    if (!fs::exists(path)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

const std::string kF1 =
    Crlf("[section1]\nname1=val1\nname2=\"val2\"\nname3\nname4=a\n[section2]\n");
const std::string kF2 = Crlf("[s]\nname1=val1\nname2=\nname3\nname4=val4\n");
const std::string kLongValue(100'000, 'x');

// Bytes 00..FF sixteen times: neither UTF-8 nor text; its first line end is a lone LF.
std::string Garbage() {
    std::string bytes;
    for (int round = 0; round < 16; ++round) {
        for (int b = 0; b < 256; ++b) {
            bytes += static_cast<char>(b);
        }
    }
    return bytes;
}

// ---------------------------------------------------------------------------------------------

struct ReadCase {
    std::string label;
    std::optional<std::string> file;  // nothing: no file
    std::string section;
    std::string key;
    std::string fallback;
    std::string expected;
    std::size_t capacity = 260;
};

std::vector<ReadCase> ReadCases() {
    std::vector<ReadCase> cases;
    // Lookups in F1, once with CRLF and once with CR-only line ends.
    std::string f1CrOnly = kF1;
    std::erase(f1CrOnly, '\n');
    for (const auto& [s, f1] :
         {std::pair<std::string, std::string>{"", kF1}, {" (CR-only line ends)", f1CrOnly}}) {
        cases.insert(
            cases.end(),
            {
                {"a key's value" + s, f1, "section1", "name1", "default", "val1"},
                {"key names ignore case" + s, f1, "section1", "NaMe1", "default", "val1"},
                {"surrounding double quotes are removed" + s, f1, "section1", "name2", "default",
                 "val2"},
                {"a line without '=' is no key" + s, f1, "section1", "name3", "default", "default"},
                {"a missing key gives the fallback" + s, f1, "section1", "notakey", "default",
                 "default"},
                {"a missing section gives the fallback" + s, f1, "notasection", "name1", "default",
                 "default"},
                {"a missing key with an empty fallback reads empty" + s, f1, "section2",
                 "DoesntExist", "", ""},
                {"an empty key name with an empty fallback reads empty" + s, f1, "section1", "", "",
                 ""},
                {"an empty key name gives the fallback without trailing blanks" + s, f1, "section1",
                 "", "default  ", "default"},
                {"an empty section name gives the fallback without trailing blanks" + s, f1, "",
                 "name1", "one two  ", "one two"},
                {"capacity 4 keeps three characters" + s, f1, "section1", "name1", "default", "val",
                 4},
                {"capacity 5 holds a four-character value" + s, f1, "section1", "name1", "default",
                 "val1", 5},
                {"capacity 1 reads empty" + s, f1, "section1", "name4", "default", "", 1},
                {"capacity 0 reads empty" + s, f1, "section1", "name4", "default", "", 0},
            });
    }
    cases.insert(
        cases.end(),
        {
            {"no file gives the fallback", std::nullopt, "section1", "name1", "default", "default"},
            {"LF-only line ends", "[Test]\nProfileInt=123\n", "Test", "ProfileInt", "", "123"},
            {"blanks inside a section header are ignored", Crlf("[ section1 ]\nk=v\n[section2]\n"),
             "section1", "k", "", "v"},
            {"an empty value reads empty, not the fallback", kF2, "s", "name2", "def", ""},
            {"a bare name gives the fallback", kF2, "s", "name3", "def", "def"},
            {"an empty key name finds a line starting with '='", Crlf("[s]\n=val_no_key\n[t]\n"),
             "s", "", "", "val_no_key"},
            {"section \"\" is the '[]' header", Crlf("key=val_no_section\n[]\nkey=val_e_section\n"),
             "", "key", "", "val_e_section"},
            {"keys before any header are unreachable", Crlf("key=v\n[s]\n"), "", "key", "d", "d"},
            {"blanks around key and value are trimmed", Crlf("[s]\n  k  =  v w  \n"), "s", "k", "",
             "v w"},
            {"VT, FF and ^Z count as blanks", "[s]\n\x0Bk=v\x1A\x0C\n", "s", "k", "", "v"},
            {"quotes keep the blanks inside them", Crlf("[s]\nk=\"  p  \"\n"), "s", "k", "",
             "  p  "},
            {"single quotes are removed too", Crlf("[s]\na='x'\n"), "s", "a", "", "x"},
            {"mismatched quotes stay", Crlf("[s]\nb=\"x'\n"), "s", "b", "", "\"x'"},
            {"a lone quote stays", Crlf("[s]\nc=\"\n"), "s", "c", "", "\""},
            {"the first of two equal keys wins", Crlf("[s]\nk=1\nk=2\n"), "s", "k", "", "1"},
            {"only the first of two equal sections is read", Crlf("[s]\na=1\n[t]\n[S]\na=2\nb=3\n"),
             "s", "a", "", "1"},
            {"the keys of a repeated section are invisible", Crlf("[s]\na=1\n[t]\n[S]\na=2\nb=3\n"),
             "s", "b", "d", "d"},
            {"';' starts no comment inside a value", Crlf("[s]\nk2=v ;c\n#h=1\n"), "s", "k2", "",
             "v ;c"},
            {"a '#' line is a key", Crlf("[s]\nk2=v ;c\n#h=1\n"), "s", "#h", "", "1"},
            {"a section name ends at the last ']'", Crlf("[a]b]\nz=1\n[c] junk\ny=2\n"), "a]b", "z",
             "", "1"},
            {"text after the header's ']' is ignored", Crlf("[a]b]\nz=1\n[c] junk\ny=2\n"), "c",
             "y", "", "2"},
            {"UTF-16LE with its mark", Utf16(u"[s]\r\nk=Größe\r\n"), "s", "k", "", "Größe"},
            {"UTF-16BE", Utf16(u"[s]\r\nk=Größe\r\n", true), "s", "k", "", "Größe"},
            {"UTF-8 with its mark", "\xEF\xBB\xBF" + Crlf("[s]\nk=v\n"), "s", "k", "d", "v"},
            {"UTF-8 without mark", Crlf("[s]\nk=Größe\n"), "s", "k", "", "Größe"},
            {"Windows-1252", Crlf("[s]\nk=Gr\xF6\xDF\x80\x81\n"), "s", "k", "", "Größ€\u0081"},
            {"UTF-16 without mark finds nothing", Utf16(u"[s]\r\nk=v\r\n").substr(2), "s", "k", "d",
             "d"},
            {"binary garbage", Garbage(), "s", "k", "d", "d"},
            {"n counts UTF-16 units", Crlf("[s]\nk=Größe\n"), "s", "k", "", "Grö", 4},
            {"n never splits a pair", Crlf("[s]\nk=a😀b\n"), "s", "k", "", "a", 3},
            {"n takes a whole pair", Crlf("[s]\nk=a😀b\n"), "s", "k", "", "a😀", 4},
            {"n applies to the fallback", std::nullopt, "s", "k", "fallback", "fall", 5},
            {"fallback keeps tabs and quotes", std::nullopt, "s", "k", "\"x\"\t ", "\"x\"\t"},
            {"100 kB line", "[s]\nk=" + kLongValue + "\n", "s", "k", "", kLongValue, 200'000},
            {"100 kB line, default buffer", "[s]\nk=" + kLongValue + "\n", "s", "k", "",
             std::string(1023, 'x'), 1024},
            {"key after 100 kB line", "[s]\nk=" + kLongValue + "\nj=2\n", "s", "j", "", "2"},
            {"a '[' line without ']' is no header", Crlf("[s]\n[t\nk=v\n"), "s", "k", "", "v"},
        });
    return cases;
}

TEST(IniFileTest, ReadsLikeGetPrivateProfileString) {
    test::TempFolder folder;
    int index = 0;
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.label);
        const fs::path path = folder / ("read" + std::to_string(index++) + ".ini");
        if (c.file) {
            test::WriteText(path, *c.file);
        }
        EXPECT_EQ(ReadIniString(path, c.section, c.key, c.fallback, c.capacity), c.expected);
    }
}

// ---------------------------------------------------------------------------------------------

enum class Op { Write, DeleteKey, DeleteSection, Read };

const std::string kUnchanged = "<unchanged>";

struct Step {
    Op op;
    std::string section;
    std::string key;
    std::string value;  // Read: the text expected
    bool ok;
    std::optional<std::string> after;  // the whole file afterwards; nothing: no file
};

struct WriteCase {
    std::string label;
    std::optional<std::string> before;  // nothing: no file
    std::vector<Step> steps;
};

std::vector<WriteCase> WriteCases() {
    const std::string build1 = Crlf("[App1]\nkey1=string1\n");
    const std::string build2 = Crlf("[App1]\nkey1=string1\nkey2=string2\n");
    const std::string build3 = Crlf("[App1]\nkey1=string1\nkey2=string2\nkey3=string3\n");
    const std::string build4 = build3 + Crlf("[App2]\nkey4=string4\n");
    const std::string build5 = build4 + Crlf("[App3]\nkey5=string5\n");
    const std::string dup = Crlf("[s]\na=1\n[t]\n[S]\na=2\nb=3\n");
    const std::string nuls = "Data \0 before \0 first \0 section"s;
    return {
        {"writing changes the first of two equal keys",
         Crlf("[s]\nk=1\nk=2\n"),
         {{Op::Write, "s", "k", "3", true, Crlf("[s]\nk=3\nk=2\n")}}},
        {"writing creates a missing file",
         std::nullopt,
         {{Op::Write, "App", "key", "string", true, Crlf("[App]\nkey=string\n")}}},
        {"keys and sections written, then deleted one by one",
         std::nullopt,
         {
             {Op::Write, "App1", "key1", "string1", true, build1},
             {Op::Write, "App1", "key2", "string2", true, build2},
             {Op::Write, "App1", "key3", "string3", true, build3},
             {Op::Write, "App2", "key4", "string4", true, build4},
             {Op::Write, "App3", "key5", "string5", true, build5},
             {Op::DeleteKey, "App1", "key2", "", true,
              Crlf("[App1]\nkey1=string1\nkey3=string3\n[App2]\nkey4=string4\n[App3]\n"
                   "key5=string5\n")},
             {Op::DeleteKey, "App1", "key2", "", true, kUnchanged},
             {Op::DeleteSection, "App1", "", "", true,
              Crlf("[App2]\nkey4=string4\n[App3]\nkey5=string5\n")},
             {Op::DeleteSection, "App2", "", "", true, Crlf("[App3]\nkey5=string5\n")},
             {Op::DeleteKey, "App3", "key5", "", true, Crlf("[App3]\n")},
         }},
        {"an empty value is written as 'key='",
         std::nullopt,
         {{Op::Write, "App", "key", "", true, Crlf("[App]\nkey=\n")}}},
        {"an empty or blank section name is refused",
         "",
         {{Op::Write, "", "key", "string", false, kUnchanged},
          {Op::Write, " \t", "key", "string", false, kUnchanged}}},
        {"deleting from a missing file creates none",
         std::nullopt,
         {{Op::DeleteSection, "App", "", "", true, std::nullopt},
          {Op::DeleteKey, "App", "key", "", true, std::nullopt}}},
        {"a new key goes after its section's last entry",
         kF2,
         {{Op::Write, "s", "name5", "val5", true, kF2 + Crlf("name5=val5\n")},
          {Op::Read, "s", "name3", "", true, kUnchanged}}},
        {"NULs before the first section survive, a line break is added",
         nuls,
         {{Op::Write, "section1", "key1", "string1", true,
           nuls + Crlf("\n[section1]\nkey1=string1\n")}}},
        {"only the changed line changes",
         Crlf("; head\n\n[s]\na = 1\n; note\n\nb=2\n"),
         {{Op::Write, "s", "a", "9", true, Crlf("; head\n\n[s]\na=9\n; note\n\nb=2\n")}}},
        {"an existing name keeps its spelling",
         Crlf("[Sec]\nKey=1\n"),
         {{Op::Write, "SEC", "KEY", "2", true, Crlf("[Sec]\nKey=2\n")}}},
        {"a value's leading blanks go, its quotes stay",
         Crlf("[s]\nk=1\n"),
         {{Op::Write, "s", "k", "  v", true, Crlf("[s]\nk=v\n")},
          {Op::Write, "s", "k", "\"x\"", true, Crlf("[s]\nk=\"x\"\n")},
          {Op::Read, "s", "k", "x", true, kUnchanged}}},
        {"UTF-16LE stays UTF-16LE",
         Utf16(u"[s]\r\nk=1\r\n"),
         {{Op::Write, "s", "k", "2", true, Utf16(u"[s]\r\nk=2\r\n")}}},
        {"UTF-16LE round trip",
         Utf16(u"[s]\r\nk=Größe\r\n"),
         {{Op::Write, "s", "k", "Größe", true, kUnchanged},
          {Op::Write, "s", "j", "€ 😀", true, Utf16(u"[s]\r\nk=Größe\r\nj=€ 😀\r\n")},
          {Op::Read, "s", "j", "€ 😀", true, kUnchanged},
          {Op::Write, "t", "k", "ü", true, Utf16(u"[s]\r\nk=Größe\r\nj=€ 😀\r\n[t]\r\nk=ü\r\n")},
          {Op::DeleteSection, "s", "", "", true, Utf16(u"[t]\r\nk=ü\r\n")}}},
        {"UTF-16BE stays UTF-16BE",
         Utf16(u"[s]\r\nk=1\r\n", true),
         {{Op::Write, "s", "k", "ß", true, Utf16(u"[s]\r\nk=ß\r\n", true)}}},
        {"UTF-16 with an odd final byte stays aligned",
         Utf16(u"[s]\r\nk=1") + "\x01",
         {{Op::Write, "s", "j", "2", true, Utf16(u"[s]\r\nk=1\xFFFD\r\nj=2\r\n")}}},
        {"UTF-8 mark stays",
         "\xEF\xBB\xBF[s]\nk=1\n",
         {{Op::Write, "s", "j", "ß", true, "\xEF\xBB\xBF[s]\nk=1\nj=ß\n"}}},
        {"Windows-1252 stays, '?' for the rest",
         Crlf("[s]\nk=\xF6\x81\x9D\n"),
         {{Op::Write, "s", "j", "ö€✓", true, Crlf("[s]\nk=\xF6\x81\x9D\nj=\xF6\x80?\n")},
          {Op::Read, "s", "k", "ö\u0081\u009D", true, kUnchanged}}},
        {"new lines take the file's first line end",
         "[s]\nk=1\r\n",
         {{Op::Write, "s", "j", "2", true, "[s]\nk=1\r\nj=2\n"},
          {Op::Write, "t", "j", "3", true, "[s]\nk=1\r\nj=2\n[t]\nj=3\n"}}},
        {"CR-only file", "[s]\rk=1\r", {{Op::Write, "s", "j", "2", true, "[s]\rk=1\rj=2\r"}}},
        {"last line without line end",
         Crlf("[s]\nk=1"),
         {{Op::Write, "s", "j", "2", true, Crlf("[s]\nk=1\nj=2\n")}}},
        {"new key before the blank lines ending its section",
         Crlf("[a]\nx=1\n\n[b]\n"),
         {{Op::Write, "a", "y", "2", true, Crlf("[a]\nx=1\ny=2\n\n[b]\n")},
          {Op::Write, "b", "z", "3", true, Crlf("[a]\nx=1\ny=2\n\n[b]\nz=3\n")}}},
        {"line breaks are refused",
         Crlf("[s]\nk=1\n"),
         {{Op::Write, "s", "k", "a\nb", false, kUnchanged},
          {Op::Write, "s", "k", "a\r", false, kUnchanged},
          {Op::Write, "s", "n", "\r\n", false, kUnchanged},
          {Op::Write, "s\n", "k", "2", false, kUnchanged},
          {Op::Write, "s", "k\r", "2", false, kUnchanged}}},
        {"names that would not read back are refused",
         Crlf("[s]\nk=1\n"),
         {{Op::Write, "s", "a=b", "2", false, kUnchanged},
          {Op::Write, "s", "[k]", "2", false, kUnchanged}}},
        {"a write that changes nothing leaves the file alone",
         Crlf("[s]\na = 1 \nb=\"q\"\n"),
         {{Op::Write, "S", "A", "1", true, kUnchanged},
          {Op::Write, "s", "a", " 1\t", true, kUnchanged},
          {Op::Write, "s", "b", "\"q\"", true, kUnchanged},
          {Op::DeleteKey, "s", "c", "", true, kUnchanged},
          {Op::DeleteSection, "t", "", "", true, kUnchanged}}},
        {"[Wine] duplicate sections: the first is used",
         dup,
         {{Op::Write, "s", "b", "4", true, Crlf("[s]\na=1\nb=4\n[t]\n[S]\na=2\nb=3\n")},
          {Op::DeleteSection, "s", "", "", true, Crlf("[t]\n[S]\na=2\nb=3\n")},
          {Op::Read, "s", "b", "3", true, kUnchanged}}},
        {"duplicate keys: delete removes the first",
         Crlf("[s]\nk=1\nk=2\n"),
         {{Op::DeleteKey, "s", "K", "", true, Crlf("[s]\nk=2\n")}}},
        {"keys without values",
         Crlf("[s]\nname3\nk=\n"),
         {{Op::Write, "s", "k", "", true, kUnchanged},
          {Op::Write, "s", "name3", "v", true, Crlf("[s]\nname3\nk=\nname3=v\n")},
          {Op::Write, "s", "k", "x", true, Crlf("[s]\nname3\nk=x\nname3=v\n")},
          {Op::DeleteKey, "s", "name3", "", true, Crlf("[s]\nname3\nk=x\n")}}},
        {"section \"\" is the \"[]\" header",
         Crlf("k=0\n[]\nk=1\n"),
         {{Op::DeleteKey, "", "k", "", true, Crlf("k=0\n[]\n")},
          {Op::DeleteSection, "", "", "", true, Crlf("k=0\n")}}},
        {"binary garbage is kept",
         Garbage(),
         {{Op::Write, "g", "k", "v", true, Garbage() + "\n[g]\nk=v\n"},
          {Op::Read, "g", "k", "v", true, kUnchanged}}},
        {"100 kB line",
         "[s]\nk=" + kLongValue + "\n",
         {{Op::Write, "s", "j", "2", true, "[s]\nk=" + kLongValue + "\nj=2\n"},
          {Op::Write, "s", "k", "1", true, "[s]\nk=1\nj=2\n"}}},
    };
}

TEST(IniFileTest, WritesLikeWritePrivateProfileString) {
    test::TempFolder folder;
    int index = 0;
    for (const WriteCase& c : WriteCases()) {
        SCOPED_TRACE(c.label);
        const fs::path path = folder / ("write" + std::to_string(index++) + ".ini");
        if (c.before) {
            test::WriteText(path, *c.before);
        }
        int stepNumber = 0;
        for (const Step& step : c.steps) {
            SCOPED_TRACE("step " + std::to_string(++stepNumber));
            const std::optional<std::string> before = ReadText(path);
            // An old time stamp shows whether the step rewrote the file.
            const auto stamp = std::chrono::time_point_cast<fs::file_time_type::duration>(
                std::chrono::floor<std::chrono::seconds>(fs::file_time_type::clock::now() -
                                                         std::chrono::hours(24)));
            if (before) {
                fs::last_write_time(path, stamp);
            }
            Status status;
            switch (step.op) {
                case Op::Write:
                    status = WriteIniString(path, step.section, step.key, step.value);
                    break;
                case Op::DeleteKey:
                    status = DeleteIniKey(path, step.section, step.key);
                    break;
                case Op::DeleteSection:
                    status = DeleteIniSection(path, step.section);
                    break;
                case Op::Read:
                    EXPECT_EQ(ReadIniString(path, step.section, step.key), step.value);
                    break;
            }
            EXPECT_EQ(status.ok(), step.ok) << status.message();
            const bool unchanged = step.after == kUnchanged;
            EXPECT_EQ(ReadText(path), unchanged ? before : step.after);
            if (unchanged && before) {
                EXPECT_EQ(fs::last_write_time(path), stamp) << "the file was rewritten";
            }
        }
        EXPECT_FALSE(fs::exists(path.string() + ".tmp"));
    }
}

// ---------------------------------------------------------------------------------------------

TEST(IniFileTest, DocumentKeepsBytesAndDetectsEncoding) {
    const std::pair<std::string, IniDocument::Encoding> cases[] = {
        {"", IniDocument::Encoding::Utf8},
        {Crlf("[s]\nk=Größe\n"), IniDocument::Encoding::Utf8},
        {"\xEF\xBB\xBF[s]", IniDocument::Encoding::Utf8Bom},
        {"\xEF\xBB\xBF\xFF\xFE", IniDocument::Encoding::Utf8Bom},
        {Crlf("[s]\nk=Gr\xF6\xDF\x81\n"), IniDocument::Encoding::Windows1252},
        {Utf16(u"[s]\r\nk=\xD800x\r\n") + "\x01", IniDocument::Encoding::Utf16Le},
        {Utf16(u"[s]\r\nk=\xDC00\r", true), IniDocument::Encoding::Utf16Be},
        {Utf16(u"[s]\r\n").substr(2), IniDocument::Encoding::Utf8},
        {Garbage(), IniDocument::Encoding::Windows1252},
    };
    for (const auto& [bytes, encoding] : cases) {
        SCOPED_TRACE(::testing::PrintToString(bytes));
        const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
        const IniDocument document = IniDocument::Parse(data);
        EXPECT_EQ(document.encoding(), encoding);
        EXPECT_FALSE(document.modified());
        EXPECT_EQ(document.Serialize(), data);
    }
}

TEST(IniFileTest, NewDocumentIsUtf8WithCrlf) {
    IniDocument document;
    EXPECT_FALSE(document.Get("s", "k"));
    ASSERT_TRUE(document.Set("s", "k", "ä"));
    EXPECT_TRUE(document.modified());
    EXPECT_EQ(document.encoding(), IniDocument::Encoding::Utf8);
    const std::string expected = Crlf("[s]\nk=ä\n");
    EXPECT_EQ(document.Serialize(), std::vector<std::uint8_t>(expected.begin(), expected.end()));
    EXPECT_EQ(document.Get("S", "K"), "ä");
}

TEST(IniFileTest, FailedWritesLeaveFilesAlone) {
    test::TempFolder folder;

    // The folder does not exist: nothing is created.
    const fs::path missingFolder = folder / "missing";
    EXPECT_FALSE(WriteIniString(missingFolder / "a.ini", "s", "k", "v"));
    EXPECT_FALSE(fs::exists(missingFolder));

    // The path is a folder: it stays an empty folder, and no temporary file is left.
    const fs::path directory = folder / "dir.ini";
    fs::create_directory(directory);
    EXPECT_FALSE(WriteIniString(directory, "s", "k", "v"));
    EXPECT_FALSE(DeleteIniKey(directory, "s", "k"));
    EXPECT_FALSE(DeleteIniSection(directory, "s"));
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_TRUE(fs::is_empty(directory));
    EXPECT_EQ(ReadIniString(directory, "s", "k", "d"), "d");

    // The temporary file cannot be made (AtomicFile writes `<path>.tmp`; a folder stands in
    // its way): the previous file stays whole.
    const fs::path path = folder / "old.ini";
    const std::string old = Crlf("[s]\nk=1\n");
    test::WriteText(path, old);
    fs::create_directory(path.string() + ".tmp");
    EXPECT_FALSE(WriteIniString(path, "s", "k", "2"));
    EXPECT_FALSE(DeleteIniSection(path, "s"));
    EXPECT_EQ(ReadText(path), old);

    // No file name.
    EXPECT_FALSE(WriteIniString("", "s", "k", "v"));
    EXPECT_FALSE(DeleteIniKey("", "s", "k"));
    EXPECT_FALSE(DeleteIniSection("", "s"));
    EXPECT_EQ(ReadIniString("", "s", "k", "default"), "default");

    const std::size_t entries = static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()));
    EXPECT_EQ(entries, 3u);  // dir.ini, old.ini, old.ini.tmp
}

TEST(IniFileTest, FileExistsForFilesAndFolders) {
    test::TempFolder folder;
    test::WriteText(folder / "a.ini", "");
    EXPECT_TRUE(FileExists(folder / "a.ini"));
    EXPECT_TRUE(FileExists(folder.path()));
    EXPECT_FALSE(FileExists(folder / "b.ini"));
    EXPECT_FALSE(FileExists(folder / "a.ini" / "x"));
    EXPECT_FALSE(FileExists(""));
}

// A file the user may not read (another user's, mode 600) is refused by every writer, with
// the system's error code, and keeps its bytes.
TEST(IniFileTest, EveryWriterRefusesAFileTheUserMayNotRead) {
    using Writer = std::function<Status(const fs::path&)>;
    const std::vector<std::pair<const char*, Writer>> writers = {
        {"write", [](const fs::path& p) { return WriteIniString(p, "s", "k", "2"); }},
        {"delete key", [](const fs::path& p) { return DeleteIniKey(p, "s", "k"); }},
        {"delete section", [](const fs::path& p) { return DeleteIniSection(p, "s"); }},
        {"edit",
         [](const fs::path& p) {
             return EditIniFile(p, [](IniDocument& d) { return d.Set("t", "k", "1"); });
         }},
    };
    for (const auto& [name, write] : writers) {
        const test::Refusal refusal = test::RefusalOfUnreadableFile(Crlf("[s]\nk=1\n"), write);
        if (refusal == test::Refusal::NotRun) {
            GTEST_SKIP() << "cannot run as an ordinary user here";
        }
        EXPECT_EQ(refusal, test::Refusal::Refused) << name;
    }
}

// A Windows-1252 file whose only byte that is not UTF-8 an edit removes would read back as
// UTF-8 and change the text of every other line: it reads back as it was saved.
TEST(IniFileTest, ASavedWindows1252FileReadsBackTheSameText) {
    test::TempFolder folder;
    const fs::path path = folder / "record.ini";
    test::WriteText(path, "[s]\r\nkept=A\xC3\xA9\r\ngone=\xFF\r\n[t]\r\nplain=abc\r\n");
    ASSERT_EQ(ReadIniString(path, "s", "kept"), "A\u00C3\u00A9");
    ASSERT_TRUE(WriteIniString(path, "s", "gone", "x"));
    EXPECT_EQ(ReadIniString(path, "s", "kept"), "A\u00C3\u00A9");
    EXPECT_EQ(ReadIniString(path, "s", "gone"), "x");
    EXPECT_EQ(ReadIniString(path, "t", "plain"), "abc");

    // Text that stays readable only one way keeps its encoding and its bytes.
    test::WriteText(path, "[s]\r\nkept=\xE9\r\nv=1\r\n");
    ASSERT_TRUE(WriteIniString(path, "s", "v", "2"));
    EXPECT_EQ(ReadText(path), "[s]\r\nkept=\xE9\r\nv=2\r\n");
}

// A file beyond the largest ini the program reads is refused with a message that names it,
// and never replaced; one of exactly that size reads as usual.
TEST(IniFileTest, AFileBeyondTheSizeLimitIsRefused) {
    test::TempFolder folder;
    const fs::path path = folder / "big.ini";
    std::string text = "[s]\r\nk=v\r\n";
    text.resize(kMaxIniFileSize, '\n');
    test::WriteText(path, text);
    ASSERT_TRUE(IniDocument::Read(path));
    EXPECT_EQ(ReadIniString(path, "s", "k"), "v");

    text += '\n';
    test::WriteText(path, text);
    const Result<IniDocument> read = IniDocument::Read(path);
    ASSERT_FALSE(read);
    EXPECT_EQ(read.code(), EFBIG);
    EXPECT_NE(read.message().find(path.string()), std::string::npos) << read.message();
    EXPECT_EQ(ReadIniString(path, "s", "k", "none"), "none");
    const Status written = WriteIniString(path, "s", "k", "w");
    EXPECT_EQ(written.code(), EFBIG);
    EXPECT_EQ(ReadText(path), text);
}

}  // namespace
}  // namespace gx508
