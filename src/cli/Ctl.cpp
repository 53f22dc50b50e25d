#include "cli/Ctl.h"

#include <filesystem>
#include <memory>

#include "cli/ShowCommand.h"
#include "core/store/SettingsFiles.h"
#include "core/store/SharedState.h"

namespace gx508 {

namespace {

constexpr const char* kUsage =
    "usage: gx508ctl [--folder DIR] [--virtual] COMMAND\n"
    "  --folder DIR   program folder to use (settings files, inis, record.ini)\n"
    "  --virtual      use the built-in virtual mouse instead of a real one\n"
    "commands:\n"
    "  show           the current profile decoded\n";

int UsageError(CtlContext& context, const std::string& problem) {
    context.err << "gx508ctl: " << problem << "\n" << kUsage;
    return 2;
}

}  // namespace

int RunCtl(std::span<const std::string> args, CtlContext& context) {
    std::optional<std::string> folder;
    std::optional<std::string> command;
    for (std::size_t k = 0; k < args.size(); ++k) {
        const std::string& arg = args[k];
        if (arg == "--folder") {
            if (k + 1 >= args.size()) {
                return UsageError(context, "--folder needs a folder");
            }
            folder = args[++k];
        } else if (arg == "--virtual") {
            continue;
        } else if (arg == "--help" || arg == "-h") {
            context.out << kUsage;
            return 0;
        } else if (!arg.empty() && arg[0] == '-') {
            return UsageError(context, "unknown option " + arg);
        } else if (!command) {
            command = arg;
        } else {
            return UsageError(context, "unexpected argument " + arg);
        }
    }
    if (!command) {
        return UsageError(context, "no command given");
    }
    if (!folder) {
        folder = context.defaultFolder;
    }
    if (!folder) {
        context.err << "gx508ctl: cannot find the program folder; give one with --folder\n";
        return 1;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(*folder, ec)) {
        context.err << "gx508ctl: " << *folder << " is not a folder\n";
        return 1;
    }

    auto state = std::make_unique<SharedState>(*folder, context.log);
    StartupLoad(*state);
    if (*command == "show") {
        ShowConfiguration(*state, context.out);
        return 0;
    }
    return UsageError(context, "unknown command " + *command);
}

}  // namespace gx508
