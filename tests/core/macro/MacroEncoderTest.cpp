// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/macro/MacroEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace gx508 {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct Encoded {
    Bytes meaningful;  // the first `length` bytes
    EncodedMacro result;
    bool restZero = true;
};

// Encodes into a slot with a guard byte on each side that must survive.
Encoded Encode(const std::vector<std::string>& items, bool gun = false,
               const std::string& loop = "1", std::size_t room = kMacroSlotSize) {
    Bytes buffer(kMacroSlotSize + 2, 0xA5);
    const std::span<std::uint8_t> slot(buffer.data() + 1, kMacroSlotSize);
    Encoded out;
    out.result = EncodeMacro(slot, room, loop, items, gun);
    EXPECT_EQ(buffer.front(), 0xA5);
    EXPECT_EQ(buffer.back(), 0xA5);
    out.meaningful.assign(slot.begin(), slot.begin() + out.result.length);
    for (std::size_t k = out.result.length; k < slot.size(); ++k) {
        out.restZero = out.restZero && slot[k] == 0;
    }
    return out;
}

TEST(MacroEncoderTest, EncodesItemsIntoRecords) {
    struct Case {
        const char* what;
        std::vector<std::string> items;
        bool gun;
        Bytes expected;  // loop count, records, end marker
    };
    const Case cases[] = {
        {"press with a long delay, release with the default",
         {"A   Dn", "300 ms", "A   Up"},
         false,
         {0x00, 0x01, 0x00, 0x04, 0x00, 0x02, 0x00, 0x06, 0x85, 0x04, 0x00, 0x00}},
        {"255 ms is the longest short key delay",
         {"A   Dn", "255 ms"},
         false,
         {0, 1, 0x7F, 0x04, 0, 0}},
        {"256 ms takes the long form",
         {"A   Dn", "256 ms"},
         false,
         {0, 1, 0x06, 0x04, 0x00, 0x02, 0x00, 0x05, 0, 0}},
        {"a release sets the top bit", {"B   Up", "255 ms"}, false, {0, 1, 0xFF, 0x05, 0, 0}},
        {"0 ms and a malformed delay become 10 ms",
         {"A   Dn", "0 ms", "A   Up", "abc ms"},
         false,
         {0, 1, 0x05, 0x04, 0x85, 0x04, 0, 0}},
        {"65535 ms",
         {"A   Dn", "65535 ms"},
         false,
         {0, 1, 0x23, 0x04, 0x00, 0x02, 0x05, 0x1E, 0, 0}},
        {"999999 ms",
         {"A   Dn", "999999 ms"},
         false,
         {0, 1, 0x31, 0x04, 0x00, 0x02, 0x4E, 0x1F, 0, 0}},
        {"a delay beyond the longest count is cut to it",
         {"A   Dn", "99999999 ms"},
         false,
         {0, 1, 0x31, 0x04, 0x00, 0x02, 0xFF, 0xFF, 0, 0}},
        {"only the item right after an event is its delay",
         {"A   Dn", "100 ms", "200 ms", "A   Up"},
         false,
         {0, 1, 0x32, 0x04, 0x85, 0x04, 0, 0}},
        {"mouse buttons and unknown names",
         {"L-Button   Dn", "R-Button   Up", "M-Button   Dn", "Foo   Dn", "   Up"},
         false,
         {0, 1, 0x05, 0xF0, 0x85, 0xF1, 0x05, 0xF2, 0x05, 0x00, 0x85, 0x00, 0, 0}},
        {"the fourth and fifth buttons",
         {"Button 4   Dn", "Button 5   Up"},
         true,
         {0, 1, 0x05, 0xF4, 0x85, 0xF3, 0, 0}},
        {"X: -3 / Y: 5 / 20 ms",
         {"X: -3", "Y: 5", "20 ms"},
         true,
         {0, 1, 0x0A, 0xFA, 0xFD, 0x05, 0, 0}},
        {"X: 0 / Y: -5 / 30 ms",
         {"X: 0", "Y: -5", "30 ms"},
         true,
         {0, 1, 0x0F, 0xFA, 0x00, 0xFB, 0, 0}},
        {"511 ms is the longest short displacement delay",
         {"X: 1", "Y: 1", "511 ms"},
         true,
         {0, 1, 0xFF, 0xFA, 0x01, 0x01, 0, 0}},
        {"512 ms takes the long form",
         {"X: 1", "Y: 1", "512 ms"},
         true,
         {0, 1, 0x0C, 0xFA, 0x01, 0x01, 0x00, 0x02, 0x00, 0x0A, 0, 0}},
        {"an X without a Y moves by Y 0 and takes the next delay",
         {"X: 4", "30 ms"},
         true,
         {0, 1, 0x0F, 0xFA, 0x04, 0x00, 0, 0}},
        {"an X without a number, the default delay",
         {"X:", "Y:", "A   Dn"},
         true,
         {0, 1, 0x01, 0xFA, 0x00, 0x00, 0x05, 0x04, 0, 0}},
        {"amounts beyond a signed byte are clamped",
         {"X: 200", "Y: -300", "1 ms"},
         true,
         {0, 1, 0x01, 0xFA, 0x7F, 0x80, 0, 0}},
        {"a plain macro ignores displacements",
         {"X: 1", "Y: 2", "A   Dn"},
         false,
         {0, 1, 0x05, 0x04, 0, 0}},
    };
    for (const Case& c : cases) {
        const Encoded e = Encode(c.items, c.gun);
        EXPECT_EQ(e.meaningful, c.expected) << c.what;
        EXPECT_TRUE(e.restZero) << c.what;
        EXPECT_FALSE(e.result.cut) << c.what;
    }
}

TEST(MacroEncoderTest, LoopCountOutsideItsRangeBecomesOne) {
    EXPECT_EQ(Encode({"A   Dn"}, false, "300").meaningful[1], 0x2C);
    EXPECT_EQ(Encode({"A   Dn"}, false, "300").meaningful[0], 0x01);
    for (const std::string loop : {"0", "-1", "70000", "", "x"}) {
        const Bytes bytes = Encode({"A   Dn"}, false, loop).meaningful;
        EXPECT_EQ(bytes[0], 0) << loop;
        EXPECT_EQ(bytes[1], 1) << loop;
    }
}

TEST(MacroEncoderTest, EmptyMacroIsAllZeroWithLengthFour) {
    const Encoded e = Encode({}, false, "5");
    EXPECT_EQ(e.result.length, 4);
    EXPECT_EQ(e.meaningful, (Bytes{0, 0, 0, 0}));
    EXPECT_TRUE(e.restZero);
}

TEST(MacroEncoderTest, StopsAtTheLastWholeRecordThatFits) {
    // 2000 short records of 2 bytes: 1535 fill the slot exactly with its end marker.
    const std::vector<std::string> presses(2000, "A   Dn");
    const Encoded full = Encode(presses);
    EXPECT_TRUE(full.result.cut);
    EXPECT_EQ(full.result.length, kMacroSlotSize);
    EXPECT_EQ(full.meaningful[kMacroSlotSize - 3], 0x04);
    EXPECT_EQ(full.meaningful[kMacroSlotSize - 2], 0x00);
    EXPECT_EQ(full.meaningful[kMacroSlotSize - 1], 0x00);

    // 6-byte records: 511 fit (3070 bytes); the 512th would end past the slot.
    std::vector<std::string> longOnes;
    for (int k = 0; k < 600; ++k) {
        longOnes.insert(longOnes.end(), {"A   Dn", "300 ms"});
    }
    const Encoded cut = Encode(longOnes);
    EXPECT_TRUE(cut.result.cut);
    EXPECT_EQ(cut.result.length, 2 + 511 * 6 + 2);
    EXPECT_TRUE(cut.restZero);

    // A smaller room stops earlier.
    const Encoded small = Encode(presses, false, "1", 11);
    EXPECT_EQ(small.result.length, 10);
    EXPECT_TRUE(small.result.cut);
}

TEST(MacroEncoderTest, HostileItemsStayBounded) {
    const std::vector<std::string> items = {std::string(2000, 'A'),        "", "X:", "Y:", "A   Dn",
                                            std::string(2000, '9') + " ms"};
    const Encoded e = Encode(items, true);
    EXPECT_EQ(e.meaningful,
              (Bytes{0, 1, 0x01, 0xFA, 0, 0, 0x31, 0x04, 0x00, 0x02, 0xFF, 0xFF, 0, 0}));
}

}  // namespace
}  // namespace gx508
