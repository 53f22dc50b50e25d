// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>

#include "core/device/Pacer.h"
#include "core/device/VirtualMouse.h"
#include "core/store/SettingsFiles.h"
#include "core/store/SharedState.h"
#include "gui/app/CMouseConfigurationDlg.h"
#include "gui/app/MouseSession.h"
#include "gui/app/TrayNotifier.h"
#include "gui/ui/Skin.h"
#include "platform/ProgramFolder.h"

namespace gx508::bench {

inline const std::filesystem::path kProgramDir = GX508_PROGRAM_DIR;
inline const QString kSkins = QString::fromStdString((kProgramDir / "Skins").string());

// A copy of the program folder's base files.
inline std::unique_ptr<QTemporaryDir> CopyProgramFolder() {
    auto dir = std::make_unique<QTemporaryDir>();
    const std::filesystem::path to = dir->path().toStdString();
    for (const char* name : kBaseFiles) {
        std::filesystem::copy_file(kProgramDir / name, to / name);
    }
    return dir;
}

// The window as the program builds it, on the virtual mouse, with the given pacer.
struct Program {
    Program(const std::filesystem::path& folder, Pacer& pacer) : state(folder, log) {
        session = std::make_unique<MouseSession>(state, mouse, pacer, pointer);
        session->connectAtStartup();
        StartupLoad(state);
        tray = std::make_unique<TrayNotifier>(CMouseConfigurationDlg::programIcon(skin),
                                              QStringLiteral("GX508"), QStringLiteral("Exit"),
                                              QFont(), [] { return false; });
        window = std::make_unique<CMouseConfigurationDlg>(state, *session, *tray, skin);
    }

    NullLog log;
    SharedState state;
    VirtualMouse mouse;
    LoggingPointerBackend pointer{log};
    Skin skin{kSkins};
    std::unique_ptr<MouseSession> session;
    std::unique_ptr<TrayNotifier> tray;
    std::unique_ptr<CMouseConfigurationDlg> window;
};

}  // namespace gx508::bench
