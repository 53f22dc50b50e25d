// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/HotplugDebounce.h"

#include <algorithm>

namespace gx508 {

HotplugDebounce::HotplugDebounce(std::int64_t settleMs, std::int64_t maxDelayMs)
    : m_settleMs(std::max<std::int64_t>(settleMs, 0)),
      m_maxDelayMs(std::max<std::int64_t>(maxDelayMs, 0)) {}

void HotplugDebounce::Add(const HotplugEvent& event, std::int64_t nowMs) {
    if (!event.isMouse) {
        return;
    }
    if (!m_last) {
        m_firstMs = nowMs;
        m_lastMs = nowMs;
    }
    m_last = event.action;
    // An earlier time than the burst's latest must not bring its end forward.
    m_lastMs = std::max(nowMs, m_lastMs);
}

std::optional<std::int64_t> HotplugDebounce::MsUntilDue(std::int64_t nowMs) const {
    if (!m_last) {
        return std::nullopt;
    }
    return std::max<std::int64_t>(DueAt() - nowMs, 0);
}

std::optional<HotplugAction> HotplugDebounce::Take(std::int64_t nowMs) {
    if (!m_last || nowMs < DueAt()) {
        return std::nullopt;
    }
    const std::optional<HotplugAction> action = m_last;
    m_last.reset();
    return action;
}

std::int64_t HotplugDebounce::DueAt() const {
    return std::min(m_lastMs + m_settleMs, m_firstMs + m_maxDelayMs);
}

}  // namespace gx508
