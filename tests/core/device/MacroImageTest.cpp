// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MacroImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/gun/BuiltInGunMacros.h"
#include "core/macro/MacroStore.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Names = std::vector<std::string>;

class MacroImageTest : public ::testing::Test {
  protected:
    MacroImageTest() {
        // The start-up reset: every slot free.
        m_block.fill(block::kSlotMacro, 36, kNone);
        m_block.fill(block::kSlotOwner, 12, kNone);
    }

    void bind(int slot, std::uint8_t kind, std::uint8_t number) {
        m_block.setSlot(SlotField::InUse, slot, 1);
        m_block.setSlot(SlotField::Kind, slot, kind);
        m_block.setSlot(SlotField::MacroNumber, slot, number);
    }

    void saveMacros(MacroKind kind, const std::vector<MacroRecord>& macros) {
        Names names;
        for (const MacroRecord& m : macros) {
            names.push_back(m.name);
            ASSERT_TRUE(SaveMacro(m_store, m));
        }
        ASSERT_TRUE(SaveNameList(m_store, kind, names));
    }

    Bytes meaningful(int slot) const {
        const auto area = m_block.macroArea(slot);
        return Bytes(area.begin(), area.begin() + m_block.slotLength(slot));
    }

    bool zeroFrom(int slot, std::size_t from) const {
        const auto area = m_block.macroArea(slot);
        return std::all_of(area.begin() + static_cast<std::ptrdiff_t>(from), area.end(),
                           [](std::uint8_t b) { return b == 0; });
    }

    test::TempFolder m_folder;
    std::filesystem::path m_store = m_folder / "record.ini";
    SettingsBlock m_block;
    RecordingLog m_log;
};

TEST_F(MacroImageTest, MissingStoreChangesNothing) {
    bind(0, 0, 0);
    m_block.fill(block::kMacroImage, 10 * 3074, 0x5A);
    const SettingsBlock before = m_block;
    BuildMacroImage(m_block, m_store, m_log);
    EXPECT_EQ(m_block, before);
}

TEST_F(MacroImageTest, BuildsBoundMacrosAndGunMacros) {
    saveMacros(MacroKind::Macro, {{"Builder", false, "1", {"A   Dn", "300 ms", "A   Up"}},
                                  {"Empty", false, "7", {}}});
    saveMacros(MacroKind::Gun, {{"Snipe", false, "1", {"A   Dn"}},
                                {"AKM", false, "1", {}},
                                {"Standard Gun", false, "1", {}},
                                {"GUN_4", false, "3", {"X: 0", "Y: -5", "30 ms"}}});
    bind(0, 0, 0);  // a plain macro at position 0 is encoded like any other
    bind(1, 0, 1);  // an empty macro
    bind(2, 0, 7);  // a position past the list
    for (int n = 0; n < 3; ++n) {
        bind(6 + n, 1, static_cast<std::uint8_t>(n));
    }
    bind(9, 1, 3);
    m_block.fill(block::kMacroImage, 12 * 3074, 0x5A);

    BuildMacroImage(m_block, m_store, m_log);

    EXPECT_EQ(meaningful(0),
              (Bytes{0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00, 0x06, 0x85, 0x04, 0, 0}));
    EXPECT_EQ(meaningful(1), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(meaningful(2), (Bytes{0, 0, 0, 0}));
    for (int n = 0; n < 3; ++n) {
        const auto image = BuiltInGunMacro(n);
        EXPECT_EQ(meaningful(6 + n), Bytes(image.begin(), image.end())) << n;
    }
    EXPECT_EQ(meaningful(9), (Bytes{0x00, 0x03, 0x0F, 0xFA, 0x00, 0xFB, 0, 0}));
    for (int slot : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
        EXPECT_TRUE(zeroFrom(slot, m_block.slotLength(slot))) << slot;
    }
    EXPECT_EQ(m_block.macroArea(10)[0], 0x5A);  // areas 10 and 11 are never built
    EXPECT_EQ(m_log.lines(), (Names{"Builder\n", "Empty\n", "\n", "Snipe\n", "AKM\n",
                                    "Standard Gun\n", "GUN_4\n"}));
}

TEST_F(MacroImageTest, HostileSlotTableStaysInsideTheSlots) {
    saveMacros(MacroKind::Gun, {{"a", false, "1", {}},
                                {"b", false, "1", {}},
                                {"c", false, "1", {}},
                                {"d", false, "1", {"A   Dn"}}});
    bind(0, 7, 3);                            // kind 7 reads as a gun macro
    bind(1, 7, 0);                            // and takes the built-in data
    bind(3, 0, 200);                          // a macro number far past the list
    m_block.setSlot(SlotField::InUse, 4, 2);  // not 1: not in use
    m_block.setSlotLength(4, 65535);
    m_block.setSlotLength(5, 1234);
    m_block.fill(block::kMacroImage, 12 * 3074, 0x5A);
    SettingsBlock before = m_block;

    BuildMacroImage(m_block, m_store, m_log);

    EXPECT_EQ(meaningful(0), (Bytes{0, 1, 0x05, 0x04, 0, 0}));
    EXPECT_EQ(m_block.slotLength(1), 504);
    EXPECT_EQ(meaningful(3), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(m_block.slotLength(4), 65535);
    EXPECT_TRUE(zeroFrom(4, 0));
    EXPECT_EQ(m_block.slotLength(5), 1234);
    // Outside areas 0..9 only the length words of slots 0, 1 and 3 changed.
    for (std::size_t k = 0; k < block::kSize; ++k) {
        const bool inImage = k >= block::kMacroImage && k < block::kMacroImage + 10 * 3074;
        const bool changedLength = k == block::kSlotLength + 0 || k == block::kSlotLength + 1 ||
                                   k == block::kSlotLength + 2 || k == block::kSlotLength + 3 ||
                                   k == block::kSlotLength + 6 || k == block::kSlotLength + 7;
        if (!inImage && !changedLength) {
            ASSERT_EQ(m_block.byte(k), before.byte(k)) << k;
        }
    }
}

TEST_F(MacroImageTest, HostileStoreGivesBoundedSlots) {
    test::WriteText(
        m_store,
        "[MacroName]\nMacroCount=3\n0=huge\n1=neg\n2=text\n"
        "[huge]\nMacroLoopTimes=99999\nItemCount=100000000\nItem0=A   Dn\nItem1=999999 ms\n"
        "Item2=" +
            std::string(2000, 'x') +
            "\nItem3=Nope   Up\nItem4=\n"
            "[neg]\nMacroLoopTimes=2\nItemCount=-3\nItem0=A   Dn\n"
            "[text]\nMacroLoopTimes=abc\nItemCount=two\nItem0=A   Dn\n");
    bind(0, 0, 0);
    bind(1, 0, 1);
    bind(2, 0, 2);
    BuildMacroImage(m_block, m_store, m_log);
    EXPECT_EQ(meaningful(0), (Bytes{0, 1, 0x31, 0x04, 0x00, 0x02, 0x4E, 0x1F, 0x85, 0x00, 0, 0}));
    EXPECT_EQ(meaningful(1), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(meaningful(2), (Bytes{0, 0, 0, 0}));
}

// Three long gun macros in slots 6..8: the later ones stop where the stream would overflow,
// so the stream built from them is always sent whole.
TEST_F(MacroImageTest, GunSlotsStayWithinTheStream) {
    const std::vector<std::string> presses(300, "A   Dn");  // 604 bytes each when whole
    saveMacros(MacroKind::Gun, {{"a", false, "1", {}},
                                {"b", false, "1", {}},
                                {"c", false, "1", {}},
                                {"x", false, "1", presses},
                                {"y", false, "1", presses},
                                {"z", false, "1", presses}});
    bind(6, 1, 3);
    bind(7, 1, 4);
    bind(8, 1, 5);
    bind(9, 1, 5);
    const std::vector<CutMacro> cut = BuildMacroImage(m_block, m_store, m_log);

    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].slot, 8);
    EXPECT_EQ(cut[0].name, "z");
    EXPECT_EQ(cut[0].length, 454);
    EXPECT_EQ(m_block.slotLength(6), 604);
    EXPECT_EQ(m_block.slotLength(7), 604);
    EXPECT_EQ(m_block.slotLength(8), 454);  // 1663 - 1208 = 455 leaves 225 whole records
    EXPECT_EQ(m_block.slotLength(9), 604);  // slot 9 is not part of the stream
    EXPECT_EQ(meaningful(8)[451], 0x04);
    EXPECT_EQ(meaningful(8)[453], 0x00);
    EXPECT_TRUE(zeroFrom(8, 454));
    EXPECT_EQ(m_log.lines()[2], "Macro z in slot 8 cut to 454 bytes\n");

    const GunMacroStream stream = BuildGunMacroStream(m_block, false);
    EXPECT_TRUE(stream.notes.empty());
    EXPECT_EQ(stream.blocks, 13);
}

TEST_F(MacroImageTest, SharedStateBuildsFromItsStore) {
    RecordingLog log;
    SharedState state(m_folder.path(), log);
    state.block = m_block;
    saveMacros(MacroKind::Macro, {{"m", false, "2", {"B   Up"}}});
    state.block.setSlot(SlotField::InUse, 4, 1);
    state.block.setSlot(SlotField::Kind, 4, 0);
    state.block.setSlot(SlotField::MacroNumber, 4, 0);
    BuildMacroImage(state);
    EXPECT_EQ(state.block.slotLength(4), 6);
    EXPECT_EQ(state.block.macroArea(4)[2], 0x85);
    EXPECT_EQ(log.lines(), Names{"m\n"});
}

}  // namespace
}  // namespace gx508
