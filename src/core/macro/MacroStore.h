// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "core/store/IniFile.h"

namespace gx508 {

// The macro store, "record.ini": macros and gun macros as text.
//
//   [MacroName]            [GunMacroName]          the two name lists, in list order:
//   MacroCount=2           MacroCount=3            "MacroCount" then "0", "1", ...
//   0=Macro_1              0=Snipe                 (an empty list: MacroCount=0 and 0=)
//   1=Macro_2              ...
//   [Macro_1]                                      one section per macro, named after it,
//   DelayTimeSelStatus=1                           keys in this order: the record-delay flag,
//   MacroLoopTimes=1                               the loop count (1..65535) as typed,
//   ItemCount=3                                    the item count and the items.
//   Item0=A   Dn                                   A macro without items has no section.
//   Item1=96 ms
//   Item2=A   Up
//
// Reads never fail: a missing file, section or key reads as empty, a malformed number as 0,
// and every value is cut to 1023 UTF-16 units. Writes go through one atomic write each; a
// file that exists but cannot be read is never replaced.

enum class MacroKind { Macro, Gun };

// "MacroName" or "GunMacroName".
std::string_view ListSectionOf(MacroKind kind);

// Reading a hostile file stays bounded: a list reads at most this many names (the positions
// a binding byte can hold), a macro at most this many items. Both also end at the last key
// the file holds, so "ItemCount=100000000" over three items gives three items.
inline constexpr int kMaxListedNames = 255;
inline constexpr int kMaxMacroItems = 4096;

// A macro as the managers hold it.
struct MacroRecord {
    std::string name;
    bool recordDelay = false;  // "DelayTimeSelStatus"
    std::string loopText;      // "MacroLoopTimes"
    std::vector<std::string> items;
};

// A macro as read from its section.
struct LoadedMacro {
    std::string loopText;  // as stored; empty when missing
    std::vector<std::string> items;
    // "DelayTimeSelStatus": 1 sets the flag, 0 (also missing or malformed) clears it, any
    // other number leaves the manager's flag as it was (nothing).
    std::optional<bool> recordDelay;
};

// One reading of the store file, for several lookups.
class MacroStoreSnapshot {
  public:
    // A missing or unreadable file gives an empty store.
    static MacroStoreSnapshot Load(const std::filesystem::path& store);
    static MacroStoreSnapshot Of(IniDocument document);

    std::vector<std::string> names(MacroKind kind) const;
    // The value of key "%d" of the list section; empty when missing.
    std::string nameAt(MacroKind kind, int position) const;
    // An empty name has no section and gives an empty macro.
    LoadedMacro macro(std::string_view name) const;
    // The leading number of "ItemCount", 0 when missing or malformed.
    std::int32_t itemCount(std::string_view name) const;
    // Whether the file has a section for the macro: any of its keys is there.
    bool hasSection(std::string_view name) const;
    // Whether the file has the list section of `kind`: its count or its first name is there.
    bool hasList(MacroKind kind) const;

  private:
    std::string read(std::string_view section, std::string_view key) const;

    IniDocument m_document;
};

// Nothing when the file does not exist.
std::vector<std::string> ListMacroNames(const std::filesystem::path& store, MacroKind kind);
LoadedMacro LoadMacro(const std::filesystem::path& store, std::string_view name);

// Replaces the list section of `document` with "MacroCount" and one key per name (the empty
// form when there are none).
Status PutNameList(IniDocument& document, MacroKind kind, std::span<const std::string> names);

// PutNameList on the file, in one atomic write. Creates the file when it is missing.
Status SaveNameList(const std::filesystem::path& store, MacroKind kind,
                    std::span<const std::string> names);

// Replaces the macro's section; a macro without items keeps none. Creates the file when it
// is missing. Refused, writing nothing, for a name that is empty or names a list section.
Status SaveMacro(const std::filesystem::path& store, const MacroRecord& macro);

// The managers' usual save. Only when the file exists and the list is not empty: the name
// list, then the selected macro as SaveMacro does, in one write. A selected name that is
// empty or names a list section saves the list alone and reports the refusal.
Status FullSave(const std::filesystem::path& store, MacroKind kind,
                std::span<const std::string> names, const MacroRecord& selected);

// The save at the end of an in-place edit. Only when the file exists and the list is not
// empty: the name list, and the macro's section rewritten from `macro` (pass the loop text
// as read when the macro was selected), even when it has no items. The record-delay flag is
// written too, so that a renamed macro keeps it. Refused as FullSave.
// Also the save from a recording log: pass the recorded macro with its flag and loop text as
// they were when the recording started.
Status EditEndSave(const std::filesystem::path& store, MacroKind kind,
                   std::span<const std::string> names, const MacroRecord& macro);

// Writes "MacroLoopTimes" alone ("%ld"), creating the section or file when needed.
Status SaveLoopCount(const std::filesystem::path& store, std::string_view name, long value);

// Removes the macro's section (as when a name edit starts). Refused for an empty name or a
// list section name.
Status DeleteMacroSection(const std::filesystem::path& store, std::string_view name);

// The loop-count field after a change: a value below 1 or above 65535 (also an empty or
// non-numeric text) becomes "1".
struct LoopCount {
    std::string text;
    long value = 1;
};
LoopCount LoopCountOfText(std::string_view text);

// The Delete command. Nothing happens when `selected` is not a position of the list.
// Otherwise the name is removed, the same position is selected again (the last one when the
// deleted macro was last, -1 when none remain), and the name list (the empty form when none
// remain) and the removal of the macro's section go to the file in one write, which creates
// the file when it is missing. The section stays when another listed macro shares it. The
// caller then loads the macro at `selection`.
struct MacroDeletion {
    bool deleted = false;
    int selection = -1;
    Status status;
};
MacroDeletion DeleteListedMacro(const std::filesystem::path& store, MacroKind kind,
                                std::vector<std::string>& names, int selected);

// One kind's list as it stands in the store, to be put back by RestoreMacroList: a manager
// captures it when it opens and restores it when the user cancels.
struct MacroListCapture {
    bool fileExisted = false;
    bool listExisted = false;
    std::vector<std::string> names;
    struct Entry {
        MacroRecord macro;
        bool hadSection = false;
    };
    std::vector<Entry> entries;  // one per listed name
};
MacroListCapture CaptureMacroList(const std::filesystem::path& store, MacroKind kind);

// Puts the captured list back in one atomic write: the sections of every name listed now or
// then are removed, except those the other kind's list names, and the captured list and
// sections written again (a record-delay flag other than 0 or 1 comes back as 0). Nothing is
// done when the file did not exist at the capture.
Status RestoreMacroList(const std::filesystem::path& store, MacroKind kind,
                        const MacroListCapture& capture);

}  // namespace gx508
