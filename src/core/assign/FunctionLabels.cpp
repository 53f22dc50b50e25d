// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/FunctionLabels.h"

#include "core/assign/KeyNames.h"
#include "core/i18n/FunctionList.h"
#include "core/store/IniFile.h"

namespace gx508 {
namespace {

// Item k of a list whose stored value is `value`; -1 when no item stores it.
int ItemOfUsage(std::uint8_t (*usageOf)(int), int count, std::uint8_t value) {
    for (int k = 0; k < count; ++k) {
        if (usageOf(k) == value) {
            return k;
        }
    }
    return -1;
}

std::string GunSwitchLabel(const SharedState& state, int button) {
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        if (state.block.gunAssigned(j) && state.block.gunButton(j) == button) {
            return state.gunNames[static_cast<std::size_t>(j)];
        }
    }
    return {};
}

// The macro store is read only when a macro needs its name and no reading is given.
std::string MacroNameOfSlot(const SharedState& state, int slot, const IniDocument* macroStore) {
    const std::uint8_t number = state.block.slot(SlotField::MacroNumber, slot);
    if (number == kNone) {
        return {};
    }
    const std::string key = std::to_string(number);
    return macroStore != nullptr ? IniString(*macroStore, "MacroName", key)
                                 : ReadIniString(state.paths.macroStore, "MacroName", key);
}

}  // namespace

std::string_view FixedLabel(const LanguageTable& texts, Category category) {
    if (category == Category::KeyboardKey) {
        return {};
    }
    for (const PresetFunction& p : PresetFunctions()) {
        if (p.category == category) {
            return texts[p.text];
        }
    }
    return {};
}

std::string KeyboardKeyLabel(const LanguageTable& texts, std::string_view keyName) {
    return texts[Text::AssignKeyboardKey] + "-" + std::string(keyName);
}

std::string MacroLabel(const LanguageTable& texts, std::string_view macroName) {
    return texts[Text::Macro] + ":" + std::string(macroName);
}

namespace {

std::string LabelOf(const SharedState& state, int button, const IniDocument* macroStore) {
    if (button < 0 || button >= block::kButtonCount) {
        return {};
    }
    const SettingsBlock& b = state.block;
    const auto category = static_cast<Category>(b.button(ButtonField::Category, button));
    const std::string_view code = state.languageCode;
    switch (category) {
        case Category::DpiFunction:
            return std::string(
                DpiFunctionText(state.texts, b.button(ButtonField::DpiKind, button)));
        case Category::Multimedia: {
            const int k = ItemOfUsage(MultimediaUsage, FunctionListSize(FunctionList::Multimedia),
                                      b.button(ButtonField::MultimediaUsage, button));
            return std::string(FunctionListText(FunctionList::Multimedia, k, code));
        }
        case Category::OfficeShortcut: {
            const int k = ItemOfUsage(OfficeKeyUsage, FunctionListSize(FunctionList::Office),
                                      b.button(ButtonField::OfficeKey, button));
            return std::string(FunctionListText(FunctionList::Office, k, code));
        }
        case Category::WindowsFunction:
            return std::string(FunctionListText(FunctionList::Windows,
                                                b.button(ButtonField::WindowsKind, button), code));
        case Category::KeyboardKey: {
            const std::uint8_t key = b.button(ButtonField::KeyboardKey, button);
            if (key == kFireModeKey) {
                return state.texts[Text::FireMode];
            }
            return KeyboardKeyLabel(state.texts, KeyNameOfCode(key));
        }
        case Category::Macro:
            return MacroLabel(
                state.texts,
                MacroNameOfSlot(state, b.button(ButtonField::MacroSlot, button), macroStore));
        case Category::GunSwitch:
            return GunSwitchLabel(state, button);
        default:
            return std::string(FixedLabel(state.texts, category));
    }
}

}  // namespace

std::string FunctionLabelOf(const SharedState& state, int button) {
    return LabelOf(state, button, nullptr);
}

std::string FunctionLabelOf(const SharedState& state, int button, const IniDocument& macroStore) {
    return LabelOf(state, button, &macroStore);
}

}  // namespace gx508
