// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProfileCommand.h"

#include <charconv>
#include <filesystem>
#include <optional>
#include <string_view>

#include "core/store/ProfileOperations.h"

namespace gx508 {

namespace {

constexpr const char* kProfileUsage =
    "profile list | select N | new NAME | rename N NAME | delete N | copy N | export N FILE | "
    "import FILE";

struct Subcommand {
    std::string_view name;
    std::size_t words;  // the words after the subcommand's name
};

constexpr Subcommand kSubcommands[] = {{"list", 0},   {"select", 1}, {"new", 1},    {"rename", 2},
                                       {"delete", 1}, {"copy", 1},   {"export", 2}, {"import", 1}};

std::optional<int> PositionOf(const std::string& word) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [at, error] = std::from_chars(word.data(), end, value);
    if (word.empty() || error != std::errc() || at != end || value < 0) {
        return std::nullopt;
    }
    return value;
}

void PrintLine(std::ostream& out, const ProfileList& list, int position) {
    out << (position == list.current() ? "* " : "  ") << position << " " << list.names()[position]
        << "\n";
}

// The exit status of a failure: 2 when a rule refused (code 0), 1 when a file failed.
int Refuse(std::ostream& err, std::string_view subcommand, const Failure& failure) {
    err << "gx508ctl: profile " << subcommand << ": " << failure.message << "\n";
    return failure.code == 0 ? 2 : 1;
}

int Added(SharedState& state, const Result<int>& added, std::string_view subcommand,
          std::ostream& out, std::ostream& err) {
    if (!added) {
        return Refuse(err, subcommand, added.failure());
    }
    const Result<ProfileList> list = ReadProfileList(state);
    if (!list) {
        return Refuse(err, subcommand, list.failure());
    }
    PrintLine(out, *list, *added);
    return 0;
}

}  // namespace

int ProfileCommand(SharedState& state, const std::vector<std::string>& words, std::ostream& out,
                   std::ostream& err) {
    if (words.empty()) {
        err << "gx508ctl: profile needs a command: " << kProfileUsage << "\n";
        return 2;
    }
    const std::string& sub = words[0];
    const Subcommand* known = nullptr;
    for (const Subcommand& candidate : kSubcommands) {
        known = candidate.name == sub ? &candidate : known;
    }
    if (known == nullptr) {
        err << "gx508ctl: profile: unknown command " << sub << "; use " << kProfileUsage << "\n";
        return 2;
    }
    if (words.size() != known->words + 1) {
        err << "gx508ctl: profile " << sub << ": expected " << known->words << " argument"
            << (known->words == 1 ? "" : "s") << ", got " << words.size() - 1 << "; use "
            << kProfileUsage << "\n";
        return 2;
    }
    std::optional<int> position;
    if (sub != "list" && sub != "new" && sub != "import") {
        position = PositionOf(words[1]);
        if (!position) {
            err << "gx508ctl: profile " << sub << ": " << words[1]
                << " is not a profile position (0 for the first profile)\n";
            return 2;
        }
    }

    if (sub == "list") {
        const Result<ProfileList> list = ReadProfileList(state);
        if (!list) {
            return Refuse(err, sub, list.failure());
        }
        for (int k = 0; k < list->size(); ++k) {
            PrintLine(out, *list, k);
        }
        return 0;
    }
    if (sub == "new") {
        return Added(state, NewProfile(state, words[1]), sub, out, err);
    }
    if (sub == "copy") {
        return Added(state, CopyProfile(state, *position), sub, out, err);
    }
    if (sub == "select") {
        const Result<ProfileChoice> chosen = ChooseProfile(state, *position, false);
        return chosen ? 0 : Refuse(err, sub, chosen.failure());
    }
    if (sub == "rename") {
        const Status renamed = RenameProfile(state, *position, words[2]);
        return renamed ? 0 : Refuse(err, sub, renamed.failure());
    }
    if (sub == "delete") {
        const Status deleted = DeleteProfile(state, *position);
        return deleted ? 0 : Refuse(err, sub, deleted.failure());
    }
    if (sub == "export") {
        const Result<std::filesystem::path> written = ExportProfile(state, *position, words[2]);
        if (!written) {
            return Refuse(err, sub, written.failure());
        }
        out << written->string() << "\n" << CompanionIni(*written).string() << "\n";
        return 0;
    }
    // import: into the current profile, saved as choosing it after an import saves it.
    if (const Status imported = ImportProfile(state, words[1]); !imported) {
        return Refuse(err, sub, imported.failure());
    }
    const Result<ProfileChoice> saved = ChooseProfile(state, state.currentProfile, true);
    return saved ? 0 : Refuse(err, sub, saved.failure());
}

}  // namespace gx508
