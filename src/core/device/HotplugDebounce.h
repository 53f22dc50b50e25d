// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "core/device/HotplugEvent.h"

namespace gx508 {

// Quiet time after the last event of a burst before the burst counts as settled.
inline constexpr std::int64_t kHotplugSettleMs = 300;
// A burst that keeps going is handed out this long after its first event all the same.
inline constexpr std::int64_t kHotplugMaxDelayMs = 2000;

// Turns the burst of hotplug events that one plug or unplug causes (the mouse's interfaces
// appear and go one after the other) into one arrival or removal to handle. Times are
// milliseconds of a monotonic clock, passed in by the caller; nothing here waits.
class HotplugDebounce {
  public:
    explicit HotplugDebounce(std::int64_t settleMs = kHotplugSettleMs,
                             std::int64_t maxDelayMs = kHotplugMaxDelayMs);

    // Takes one event seen at `nowMs`. Events of other devices are ignored.
    void Add(const HotplugEvent& event, std::int64_t nowMs);

    // Milliseconds until Take has something to hand out (0 when it has now), or nothing when
    // no burst is pending: the timeout for the next timer or poll().
    std::optional<std::int64_t> MsUntilDue(std::int64_t nowMs) const;

    // Once the pending burst has settled: its last event's action (an unplug and replug within
    // one burst is an arrival, a plug and unplug a removal), and the burst is cleared. Before
    // then, or with nothing pending, nothing.
    std::optional<HotplugAction> Take(std::int64_t nowMs);

  private:
    std::int64_t DueAt() const;

    std::int64_t m_settleMs;
    std::int64_t m_maxDelayMs;
    std::optional<HotplugAction> m_last;
    std::int64_t m_firstMs = 0;
    std::int64_t m_lastMs = 0;
};

}  // namespace gx508
