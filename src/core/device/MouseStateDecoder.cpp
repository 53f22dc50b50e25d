// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MouseStateDecoder.h"

#include <algorithm>

#include "core/device/ReportFrame.h"

namespace gx508 {

namespace {

struct PendingTransfer {
    std::uint8_t code = 0;
    std::uint8_t sub = 0;
    std::size_t length = 0;
    std::vector<std::uint8_t> payload;
};

template <std::size_t N>
std::array<std::uint8_t, N> Take(const std::vector<std::uint8_t>& payload) {
    std::array<std::uint8_t, N> out{};
    std::copy_n(payload.begin(), std::min(N, payload.size()), out.begin());
    return out;
}

void Finish(MouseState& state, const PendingTransfer& t) {
    switch (t.code) {
        case 0x10:
            state.colours = Take<21>(t.payload);
            break;
        case 0x11:
            state.dpiCodes = Take<6>(t.payload);
            break;
        case 0x12:
            if (t.sub >= 1 && t.sub <= 4) {
                std::array<KeyCode, 16> table{};
                for (std::size_t e = 0; e < 16 && 4 * e + 3 < t.payload.size(); ++e) {
                    std::copy_n(t.payload.begin() + static_cast<std::ptrdiff_t>(4 * e), 4,
                                table[e].begin());
                }
                state.keyTables[t.sub - 1u] = table;
            }
            break;
        case 0x13:
            state.macroBlocks[t.sub] = t.payload;
            break;
        default:
            break;
    }
}

void Command(MouseState& state, const std::vector<std::uint8_t>& r) {
    switch (r[1]) {
        case 0x01:
            state.reportRate = r[2];
            break;
        case 0x0E:
            state.xSensitivity = r[2];
            state.ySensitivity = r[3];
            break;
        case 0x0D:
            state.lighting = std::array<std::uint8_t, 3>{r[2], r[3], r[4]};
            break;
        case 0x02:
            ++state.keyTablesCommitted;
            break;
        case 0x04:
            if (r[6] < 4) {
                state.gunSlotLengths[r[6]] = static_cast<std::uint16_t>((r[2] | (r[3] << 8)) * 2);
            }
            break;
        case 0x0B:
            if (r[2] == 0x02) {
                ++state.factoryResets;
            }
            break;
        default:
            break;
    }
}

}  // namespace

std::vector<std::uint8_t> MouseState::gunStream() const {
    std::vector<std::uint8_t> stream;
    for (int b = 6; macroBlocks.count(b) != 0; ++b) {
        const auto& block = macroBlocks.at(b);
        stream.insert(stream.end(), block.begin(), block.end());
    }
    return stream;
}

MouseState DecodeMouseState(const std::vector<WireEvent>& events) {
    MouseState state;
    std::optional<PendingTransfer> transfer;
    for (const WireEvent& e : events) {
        if (e.kind == WireEvent::Kind::GetFeature) {
            continue;
        }
        const std::size_t frame =
            e.kind == WireEvent::Kind::Output ? kOutputFrameSize : kFeatureFrameSize;
        if (e.bytes.size() < frame) {
            ++state.shortReports;
            continue;
        }
        if (e.kind == WireEvent::Kind::Output) {
            if (!transfer) {
                ++state.strayOutputs;
                continue;
            }
            const std::size_t want = transfer->length - transfer->payload.size();
            const std::size_t n = std::min(want, kOutputPayloadSize);
            transfer->payload.insert(transfer->payload.end(), e.bytes.begin() + 1,
                                     e.bytes.begin() + 1 + static_cast<std::ptrdiff_t>(n));
            if (transfer->payload.size() == transfer->length) {
                Finish(state, *transfer);
                transfer.reset();
            }
            continue;
        }
        const std::vector<std::uint8_t>& r = e.bytes;
        CommandBytes c{};
        std::copy_n(r.begin() + 1, 7, c.begin());
        if (CommandChecksum(c) != r[8]) {
            ++state.badChecksums;
        }
        transfer.reset();
        if (r[1] >= 0x10 && r[1] <= 0x13) {
            transfer = PendingTransfer{r[1], r[2], r[3], {}};
            if (transfer->length == 0) {
                Finish(state, *transfer);
                transfer.reset();
            }
            continue;
        }
        Command(state, r);
    }
    return state;
}

}  // namespace gx508
