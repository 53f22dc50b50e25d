// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/LogSink.h"
#include "core/device/DeviceNotice.h"
#include "core/device/HidTransport.h"
#include "core/device/WireTrace.h"

namespace gx508 {

// The connection to the mouse: its command collection, its notice collection and the reader
// thread that turns the mouse's notices into calls of a handler.
//
// The search, the commands and the arrival and removal handling run on one thread (the user
// interface's); the reader thread only reads the notice collection. The reader stops and is
// joined when the link is destroyed.
class DeviceLink {
  public:
    using NoticeHandler = std::function<void(DeviceNotice)>;

    DeviceLink(HidBackend& backend, LogSink& log);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Traces every report sent on the command collection from the next search on.
    void setTrace(TraceSink sink);

    // Searches the HID collections in the system's order. Opens the notice collection when it
    // comes before the command collection, stops at the command collection and opens it.
    // True when the command collection is open.
    bool FindMouse();

    bool connected() const { return m_connected.load(); }
    void setConnected(bool connected);

    // The open command collection, or null.
    HidDevice* commandDevice() const { return m_command.get(); }
    // Why the last search could not open a collection of the mouse (ok when it could, or
    // when it found nothing to open).
    const Status& lastOpen() const { return m_lastOpen; }
    const std::string& devicePath() const { return m_devicePath; }
    std::uint16_t featureReportLength() const { return m_featureLength; }
    std::uint16_t commandInputLength() const { return m_commandInputLength; }
    std::uint16_t noticeInputLength() const;
    bool readerOpen() const;

    // Starts the reader thread once; later calls do nothing. `handler` runs on the reader
    // thread for each notice.
    void StartReader(NoticeHandler handler);
    // Stops and joins the reader thread.
    void StopReader();

  private:
    void ReaderLoop();

    HidBackend& m_backend;
    LogSink& m_log;
    TraceSink m_trace;
    std::shared_ptr<HidDevice> m_command;
    std::uint16_t m_featureLength = 0;
    std::uint16_t m_commandInputLength = 0;
    std::string m_devicePath;
    Status m_lastOpen;
    std::atomic<bool> m_connected{false};

    mutable std::mutex m_readerMutex;  // guards the reader device, its length and the wake-up
    std::condition_variable m_readerWake;
    std::shared_ptr<HidDevice> m_reader;
    std::uint16_t m_noticeLength = 0;
    bool m_wakeRequested = false;
    bool m_stop = false;
    NoticeHandler m_handler;
    std::thread m_thread;
};

}  // namespace gx508
