// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ApplySequence.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/device/Connection.h"
#include "core/device/DeviceLink.h"
#include "core/device/MouseStateDecoder.h"
#include "core/device/VirtualMouse.h"
#include "core/device/WireTrace.h"
#include "core/gun/BuiltInGunMacros.h"
#include "core/store/BlockDefaults.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

// The pauses of one apply of a block whose macro upload carries 7 gun stream blocks:
// 0x01 and 0x0E (10 + 50 each), DPI and colours (one report + transfer each), four key
// matrices (two reports + two 50 ms each), 0x02, twelve macro blocks (four reports + 50 ms
// each), four 0x04 commands and 0x0D.
constexpr int kDefaultApplyMs = 60 + 60 + 150 + 150 + 4 * 300 + 10 + 12 * 450 + 40 + 10;

std::vector<std::uint8_t> CommandCodes(const std::vector<WireEvent>& events) {
    std::vector<std::uint8_t> codes;
    for (const WireEvent& e : events) {
        if (e.kind == WireEvent::Kind::SetFeature) {
            codes.push_back(e.bytes[1]);
        }
    }
    return codes;
}

// One step of the apply sequence as the mouse sees it: a command, or a block header with its
// block number followed by its payload reports (each report is followed by 100 ms), then the
// pauses that come after the step.
struct WireStep {
    std::uint8_t code;
    int block = 0;
    int reports = 0;
    std::vector<int> pauses;
};

constexpr bool IsBlockHeader(std::uint8_t code) {
    return code >= 0x10 && code <= 0x13;
}

std::string StepLine(std::uint8_t code, int block) {
    char line[24];
    if (IsBlockHeader(code)) {
        std::snprintf(line, sizeof line, "block %02X %d", code, block);
    } else {
        std::snprintf(line, sizeof line, "command %02X", code);
    }
    return line;
}

// The wire trace reduced to what the order is made of: "command 01", "block 13 6" (code and
// number of a header), "report", "SLEEP 50".
std::string OrderLine(const std::string& traceLine) {
    static constexpr std::string_view kSet = "SET_FEATURE 00 ";
    if (traceLine.starts_with(kSet)) {
        const auto byteAt = [&](std::size_t index) {
            return static_cast<std::uint8_t>(std::stoi(traceLine.substr(index, 2), nullptr, 16));
        };
        return StepLine(byteAt(kSet.size()), byteAt(kSet.size() + 3));
    }
    if (traceLine.starts_with("OUTPUT")) {
        return "report";
    }
    return traceLine;
}

// The lines the steps put on the wire, one a line, so that a failure shows where they differ.
std::string OrderOf(const std::vector<WireStep>& steps) {
    std::string lines;
    for (const WireStep& step : steps) {
        lines += StepLine(step.code, step.block) + '\n';
        for (int r = 0; r < step.reports; ++r) {
            lines += "report\nSLEEP 100\n";
        }
        for (int ms : step.pauses) {
            lines += "SLEEP " + std::to_string(ms) + '\n';
        }
    }
    return lines;
}

// The whole apply of the factory profile, whose gun macros make a seven-block stream.
const std::vector<WireStep> kFactoryApply = {
    {0x01, 0, 0, {10, 50}},  // report rate
    {0x0E, 0, 0, {10, 50}},  // sensitivity
    {0x11, 6, 1, {50}},      // DPI stage codes
    {0x10, 1, 1, {50}},      // colours
    {0x12, 1, 2, {50, 50}},  // key matrix 1: the transfer's pause, then the matrix's
    {0x12, 2, 2, {50, 50}},  // key matrix 2
    {0x12, 3, 2, {50, 50}},  // key matrix 3
    {0x12, 4, 2, {50, 50}},  // key matrix 4
    {0x02, 0, 0, {10}},      // the key matrices take effect
    {0x13, 1, 4, {50}},      // macro slot 0
    {0x13, 2, 4, {50}},      // macro slot 1
    {0x13, 3, 4, {50}},      // macro slot 2
    {0x13, 4, 4, {50}},      // macro slot 3
    {0x13, 5, 4, {50}},      // macro slot 4
    {0x13, 6, 4, {50}},      // gun stream bytes 0..127
    {0x13, 7, 4, {50}},      // gun stream bytes 128..255
    {0x13, 8, 4, {50}},      // gun stream bytes 256..383
    {0x13, 9, 4, {50}},      // gun stream bytes 384..511
    {0x13, 10, 4, {50}},     // gun stream bytes 512..639
    {0x13, 11, 4, {50}},     // gun stream bytes 640..767
    {0x13, 12, 4, {50}},     // gun stream bytes 768..895, 92 of them meaningful
    {0x04, 0, 0, {10}},      // gun slot 6 length
    {0x04, 0, 0, {10}},      // gun slot 7 length
    {0x04, 0, 0, {10}},      // gun slot 8 length
    {0x04, 0, 0, {10}},      // gun slot 9 length
    {0x0D, 0, 0, {10}},      // lighting
};

class ApplySequenceTest : public ::testing::Test {
  protected:
    ApplySequenceTest() : state(std::make_unique<SharedState>(folder.path(), log)) {
        test::WriteText(folder / "record.ini",
                        "[MacroName]\r\nMacroCount=0\r\n0=\r\n[GunMacroName]\r\nMacroCount=3\r\n"
                        "0=Snipe\r\n1=AKM\r\n2=Standard Gun\r\n");
        state->texts = LanguageTable::For("EN");
        StartupReset(*state);
        ApplyCodeDefaults(*state);
        EXPECT_TRUE(link.FindMouse());
        mouse.clearEvents();
    }

    Status Apply() {
        CommandChannel channel{link.commandDevice(), pacer, log};
        return ApplyAndSave(*state, channel, pointer, link.connected());
    }

    test::TempFolder folder;
    RecordingLog log;
    std::unique_ptr<SharedState> state;
    VirtualMouse mouse;
    DeviceLink link{mouse, log};
    RecordingPacer pacer;
    RecordingPointerBackend pointer;
};

TEST_F(ApplySequenceTest, TheFactoryProfileReachesTheMouse) {
    ASSERT_TRUE(Apply());
    const auto events = mouse.events();
    const MouseState m = DecodeMouseState(events);

    std::vector<std::uint8_t> codes = {0x01, 0x0E, 0x11, 0x10, 0x12, 0x12, 0x12, 0x12, 0x02};
    codes.insert(codes.end(), 12, 0x13);
    codes.insert(codes.end(), {0x04, 0x04, 0x04, 0x04, 0x0D});
    EXPECT_EQ(CommandCodes(events), codes);
    EXPECT_EQ(m.badChecksums, 0);
    EXPECT_EQ(m.strayOutputs, 0);

    EXPECT_EQ(m.reportRate, 2);
    EXPECT_EQ(m.xSensitivity, 100);
    EXPECT_EQ(m.ySensitivity, 100);
    EXPECT_EQ(m.dpiCodes, (std::array<std::uint8_t, 6>{4, 9, 19, 29, 39, 0x5D}));
    EXPECT_EQ(m.colours,
              (std::array<std::uint8_t, 21>{255, 0, 0,   0,   0,   255, 0,   255, 0, 255, 255,
                                            0,   0, 255, 255, 255, 0,   255, 255, 0, 255}));
    EXPECT_EQ(m.lighting, (std::array<std::uint8_t, 3>{1, 5, 2}));
    EXPECT_EQ(m.keyTablesCommitted, 1);

    // Key matrix 1 of the standard map: button 1 and 2 trade entries, so do 7 and 11.
    const std::array<KeyCode, 16> matrix1 = {{{0x01, 0x00, 0xF0, 0x00},
                                              {0x01, 0x00, 0xF2, 0x00},
                                              {0x01, 0x00, 0xF1, 0x00},
                                              {0x01, 0x00, 0xF6, 0x00},
                                              {0x01, 0x00, 0xF5, 0x00},
                                              {0x07, 0x00, 0x01, 0x00},
                                              {0x07, 0x00, 0x02, 0x00},
                                              {0, 0, 0, 0},
                                              {0x01, 0x00, 0xF3, 0x00},
                                              {0x01, 0x00, 0xF4, 0x00},
                                              {0, 0, 0, 0},
                                              {0, 0, 0, 0},
                                              {0, 0, 0, 0},
                                              {0, 0, 0, 0},
                                              {0x01, 0x00, 0xF7, 0x00},
                                              {0x01, 0x00, 0xF8, 0x00}}};
    ASSERT_TRUE(m.keyTables[0]);
    EXPECT_EQ(*m.keyTables[0], matrix1);
    for (int k = 1; k < 4; ++k) {
        ASSERT_TRUE(m.keyTables[static_cast<std::size_t>(k)]);
        EXPECT_EQ((*m.keyTables[static_cast<std::size_t>(k)])[0],
                  (KeyCode{0x09, 0x02, static_cast<std::uint8_t>(k + 5), 0x00}));
    }

    // The built-in gun macros of slots 6..8 travel as one 860-byte stream in blocks 6..12.
    EXPECT_EQ(m.gunSlotLengths[0], 504);
    EXPECT_EQ(m.gunSlotLengths[1], 292);
    EXPECT_EQ(m.gunSlotLengths[2], 64);
    EXPECT_EQ(m.gunSlotLengths[3], 0);
    const std::vector<std::uint8_t> stream = m.gunStream();
    ASSERT_EQ(stream.size(), 7u * 128u);
    std::vector<std::uint8_t> expected;
    for (int n = 0; n < 3; ++n) {
        const auto macro = BuiltInGunMacro(n);
        expected.insert(expected.end(), macro.begin(), macro.end());
    }
    expected.resize(stream.size(), 0);
    EXPECT_EQ(stream, expected);
    EXPECT_EQ(m.macroBlocks.count(13), 0u);
    for (int b = 1; b <= 5; ++b) {
        EXPECT_EQ(m.macroBlocks.at(b), std::vector<std::uint8_t>(128, 0)) << "no macro bound";
    }

    EXPECT_EQ(pacer.total(), kDefaultApplyMs);
    EXPECT_EQ(pointer.calls(), (std::vector<std::string>{"precision off", "speed 10", "wheel 3",
                                                         "double-click 550"}));
    EXPECT_EQ(test::ReadBytes(folder / "config0.bin").size(), 65401u);
    EXPECT_EQ(state->saved, state->block);
    EXPECT_EQ(state->device[devicebuf::kStagedReportRate], 2);
}

TEST_F(ApplySequenceTest, CommandsReportsAndPausesFollowTheProtocolsOrder) {
    std::string trace;
    const TraceSink sink = [&trace](const std::string& line) { trace += OrderLine(line) + '\n'; };
    link.setTrace(sink);
    ASSERT_TRUE(link.FindMouse());
    TracingPacer tracingPacer(pacer, sink);
    CommandChannel channel{link.commandDevice(), tracingPacer, log};

    ASSERT_TRUE(ApplyAndSave(*state, channel, pointer, true));
    EXPECT_EQ(trace, OrderOf(kFactoryApply)) << "Apply";

    trace.clear();
    test::WriteBytes(folder / "config.bin", std::vector<std::uint8_t>(65401, 0));
    ASSERT_TRUE(RestoreDefaults(*state, channel, pointer, true));
    std::vector<WireStep> restore = kFactoryApply;
    restore.push_back({0x0B, 0, 0, {10}});  // back to the factory settings, after everything else
    EXPECT_EQ(trace, OrderOf(restore)) << "Restore defaults";
}

TEST_F(ApplySequenceTest, AFailingMouseNeverStopsTheSequenceOrTheSave) {
    struct Case {
        const char* name;
        void (*fault)(VirtualMouse&);
    };
    const std::vector<Case> cases = {
        {"unplugged mid-apply", [](VirtualMouse& m) { m.unplugAfterReports(20); }},
        {"writes fail", [](VirtualMouse& m) { m.setWritesFail(true); }},
    };
    for (const Case& c : cases) {
        mouse.replug();
        mouse.setWritesFail(false);
        ASSERT_TRUE(link.FindMouse());
        std::filesystem::remove(folder / "config0.bin");
        state->saved = SettingsBlock();
        pacer = RecordingPacer();
        c.fault(mouse);

        EXPECT_FALSE(Apply()) << c.name;
        EXPECT_EQ(pacer.total(), kDefaultApplyMs) << c.name;
        EXPECT_EQ(test::ReadBytes(folder / "config0.bin").size(), 65401u) << c.name;
        EXPECT_EQ(state->saved, state->block) << c.name;
    }

    mouse.replug();
    mouse.setWritesFail(false);
    ASSERT_TRUE(HandleArrival(link, *state, pacer));
    mouse.clearEvents();
    EXPECT_TRUE(Apply()) << "the next arrival works";
    EXPECT_EQ(DecodeMouseState(mouse.events()).keyTablesCommitted, 1);
}

TEST_F(ApplySequenceTest, OutOfRangeValuesStillGiveACompleteSequence) {
    SettingsBlock& b = state->block;
    const std::uint8_t categories[12] = {12, 14, 24, 17, 30, 99, 128, 200, 254, 255, 21, 18};
    for (int i = 0; i < 12; ++i) {
        b.setButton(ButtonField::Category, i, categories[i]);
    }
    b.fill(block::kDpiIndex, 6, 255);
    b.setByte(block::kReportRate, 3);
    b.setByte(block::kLightingMode, 9);
    for (int s = 0; s < 12; ++s) {
        b.setSlotLength(s, 65535);
    }
    EXPECT_TRUE(Apply());
    const MouseState m = DecodeMouseState(mouse.events());
    EXPECT_EQ(m.reportRate, 3);
    EXPECT_EQ(m.dpiCodes, (std::array<std::uint8_t, 6>{}));
    EXPECT_EQ(m.lighting, (std::array<std::uint8_t, 3>{9, 0, 0}));
    EXPECT_EQ(m.keyTablesCommitted, 1);
    const std::array<KeyCode, 16>& table = *m.keyTables[0];
    EXPECT_EQ(table[3], (KeyCode{0x07, 0x00, 0x04, 0x04}));
    EXPECT_EQ(table[8], (KeyCode{0, 0, 0, 0}));
    EXPECT_EQ(table[10], (KeyCode{0x00, 0x00, 0x06, 0x2C}));
    EXPECT_EQ(table[7], (KeyCode{0x08, 0x00, 0x02, 0x00})) << "button 11 sits in entry 7";
    EXPECT_EQ(table[11], (KeyCode{0, 0, 0, 0}));
    EXPECT_EQ(m.gunSlotLengths[3], 65534) << "a free slot's length is sent as loaded";
    EXPECT_EQ(test::ReadBytes(folder / "config0.bin").size(), 65401u);
}

// Gun slot lengths loaded without a macro store to rebuild them that add up to more than the
// stream holds: the mouse is told only of the gun macros it received, whole, and the apply
// completes.
TEST_F(ApplySequenceTest, GunSlotLengthsAlwaysMatchTheGunMacrosSent) {
    std::filesystem::remove(folder / "record.ini");
    struct Case {
        std::array<std::uint16_t, 3> stored;
        std::array<std::uint16_t, 3> sent;
    };
    const Case cases[] = {
        {{1000, 700, 0}, {1000, 0, 0}},   {{1000, 600, 64}, {1000, 600, 0}},
        {{1000, 700, 40}, {1000, 0, 40}}, {{65535, 100, 0}, {0, 100, 0}},
        {{504, 292, 64}, {504, 292, 64}},
    };
    for (const Case& c : cases) {
        SettingsBlock& b = state->block;
        for (int k = 0; k < 3; ++k) {
            const auto area = b.macroArea(6 + k);
            for (std::size_t i = 0; i < area.size(); ++i) {
                area[i] = static_cast<std::uint8_t>(0x60 + 16 * k + i % 7);
            }
            b.setSlotLength(6 + k, c.stored[static_cast<std::size_t>(k)]);
        }
        const SettingsBlock sentBlock = b;
        mouse.clearEvents();
        log.clear();
        EXPECT_TRUE(Apply()) << c.stored[0] << " " << c.stored[1];

        const MouseState m = DecodeMouseState(mouse.events());
        const std::vector<std::uint8_t> stream = m.gunStream();
        std::size_t at = 0;
        for (int k = 0; k < 3; ++k) {
            const std::uint16_t sent = c.sent[static_cast<std::size_t>(k)];
            EXPECT_EQ(m.gunSlotLengths[static_cast<std::size_t>(k)], sent) << "slot " << 6 + k;
            ASSERT_LE(at + sent, stream.size()) << "slot " << 6 + k;
            const auto area = sentBlock.macroArea(6 + k);
            EXPECT_TRUE(std::equal(area.begin(), area.begin() + sent,
                                   stream.begin() + static_cast<std::ptrdiff_t>(at)))
                << "slot " << 6 + k;
            at += sent;
        }
        const bool dropped = c.sent != c.stored;
        EXPECT_EQ(std::any_of(log.lines().begin(), log.lines().end(),
                              [](const std::string& line) {
                                  return line.find("not sent") != std::string::npos;
                              }),
                  dropped)
            << c.stored[0] << " " << c.stored[1];
    }
}

TEST_F(ApplySequenceTest, RestoringDefaultsKeepsTheProfileByteAndTheMacroImageStart) {
    test::WriteBytes(folder / "config.bin", std::vector<std::uint8_t>(65401, 0x33));
    test::WriteText(folder / "str.ini", "[Setting-EN]\r\nItem1=Click\r\n");
    state->block.setByte(block::kProfileIndex, 4);
    state->block.macroArea(0)[7] = 0x42;
    state->block.macroArea(0)[1535] = 0x43;
    const SettingsBlock before = state->saved;
    CommandChannel channel{link.commandDevice(), pacer, log};

    ASSERT_TRUE(RestoreDefaults(*state, channel, pointer, true));
    const auto events = mouse.events();
    const std::vector<std::uint8_t> codes = CommandCodes(events);
    EXPECT_EQ(codes.back(), 0x0B);
    EXPECT_EQ(codes[codes.size() - 2], 0x0D);
    EXPECT_EQ(pacer.pauses().back(), 10);
    const MouseState m = DecodeMouseState(events);
    EXPECT_EQ(m.factoryResets, 1);
    EXPECT_EQ(m.gunSlotLengths[0], 504) << "the built-in images whatever the store holds";
    EXPECT_EQ(state->block.byte(block::kProfileIndex), 4);
    EXPECT_EQ(state->block.byte(block::kReserved20), 0x33) << "the base file is loaded first";
    EXPECT_EQ(state->block.byte(block::kReportRate), 2);
    EXPECT_EQ(state->saved, state->block);
    EXPECT_FALSE(state->defaultsRestored);
    EXPECT_NE(before, state->block);
}

TEST_F(ApplySequenceTest, RestoringDefaultsWithoutTheMouseWritesNoSettingsFile) {
    test::WriteBytes(folder / "config.bin", std::vector<std::uint8_t>(65401, 0x33));
    const SettingsBlock saved = state->saved;
    CommandChannel channel{nullptr, pacer, log};
    EXPECT_TRUE(RestoreDefaults(*state, channel, pointer, false));
    EXPECT_FALSE(std::filesystem::exists(folder / "config0.bin"));
    EXPECT_EQ(state->saved, saved);
    EXPECT_EQ(state->block.byte(block::kReportRate), 2);
    EXPECT_TRUE(std::filesystem::exists(folder / "str.ini")) << "the labels are written";
    EXPECT_EQ(pacer.pauses(), std::vector<int>{10}) << "only the reset command is attempted";
}

}  // namespace
}  // namespace gx508
