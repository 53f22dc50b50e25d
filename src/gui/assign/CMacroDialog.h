// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/assign/MacroSelectorDialog.h"

namespace gx508 {

// The macro selector: one macro of the macro list and its play mode (0 at first), for the
// button being assigned. Each play mode's description is centred in its band.
class CMacroDialog final : public MacroSelectorDialog {
    Q_OBJECT

  public:
    CMacroDialog(const Skin& skin, Language language, std::filesystem::path macroStore,
                 QWidget* parent = nullptr);
};

}  // namespace gx508
