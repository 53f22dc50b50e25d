// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SettingsBlock.h"

#include <algorithm>

namespace gx508 {

namespace {

bool InRange(int index, int count) {
    return index >= 0 && index < count;
}

std::size_t At(std::size_t base, int index) {
    return base + static_cast<std::size_t>(index);
}

}  // namespace

void SettingsBlock::fill(std::size_t offset, std::size_t count, std::uint8_t value) {
    if (offset >= block::kSize) {
        return;
    }
    count = std::min(count, block::kSize - offset);
    std::fill_n(m_bytes.begin() + static_cast<std::ptrdiff_t>(offset), count, value);
}

std::uint16_t SettingsBlock::u16(std::size_t offset) const {
    return static_cast<std::uint16_t>(byte(offset) | (byte(offset + 1) << 8));
}

void SettingsBlock::setU16(std::size_t offset, std::uint16_t value) {
    if (offset + 2 > block::kSize) {
        return;
    }
    m_bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    m_bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::int32_t SettingsBlock::i32(std::size_t offset) const {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        v |= static_cast<std::uint32_t>(byte(offset + k)) << (8 * k);
    }
    return static_cast<std::int32_t>(v);
}

void SettingsBlock::setI32(std::size_t offset, std::int32_t value) {
    if (offset + 4 > block::kSize) {
        return;
    }
    const auto v = static_cast<std::uint32_t>(value);
    for (std::size_t k = 0; k < 4; ++k) {
        m_bytes[offset + k] = static_cast<std::uint8_t>((v >> (8 * k)) & 0xFF);
    }
}

std::uint8_t SettingsBlock::button(ButtonField field, int index) const {
    return InRange(index, block::kButtonCount) ? byte(At(static_cast<std::size_t>(field), index))
                                               : 0;
}

void SettingsBlock::setButton(ButtonField field, int index, std::uint8_t value) {
    if (InRange(index, block::kButtonCount)) {
        setByte(At(static_cast<std::size_t>(field), index), value);
    }
}

std::uint8_t SettingsBlock::slot(SlotField field, int index) const {
    return InRange(index, block::kSlotCount) ? byte(At(static_cast<std::size_t>(field), index)) : 0;
}

void SettingsBlock::setSlot(SlotField field, int index, std::uint8_t value) {
    if (InRange(index, block::kSlotCount)) {
        setByte(At(static_cast<std::size_t>(field), index), value);
    }
}

std::uint16_t SettingsBlock::slotLength(int index) const {
    return InRange(index, block::kSlotCount) ? u16(At(block::kSlotLength, 2 * index)) : 0;
}

void SettingsBlock::setSlotLength(int index, std::uint16_t length) {
    if (InRange(index, block::kSlotCount)) {
        setU16(At(block::kSlotLength, 2 * index), length);
    }
}

std::uint8_t SettingsBlock::dpiIndex(int stage) const {
    return InRange(stage, block::kStageCount) ? byte(At(block::kDpiIndex, stage)) : 0;
}

void SettingsBlock::setDpiIndex(int stage, std::uint8_t index) {
    if (InRange(stage, block::kStageCount)) {
        setByte(At(block::kDpiIndex, stage), index);
    }
}

bool SettingsBlock::stageEnabled(int stage) const {
    return InRange(stage, block::kStageCount) && byte(At(block::kStageEnabled, stage)) == 1;
}

void SettingsBlock::setStageEnabled(int stage, bool enabled) {
    if (InRange(stage, block::kStageCount)) {
        setByte(At(block::kStageEnabled, stage), enabled ? 1 : 0);
    }
}

Rgb SettingsBlock::stageColour(int stage) const {
    if (!InRange(stage, block::kStageCount)) {
        return {};
    }
    const std::size_t at = At(block::kStageColour, 3 * stage);
    return {byte(at), byte(at + 1), byte(at + 2)};
}

void SettingsBlock::setStageColour(int stage, Rgb colour) {
    if (!InRange(stage, block::kStageCount)) {
        return;
    }
    const std::size_t at = At(block::kStageColour, 3 * stage);
    setByte(at, colour.red);
    setByte(at + 1, colour.green);
    setByte(at + 2, colour.blue);
}

bool SettingsBlock::gunAssigned(int gunSwitch) const {
    return InRange(gunSwitch, block::kGunSwitchCount) &&
           byte(At(block::kGunAssigned, gunSwitch)) == 1;
}

void SettingsBlock::setGunAssigned(int gunSwitch, bool assigned) {
    if (InRange(gunSwitch, block::kGunSwitchCount)) {
        setByte(At(block::kGunAssigned, gunSwitch), assigned ? 1 : 0);
    }
}

std::uint8_t SettingsBlock::gunButton(int gunSwitch) const {
    return InRange(gunSwitch, block::kGunSwitchCount) ? byte(At(block::kGunButton, gunSwitch))
                                                      : kNone;
}

void SettingsBlock::setGunButton(int gunSwitch, std::uint8_t buttonIndex) {
    if (InRange(gunSwitch, block::kGunSwitchCount)) {
        setByte(At(block::kGunButton, gunSwitch), buttonIndex);
    }
}

std::int32_t SettingsBlock::gunParam(int record, int value) const {
    if (!InRange(record, block::kGunParamRecords) || !InRange(value, 7)) {
        return 0;
    }
    return i32(At(block::kGunParam, 28 * record + 4 * value));
}

void SettingsBlock::setGunParam(int record, int value, std::int32_t v) {
    if (InRange(record, block::kGunParamRecords) && InRange(value, 7)) {
        setI32(At(block::kGunParam, 28 * record + 4 * value), v);
    }
}

void SettingsBlock::clearGunParam(int record) {
    if (InRange(record, block::kGunParamRecords)) {
        fill(At(block::kGunParam, 28 * record), block::kGunParamSize, 0);
    }
}

std::span<std::uint8_t> SettingsBlock::macroArea(int area) {
    if (!InRange(area, block::kSlotCount)) {
        return {};
    }
    return std::span(m_bytes).subspan(
        At(block::kMacroImage, 0) + static_cast<std::size_t>(area) * block::kMacroAreaSize,
        block::kMacroAreaSize);
}

std::span<const std::uint8_t> SettingsBlock::macroArea(int area) const {
    if (!InRange(area, block::kSlotCount)) {
        return {};
    }
    return std::span(m_bytes).subspan(
        block::kMacroImage + static_cast<std::size_t>(area) * block::kMacroAreaSize,
        block::kMacroAreaSize);
}

}  // namespace gx508
