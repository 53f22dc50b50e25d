// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "core/device/KeyTable.h"
#include "core/device/VirtualMouse.h"

namespace gx508 {

// What the mouse holds after the reports it received, in its own terms.
struct MouseState {
    std::optional<std::uint8_t> reportRate;    // command 0x01
    std::optional<std::uint8_t> xSensitivity;  // command 0x0E, as sent (value x 20)
    std::optional<std::uint8_t> ySensitivity;
    std::optional<std::array<std::uint8_t, 3>> lighting;              // command 0x0D
    std::optional<std::array<std::uint8_t, 21>> colours;              // 7 x RGB, transfer 0x10
    std::optional<std::array<std::uint8_t, 6>> dpiCodes;              // transfer 0x11
    std::array<std::optional<std::array<KeyCode, 16>>, 4> keyTables;  // transfer 0x12, matrix 1..4
    std::map<int, std::vector<std::uint8_t>>
        macroBlocks;  // transfer 0x13, block number → 128 bytes
    std::array<std::optional<std::uint16_t>, 4> gunSlotLengths;  // command 0x04, bytes (2 x sent)
    int keyTablesCommitted = 0;                                  // command 0x02
    int factoryResets = 0;                                       // command 0x0B 0x02
    int badChecksums = 0;  // feature reports whose checksum is wrong
    int strayOutputs = 0;  // output reports no header announced
    int shortReports = 0;  // reports shorter than their frame (9 or 33 bytes), not decoded

    // The gun macro stream: blocks 6, 7, ... laid end to end.
    std::vector<std::uint8_t> gunStream() const;
};

// Replays the reports in order. A header announces a transfer; the payload reports that follow
// it fill the transfer's bytes. A feature report is decoded only when it holds the whole 9-byte
// frame and an output report only when it holds the whole 33 bytes; a shorter one is counted in
// `shortReports` and changes nothing else.
MouseState DecodeMouseState(const std::vector<WireEvent>& events);

}  // namespace gx508
