// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"
#include "core/store/IniFile.h"

namespace gx508 {

inline constexpr int kMaxProfiles = 6;
// Positions 0 (the standard profile) and 1 (the gaming profile) cannot be removed or renamed.
inline constexpr int kFixedProfiles = 2;

// The profile list: the names of the profiles by position, and which position is current. It
// lives in the [Profile] section of str.ini as "ItemCount" (1..6), "Item0".."Item5" and
// "CurProfileName", the name of the current profile.
//
// Names are kept unique and exactly as the ini reads them back, because the current profile is
// stored by its name: a second profile of the same name, or one whose blanks or quotes the ini
// drops, would make the next start load another profile's files. Every change below checks its
// rule first and leaves the list as it was when it refuses; a refusal's failure has code 0.
class ProfileList {
  public:
    // An empty list: str.ini without a [Profile] section, or no str.ini.
    ProfileList() = default;
    ProfileList(std::vector<std::string> names, int current);

    // The list of the [Profile] section (its name matched without regard to case), with
    // `current` the position of the profile the program loaded. No section or no "ItemCount"
    // gives an empty list; a count that is not 1..6 fails, so that no change drops the names
    // it would not read.
    static Result<ProfileList> FromIni(const IniDocument& doc, int current);

    // Writes the list into the [Profile] section: "CurProfileName" (the current name),
    // "ItemCount" and "Item0".. for the names, and removes the "Item%d" keys of positions the
    // list no longer has. Keys that keep their value keep their lines.
    Status WriteTo(IniDocument& doc) const;

    const std::vector<std::string>& names() const { return m_names; }
    int size() const { return static_cast<int>(m_names.size()); }
    bool empty() const { return m_names.empty(); }
    bool holds(int position) const { return position >= 0 && position < size(); }
    // The position of the current profile; 0 for an empty list.
    int current() const { return m_current; }
    bool full() const { return size() >= kMaxProfiles; }
    static bool Fixed(int position) { return position >= 0 && position < kFixedProfiles; }

    // The name New gives: `word`, a space and one more than the highest number any name holds
    // (the decimal digits that follow its first space; 0 when there are none), so it is never
    // the name of a profile in the list.
    std::string nextName(std::string_view word) const;

    // Adds a profile at the end. Refused when the list is full or the name is not usable.
    Status add(std::string name);
    // Gives the profile at `position` (2 or later) a new name.
    Status rename(int position, std::string name);
    // Removes the profile at `position` (2 or later); the later ones move up one position. When
    // it was the current profile, the one that takes its position (or the last) becomes current.
    Status remove(int position);
    // Makes `position` the current profile.
    Status select(int position);

    // Why `position` names no profile of the list, or OK.
    Status checkPosition(int position) const;
    // Why `name` cannot be the name of a profile other than the one at `keep`, or OK: it is
    // empty, would not read back the same from the ini, or another profile has it.
    Status checkName(std::string_view name, int keep = -1) const;

  private:
    Status checkChangeable(int position, const char* what) const;

    std::vector<std::string> m_names;
    int m_current = 0;
};

}  // namespace gx508
