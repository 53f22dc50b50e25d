// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HidapiBackend.h"

#include <fcntl.h>
#include <hidapi/hidapi.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <mutex>
#include <optional>
#include <set>
#include <system_error>
#include <utility>

#include "core/device/DeviceIds.h"
#include "core/device/ReportDescriptor.h"
#include "core/store/TextEncoding.h"

namespace gx508 {

namespace fs = std::filesystem;

namespace {

// The kernel keeps report descriptors to 4 KiB; reading more than this is never needed.
constexpr std::size_t kMaxDescriptorRead = 64 * 1024;

bool StartHidapi() {
    static std::once_flag once;
    static bool started = false;
    std::call_once(once, [] { started = hid_init() == 0; });
    return started;
}

std::string ErrnoText(int code) {
    return std::system_category().message(code);
}

// hidapi's messages are wide strings; they hold text from strerror and sysfs.
std::string Utf8(const wchar_t* text) {
    std::string out;
    for (; text != nullptr && *text != L'\0'; ++text) {
        text::AppendUtf8(out, static_cast<char32_t>(*text));
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> ReadDescriptor(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(kMaxDescriptorRead);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool IsMouseCollection(const HidInterfaceInfo& info) {
    if (info.vendorId != kMouseVendorId || info.productId != kMouseProductId) {
        return false;
    }
    return (info.usagePage == kCommandUsagePage && info.usage == kCommandUsage) ||
           (info.usagePage == kNoticeUsagePage && info.usage == kNoticeUsage);
}

}  // namespace

HidapiBackend::HidapiBackend(LogSink& log, fs::path sysfsRoot)
    : m_log(log), m_sysfsRoot(std::move(sysfsRoot)) {}

Result<std::vector<HidInterfaceInfo>> HidapiBackend::Enumerate() {
    if (!StartHidapi()) {
        return Result<std::vector<HidInterfaceInfo>>::Error("hidapi could not be initialised");
    }
    // An empty list is also what hidapi gives when it fails; either way there is no mouse.
    hid_device_info* list = hid_enumerate(kMouseVendorId, kMouseProductId);
    std::vector<HidrawEntry> entries;
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        if (d->path != nullptr) {
            entries.push_back({d->path, d->vendor_id, d->product_id, d->usage_page, d->usage});
        }
    }
    hid_free_enumeration(list);
    return DescribeCollections(entries);
}

std::vector<HidInterfaceInfo> HidapiBackend::DescribeCollections(
    std::span<const HidrawEntry> entries) const {
    std::vector<HidInterfaceInfo> out;
    std::set<std::string> seenPaths;
    for (const HidrawEntry& entry : entries) {
        if (entry.path.empty() || !seenPaths.insert(entry.path).second) {
            continue;
        }
        const fs::path file = m_sysfsRoot / "class" / "hidraw" / fs::path(entry.path).filename() /
                              "device" / "report_descriptor";
        const std::optional<std::vector<std::uint8_t>> bytes = ReadDescriptor(file);
        if (bytes) {
            const ReportDescriptor parsed = ParseReportDescriptor(*bytes);
            if (!parsed.wellFormed) {
                m_log.Write("the report descriptor of " + entry.path +
                            " is damaged; its report lengths may be short");
            }
            for (const TopLevelCollection& c : parsed.collections) {
                out.push_back({entry.path, entry.vendorId, entry.productId, c.usagePage, c.usage,
                               c.inputReportLength, c.outputReportLength, c.featureReportLength});
            }
            if (!parsed.collections.empty()) {
                continue;
            }
            m_log.Write("no top-level collection in the report descriptor of " + entry.path);
        } else {
            m_log.Write("cannot read " + file.string());
        }
        // Without a descriptor only hidapi's usages are known, listed once each.
        std::set<std::pair<std::uint16_t, std::uint16_t>> seenUsages;
        for (const HidrawEntry& same : entries) {
            if (same.path == entry.path && seenUsages.insert({same.usagePage, same.usage}).second) {
                out.push_back({same.path, same.vendorId, same.productId, same.usagePage, same.usage,
                               0, 0, 0});
            }
        }
    }
    return out;
}

Result<std::unique_ptr<HidDevice>> HidapiBackend::Open(const std::string& path) {
    using Opened = Result<std::unique_ptr<HidDevice>>;
    if (!StartHidapi()) {
        m_log.Write("hidapi could not be initialised");
        return Opened::Error("hidapi could not be initialised", EIO);
    }
    // hidapi 0.13.1 does not say why an open failed, and on a node that is not hidraw it
    // writes into the handle it has just freed. So the node is opened and checked here first.
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        const int code = errno;
        const std::string message = "cannot open " + path + ": " + ErrnoText(code);
        m_log.Write(message);
        return Opened::Error(message, code);
    }
    int descriptorSize = 0;
    const bool isHidraw = ::ioctl(fd, HIDIOCGRDESCSIZE, &descriptorSize) >= 0;
    const int code = errno;
    ::close(fd);
    if (!isHidraw) {
        const std::string message = path + " is not a hidraw node: " + ErrnoText(code);
        m_log.Write(message);
        return Opened::Error(message, code == ENODEV ? ENODEV : ENOTTY);
    }
    hid_device* handle = hid_open_path(path.c_str());
    if (handle == nullptr) {
        const int openCode = ::access(path.c_str(), F_OK) != 0 ? ENOENT : EIO;
        const std::string message = "hidapi cannot open " + path + ": " + Utf8(hid_error(nullptr));
        m_log.Write(message);
        return Opened::Error(message, openCode);
    }
    return std::unique_ptr<HidDevice>(std::make_unique<HidapiDevice>(handle));
}

HidapiDevice::HidapiDevice(hid_device* handle) : m_handle(handle) {}

HidapiDevice::~HidapiDevice() {
    hid_close(m_handle);
}

Status HidapiDevice::SetFeature(std::span<const std::uint8_t> report) {
    if (report.empty()) {
        return Status::Error("set feature: empty report");
    }
    const int result = hid_send_feature_report(m_handle, report.data(), report.size());
    return Outcome("set feature", result, errno, report.size());
}

Status HidapiDevice::GetFeature(std::span<std::uint8_t> report) {
    if (report.empty()) {
        return Status::Error("get feature: empty report");
    }
    const int result = hid_get_feature_report(m_handle, report.data(), report.size());
    return Outcome("get feature", result, errno, report.size());
}

Status HidapiDevice::Write(std::span<const std::uint8_t> report) {
    if (report.empty()) {
        return Status::Error("write: empty report");
    }
    const int result = hid_write(m_handle, report.data(), report.size());
    return Outcome("write", result, errno, report.size());
}

Result<std::size_t> HidapiDevice::Read(std::span<std::uint8_t> buffer, int timeoutMs) {
    if (buffer.empty()) {
        return Result<std::size_t>::Error("read: empty buffer", EINVAL);
    }
    errno = 0;
    const int result = hid_read_timeout(m_handle, buffer.data(), buffer.size(), timeoutMs);
    if (result >= 0) {
        return static_cast<std::size_t>(result);
    }
    const int code = errno;
    if (code == EINTR) {
        return std::size_t{0};  // a signal that interrupts the wait is not a lost mouse
    }
    return Result<std::size_t>::Error("read failed: " + Utf8(hid_error(m_handle)),
                                      code != 0 ? code : EIO);
}

Status HidapiDevice::Outcome(const char* what, int result, int code, std::size_t expected) const {
    if (result >= 0 && static_cast<std::size_t>(result) == expected) {
        return Status::Ok();
    }
    if (result < 0) {
        return Status::Error(std::string(what) + " failed: " + Utf8(hid_error(m_handle)), code);
    }
    return Status::Error(std::string(what) + " moved " + std::to_string(result) + " of " +
                         std::to_string(expected) + " bytes");
}

bool MousePresentButInaccessible(const std::vector<HidInterfaceInfo>& interfaces) {
    for (const HidInterfaceInfo& info : interfaces) {
        if (IsMouseCollection(info) && ::access(info.path.c_str(), R_OK | W_OK) != 0 &&
            IsAccessDeniedCode(errno)) {
            return true;
        }
    }
    return false;
}

}  // namespace gx508
