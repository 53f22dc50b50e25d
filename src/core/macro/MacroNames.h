// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace gx508 {

// Naming rules of macros and gun macros. A macro's name is also the name of its section in
// the store file, and the store matches section names after trimming blanks and without
// regard to ASCII case. Macros, gun macros and the two list sections ("MacroName",
// "GunMacroName") share that one namespace, so every rule below compares names that way.

inline constexpr int kMaxMacros = 12;  // New refuses a thirteenth macro (or gun macro)

// True when the two names would address the same section.
bool SameSection(std::string_view a, std::string_view b);

// True for the names of the list sections, "MacroName" and "GunMacroName".
bool IsListSectionName(std::string_view name);

// True when a name reads back from the store exactly as written: not empty, no blank at
// either end, no control character, not wrapped in matching quotes, at most 1023 UTF-16
// units long.
bool IsStorableMacroName(std::string_view name);

// The name a new macro gets, or nothing when the list already holds kMaxMacros names.
// The last name of the list decides the number: no list, or a last name without "_", gives
// `word` + "_" + (count + 1); otherwise `word` + "_" + (the number after the first "_" of the
// last name, 0 when there is none, + 1). A name that is already taken by a macro of either
// kind or by a list section moves on to the next number, so two records never share a section.
std::optional<std::string> NewMacroName(std::span<const std::string> names,
                                        std::span<const std::string> otherKindNames,
                                        std::string_view word);

// Why a typed name was accepted or refused.
enum class NameVerdict {
    Accepted,     // the macro takes the typed name
    Unchanged,    // the typed name is the macro's own
    Duplicate,    // another macro of the list has that name (or one sharing its section)
    Reserved,     // the name of a list section
    OtherKind,    // a macro of the other kind has that name
    NotStorable,  // empty, or could not be read back (see IsStorableMacroName)
};

struct NameEdit {
    std::string name;  // the name the macro has after the edit
    NameVerdict verdict = NameVerdict::Unchanged;
};

// The end of an in-place name edit of the macro at `position` of `names`: the typed text
// becomes its name unless a rule refuses it, in which case the old name stays. A text equal
// (exactly) to any listed name keeps the old name, as does a text sharing a section with
// another macro of either kind or a list section, and a text that cannot be stored.
NameEdit NameAfterEdit(std::span<const std::string> names, int position, std::string_view typed,
                       std::span<const std::string> otherKindNames);

// Whether the rename of a macro from `previous` to `renamed` leaves the old section unused, so
// that it goes once the new one is written: the two names address different sections and no
// listed macro of either kind still uses the old one.
bool LeavesOldSection(std::string_view previous, std::string_view renamed,
                      std::span<const std::string> names,
                      std::span<const std::string> otherKindNames);

}  // namespace gx508
