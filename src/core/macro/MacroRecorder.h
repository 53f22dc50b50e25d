// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/LogSink.h"
#include "core/Status.h"
#include "core/assign/KeyNames.h"
#include "core/assign/KeySource.h"
#include "core/macro/MacroStore.h"
#include "core/macro/RecorderClock.h"

namespace gx508 {

// What differs between the recorders of the two managers: how many key events one recording
// holds and which key-name table names the keys.
struct RecorderKind {
    int maxEvents;
    std::string_view (*keyName)(int virtualKey);
};

inline constexpr RecorderKind kMacroRecorderKind{64, &KeyNameOfVirtualKey};
inline constexpr RecorderKind kGunRecorderKind{256, &GunKeyNameOfVirtualKey};

// The longest delay a recording writes between two keystrokes, as the in-place editor caps it.
inline constexpr std::int64_t kLongestRecordedDelay = 65535;

// The text shown when the key capture cannot start: "JournalRecordHook Install error code :%d\n"
// with the system's error code.
std::string KeyCaptureFailureText(int code);

// Turns the keystrokes of a desktop-wide key capture into macro items.
//
// A recording starts for one macro and replaces its events. Every key press becomes
// "<name>   Dn", every release "<name>   Up"; with the record-delay option on, each event
// after the first is preceded by the time since the previous one, "<n> ms" (at most
// kLongestRecordedDelay). A keystroke equal to the one before it (same key, same flags: the
// auto-repeat of a held key) is dropped, the numeric-pad Enter (0x0D with the extended flag) is
// recorded as 0x6C, and a key the table has no name for is not recorded. The event after the
// kind's limit ends the recording instead of being added.
//
// The recorder keeps the recording log: the macro as it was at the start (name, record-delay
// flag, loop text) with the items recorded since. The manager shows the items as they come and
// saves at the end: from its own lists after a plain stop, from the log when another macro was
// selected meanwhile.
class MacroRecorder {
  public:
    // What the manager is told while a recording runs.
    struct Listener {
        // An item was recorded: the manager appends it to the event list and selects it.
        std::function<void(const std::string& item)> itemRecorded;
        // The limit ended the recording: the manager saves and shows it as after a stop.
        std::function<void()> limitReached;
    };

    MacroRecorder(KeySource& source, const RecorderClock& clock, RecorderKind kind, LogSink& log);
    ~MacroRecorder();
    MacroRecorder(const MacroRecorder&) = delete;
    MacroRecorder& operator=(const MacroRecorder&) = delete;

    void setListener(Listener listener);

    // Starts recording `macro` (its name, record-delay flag and loop text go into the log, its
    // items are ignored). A capture still on is ended first. When the capture cannot start the
    // recorder stays idle and returns the failure: the system's code, and as its message the
    // text to show (KeyCaptureFailureText).
    Status Start(const MacroRecord& macro);

    // Ends the recording and returns the log; nothing when no recording was on.
    std::optional<MacroRecord> Stop();

    bool recording() const { return m_recording; }
    // 0 before the first event of a recording, 1 after it, 2 once stopped.
    int progress() const { return m_progress; }

    // The manager's record-delay option. A running recording uses the new value from its next
    // event on; the log keeps the value the recording started with.
    void setRecordDelay(bool on) { m_recordDelay = on; }
    bool recordDelay() const { return m_recordDelay; }

  private:
    void onKeyStroke(KeyStroke stroke);

    KeySource& m_source;
    const RecorderClock& m_clock;
    RecorderKind m_kind;
    LogSink& m_log;
    Listener m_listener;
    bool m_recording = false;
    int m_progress = 2;
    int m_eventCount = 0;
    std::optional<KeyStroke> m_lastStroke;
    std::int64_t m_previousEventTime = 0;
    bool m_recordDelay = false;
    MacroRecord m_recordingLog;
};

}  // namespace gx508
