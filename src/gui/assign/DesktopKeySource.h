// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/assign/KeySource.h"

class QWidget;

namespace gx508 {

// The capture of the desktop's keys for a window of the program: the X server's keyboard grab
// in an X11 session; elsewhere (Wayland, which lets no client take the whole keyboard, and the
// off-screen platform) the keys that reach `window`.
std::unique_ptr<KeySource> makeDesktopKeySource(QWidget& window);

}  // namespace gx508
