// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gx508 {

// What the key capture dialog returns: OK or Cancel and, on OK, the name of the key last
// touched (empty when none was).
struct KeyCaptureResult {
    bool ok = false;
    std::string keyName;
};

// What the macro and gun macro selectors return: OK or Cancel and, on OK, the chosen entry's
// name, its position in the list (negative when none was chosen) and the run mode 0..2.
struct MacroChoice {
    bool ok = false;
    std::string name;
    int position = -1;
    std::uint8_t runMode = 0;
};

// The windows the assignment dispatcher opens. Each dialog is modal and returns when the user
// closes it; the desktop program implements them with its windows.
class AssignmentDialogs {
  public:
    virtual ~AssignmentDialogs() = default;

    // The key capture dialog, starting from the name of the button's current key when it has
    // one.
    virtual KeyCaptureResult captureKey(std::optional<std::string> currentKey) = 0;
    virtual MacroChoice selectMacro() = 0;
    virtual MacroChoice selectGunMacro() = 0;
    // A message box with an OK button only.
    virtual void showMessage(std::string text, std::string caption) = 0;
};

}  // namespace gx508
