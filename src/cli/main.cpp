#include <iostream>
#include <string>
#include <vector>

#include "cli/Ctl.h"
#include "platform/DebugLog.h"
#include "platform/ProgramFolder.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    gx508::DebugLog log;
    gx508::CtlContext context{std::cout, std::cerr, log, std::nullopt};
    gx508::ProgramFolder folder;
    if (gx508::LocateProgramFolder(gx508::CurrentProgramFolderInputs(), folder)) {
        context.defaultFolder = folder.files.string();
    }
    return gx508::RunCtl(args, context);
}
