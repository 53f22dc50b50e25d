// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/SetButtonCommand.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/ArgumentDialogs.h"
#include "cli/EnglishState.h"
#include "core/assign/AssignmentDispatch.h"
#include "core/assign/AssignmentMenu.h"
#include "core/assign/FunctionCatalogue.h"
#include "core/assign/KeyNames.h"
#include "core/gun/BuiltInGunMacros.h"
#include "core/macro/MacroStore.h"
#include "core/store/SettingsFiles.h"

namespace gx508 {
namespace {

constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kMacroPrefix = "macro:";
constexpr std::string_view kGunPrefix = "gun:";
constexpr std::array<std::string_view, 3> kModeWords = {"once", "toggle", "hold"};

// A refused command line: the one line to print and the exit status.
struct Refusal {
    std::string message;
    int status = 2;
};

std::string_view WithoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

// The button index of the caption number N as written on the command line.
std::optional<int> ButtonOfWord(std::string_view word) {
    int caption = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), caption);
    if (error != std::errc() || end != word.data() + word.size()) {
        return std::nullopt;
    }
    const int button = ButtonIndexOfCaption(caption);
    return button >= 0 ? std::optional<int>(button) : std::nullopt;
}

// NAME[:MODE]: the name and the play mode, once when no mode word ends the text. A name may
// hold colons of its own.
std::pair<std::string, std::uint8_t> NameAndMode(std::string_view text) {
    if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
        const auto mode = std::find(kModeWords.begin(), kModeWords.end(), text.substr(colon + 1));
        if (mode != kModeWords.end()) {
            return {std::string(text.substr(0, colon)),
                    static_cast<std::uint8_t>(mode - kModeWords.begin())};
        }
    }
    return {std::string(text), 0};
}

// Commands that assign a function without a dialog: not the key, macro and gun items.
bool NeedsNoChoice(const MenuItem& item) {
    const int c = item.command;
    const bool gun = (c >= command::kFirstGunAssign &&
                      c <= command::kFirstGunDisable + 2 * (kMenuGunSwitchCount - 1)) ||
                     (c >= command::kFirstGunEnable && c < command::kFirstGunEnable + 3);
    return !item.inert && c != 0 && c != command::kAssignKeyboardKey && c != command::kMacro &&
           !gun;
}

// The command of the item of `menu` or its submenus whose text is `label` (trailing blanks
// aside), among the items that need no further choice.
std::optional<int> CommandOfLabel(const Menu& menu, std::string_view label) {
    for (const MenuItem& item : menu.items) {
        if (item.submenu) {
            if (const auto found = CommandOfLabel(*item.submenu, label)) {
                return found;
            }
        } else if (NeedsNoChoice(item) &&
                   WithoutTrailingBlanks(item.text) == WithoutTrailingBlanks(label)) {
            return item.command;
        }
    }
    return std::nullopt;
}

// The first "Assign" item the menu offers: gun switches bound to another button offer none.
std::optional<int> FirstGunAssign(const Menu& menu) {
    for (const MenuItem& item : menu.items) {
        if (item.submenu) {
            if (const auto found = FirstGunAssign(*item.submenu)) {
                return found;
            }
        } else if (item.command >= command::kFirstGunAssign &&
                   item.command < command::kFirstGunAssign + 2 * kMenuGunSwitchCount &&
                   (item.command - command::kFirstGunAssign) % 2 == 0) {
            return item.command;
        }
    }
    return std::nullopt;
}

int PositionOf(const std::vector<std::string>& names, const std::string& name) {
    const auto found = std::find(names.begin(), names.end(), name);
    return found == names.end() ? -1 : static_cast<int>(found - names.begin());
}

class ButtonAssignment {
  public:
    ButtonAssignment(SharedState& state, int button) : m_state(state), m_button(button) {}

    // Turns FUNCTION into a menu command and the dialogs' answers.
    std::optional<Refusal> prepare(std::string_view function, const Menu& menu);
    // Runs the command through the dispatcher and saves the files.
    std::optional<Refusal> run();

  private:
    std::optional<Refusal> prepareKey(std::string_view name);
    std::optional<Refusal> prepareMacro(std::string_view text);
    std::optional<Refusal> prepareGunMacro(std::string_view text, const Menu& menu);

    SharedState& m_state;
    int m_button;
    int m_command = 0;
    ArgumentDialogs m_dialogs;
    std::vector<std::string> m_gunList;
    bool m_seedGunList = false;
};

std::optional<Refusal> ButtonAssignment::prepare(std::string_view function, const Menu& menu) {
    if (function.starts_with(kKeyPrefix)) {
        return prepareKey(function.substr(kKeyPrefix.size()));
    }
    if (function.starts_with(kMacroPrefix)) {
        return prepareMacro(function.substr(kMacroPrefix.size()));
    }
    if (function.starts_with(kGunPrefix)) {
        return prepareGunMacro(function.substr(kGunPrefix.size()), menu);
    }
    const auto command =
        CommandOfLabel(BuildAssignmentMenu(*EnglishCopy(m_state), m_button), function);
    if (!command) {
        return Refusal{"set button: unknown function \"" + std::string(function) +
                       "\" (give an English label as show prints it, key:NAME, "
                       "macro:NAME[:MODE] or gun:NAME[:MODE])"};
    }
    m_command = *command;
    return std::nullopt;
}

std::optional<Refusal> ButtonAssignment::prepareKey(std::string_view name) {
    if (KeyCodeOfName(name) == 0) {
        return Refusal{"set button: \"" + std::string(name) +
                       "\" is not a key name of the key table"};
    }
    m_dialogs.giveKey(std::string(name));
    m_command = command::kAssignKeyboardKey;
    return std::nullopt;
}

std::optional<Refusal> ButtonAssignment::prepareMacro(std::string_view text) {
    auto [name, mode] = NameAndMode(text);
    const int position =
        PositionOf(ListMacroNames(m_state.paths.macroStore, MacroKind::Macro), name);
    if (name.empty() || position < 0) {
        return Refusal{"set button: no macro named \"" + name + "\" in " +
                       m_state.paths.macroStore.filename().string()};
    }
    m_dialogs.giveMacro(MacroChoice{true, std::move(name), position, mode});
    m_command = command::kMacro;
    return std::nullopt;
}

std::optional<Refusal> ButtonAssignment::prepareGunMacro(std::string_view text, const Menu& menu) {
    auto [name, mode] = NameAndMode(text);
    const std::filesystem::path& store = m_state.paths.macroStore;
    m_seedGunList = !HasGunMacroList(store);
    if (m_seedGunList) {
        const auto builtIn = BuiltInGunMacroNames(m_state.texts);
        m_gunList.assign(builtIn.begin(), builtIn.end());
    } else {
        m_gunList = ListMacroNames(store, MacroKind::Gun);
    }
    const int position = PositionOf(m_gunList, name);
    if (name.empty() || position < 0) {
        return Refusal{"set button: no gun macro named \"" + name + "\" in " +
                       store.filename().string()};
    }
    const auto command = FirstGunAssign(menu);
    if (!command) {
        return Refusal{"set button: Button " + std::to_string(CaptionOfButtonIndex(m_button)) +
                       " cannot take a gun macro: every gun switch is bound to another button"};
    }
    m_dialogs.giveGunMacro(MacroChoice{true, std::move(name), position, mode});
    m_command = *command;
    return std::nullopt;
}

std::optional<Refusal> ButtonAssignment::run() {
    const std::optional<int> finished = DispatchAssignment(m_state, m_button, m_command, m_dialogs);
    if (!finished) {
        const std::vector<std::string>& messages = m_dialogs.messages();
        return Refusal{messages.empty() ? std::string("set button: nothing was assigned")
                                        : messages.back()};
    }
    Status status;
    if (m_seedGunList) {
        status = SeedBuiltInGunMacroNames(m_state.paths.macroStore,
                                          std::span<const std::string, kBuiltInGunMacroCount>(
                                              m_gunList.data(), kBuiltInGunMacroCount));
    }
    status = status ? SaveProfileSettings(m_state) : status;
    status = status ? WriteSettingsIniItems(m_state) : status;
    if (!status) {
        return Refusal{status.message(), 1};
    }
    return std::nullopt;
}

}  // namespace

int SetButtonCommand(SharedState& state, std::span<const std::string> words, std::ostream& err) {
    const auto refuse = [&err](const Refusal& refusal) {
        err << "gx508ctl: " << refusal.message << "\n";
        return refusal.status;
    };
    if (words.size() != 2) {
        return refuse({"set button needs a button number 1..12 and a function"});
    }
    const std::optional<int> button = ButtonOfWord(words[0]);
    if (!button) {
        return refuse({"set button: the button number must be 1..12, not \"" + words[0] + "\""});
    }
    std::error_code ec;
    if (!std::filesystem::is_regular_file(state.paths.settingsFile, ec)) {
        return refuse({"the current profile's settings file " + state.paths.settingsFile.string() +
                           " cannot be read; nothing changed",
                       1});
    }
    ButtonAssignment assignment(state, *button);
    // The menu of the button, with the left-click rule that may keep it closed.
    ArgumentDialogs menuDialogs;
    const std::optional<Menu> menu = OpenAssignmentMenu(state, *button, menuDialogs);
    if (!menu) {
        return refuse({menuDialogs.messages().empty() ? std::string("set button: no menu")
                                                      : menuDialogs.messages().back()});
    }
    if (const auto refusal = assignment.prepare(words[1], *menu)) {
        return refuse(*refusal);
    }
    if (const auto refusal = assignment.run()) {
        return refuse(*refusal);
    }
    return 0;
}

}  // namespace gx508
