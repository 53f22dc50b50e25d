// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/ProfileOperations.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <system_error>
#include <utility>
#include <vector>

#include "core/i18n/ProfileTexts.h"
#include "core/store/AtomicFile.h"
#include "core/store/FileBytes.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"

namespace gx508 {

namespace fs = std::filesystem;

namespace {

// A rename done, so that it can be undone.
struct Move {
    fs::path from;
    fs::path to;
};

std::string Position(int position) {
    return "profile " + std::to_string(position);
}

// The two files of a profile position: its settings file and its settings ini.
std::array<fs::path, 2> FilesOf(const SharedState& state, int position) {
    return {ProfileSettingsFile(state, position), ProfileSettingsIni(state, position)};
}

// The word of `text` in the program's language; names need a word, so a program without a
// language names its profiles in English.
std::string Word(const SharedState& state, ProfileText text) {
    const std::string_view word = ProfileTextOf(text, state.texts.language());
    return std::string(word.empty() ? ProfileTextOf(text, Language::En) : word);
}

bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found && !ec;
}

// OK for a path where nothing is, or a regular file that can be read: a file the program may
// replace, remove or move. Anything else (a folder, a file the user may not read) is not the
// program's to change.
Status CheckChangeable(const fs::path& path) {
    const Result<std::vector<std::uint8_t>> head = ReadFileBytes(path, 1);
    if (head || head.code() == ENOENT) {
        return Status::Ok();
    }
    return Status::Error(head.message() + "; it is left as it is", head.code());
}

Status CheckChangeable(const std::array<fs::path, 2>& files) {
    for (const fs::path& file : files) {
        if (Status changeable = CheckChangeable(file); !changeable) {
            return changeable;
        }
    }
    return Status::Ok();
}

Status RemoveFile(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
    if (ec) {
        return Status::Error("cannot remove " + path.string() + ": " + ec.message(), ec.value());
    }
    return Status::Ok();
}

// Removes what `files` created; a file that cannot be removed is logged.
void RemoveCreated(const SharedState& state, const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
        if (Status removed = RemoveFile(file); !removed) {
            state.log.Write(removed.message() + "\n");
        }
    }
}

Status MoveFile(const fs::path& from, const fs::path& to, std::vector<Move>& done) {
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {
        return Status::Error(
            "cannot rename " + from.string() + " to " + to.string() + ": " + ec.message(),
            ec.value());
    }
    done.push_back({from, to});
    return Status::Ok();
}

// Moves every file of `done` back, last first. Gives the first failure.
Status UndoMoves(std::vector<Move>& done) {
    Status result;
    for (auto move = done.rbegin(); move != done.rend(); ++move) {
        std::error_code ec;
        fs::rename(move->to, move->from, ec);
        if (ec && result) {
            result = Status::Error("cannot rename " + move->to.string() + " back to " +
                                       move->from.string() + ": " + ec.message(),
                                   ec.value());
        }
    }
    done.clear();
    return result;
}

Status SaveList(const SharedState& state, const ProfileList& list) {
    return EditIniFile(state.paths.profileList,
                       [&list](IniDocument& doc) { return list.WriteTo(doc); });
}

// The program's settings follow the list's current profile: its position and its files.
void FollowList(SharedState& state, const ProfileList& list) {
    state.currentProfile = list.current();
    state.paths.settingsFile = ProfileSettingsFile(state, state.currentProfile);
    state.paths.settingsIni = ProfileSettingsIni(state, state.currentProfile);
}

// Loads the files of `position` as choosing it does: the settings file over the block (a
// missing one leaves the block as it is) and, when it exists, the settings ini (a missing one
// leaves the labels and gun names as they are, as the block stays).
Status LoadChosen(SharedState& state, int position) {
    if (Status readable = CheckChangeable(FilesOf(state, position)); !readable) {
        return readable;
    }
    state.currentProfile = position;
    state.block.setByte(block::kProfileIndex, static_cast<std::uint8_t>(position));
    LoadProfile(state, position);
    if (FileExists(state.paths.settingsIni)) {
        ReadSettingsIni(state);
    }
    state.defaultsRestored = false;
    return Status::Ok();
}

// Saves the settings in memory as the current profile's, as Apply does.
Status SaveCurrent(SharedState& state) {
    const Status file = SaveProfileSettings(state);
    const Status ini = WriteSettingsIniItems(state);
    return !file ? file : ini;
}

// Adds `name` to the list with the files `write` makes at the new position, and saves the list;
// when a step fails, the files made are removed again.
Result<int> AddWithFiles(
    SharedState& state, ProfileList& list, std::string name,
    const std::function<Status(const std::array<fs::path, 2>&, std::vector<fs::path>&)>& write) {
    if (Status added = list.add(std::move(name)); !added) {
        return added.failure();
    }
    const int position = list.size() - 1;
    const std::array<fs::path, 2> files = FilesOf(state, position);
    if (Status changeable = CheckChangeable(files); !changeable) {
        return changeable.failure();
    }
    std::vector<fs::path> made;
    Status result = write(files, made);
    if (result) {
        result = SaveList(state, list);
    }
    if (!result) {
        RemoveCreated(state, made);
        return Failure{"no profile added: " + result.message(), result.code()};
    }
    FollowList(state, list);
    return position;
}

// Writes the bytes of `from` to `to`, or removes `to` when `from` does not exist.
Status CopyOrRemove(const fs::path& from, const fs::path& to, std::size_t limit,
                    std::vector<fs::path>& made) {
    const Result<std::vector<std::uint8_t>> bytes = ReadFileBytes(from, limit);
    if (!bytes && bytes.code() != ENOENT) {
        return bytes.failure();
    }
    if (!bytes) {
        return RemoveFile(to);
    }
    if (Status written = WriteFileAtomically(to, *bytes); !written) {
        return written;
    }
    made.push_back(to);
    return Status::Ok();
}

}  // namespace

Result<ProfileList> ReadProfileList(const SharedState& state) {
    const Result<IniDocument> doc = IniDocument::Read(state.paths.profileList);
    if (!doc) {
        return doc.failure();
    }
    return ProfileList::FromIni(*doc, state.currentProfile);
}

Result<int> NewProfile(SharedState& state, const std::optional<std::string>& name) {
    Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    std::string chosen = name ? *name : list->nextName(Word(state, ProfileText::NewProfileWord));
    return AddWithFiles(
        state, *list, std::move(chosen),
        [&state](const std::array<fs::path, 2>& files, std::vector<fs::path>& made) {
            if (Status written = WriteSettingsFile(state, files[0]); !written) {
                return written;
            }
            made.push_back(files[0]);
            // A fresh ini: nothing of a file left at this position stays.
            if (Status removed = RemoveFile(files[1]); !removed) {
                return removed;
            }
            made.push_back(files[1]);
            return WriteSettingsIniItems(state, files[1]);
        });
}

Result<int> CopyProfile(SharedState& state, int position) {
    Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    if (Status held = list->checkPosition(position); !held) {
        return held.failure();
    }
    std::string name = Word(state, ProfileText::Copy) + " " + list->names()[position];
    const std::array<fs::path, 2> sources = FilesOf(state, position);
    return AddWithFiles(
        state, *list, std::move(name),
        [&sources](const std::array<fs::path, 2>& files, std::vector<fs::path>& made) {
            // What the program reads of each file: a settings file's first bytes, and an ini
            // up to just past the size it refuses, so that a copy is refused alike.
            Status copied = CopyOrRemove(sources[0], files[0], kSettingsFileSize, made);
            if (copied) {
                copied = CopyOrRemove(sources[1], files[1], kMaxIniFileSize + 1, made);
            }
            return copied;
        });
}

Status RenameProfile(SharedState& state, int position, std::string name) {
    Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    if (Status renamed = list->rename(position, std::move(name)); !renamed) {
        return renamed;
    }
    return SaveList(state, *list);
}

Status DeleteProfile(SharedState& state, int position) {
    Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    const int count = list->size();
    const bool wasCurrent = list->current() == position;
    if (Status removed = list->remove(position); !removed) {
        return removed;
    }
    // Every file that moves, and the files of the profile to load, must be the program's.
    for (int later = position; later < count; ++later) {
        if (Status changeable = CheckChangeable(FilesOf(state, later)); !changeable) {
            return changeable;
        }
    }
    if (wasCurrent) {
        const int next = position + 1 < count ? position + 1 : position - 1;
        if (Status readable = CheckChangeable(FilesOf(state, next)); !readable) {
            return readable;
        }
    }

    // The deleted profile's files go aside until the list is saved, so that they can come back.
    std::vector<Move> done;
    std::vector<fs::path> aside;
    Status result;
    for (const fs::path& file : FilesOf(state, position)) {
        fs::path away = file;
        away += ".deleted";
        if (result && Exists(file)) {
            result = MoveFile(file, away, done);
            if (result) {
                aside.push_back(away);
            }
        }
    }
    for (int later = position + 1; later < count && result; ++later) {
        const std::array<fs::path, 2> from = FilesOf(state, later);
        const std::array<fs::path, 2> to = FilesOf(state, later - 1);
        for (std::size_t k = 0; k < from.size() && result; ++k) {
            if (Exists(from[k])) {
                result = MoveFile(from[k], to[k], done);
            }
        }
    }
    if (result) {
        result = SaveList(state, *list);
    }
    if (!result) {
        const Status undone = UndoMoves(done);
        std::string message = Position(position) + " not deleted: " + result.message();
        message += undone ? "; every file is back in place"
                          : "; moving the files back failed too: " + undone.message();
        return Status::Error(message, result.code());
    }
    RemoveCreated(state, aside);

    if (wasCurrent) {
        const Status loaded = LoadChosen(state, list->current());
        state.savePoint();
        return loaded;
    }
    FollowList(state, *list);
    return Status::Ok();
}

Result<ProfileChoice> ChooseProfile(SharedState& state, int position, bool importPending) {
    Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    if (Status selected = list->select(position); !selected) {
        return selected.failure();
    }
    if (!importPending && position == state.currentProfile) {
        return ProfileChoice::Unchanged;
    }
    if (Status changeable = CheckChangeable(FilesOf(state, position)); !changeable) {
        return changeable.failure();
    }
    if (Status saved = SaveList(state, *list); !saved) {
        return saved.failure();
    }
    if (importPending) {
        state.currentProfile = position;
    } else if (Status loaded = LoadChosen(state, position); !loaded) {
        return loaded.failure();
    }
    if (Status saved = SaveCurrent(state); !saved) {
        return saved.failure();
    }
    state.savePoint();
    return importPending ? ProfileChoice::ImportSaved : ProfileChoice::Loaded;
}

fs::path CompanionIni(const fs::path& settingsFile) {
    fs::path ini = settingsFile;
    ini.replace_extension(".ini");
    return ini;
}

Status ImportProfile(SharedState& state, const fs::path& settingsFile) {
    const std::string name = settingsFile.string();
    if (settingsFile.extension() != ".bin") {
        return Status::Error(name + " is not a settings file: its name does not end in .bin");
    }
    const Result<std::vector<std::uint8_t>> bytes =
        ReadFileBytes(settingsFile, kSettingsFileSize + 1);
    if (!bytes) {
        return Status::Error(bytes.message() + "; nothing imported", bytes.code());
    }
    if (bytes->size() != kSettingsFileSize) {
        const std::string size = bytes->size() > kSettingsFileSize
                                     ? "more than " + std::to_string(kSettingsFileSize)
                                     : std::to_string(bytes->size());
        return Status::Error(name + " holds " + size + " bytes, not the " +
                             std::to_string(kSettingsFileSize) +
                             " of a settings file; nothing imported");
    }
    const fs::path ini = CompanionIni(settingsFile);
    if (!Exists(ini)) {
        return Status::Error("the settings ini " + ini.string() + " that goes with " + name +
                                 " is missing; nothing imported",
                             ENOENT);
    }
    const Result<IniDocument> doc = IniDocument::Read(ini);
    if (!doc) {
        return Status::Error(doc.message() + "; nothing imported", doc.code());
    }
    state.firstRunFlag = bytes->front();
    std::copy(bytes->begin() + 1, bytes->end(), state.block.bytes().begin());
    state.log.Write("Program First Run Flag:" + std::to_string(state.firstRunFlag) +
                    "\nRead Size is: " + std::to_string(block::kSize));
    ReadSettingsIniDocument(state, *doc);
    return Status::Ok();
}

Result<fs::path> ExportProfile(const SharedState& state, int position,
                               const fs::path& settingsFile) {
    const Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return list.failure();
    }
    if (Status held = list->checkPosition(position); !held) {
        return held.failure();
    }
    fs::path file = settingsFile;
    if (file.extension() != ".bin") {
        file += ".bin";
    }
    const fs::path ini = CompanionIni(file);
    SharedState source = state;
    if (position != state.currentProfile) {
        if (Status loaded = LoadChosen(source, position); !loaded) {
            return loaded.failure();
        }
    }
    if (Status changeable = CheckChangeable(std::array<fs::path, 2>{file, ini}); !changeable) {
        return changeable.failure();
    }
    if (Status written = WriteSettingsIniItems(source, ini); !written) {
        return written.failure();
    }
    if (Status written = WriteSettingsFile(source, file); !written) {
        return written.failure();
    }
    return file;
}

}  // namespace gx508
