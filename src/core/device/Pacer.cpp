// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/Pacer.h"

#include <chrono>
#include <numeric>
#include <thread>

namespace gx508 {

void SleepingPacer::Pause(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

int RecordingPacer::total() const {
    return std::accumulate(m_pauses.begin(), m_pauses.end(), 0);
}

}  // namespace gx508
