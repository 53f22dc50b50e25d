// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/assign/AssignmentDialogs.h"

namespace gx508::test {

// Dialogs that answer from scripts queued by the test and record what they were given. A
// dialog without a queued answer is cancelled.
class ScriptedDialogs final : public AssignmentDialogs {
  public:
    KeyCaptureResult captureKey(std::optional<std::string> currentKey) override {
        keyStarts.push_back(std::move(currentKey));
        return Next(keys);
    }
    MacroChoice selectMacro() override {
        ++macroSelections;
        return Next(macros);
    }
    MacroChoice selectGunMacro() override {
        ++gunSelections;
        return Next(guns);
    }
    void showMessage(std::string text, std::string caption) override {
        messages.emplace_back(std::move(text), std::move(caption));
    }

    std::deque<KeyCaptureResult> keys;
    std::deque<MacroChoice> macros;
    std::deque<MacroChoice> guns;

    std::vector<std::optional<std::string>> keyStarts;
    int macroSelections = 0;
    int gunSelections = 0;
    std::vector<std::pair<std::string, std::string>> messages;

  private:
    template <typename T>
    static T Next(std::deque<T>& queue) {
        if (queue.empty()) {
            return T{};
        }
        T front = std::move(queue.front());
        queue.pop_front();
        return front;
    }
};

}  // namespace gx508::test
