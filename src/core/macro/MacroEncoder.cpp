// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroEncoder.h"

#include <algorithm>
#include <array>

#include "core/assign/KeyNames.h"
#include "core/macro/MacroItem.h"
#include "core/store/LeadingNumber.h"

namespace gx508 {

namespace {

constexpr std::size_t kEndMarkerSize = 2;

// One record on its way into the slot.
struct Record {
    std::array<std::uint8_t, 8> bytes{};
    std::size_t size = 0;
};

std::uint8_t Low(std::int32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

void AppendCount(Record& record, std::int32_t delay) {
    const std::int32_t count = delay / 50;
    record.bytes[record.size++] = 0x00;
    record.bytes[record.size++] = 0x02;
    record.bytes[record.size++] = Low(count >> 8);
    record.bytes[record.size++] = Low(count);
}

std::int32_t DelayOf(std::span<const std::string> items, std::size_t next, std::int32_t shortest) {
    std::int32_t delay = shortest;
    if (next < items.size() && ItemContains(items[next], kDelayMark)) {
        delay = LeadingNumber(items[next]).value_or(0);
    }
    return std::clamp(delay, shortest, kLongestDelay);
}

Record KeyRecord(bool release, std::uint8_t code, std::int32_t delay) {
    Record record;
    const std::uint8_t r = release ? kReleaseBit : 0;
    if (delay <= 255) {
        record.bytes[record.size++] = static_cast<std::uint8_t>(r + delay / 2);
        record.bytes[record.size++] = code;
        return record;
    }
    record.bytes[record.size++] = static_cast<std::uint8_t>(r + delay % 50);
    record.bytes[record.size++] = code;
    AppendCount(record, delay);
    return record;
}

Record DisplacementRecord(std::int32_t x, std::int32_t y, std::int32_t delay) {
    Record record;
    record.bytes[record.size++] = Low(delay < 512 ? delay / 2 : delay % 50);
    record.bytes[record.size++] = kDisplacementCode;
    record.bytes[record.size++] = Low(std::clamp(x, -128, 127));
    record.bytes[record.size++] = Low(std::clamp(y, -128, 127));
    if (delay >= 512) {
        AppendCount(record, delay);
    }
    return record;
}

}  // namespace

std::uint8_t MacroEventCode(std::string_view name) {
    if (name == "Button 4") {
        return kButton4Code;
    }
    if (name == "Button 5") {
        return kButton5Code;
    }
    return KeyCodeOfName(name);
}

EncodedMacro EncodeMacro(std::span<std::uint8_t> slot, std::size_t room, std::string_view loopText,
                         std::span<const std::string> items, bool displacements) {
    std::fill(slot.begin(), slot.end(), std::uint8_t{0});
    room = std::min(room, slot.size());
    EncodedMacro result;
    result.length = 4;
    if (items.empty() || room < 4) {
        return result;
    }
    std::int32_t loop = LeadingNumber(loopText).value_or(0);
    if (loop < 1 || loop > 65535) {
        loop = 1;
    }
    slot[0] = Low(loop >> 8);
    slot[1] = Low(loop);

    std::size_t at = 2;
    for (std::size_t j = 0; j < items.size(); ++j) {
        const std::string& item = items[j];
        Record record;
        const MacroItemKind kind = ClassifyMacroItem(item);
        if (kind == MacroItemKind::Press || kind == MacroItemKind::Release) {
            record =
                KeyRecord(kind == MacroItemKind::Release, MacroEventCode(MacroItemKeyName(item)),
                          DelayOf(items, j + 1, kShortestKeyDelay));
        } else if (kind == MacroItemKind::DisplacementX && displacements) {
            const std::int32_t x = MacroItemNumber(item);
            std::int32_t y = 0;
            if (j + 1 < items.size() && ItemContains(items[j + 1], kDisplacementYMark)) {
                y = MacroItemNumber(items[++j]);
            }
            record = DisplacementRecord(x, y, DelayOf(items, j + 1, kShortestDisplacementDelay));
        } else {
            continue;
        }
        if (at + record.size + kEndMarkerSize > room) {
            result.cut = true;
            break;
        }
        std::copy_n(record.bytes.begin(), record.size,
                    slot.begin() + static_cast<std::ptrdiff_t>(at));
        at += record.size;
    }
    result.length = static_cast<std::uint16_t>(at + kEndMarkerSize);
    return result;
}

}  // namespace gx508
