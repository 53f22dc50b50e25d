// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/DeviceLink.h"

#include <chrono>
#include <cstdio>
#include <utility>
#include <vector>

#include "core/device/DeviceIds.h"

namespace gx508 {

namespace {

constexpr int kReadTimeoutMs = 200;  // how often the reader checks for shutdown
constexpr auto kRetryAfterError = std::chrono::milliseconds(250);

bool IsNoticeCollection(const HidInterfaceInfo& info) {
    return info.usagePage == kNoticeUsagePage && info.usage == kNoticeUsage &&
           info.inputReportLength != 0;
}

bool IsCommandCollection(const HidInterfaceInfo& info) {
    return info.usagePage == kCommandUsagePage && info.usage == kCommandUsage &&
           info.featureReportLength == kCommandFeatureLength;
}

std::string CollectionLogLine(const HidInterfaceInfo& info) {
    char numbers[200];
    std::snprintf(numbers, sizeof numbers,
                  ",\nUsage:0x%04x\n, UsagePage:0x%04x\n,FeatureReportByteLength:0x%04x\n,"
                  "InputReportByteLength:0x%x\n,OutputReportByteLength:0x%x\n",
                  info.usage, info.usagePage, info.featureReportLength, info.inputReportLength,
                  info.outputReportLength);
    return "DevicePath:" + info.path + numbers;
}

}  // namespace

DeviceLink::DeviceLink(HidBackend& backend, LogSink& log) : m_backend(backend), m_log(log) {}

DeviceLink::~DeviceLink() {
    StopReader();
}

void DeviceLink::setTrace(TraceSink sink) {
    m_trace = std::move(sink);
}

void DeviceLink::setConnected(bool connected) {
    m_connected.store(connected);
    if (connected) {
        std::lock_guard lock(m_readerMutex);
        m_wakeRequested = true;
        m_readerWake.notify_all();
    }
}

std::uint16_t DeviceLink::noticeInputLength() const {
    std::lock_guard lock(m_readerMutex);
    return m_noticeLength;
}

bool DeviceLink::readerOpen() const {
    std::lock_guard lock(m_readerMutex);
    return m_reader != nullptr;
}

bool DeviceLink::FindMouse() {
    m_lastOpen = Status::Ok();
    const Result<std::vector<HidInterfaceInfo>> interfaces = m_backend.Enumerate();
    if (!interfaces) {
        return false;
    }
    for (const HidInterfaceInfo& info : *interfaces) {
        m_devicePath = info.path;
        if (info.vendorId != kMouseVendorId || info.productId != kMouseProductId) {
            continue;
        }
        m_log.Write("Find our hid device.Success\n");
        m_log.Write(CollectionLogLine(info));
        if (IsNoticeCollection(info)) {
            Result<std::unique_ptr<HidDevice>> reader = m_backend.Open(info.path);
            if (!reader) {
                m_lastOpen = reader.failure();
                return false;
            }
            std::lock_guard lock(m_readerMutex);
            m_reader = std::move(*reader);
            m_noticeLength = info.inputReportLength;
            m_wakeRequested = true;
            m_readerWake.notify_all();
            continue;
        }
        if (IsCommandCollection(info)) {
            Result<std::unique_ptr<HidDevice>> opened = m_backend.Open(info.path);
            if (!opened) {
                m_lastOpen = opened.failure();
                return false;
            }
            std::shared_ptr<HidDevice> command = std::move(*opened);
            if (m_trace) {
                command = std::make_shared<TracingDevice>(std::move(command), m_trace);
            }
            m_command = std::move(command);
            m_commandInputLength = info.inputReportLength;
            m_featureLength = info.featureReportLength;
            setConnected(true);
            return true;
        }
    }
    return false;
}

void DeviceLink::StartReader(NoticeHandler handler) {
    std::lock_guard lock(m_readerMutex);
    if (m_thread.joinable() || m_stop) {
        return;
    }
    m_handler = std::move(handler);
    m_thread = std::thread([this] { ReaderLoop(); });
}

void DeviceLink::StopReader() {
    {
        std::lock_guard lock(m_readerMutex);
        m_stop = true;
        m_readerWake.notify_all();
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void DeviceLink::ReaderLoop() {
    std::vector<std::uint8_t> buffer;
    while (true) {
        std::shared_ptr<HidDevice> reader;
        {
            std::unique_lock lock(m_readerMutex);
            m_wakeRequested = false;
            if (m_stop) {
                return;
            }
            if (!m_connected.load() || !m_reader) {
                m_readerWake.wait(lock, [this] { return m_stop || m_wakeRequested; });
                continue;
            }
            reader = m_reader;
            buffer.assign(m_noticeLength, 0);
        }
        const Result<std::size_t> got = reader->Read(buffer, kReadTimeoutMs);
        if (got && *got > 0 && m_connected.load()) {
            const auto report =
                std::span<const std::uint8_t>(buffer).first(std::min(*got, buffer.size()));
            if (const auto notice = ParseDeviceNotice(report)) {
                m_handler(*notice);
            }
        } else if (!got) {
            // The collection failed or went away: wait for a new search or a short while.
            std::unique_lock lock(m_readerMutex);
            m_readerWake.wait_for(lock, kRetryAfterError,
                                  [this] { return m_stop || m_wakeRequested; });
        }
    }
}

}  // namespace gx508
