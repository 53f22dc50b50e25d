// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/CDlgGunMacroSelector.h"

#include <utility>

namespace gx508 {

CDlgGunMacroSelector::CDlgGunMacroSelector(const Skin& skin, Language language,
                                           std::filesystem::path macroStore, QWidget* parent)
    : MacroSelectorDialog(
          skin, language, std::move(macroStore),
          Setup{MacroKind::Gun, SelectorText::GunHint, kInitialLoopMode, Qt::AlignLeft}, parent) {
    setObjectName(QStringLiteral("gunMacroSelector"));
}

}  // namespace gx508
