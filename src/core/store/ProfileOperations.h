// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/Status.h"
#include "core/store/ProfileList.h"
#include "core/store/SharedState.h"

namespace gx508 {

// The profile commands of the profile manager and gx508ctl. Each one changes the profile list
// of str.ini and the profiles' files together, so that every name keeps its own files: the
// profile at position d has the settings file config%d.bin and the settings ini str%d.ini.
//
// A command refused by the list's rules (a fixed position, a full list, a name in use) changes
// nothing and fails with code 0; a file that cannot be read or written fails with the system's
// error code. No command replaces or removes a file that exists but cannot be read.

// The profile list of str.ini, with the profile the program loaded as the current one. Fails
// for a str.ini that cannot be read and for a count that is not 1..6.
Result<ProfileList> ReadProfileList(const SharedState& state);

// Adds a profile at the end, named `name` or, without one, with the language's word for a
// new profile and the next number (ProfileList::nextName). Its files start as the settings in
// memory: config%d.bin holds the block, str%d.ini the labels and gun names; files left at that
// position before are replaced. Gives the new position.
Result<int> NewProfile(SharedState& state, const std::optional<std::string>& name = std::nullopt);

// Adds a copy of the profile at `position` at the end, named with the language's word for
// Copy, a space and its name; the copy's files are copies of that profile's files (a file it
// lacks, the copy lacks too). Gives the new position.
Result<int> CopyProfile(SharedState& state, int position);

// Gives the profile at `position` (2 or later) a new name; its files stay where they are.
Status RenameProfile(SharedState& state, int position, std::string name);

// Removes the profile at `position` (2 or later) with its files. Every later profile moves up
// one position and takes its files along: config%d.bin and str%d.ini of each later position
// are renamed to the position before. When any step fails, every file that moved is moved
// back and the list is left as it was, and the failure says so. Deleting the current profile
// loads the one that takes its position (the last one when it was the last).
Status DeleteProfile(SharedState& state, int position);

enum class ProfileChoice {
    Unchanged,    // the profile was already the current one: nothing was loaded or saved
    ImportSaved,  // the imported settings in memory were saved as the chosen profile's
    Loaded,       // the chosen profile was loaded and saved
};

// Makes the profile at `position` the current one, as the manager does when it closes. With an
// import pending, the settings in memory are saved as that profile's. Otherwise, unless it is
// the current profile already, its files are loaded (a file it lacks leaves that part of the
// settings in memory as it is) and saved. Either way the saved settings become the save point.
Result<ProfileChoice> ChooseProfile(SharedState& state, int position, bool importPending);

// The settings ini that goes with an exported settings file: the same name ending in ".ini".
std::filesystem::path CompanionIni(const std::filesystem::path& settingsFile);

// Reads an exported profile into memory: the settings file (a name ending in ".bin", exactly
// one settings file long) into the first-run flag and the block, and its companion ini into
// the labels and gun names. Anything wrong with either file leaves the settings unchanged.
// Nothing is saved; ChooseProfile with an import pending saves it.
Status ImportProfile(SharedState& state, const std::filesystem::path& settingsFile);

// Writes the profile at `position` as a pair of files: the settings file at `settingsFile`
// (".bin" appended when its name does not end so) and its companion ini, both atomically. The
// current profile is written as it is in memory, any other as choosing it would load it. Gives
// the settings file's path.
Result<std::filesystem::path> ExportProfile(const SharedState& state, int position,
                                            const std::filesystem::path& settingsFile);

}  // namespace gx508
