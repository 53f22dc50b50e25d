// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

namespace gx508 {

// Every pause of the protocol goes through a pacer: the real one sleeps, the one in tests only
// records, so that a whole apply runs in microseconds there.
class Pacer {
  public:
    virtual ~Pacer() = default;
    virtual void Pause(int milliseconds) = 0;
};

class SleepingPacer final : public Pacer {
  public:
    void Pause(int milliseconds) override;
};

class RecordingPacer final : public Pacer {
  public:
    void Pause(int milliseconds) override { m_pauses.push_back(milliseconds); }
    const std::vector<int>& pauses() const { return m_pauses; }
    int total() const;

  private:
    std::vector<int> m_pauses;
};

}  // namespace gx508
