// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/DesktopKeySource.h"

#include <QGuiApplication>

#include "gui/assign/FocusedKeySource.h"
#include "gui/assign/GrabKeySource.h"
#include "platform/X11KeyGrab.h"

namespace gx508 {

std::unique_ptr<KeySource> makeDesktopKeySource(QWidget& window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (std::unique_ptr<X11KeyGrab> grab = X11KeyGrab::Open()) {
            return std::make_unique<GrabKeySource>(std::move(grab));
        }
    }
    return std::make_unique<FocusedKeySource>(window);
}

}  // namespace gx508
