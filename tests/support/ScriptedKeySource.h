// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

#include "core/assign/KeySource.h"

namespace gx508::test {

// A key capture whose keystrokes come from the test. Start fails with `failureCode` when it is
// set; a keystroke sent while no capture is on reaches nobody, as on a desktop.
class ScriptedKeySource final : public KeySource {
  public:
    Status Start(Sink sink) override {
        ++starts;
        if (failureCode != 0) {
            return Status::Error("capture refused", failureCode);
        }
        m_sink = std::move(sink);
        return Status::Ok();
    }
    void Stop() override { m_sink = nullptr; }
    bool IsCapturing() const override { return static_cast<bool>(m_sink); }

    void send(KeyStroke stroke) {
        // A copy, for the sink may end the capture while it runs.
        if (const Sink sink = m_sink) {
            sink(stroke);
        }
    }
    void press(int vk) { send({vk, false, false}); }
    void release(int vk) { send({vk, false, true}); }
    void tap(int vk) {
        press(vk);
        release(vk);
    }

    int failureCode = 0;
    int starts = 0;

  private:
    Sink m_sink;
};

}  // namespace gx508::test
