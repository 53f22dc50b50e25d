// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ReportDescriptor.h"

#include <algorithm>
#include <array>

namespace gx508 {

namespace {

// Item prefix: bits 0-1 data size code, bits 2-3 type, bits 4-7 tag.
constexpr std::uint8_t kLongItemPrefix = 0xFE;

enum class ItemType : std::uint8_t { Main = 0, Global = 1, Local = 2, Reserved = 3 };

namespace main_tag {
constexpr std::uint8_t kInput = 0x8;
constexpr std::uint8_t kOutput = 0x9;
constexpr std::uint8_t kCollection = 0xA;
constexpr std::uint8_t kFeature = 0xB;
constexpr std::uint8_t kEndCollection = 0xC;
}  // namespace main_tag

namespace global_tag {
constexpr std::uint8_t kUsagePage = 0x0;
constexpr std::uint8_t kReportSize = 0x7;
constexpr std::uint8_t kReportId = 0x8;
constexpr std::uint8_t kReportCount = 0x9;
constexpr std::uint8_t kPush = 0xA;
constexpr std::uint8_t kPop = 0xB;
}  // namespace global_tag

constexpr std::uint8_t kLocalUsage = 0x0;
constexpr std::uint32_t kApplicationCollection = 0x01;

// Longest report that still has a representable length: 65534 data bytes plus the id byte.
constexpr std::uint64_t kMaxReportBits = 8ULL * 0xFFFE;

enum ReportKind : std::size_t { kInputKind, kOutputKind, kFeatureKind, kKindCount };

struct GlobalState {
    std::uint16_t usagePage = 0;
    std::uint32_t reportSize = 0;
    std::uint32_t reportCount = 0;
    std::uint8_t reportId = 0;
};

struct ReportBits {
    std::uint8_t reportId = 0;
    std::uint64_t bits = 0;
};

// The first Usage item since the last main item: the one a collection takes.
struct PendingUsage {
    bool present = false;
    bool withPage = false;  // a four-byte usage carries its usage page in the upper half
    std::uint32_t value = 0;
};

struct CollectionReports {
    std::array<std::vector<ReportBits>, kKindCount> kinds;
};

std::uint32_t LittleEndian(std::span<const std::uint8_t> data) {
    std::uint32_t value = 0;
    for (std::size_t k = data.size(); k-- > 0;) {
        value = (value << 8) | data[k];
    }
    return value;
}

std::uint16_t ReportLength(const std::vector<ReportBits>& reports) {
    std::uint64_t longest = 0;
    for (const ReportBits& report : reports) {
        longest = std::max(longest, report.bits);
    }
    if (longest == 0) {
        return 0;
    }
    return static_cast<std::uint16_t>((longest + 7) / 8 + 1);
}

class Parser {
  public:
    // Handles one short item; false when the item makes the descriptor damaged.
    bool Item(ItemType type, std::uint8_t tag, std::uint32_t value, std::size_t dataSize) {
        switch (type) {
            case ItemType::Main:
                return MainItem(tag, value);
            case ItemType::Global:
                return GlobalItem(tag, value);
            case ItemType::Local:
                if (tag == kLocalUsage && !m_usage.present) {
                    m_usage = {true, dataSize == 4, value};
                }
                return true;
            case ItemType::Reserved:
                return true;
        }
        return true;
    }

    bool Balanced() const { return m_depth == 0; }

    std::vector<TopLevelCollection> Finish() {
        std::vector<TopLevelCollection> out = m_collections;
        for (std::size_t k = 0; k < out.size(); ++k) {
            out[k].inputReportLength = ReportLength(m_reports[k].kinds[kInputKind]);
            out[k].outputReportLength = ReportLength(m_reports[k].kinds[kOutputKind]);
            out[k].featureReportLength = ReportLength(m_reports[k].kinds[kFeatureKind]);
        }
        return out;
    }

  private:
    bool MainItem(std::uint8_t tag, std::uint32_t value) {
        bool ok = true;
        switch (tag) {
            case main_tag::kInput:
                AddReport(kInputKind);
                break;
            case main_tag::kOutput:
                AddReport(kOutputKind);
                break;
            case main_tag::kFeature:
                AddReport(kFeatureKind);
                break;
            case main_tag::kCollection:
                OpenCollection(value);
                break;
            case main_tag::kEndCollection:
                ok = m_depth > 0;
                if (ok) {
                    --m_depth;
                }
                break;
            default:
                break;
        }
        m_usage = {};
        return ok;
    }

    bool GlobalItem(std::uint8_t tag, std::uint32_t value) {
        switch (tag) {
            case global_tag::kUsagePage:
                m_globals.usagePage = static_cast<std::uint16_t>(value);
                return true;
            case global_tag::kReportSize:
                m_globals.reportSize = value;
                return true;
            case global_tag::kReportCount:
                m_globals.reportCount = value;
                return true;
            case global_tag::kReportId:
                if (value == 0 || value > 0xFF) {
                    return false;
                }
                m_globals.reportId = static_cast<std::uint8_t>(value);
                return true;
            case global_tag::kPush:
                if (m_stack.size() >= kMaxPushDepth) {
                    return false;
                }
                m_stack.push_back(m_globals);
                return true;
            case global_tag::kPop:
                if (m_stack.empty()) {
                    return false;
                }
                m_globals = m_stack.back();
                m_stack.pop_back();
                return true;
            default:
                return true;
        }
    }

    void OpenCollection(std::uint32_t type) {
        if (m_depth == 0) {
            m_inApplication = (type & 0xFF) == kApplicationCollection;
            if (m_inApplication) {
                TopLevelCollection collection;
                if (m_usage.present) {
                    collection.usagePage = m_usage.withPage
                                               ? static_cast<std::uint16_t>(m_usage.value >> 16)
                                               : m_globals.usagePage;
                    collection.usage = static_cast<std::uint16_t>(m_usage.value & 0xFFFF);
                } else {
                    collection.usagePage = m_globals.usagePage;
                }
                m_collections.push_back(collection);
                m_reports.emplace_back();
            }
        }
        ++m_depth;
    }

    // Items outside every top-level Application collection belong to none and are not counted.
    void AddReport(ReportKind kind) {
        if (m_depth == 0 || !m_inApplication) {
            return;
        }
        std::vector<ReportBits>& reports = m_reports.back().kinds[kind];
        auto it = std::find_if(reports.begin(), reports.end(), [&](const ReportBits& r) {
            return r.reportId == m_globals.reportId;
        });
        if (it == reports.end()) {
            reports.push_back({m_globals.reportId, 0});
            it = reports.end() - 1;
        }
        const std::uint64_t bits =
            std::uint64_t{m_globals.reportSize} * std::uint64_t{m_globals.reportCount};
        it->bits = std::min(it->bits + std::min(bits, kMaxReportBits), kMaxReportBits);
    }

    GlobalState m_globals;
    std::vector<GlobalState> m_stack;
    PendingUsage m_usage;
    std::size_t m_depth = 0;
    bool m_inApplication = false;
    std::vector<TopLevelCollection> m_collections;
    std::vector<CollectionReports> m_reports;
};

}  // namespace

ReportDescriptor ParseReportDescriptor(std::span<const std::uint8_t> bytes) {
    Parser parser;
    bool damaged = false;
    std::size_t pos = 0;
    while (pos < bytes.size() && !damaged) {
        const std::uint8_t prefix = bytes[pos];
        if (prefix == kLongItemPrefix) {
            // Long items carry no information the lengths depend on: step over them.
            if (bytes.size() - pos < 3 || bytes.size() - pos - 3 < bytes[pos + 1]) {
                damaged = true;
                break;
            }
            pos += 3 + std::size_t{bytes[pos + 1]};
            continue;
        }
        const std::size_t sizeCode = prefix & 0x03;
        const std::size_t dataSize = sizeCode == 3 ? 4 : sizeCode;
        if (bytes.size() - pos - 1 < dataSize) {
            damaged = true;
            break;
        }
        const std::uint32_t value = LittleEndian(bytes.subspan(pos + 1, dataSize));
        const auto type = static_cast<ItemType>((prefix >> 2) & 0x03);
        const auto tag = static_cast<std::uint8_t>(prefix >> 4);
        pos += 1 + dataSize;
        damaged = !parser.Item(type, tag, value, dataSize);
    }

    ReportDescriptor result;
    result.collections = parser.Finish();
    result.wellFormed = !damaged && parser.Balanced();
    return result;
}

}  // namespace gx508
