// SPDX-License-Identifier: GPL-3.0-or-later
#include <atomic>
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/Ctl.h"
#include "platform/DebugLog.h"
#include "platform/DesktopPointer.h"
#include "platform/HidapiBackend.h"
#include "platform/ProgramFolder.h"

namespace {

std::atomic<bool> g_stop{false};

extern "C" void RequestStop(int) {
    g_stop.store(true);
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    gx508::DebugLog log;
    gx508::SleepingPacer pacer;
    const auto pointer = gx508::MakeDesktopPointerBackend(log);
    gx508::CtlContext context{std::cout,
                              std::cerr,
                              log,
                              std::nullopt,
                              [&log] { return std::make_unique<gx508::HidapiBackend>(log); },
                              pacer,
                              *pointer,
                              g_stop,
                              [] {
                                  std::signal(SIGINT, RequestStop);
                                  std::signal(SIGTERM, RequestStop);
                              }};
    if (const auto folder = gx508::LocateProgramFolder(gx508::CurrentProgramFolderInputs())) {
        context.defaultFolder = folder->files.string();
    }
    return gx508::RunCtl(args, context);
}
