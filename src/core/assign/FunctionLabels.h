// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

#include "core/assign/FunctionCatalogue.h"
#include "core/i18n/LanguageTable.h"
#include "core/store/IniFile.h"
#include "core/store/SharedState.h"

namespace gx508 {

// The function labels, the texts the button selectors show. A label is chosen when a function
// is assigned, in the language of that moment, and is then stored as text; it is never worked
// out again from the category. The DPI labels are DpiFunctionText and the multimedia, office
// and Windows labels FunctionListText (which falls back to English for an unknown code).

// The label of a preset function's category (Click, Menu, ..., Skip Right); empty for a
// category whose label depends on its parameter.
std::string_view FixedLabel(const LanguageTable& texts, Category category);

// "Assign Keyboard Key" in the table's language, "-", the key name ("Assign Keyboard Key-F5").
std::string KeyboardKeyLabel(const LanguageTable& texts, std::string_view keyName);

// "Macro" in the table's language, ":", the macro name ("Macro:Reload").
std::string MacroLabel(const LanguageTable& texts, std::string_view macroName);

// The label the assignment menu gives the function that button `button` holds, in the
// state's language: for a block written without the menu, such as the factory maps. A keyboard
// key equal to kFireModeKey reads as the Fire Mode preset (the menu item that stores it), a
// gun switch as the name of the first assigned gun switch bound to the button, a macro with
// the name at its slot's macro number in the macro store's name list. Empty for a category the
// menu never writes and for an index outside 0..11.
std::string FunctionLabelOf(const SharedState& state, int button);
// The same with the macro store already read, for the labels of many buttons in one reading.
std::string FunctionLabelOf(const SharedState& state, int button, const IniDocument& macroStore);

}  // namespace gx508
