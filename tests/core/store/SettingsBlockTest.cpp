// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SettingsBlock.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/store/BlockDefaults.h"
#include "core/store/SharedState.h"

namespace gx508 {
namespace {

std::vector<std::size_t> ChangedOffsets(const SettingsBlock& before, const SettingsBlock& after) {
    std::vector<std::size_t> changed;
    for (std::size_t k = 0; k < block::kSize; ++k) {
        if (before.byte(k) != after.byte(k)) {
            changed.push_back(k);
        }
    }
    return changed;
}

TEST(SettingsBlockTest, TypedAccessorsReachTheirBytes) {
    SettingsBlock b;
    b.setButton(ButtonField::Category, 3, 7);
    b.setButton(ButtonField::MacroRunMode, 11, 2);
    b.setSlot(SlotField::Owner, 11, 4);
    b.setSlotLength(2, 0x1234);
    b.setStageColour(5, {1, 2, 3});
    b.setGunParam(1, 4, -10);
    b.setGunButton(3, 9);

    EXPECT_EQ(b.byte(72), 7);
    EXPECT_EQ(b.byte(296), 2);
    EXPECT_EQ(b.byte(65397), 4);
    EXPECT_EQ(b.byte(65366), 0x34);  // little-endian
    EXPECT_EQ(b.byte(65367), 0x12);
    EXPECT_EQ(b.byte(45), 1);
    EXPECT_EQ(b.byte(47), 3);
    const std::size_t value4 = 65212 + 28 + 16;
    EXPECT_EQ(b.byte(value4), 0xF6);
    EXPECT_EQ(b.byte(value4 + 3), 0xFF);
    EXPECT_EQ(b.gunParam(1, 4), -10);
    EXPECT_EQ(b.byte(65207), 9);

    ASSERT_EQ(b.macroArea(11).size(), 3074u);
    EXPECT_EQ(b.macroArea(11).data(), b.bytes().data() + 309 + 11 * 3074);
    EXPECT_EQ(b.macroArea(11).data() + 3074, b.bytes().data() + 37197);
}

TEST(SettingsBlockTest, OutOfRangeIndexesNeitherReadNorWriteAnotherField) {
    SettingsBlock b;
    b.fill(0, block::kSize, 0x5A);
    const SettingsBlock before = b;
    for (int bad : {-1, 12, 200}) {
        b.setButton(ButtonField::Category, bad, 1);
        b.setSlot(SlotField::InUse, bad, 1);
        b.setSlotLength(bad, 1);
        b.setGunButton(bad + (bad == 12 ? -8 : 0), 1);
        b.setGunParam(bad, 0, 1);
        b.setDpiIndex(bad, 1);
        EXPECT_EQ(b.button(ButtonField::Category, bad), 0);
        EXPECT_EQ(b.slotLength(bad), 0);
        EXPECT_TRUE(b.macroArea(bad).empty());
    }
    b.setByte(block::kSize, 1);
    b.setU16(block::kSize - 1, 0xFFFF);
    b.fill(block::kSize - 2, 100, 0x5A);
    EXPECT_EQ(b, before);
}

class BlockDefaultsTest : public ::testing::Test {
  protected:
    std::unique_ptr<SharedState> MakeState(int profile, std::uint8_t fillByte) {
        auto state = std::make_unique<SharedState>("/nonexistent", m_log);
        state->texts = LanguageTable::For("EN");
        state->currentProfile = profile;
        state->block.fill(0, block::kSize, fillByte);
        return state;
    }
    NullLog m_log;
};

TEST_F(BlockDefaultsTest, StartupResetFreesSlotsAndGunBindingsOnly) {
    auto state = MakeState(0, 0);
    state->gunNames[3] = "mine";
    StartupReset(*state);

    for (std::size_t k = 0; k < block::kSize; ++k) {
        const bool freed =
            (k >= 65204 && k <= 65207) || (k >= 65325 && k <= 65360) || (k >= 65386 && k <= 65397);
        ASSERT_EQ(state->block.byte(k), freed ? 255 : 0) << "offset " << k;
    }
    EXPECT_EQ(state->gunNames[0], "Snipe");
    EXPECT_EQ(state->gunNames[1], "AKM");
    EXPECT_EQ(state->gunNames[2], "Standard Gun");
    EXPECT_EQ(state->gunNames[3], "mine");
}

TEST_F(BlockDefaultsTest, CodeDefaultsWriteTheFactoryValuesAndKeepEverythingElse) {
    auto state = MakeState(0, 0xAB);
    ApplyCodeDefaults(*state);
    const SettingsBlock& b = state->block;

    struct Expect {
        std::size_t offset;
        std::uint8_t value;
    };
    const std::vector<Expect> named = {
        {8, 1},       {12, 2},      {13, 2},    {14, 4},    {19, 54},    {22, 1},    {27, 1},
        {30, 255},    {31, 0},      {33, 0},    {35, 255},  {48, 255},   {50, 255},  {51, 0},
        {54, 1},      {55, 5},      {57, 5},    {59, 255},  {60, 0},     {61, 6},    {62, 3},
        {63, 6},      {66, 6},      {67, 5},    {68, 5},    {69, 0},     {72, 16},   {73, 15},
        {74, 6},      {76, 13},     {77, 4},    {78, 3},    {80, 13},    {81, 13},   {84, 2},
        {85, 1},      {93, 2},      {94, 1},    {95, 0},    {104, 0},    {184, 0},   {296, 0},
        {298, 2},     {300, 2},     {65200, 1}, {65203, 1}, {65204, 11}, {65206, 9}, {65324, 0},
        {65325, 255}, {65330, 255}, {65331, 0}, {65333, 2}, {65343, 1},  {65355, 1}, {65361, 0},
        {65386, 255}, {65391, 255}};
    for (const auto& e : named) {
        EXPECT_EQ(b.byte(e.offset), e.value) << "offset " << e.offset;
    }
    EXPECT_EQ(b.gunParam(0, 2), 20);
    EXPECT_EQ(b.gunParam(2, 3), 0);
    EXPECT_EQ(b.gunParam(0, 4), -14);
    EXPECT_EQ(b.gunParam(1, 4), -10);
    EXPECT_EQ(b.gunParam(2, 4), -20);
    EXPECT_EQ(b.gunParam(2, 6), 1);
    EXPECT_EQ(b.i32(37200 + 56 + 16), -20);  // the second copy of record 2
    EXPECT_EQ(b.slotLength(5), 0);
    EXPECT_EQ(state->gunNames[3], "");

    const std::vector<std::size_t> kept = {0,     1,     7,     20,    21,    28,    58,
                                           297,   301,   308,   309,   37196, 37199, 37284,
                                           65199, 65207, 65212, 65216, 65232, 65336, 65346,
                                           65348, 65381, 65385, 65394, 65397, 65399};
    for (std::size_t offset : kept) {
        EXPECT_EQ(b.byte(offset), 0xAB) << "offset " << offset;
    }
    EXPECT_EQ(b.slotLength(6), 0xABAB) << "the next apply sets the built-in lengths";
}

TEST_F(BlockDefaultsTest, OnlyTheGamingProfileHasAnotherButtonMap) {
    auto standard = MakeState(0, 0);
    ApplyCodeDefaults(*standard);
    for (int profile : {2, 5}) {
        auto other = MakeState(profile, 0);
        ApplyCodeDefaults(*other);
        EXPECT_EQ(other->block, standard->block) << "profile " << profile;
    }

    auto gaming = MakeState(kGamingProfile, 0);
    ApplyCodeDefaults(*gaming);
    const std::vector<std::size_t> expected = {72, 73, 76, 77, 78, 79, 80, 184};
    EXPECT_EQ(ChangedOffsets(standard->block, gaming->block), expected);
    const std::vector<std::uint8_t> gamingMap = {0, 1, 2, 23, 22, 6, 6, 10, 20, 19, 19, 19};
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(gaming->block.button(ButtonField::Category, i),
                  gamingMap[static_cast<std::size_t>(i)]);
    }
    EXPECT_EQ(gaming->block.button(ButtonField::KeyboardKey, 7), 5);
}

TEST_F(BlockDefaultsTest, SavePointAndRevertCopyTheWholeBlock) {
    auto state = MakeState(0, 0);
    ApplyCodeDefaults(*state);
    state->savePoint();
    state->block.setByte(block::kXSensitivity, 11);
    state->block.macroArea(3)[100] = 9;
    EXPECT_NE(state->block, state->saved);
    state->revert();
    EXPECT_EQ(state->block, state->saved);
    EXPECT_EQ(state->block.byte(block::kXSensitivity), 5);
}

}  // namespace
}  // namespace gx508
