// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

#include <utility>
#include <vector>

#include "SkinLibrary.h"

namespace gx508::skin {

// Previews of every skinned dialog: its background with its buttons, tick boxes and sample
// texts at the positions the dialog uses, each with a caption.
std::vector<std::pair<QString, QImage>> dialogScenes(SkinLibrary& skin);

}  // namespace gx508::skin
