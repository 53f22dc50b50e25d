// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/CMacroDialog.h"

#include <utility>

namespace gx508 {

CMacroDialog::CMacroDialog(const Skin& skin, Language language, std::filesystem::path macroStore,
                           QWidget* parent)
    : MacroSelectorDialog(skin, language, std::move(macroStore),
                          Setup{MacroKind::Macro, SelectorText::MacroHint, 0, Qt::AlignHCenter},
                          parent) {
    setObjectName(QStringLiteral("macroSelector"));
}

}  // namespace gx508
