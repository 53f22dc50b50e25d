// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroRecorder.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "core/macro/MacroItem.h"

namespace gx508 {

namespace {

constexpr int kEnter = 0x0D;
constexpr int kNumericPadEnter = 0x6C;

std::string Hex(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%x", static_cast<unsigned>(value));
    return text;
}

}  // namespace

std::string KeyCaptureFailureText(int code) {
    return "JournalRecordHook Install error code :" + std::to_string(code) + "\n";
}

MacroRecorder::MacroRecorder(KeySource& source, const RecorderClock& clock, RecorderKind kind,
                             LogSink& log)
    : m_source(source), m_clock(clock), m_kind(kind), m_log(log) {}

MacroRecorder::~MacroRecorder() {
    m_source.Stop();
}

void MacroRecorder::setListener(Listener listener) {
    m_listener = std::move(listener);
}

Status MacroRecorder::Start(const MacroRecord& macro) {
    m_recordingLog = MacroRecord{macro.name, macro.recordDelay, macro.loopText, {}};
    m_eventCount = 0;
    m_lastStroke.reset();
    m_source.Stop();
    const Status started = m_source.Start([this](const KeyStroke& stroke) { onKeyStroke(stroke); });
    if (!started) {
        m_log.Write("key capture: " + started.message() + "\n");
        return Status::Error(KeyCaptureFailureText(started.code()), started.code());
    }
    m_progress = 0;
    m_recording = true;
    return Status::Ok();
}

std::optional<MacroRecord> MacroRecorder::Stop() {
    m_eventCount = 0;
    if (!m_recording) {
        return std::nullopt;
    }
    m_source.Stop();
    m_progress = 2;
    m_recording = false;
    return m_recordingLog;
}

void MacroRecorder::onKeyStroke(KeyStroke stroke) {
    if (!m_recording) {
        return;
    }
    if (stroke.virtualKey == kEnter && stroke.extended) {
        stroke.virtualKey = kNumericPadEnter;
    }
    if (m_lastStroke == stroke) {
        return;
    }
    m_lastStroke = stroke;
    m_log.Write("vk code=" + Hex(stroke.virtualKey) + ",key flag=" + Hex(KeyStrokeFlags(stroke)) +
                "\n");
    const std::string_view name = m_kind.keyName(stroke.virtualKey);
    if (name.empty()) {
        return;
    }
    if (++m_eventCount > m_kind.maxEvents) {
        Stop();
        if (m_listener.limitReached) {
            m_listener.limitReached();
        }
        return;
    }
    const std::int64_t now = m_clock.Milliseconds();
    auto record = [&](std::string item) {
        m_recordingLog.items.push_back(item);
        if (m_listener.itemRecorded) {
            m_listener.itemRecorded(item);
        }
    };
    if (m_recordDelay && m_progress == 1) {
        const std::int64_t delay =
            std::clamp<std::int64_t>(now - m_previousEventTime, 0, kLongestRecordedDelay);
        record(DelayItem(static_cast<std::int32_t>(delay)));
    }
    record(stroke.release ? ReleaseItem(name) : PressItem(name));
    m_previousEventTime = now;
    m_progress = 1;
}

}  // namespace gx508
