// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentDispatch.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "core/assign/FunctionCatalogue.h"
#include "core/assign/FunctionLabels.h"
#include "core/assign/KeyNames.h"
#include "core/i18n/FunctionList.h"
#include "core/store/IniFile.h"
#include "core/store/LeadingNumber.h"

namespace gx508 {
namespace {

constexpr std::array<int, kMenuGunSwitchCount> kBuiltInGunSizes = {252, 146, 32};

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

std::uint8_t Code(Category category) {
    return static_cast<std::uint8_t>(category);
}

// Command c is first + k for k in 0..count-1: k, else nothing.
std::optional<int> ItemOf(int c, int first, int count) {
    return c >= first && c < first + count ? std::optional<int>(c - first) : std::nullopt;
}

// Gun switch k of command first + step * k, k = 0..2.
std::optional<int> GunSwitchOf(int c, int first, int step) {
    for (int k = 0; k < kMenuGunSwitchCount; ++k) {
        if (c == first + step * k) {
            return k;
        }
    }
    return std::nullopt;
}

class Dispatcher {
  public:
    Dispatcher(SharedState& state, int button, AssignmentDialogs& dialogs)
        : m_state(state), m_block(state.block), m_button(button), m_dialogs(dialogs) {}

    std::optional<int> run(int c);

  private:
    // The button gets `category` and `label`; its gun bindings and its first slot are freed.
    std::optional<int> assignPlain(Category category, std::string label);
    std::optional<int> assignKeyboardKey();
    std::optional<int> assignMacro();
    std::optional<int> assignGunSwitch(int k);
    std::optional<int> enableGunSwitch(int k);
    std::optional<int> disableGunSwitch(int k);

    std::optional<int> finish(std::optional<std::string> label = std::nullopt);
    void setParam(ButtonField field, std::uint8_t value) {
        m_block.setButton(field, m_button, value);
    }
    void setCategory(Category category) { setParam(ButtonField::Category, Code(category)); }
    void refuse(Text message) {
        m_dialogs.showMessage(m_state.texts[message], m_state.texts[Text::Attention]);
    }

    SharedState& m_state;
    SettingsBlock& m_block;
    int m_button;
    AssignmentDialogs& m_dialogs;
};

std::optional<int> Dispatcher::run(int c) {
    const LanguageTable& texts = m_state.texts;
    const std::string_view code = m_state.languageCode;
    if (const PresetFunction* preset = PresetOfCommand(c)) {
        if (preset->category == Category::KeyboardKey) {
            setParam(ButtonField::KeyboardKey, kFireModeKey);
        }
        return assignPlain(preset->category, texts[preset->text]);
    }
    if (const auto kind = ItemOf(c, command::kFirstDpi, kDpiKindCount)) {
        setParam(ButtonField::DpiKind, LowByte(*kind + 1));
        return assignPlain(Category::DpiFunction, std::string(DpiFunctionText(texts, *kind + 1)));
    }
    const std::pair<FunctionList, int> lists[] = {
        {FunctionList::Multimedia, command::kFirstMultimedia},
        {FunctionList::Office, command::kFirstOffice},
        {FunctionList::Windows, command::kFirstWindows}};
    for (const auto& [list, first] : lists) {
        const auto k = ItemOf(c, first, FunctionListSize(list));
        if (!k) {
            continue;
        }
        Category category = Category::WindowsFunction;
        if (list == FunctionList::Multimedia) {
            category = Category::Multimedia;
            setParam(ButtonField::MultimediaUsage, MultimediaUsage(*k));
        } else if (list == FunctionList::Office) {
            category = Category::OfficeShortcut;
            setParam(ButtonField::OfficeKey, OfficeKeyUsage(*k));
        } else {
            setParam(ButtonField::WindowsKind, LowByte(*k));
        }
        return assignPlain(category, std::string(FunctionListText(list, *k, code)));
    }
    if (c == command::kAssignKeyboardKey) {
        return assignKeyboardKey();
    }
    if (c == command::kMacro) {
        return assignMacro();
    }
    if (const auto k = GunSwitchOf(c, command::kFirstGunAssign, 2)) {
        return assignGunSwitch(*k);
    }
    if (const auto k = GunSwitchOf(c, command::kFirstGunDisable, 2)) {
        return disableGunSwitch(*k);
    }
    if (const auto k = GunSwitchOf(c, command::kFirstGunEnable, 1)) {
        return enableGunSwitch(*k);
    }
    return finish();
}

std::optional<int> Dispatcher::assignPlain(Category category, std::string label) {
    setCategory(category);
    ReleaseGunBindings(m_block, m_button);
    ReleaseMacroSlot(m_block, m_button);
    return finish(std::move(label));
}

std::optional<int> Dispatcher::assignKeyboardKey() {
    std::optional<std::string> current;
    if (const std::uint8_t key = m_block.button(ButtonField::KeyboardKey, m_button); key != 0) {
        // A code missing from the key-code table has no name to start from.
        if (KeyCodeOfName(KeyNameOfCode(key)) == key) {
            current = std::string(KeyNameOfCode(key));
        }
    }
    const KeyCaptureResult result = m_dialogs.captureKey(std::move(current));
    if (!result.ok) {
        return finish();
    }
    if (result.keyName.empty()) {
        return std::nullopt;
    }
    setParam(ButtonField::KeyboardKey, KeyCodeOfName(result.keyName));
    return assignPlain(Category::KeyboardKey, KeyboardKeyLabel(m_state.texts, result.keyName));
}

std::optional<int> Dispatcher::assignMacro() {
    const MacroChoice choice = m_dialogs.selectMacro();
    if (!choice.ok) {
        return finish();
    }
    if (choice.position < 0) {
        return std::nullopt;
    }
    // A refusal gives the button back the slot it held, so that its function still has it.
    const SettingsBlock before = m_block;
    ReleaseMacroSlot(m_block, m_button);
    const int itemCount = MacroItemCount(m_state.paths.macroStore, choice.name);
    const std::optional<int> slot = FreeMacroSlot(m_block);
    if (!slot) {
        m_block = before;
        refuse(Text::MacroLimitExceeded);
        return std::nullopt;
    }
    m_block.setSlot(SlotField::InUse, *slot, kSlotUsed);
    m_block.setSlot(SlotField::MacroNumber, *slot, LowByte(choice.position));
    m_block.setSlot(SlotField::Kind, *slot, kKindMacro);
    m_block.setSlot(SlotField::Owner, *slot, LowByte(m_button));
    setParam(ButtonField::MacroSlot, LowByte(*slot));
    setParam(ButtonField::MacroRunMode, itemCount <= 1 ? 0 : choice.runMode);
    setCategory(Category::Macro);
    ReleaseGunBindings(m_block, m_button);
    return finish(MacroLabel(m_state.texts, choice.name));
}

std::optional<int> Dispatcher::assignGunSwitch(int k) {
    const MacroChoice choice = m_dialogs.selectGunMacro();
    if (!choice.ok) {
        return finish();
    }
    if (choice.position < 0) {
        return std::nullopt;
    }
    const SettingsBlock before = m_block;
    ReleaseMacroSlot(m_block, m_button);
    const int size =
        GunMacroSize(choice.position, MacroItemCount(m_state.paths.macroStore, choice.name));
    if (!ReserveGunItems(m_block, size)) {
        m_block = before;
        refuse(Text::GunLimitExceeded);
        return std::nullopt;
    }
    setCategory(Category::GunSwitch);
    m_block.clearGunParam(k);
    m_state.gunNames[static_cast<std::size_t>(k)] = choice.name;
    m_block.setByte(block::kGunRunMode + static_cast<std::size_t>(k), choice.runMode);
    m_block.setGunAssigned(k, true);
    m_block.setGunButton(k, LowByte(m_button));
    const int slot = kFirstGunSlot + k;
    m_block.setSlot(SlotField::MacroNumber, slot, LowByte(choice.position));
    m_block.setSlot(SlotField::Kind, slot, kKindGunMacro);
    m_block.setSlot(SlotField::InUse, slot, kSlotUsed);
    m_block.setSlotLength(slot, static_cast<std::uint16_t>(size));
    m_block.setSlot(SlotField::Owner, slot, LowByte(m_button));
    return finish(choice.name);
}

std::optional<int> Dispatcher::enableGunSwitch(int k) {
    setCategory(Category::GunSwitch);
    m_block.setGunAssigned(k, true);
    m_block.setGunButton(k, LowByte(m_button));
    return finish(m_state.gunNames[static_cast<std::size_t>(k)]);
}

std::optional<int> Dispatcher::disableGunSwitch(int k) {
    m_block.setGunAssigned(k, false);
    m_block.setGunButton(k, kNone);
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        if (m_block.gunAssigned(j) && m_block.gunButton(j) == m_button) {
            setCategory(Category::GunSwitch);
            m_block.clearGunParam(k);
            m_state.gunNames[static_cast<std::size_t>(k)] = UnassignedGunName(m_state.texts, k);
            return finish(m_state.gunNames[static_cast<std::size_t>(j)]);
        }
    }
    setCategory(Category::Disabled);
    return finish(m_state.texts[Text::Deactivated]);
}

std::optional<int> Dispatcher::finish(std::optional<std::string> label) {
    if (label) {
        m_state.labels[static_cast<std::size_t>(m_button)] = std::move(*label);
    }
    return m_button;
}

}  // namespace

void ReleaseGunBindings(SettingsBlock& block, int button) {
    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        if (block.gunButton(j) == button) {
            block.setGunAssigned(j, false);
            block.setGunButton(j, kNone);
        }
    }
}

void ReleaseMacroSlot(SettingsBlock& block, int button) {
    for (int s = 0; s <= kLastReleasableSlot; ++s) {
        if (block.slot(SlotField::Owner, s) != button) {
            continue;
        }
        block.setSlot(SlotField::Owner, s, kNone);
        block.setSlot(SlotField::InUse, s, kNone);
        block.setSlot(SlotField::MacroNumber, s, kNone);
        block.setSlot(SlotField::Kind, s, kKindMacro);
        if (s >= kFirstGunSlot) {
            const int total = block.byte(block::kGunItemTotal) - LowByte(block.slotLength(s));
            block.setByte(block::kGunItemTotal, LowByte(total));
            block.setSlotLength(s, 0);
        }
        return;
    }
}

std::optional<int> FreeMacroSlot(const SettingsBlock& block) {
    for (int s = 0; s < kMacroSlotCount; ++s) {
        if (block.slot(SlotField::InUse, s) == kNone) {
            return s;
        }
    }
    return std::nullopt;
}

int GunMacroSize(int position, int itemCount) {
    if (position >= 0 && position < kMenuGunSwitchCount) {
        return kBuiltInGunSizes[static_cast<std::size_t>(position)];
    }
    return itemCount;
}

bool ReserveGunItems(SettingsBlock& block, int size) {
    const int total = block.byte(block::kGunItemTotal);
    if (size < 0 || size > kGunItemBudget - total) {
        return false;
    }
    block.setByte(block::kGunItemTotal, LowByte(total + size));
    return true;
}

int MacroItemCount(const std::filesystem::path& macroStore, std::string_view name) {
    const std::optional<std::int32_t> count =
        LeadingNumber(ReadIniString(macroStore, name, "ItemCount"));
    return std::max(count.value_or(0), 0);
}

std::optional<int> DispatchAssignment(SharedState& state, int button, int command,
                                      AssignmentDialogs& dialogs) {
    if (button < 0 || button >= block::kButtonCount || command < command::kFirstDispatched ||
        command > command::kLastDispatched) {
        return std::nullopt;
    }
    return Dispatcher(state, button, dialogs).run(command);
}

}  // namespace gx508
