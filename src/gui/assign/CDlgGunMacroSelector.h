// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "gui/assign/MacroSelectorDialog.h"

namespace gx508 {

// The gun macro selector: one gun macro of the gun macro list and its loop mode (2 at first),
// for the gun switch being assigned. Each loop mode's description starts at its band's left.
class CDlgGunMacroSelector final : public MacroSelectorDialog {
    Q_OBJECT

  public:
    static constexpr std::uint8_t kInitialLoopMode = 2;

    CDlgGunMacroSelector(const Skin& skin, Language language, std::filesystem::path macroStore,
                         QWidget* parent = nullptr);
};

}  // namespace gx508
