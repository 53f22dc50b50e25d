// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/AssignmentMenu.h"

#include <array>
#include <string_view>

#include "core/assign/AssignmentDialogs.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/i18n/FunctionList.h"

namespace gx508 {
namespace {

// The preset items at the head of the top menu, in menu order.
constexpr std::array<int, 12> kTopPresets = {command::kClick,
                                             command::kMenu,
                                             command::kScroll,
                                             command::kForward,
                                             command::kRun,
                                             command::kBack,
                                             command::kFireMode,
                                             command::kDoubleClick,
                                             command::kLeftTiltScroll,
                                             command::kSkipLeft,
                                             command::kRightTiltScroll,
                                             command::kSkipRight};

MenuItem CommandItem(std::string_view text, int command) {
    return MenuItem{std::string(text), command, false, std::nullopt};
}

MenuItem InertItem(std::string_view text, int command) {
    return MenuItem{std::string(text), command, true, std::nullopt};
}

MenuItem SubmenuItem(std::string_view text, Menu submenu) {
    return MenuItem{std::string(text), 0, false, std::move(submenu)};
}

MenuItem PresetItem(const LanguageTable& texts, int command) {
    const PresetFunction* preset = PresetOfCommand(command);
    return CommandItem(preset != nullptr ? std::string_view(texts[preset->text]) : "", command);
}

Menu DpiMenu(const LanguageTable& texts) {
    Menu menu{kDpiMenuWidth, {}};
    for (int kind = 1; kind <= kDpiKindCount; ++kind) {
        menu.items.push_back(
            CommandItem(DpiFunctionText(texts, kind), command::kFirstDpi + kind - 1));
    }
    return menu;
}

Menu ListMenu(FunctionList list, int width, int firstCommand, std::string_view languageCode) {
    Menu menu{width, {}};
    for (int k = 0; k < FunctionListSize(list); ++k) {
        menu.items.push_back(
            CommandItem(FunctionListText(list, k, languageCode), firstCommand + k));
    }
    return menu;
}

Menu GunSwitchMenu(const LanguageTable& texts, int k) {
    return Menu{kGunSwitchMenuWidth,
                {CommandItem(texts[Text::Assign], command::kFirstGunAssign + 2 * k),
                 CommandItem(texts[Text::Enable], command::kFirstGunEnable + k),
                 CommandItem(texts[Text::Disable], command::kFirstGunDisable + 2 * k)}};
}

Menu GunMenu(const SharedState& state, int button) {
    Menu menu{kGunMenuWidth, {}};
    for (int k = 0; k < kMenuGunSwitchCount; ++k) {
        const bool assigned = state.block.gunAssigned(k);
        const std::string& name = state.gunNames[static_cast<std::size_t>(k)];
        if (assigned && state.block.gunButton(k) != button) {
            menu.items.push_back(InertItem(name, command::kFirstGunNameItem + k));
        } else {
            const std::string_view title =
                assigned ? std::string_view(name) : UnassignedGunName(state.texts, k);
            menu.items.push_back(SubmenuItem(title, GunSwitchMenu(state.texts, k)));
        }
    }
    menu.items.push_back(
        InertItem(state.texts[Text::StandardKeySwitch], command::kStandardKeySwitch));
    return menu;
}

}  // namespace

Menu BuildAssignmentMenu(const SharedState& state, int button) {
    const LanguageTable& texts = state.texts;
    const std::string_view code = state.languageCode;
    Menu menu{kTopMenuWidth, {}};
    for (int command : kTopPresets) {
        menu.items.push_back(PresetItem(texts, command));
    }
    menu.items.push_back(SubmenuItem(texts[Text::DpiSettingPlus], DpiMenu(texts)));
    menu.items.push_back(SubmenuItem(
        texts[Text::MultimediaCommandsPlus],
        ListMenu(FunctionList::Multimedia, kMultimediaMenuWidth, command::kFirstMultimedia, code)));
    menu.items.push_back(
        SubmenuItem(texts[Text::BasicCommandsPlus],
                    ListMenu(FunctionList::Office, kOfficeMenuWidth, command::kFirstOffice, code)));
    menu.items.push_back(SubmenuItem(
        texts[Text::AdditionalCommandsPlus],
        ListMenu(FunctionList::Windows, kWindowsMenuWidth, command::kFirstWindows, code)));
    menu.items.push_back(SubmenuItem(texts[Text::GunManagementPlus], GunMenu(state, button)));
    menu.items.push_back(CommandItem(texts[Text::AssignKeyboardKey], command::kAssignKeyboardKey));
    menu.items.push_back(CommandItem(texts[Text::Macro], command::kMacro));
    menu.items.push_back(PresetItem(texts, command::kDeactivated));
    return menu;
}

std::optional<Menu> OpenAssignmentMenu(const SharedState& state, int button,
                                       AssignmentDialogs& dialogs) {
    if (button < 0 || button >= block::kButtonCount) {
        return std::nullopt;
    }
    if (IsLastLeftClick(state.block, button)) {
        dialogs.showMessage(state.texts[Text::AtLeastOneClickButton], state.texts[Text::Attention]);
        return std::nullopt;
    }
    return BuildAssignmentMenu(state, button);
}

}  // namespace gx508
