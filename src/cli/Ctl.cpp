// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Ctl.h"

#include <filesystem>
#include <memory>
#include <vector>

#include "cli/DeviceCommands.h"
#include "cli/ProfileCommand.h"
#include "cli/SetButtonCommand.h"
#include "cli/ShowCommand.h"
#include "core/device/VirtualMouse.h"
#include "core/perf/SettingChange.h"
#include "core/store/IniFile.h"
#include "core/store/SettingsFiles.h"
#include "core/store/SharedState.h"

namespace gx508 {

namespace {

constexpr const char* kUsage =
    "usage: gx508ctl [--folder DIR] [--virtual] COMMAND [ARGS]\n"
    "  --folder DIR   program folder to use (settings files, inis, record.ini)\n"
    "  --virtual      use the built-in virtual mouse instead of a real one\n"
    "commands:\n"
    "  find                        list the mouse's HID collections\n"
    "  apply [--trace]             send the current profile to the mouse and save it\n"
    "  restore-defaults [--trace]  restore the factory settings without asking\n"
    "  show [--json]               the current profile in words, or as one JSON object\n"
    "  watch                       print the mouse's notices as they arrive (Ctrl-C ends)\n"
    "  set SETTING VALUE...        change the current profile's settings file (apply sends it):\n"
    "      dpi STAGE DPI            STAGE 1..6; DPI 100..5000 in steps of 100, 5200..6000 in 200s\n"
    "      stage STAGE on|off       whether the stage is in the DPI cycle\n"
    "      colour STAGE RRGGBB      hex, with or without '#'\n"
    "      lighting standard|breathing|neon [LEVEL]   LEVEL 1..6\n"
    "      rate 125|250|500|1000    report rate in Hz\n"
    "      sensitivity X Y          1..11 each\n"
    "      pointer-speed N | double-click N   1..11\n"
    "      wheel N|page             lines per notch 1..100, or one screen per notch\n"
    "      precision on|off         enhanced pointer precision\n"
    "      button N FUNCTION        N 1..12 as the window numbers the buttons; FUNCTION an\n"
    "                               English label as show prints it (\"DPI +\", \"Forward\"),\n"
    "                               key:NAME, macro:NAME[:MODE] or gun:NAME[:MODE] with MODE\n"
    "                               once (the default), toggle or hold\n"
    "  profile list | select N | new NAME | rename N NAME | delete N | copy N\n"
    "  profile export N FILE | import FILE\n"
    "                              the profile manager's commands: positions 0 and 1 are fixed,\n"
    "                              at most six profiles; FILE is the settings file of an exported\n"
    "                              pair, its ini goes beside it\n";

struct CommandLine {
    std::optional<std::string> folder;
    bool useVirtual = false;
    std::string command;
    bool trace = false;
    bool json = false;
    std::vector<std::string> setting;  // the words after `set`
    std::vector<std::string> profile;  // the words after `profile`
};

int UsageError(CtlContext& context, const std::string& problem) {
    context.err << "gx508ctl: " << problem << "\n" << kUsage;
    return 2;
}

// Fills `line`; returns an exit status when the command line is not usable (or asks for help).
std::optional<int> Parse(std::span<const std::string> args, CtlContext& context,
                         CommandLine& line) {
    bool haveCommand = false;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (haveCommand && line.command == "set") {
            // A setting's values may start with '-' or '#'; they are the setting's to judge.
            line.setting.push_back(arg);
        } else if (haveCommand && line.command == "profile") {
            // Profile names and file names are the profile command's to judge.
            line.profile.push_back(arg);
        } else if (arg == "--folder") {
            if (k + 1 >= args.size()) {
                return UsageError(context, "--folder needs a folder");
            }
            line.folder = args[++k];
        } else if (arg == "--virtual") {
            line.useVirtual = true;
        } else if (arg == "--trace" && haveCommand &&
                   (line.command == "apply" || line.command == "restore-defaults")) {
            line.trace = true;
        } else if (arg == "--json" && haveCommand && line.command == "show") {
            line.json = true;
        } else if (arg == "--help" || arg == "-h") {
            context.out << kUsage;
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            return UsageError(context, "unknown option " + arg);
        } else if (!haveCommand) {
            line.command = arg;
            haveCommand = true;
        } else {
            return UsageError(context, "unexpected argument " + arg);
        }
    }
    if (!haveCommand) {
        return UsageError(context, "no command given");
    }
    for (const char* known :
         {"find", "apply", "restore-defaults", "show", "watch", "set", "profile"}) {
        if (line.command == known) {
            return std::nullopt;
        }
    }
    return UsageError(context, "unknown command " + line.command);
}

// Changes the loaded profile's block and saves its settings file as Apply's save does; a
// refused value leaves every file as it was.
int SetCommand(SharedState& state, const std::vector<std::string>& words, CtlContext& context) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(state.paths.settingsFile, ec)) {
        context.err << "gx508ctl: the current profile's settings file "
                    << state.paths.settingsFile.string() << " cannot be read; nothing changed\n";
        return 1;
    }
    if (const Status changed = ChangeSetting(state.block, words); !changed) {
        context.err << "gx508ctl: set " << changed.message() << "\n";
        return 2;
    }
    if (const Status saved = SaveProfileSettings(state); !saved) {
        context.err << "gx508ctl: " << saved.message() << "\n";
        return 1;
    }
    return 0;
}

// Names each ini file of the program that exists but is refused (unreadable, too large): the
// command goes on as if it were empty.
void WarnOfRefusedFiles(const SharedState& state, std::ostream& err) {
    for (const std::filesystem::path& file :
         {state.paths.profileList, state.paths.settingsIni, state.paths.macroStore}) {
        if (file.empty()) {
            continue;
        }
        if (const Status checked = CheckIniFile(file); !checked) {
            err << "gx508ctl: " << checked.message() << "; read as empty\n";
        }
    }
}

}  // namespace

int RunCtl(std::span<const std::string> args, CtlContext& context) {
    CommandLine line;
    if (const auto status = Parse(args, context, line)) {
        return *status;
    }
    if (!line.folder) {
        line.folder = context.defaultFolder;
    }
    if (!line.folder) {
        context.err << "gx508ctl: cannot find the program folder; give one with --folder\n";
        return 1;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(*line.folder, ec)) {
        context.err << "gx508ctl: " << *line.folder << " is not a folder\n";
        return 1;
    }

    auto state = std::make_unique<SharedState>(*line.folder, context.log);
    StartupLoad(*state);
    WarnOfRefusedFiles(*state, context.err);
    if (line.command == "show") {
        if (line.json) {
            ShowConfigurationJson(*state, context.out);
        } else {
            ShowConfiguration(*state, context.out);
        }
        return 0;
    }
    if (line.command == "set") {
        if (!line.setting.empty() && line.setting.front() == "button") {
            return SetButtonCommand(*state, std::span(line.setting).subspan(1), context.err);
        }
        return SetCommand(*state, line.setting, context);
    }
    if (line.command == "profile") {
        return ProfileCommand(*state, line.profile, context.out, context.err);
    }
    std::unique_ptr<HidBackend> backend =
        line.useVirtual ? std::make_unique<VirtualMouse>() : context.realBackend();
    DeviceCommandContext device{*state, *backend, context, line.trace};
    if (line.command == "find") {
        return FindCommand(device);
    }
    if (line.command == "apply") {
        return ApplyCommand(device);
    }
    if (line.command == "restore-defaults") {
        return RestoreDefaultsCommand(device);
    }
    return WatchCommand(device);
}

}  // namespace gx508
