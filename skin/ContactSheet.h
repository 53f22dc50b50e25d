// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace gx508::skin {

// Every image of the skin folder with its name under it, after previews of the main window and
// the mouse views put together from the files as the windows draw them.
QImage contactSheet(const QString& skinsFolder);

}  // namespace gx508::skin
