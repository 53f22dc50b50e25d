// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/ReportDescriptor.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "support/ReportDescriptors.h"

namespace gx508 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& part : parts) {
        out.insert(out.end(), part.begin(), part.end());
    }
    return out;
}

Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

std::string Describe(const std::vector<TopLevelCollection>& collections) {
    std::string out;
    for (const TopLevelCollection& c : collections) {
        out += "{page " + std::to_string(c.usagePage) + " usage " + std::to_string(c.usage) +
               " in " + std::to_string(c.inputReportLength) + " out " +
               std::to_string(c.outputReportLength) + " feature " +
               std::to_string(c.featureReportLength) + "} ";
    }
    return out;
}

TEST(ReportDescriptorTest, ComputesTopLevelCollectionsAndReportLengths) {
    struct Case {
        const char* name;
        Bytes bytes;
        std::vector<TopLevelCollection> collections;
        bool wellFormed;
    };
    const std::vector<Case> cases = {
        {"command interface",
         test::CommandInterfaceDescriptor(),
         {{0xFF00, 0xFF00, 9, 33, 9}},
         true},
        {"notice interface", test::NoticeInterfaceDescriptor(), {{0xFF01, 0xFF01, 9, 0, 0}}, true},
        {"both interfaces in one descriptor",
         Join({test::CommandInterfaceDescriptor(), test::NoticeInterfaceDescriptor()}),
         {{0xFF00, 0xFF00, 9, 33, 9}, {0xFF01, 0xFF01, 9, 0, 0}},
         true},
        {"nested physical collection counts toward its application collection",
         test::BootMouseDescriptor(),
         {{0x0001, 0x0002, 4, 0, 0}},
         true},
        {"longest report id wins, the id byte counted once",
         {0x05, 0x01, 0x09, 0x06, 0xA1, 0x01,              // keyboard application collection
          0x75, 0x08, 0x85, 0x02, 0x95, 0x04, 0x81, 0x02,  // id 2: 4 input bytes
          0x85, 0x03, 0x95, 0x07, 0x81, 0x02,              // id 3: 7 input bytes
          0x85, 0x02, 0x95, 0x02, 0x81, 0x02,              // id 2 again: 6 bytes in all
          0x85, 0x04, 0x95, 0x02, 0xB1, 0x02,              // id 4: 2 feature bytes
          0xC0},
         {{0x0001, 0x0006, 8, 0, 3}},
         true},
        {"bits round up to whole bytes",
         {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x01, 0x95, 0x09, 0x91, 0x02, 0xC0},
         {{0xFF00, 0x0001, 0, 3, 0}},
         true},
        {"a four-byte usage carries its own usage page",
         {0x05, 0x01, 0x0B, 0x34, 0x12, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02,
          0xC0},
         {{0xFF00, 0x1234, 2, 0, 0}},
         true},
        {"a four-byte usage page and report count",
         {0x07, 0x0C, 0x00, 0x00, 0x00, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0x97, 0x03, 0x00, 0x00,
          0x00, 0xB1, 0x02, 0xC0},
         {{0x000C, 0x0001, 0, 0, 4}},
         true},
        {"the first usage names the collection",
         {0x06, 0x00, 0xFF, 0x09, 0x05, 0x09, 0x07, 0xA1, 0x01, 0xC0},
         {{0xFF00, 0x0005, 0, 0, 0}},
         true},
        {"a usage page declared after the usage still applies",
         {0x09, 0x01, 0x06, 0x01, 0xFF, 0xA1, 0x01, 0xC0},
         {{0xFF01, 0x0001, 0, 0, 0}},
         true},
        {"pop restores the pushed report count and usage page",
         {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x08,
          0xA4,                    // Push
          0x05, 0x01, 0x95, 0x20,  // page 1, 32 items
          0x91, 0x02,              // Output: 32 bytes
          0xB4,                    // Pop: page 0xFF00, 8 items
          0xB1, 0x02,              // Feature: 8 bytes
          0xC0, 0x09, 0x02, 0xA1, 0x01, 0xC0},
         {{0xFF00, 0xFF00, 0, 33, 9}, {0xFF00, 0x0002, 0, 0, 0}},
         true},
        {"long items are stepped over",
         {0x06, 0x00, 0xFF, 0x0A, 0x00, 0xFF, 0xA1, 0x01, 0xFE, 0x03, 0x10,
          0xB1, 0xB1, 0xB1, 0x75, 0x08, 0x95, 0x08, 0xB1, 0x02, 0xC0},
         {{0xFF00, 0xFF00, 0, 0, 9}},
         true},
        {"main items outside every collection belong to none",
         Join(
             {{0x75, 0x08, 0x95, 0x10, 0x81, 0x02, 0xB1, 0x02}, test::NoticeInterfaceDescriptor()}),
         {{0xFF01, 0xFF01, 9, 0, 0}},
         true},
        {"a top-level collection that is not an application is not listed",
         {0x05, 0x01, 0x09, 0x01, 0xA1, 0x00, 0x75, 0x08, 0x95, 0x01, 0x81, 0x02, 0xC0},
         {},
         true},
        {"absurd size and count saturate",
         {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // vendor application collection
          0x77, 0xFF, 0xFF, 0xFF, 0xFF,              // Report Size 2^32-1
          0x97, 0xFF, 0xFF, 0xFF, 0xFF,              // Report Count 2^32-1
          0x81, 0x02, 0x81, 0x02, 0xC0},
         {{0xFF00, 0x0001, 0xFFFF, 0, 0}},
         true},
        {"empty", {}, {}, true},
        {"truncated inside an item keeps what came before",
         Truncated(test::CommandInterfaceDescriptor(), 26),
         {{0xFF00, 0xFF00, 9, 0, 9}},
         false},
        {"truncated inside a long item",
         {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xFE, 0x08, 0x10, 0x00},
         {{0xFF00, 0x0001, 0, 0, 0}},
         false},
        {"missing end collection",
         {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01},
         {{0xFF00, 1, 0, 0, 0}},
         false},
        {"end collection with nothing open",
         {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0xC0, 0xC0, 0x09, 0x02, 0xA1, 0x01, 0xC0},
         {{0xFF00, 0x0001, 0, 0, 0}},
         false},
        {"report id 0", {0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}, {{0, 1, 0, 0, 0}}, false},
        {"pop with nothing pushed", {0x09, 0x01, 0xA1, 0x01, 0xB4, 0xC0}, {{0, 1, 0, 0, 0}}, false},
        {"push deeper than the limit", Bytes(kMaxPushDepth + 1, 0xA4), {}, false},
    };
    for (const Case& c : cases) {
        const ReportDescriptor parsed = ParseReportDescriptor(c.bytes);
        EXPECT_EQ(Describe(parsed.collections), Describe(c.collections)) << c.name;
        EXPECT_EQ(parsed.wellFormed, c.wellFormed) << c.name;
    }
}

TEST(ReportDescriptorTest, EveryTruncationOfTheCommandInterfaceIsFlaggedAndNeverOvercounts) {
    const Bytes full = test::CommandInterfaceDescriptor();
    for (std::size_t n = 1; n < full.size(); ++n) {
        const ReportDescriptor parsed = ParseReportDescriptor(std::span(full).first(n));
        // Only a cut after Usage Page or Usage, before the collection opens, leaves whole items.
        EXPECT_EQ(parsed.wellFormed, n == 3 || n == 6) << n;
        ASSERT_LE(parsed.collections.size(), 1u) << n;
        for (const TopLevelCollection& c : parsed.collections) {
            EXPECT_LE(c.inputReportLength, 9) << n;
            EXPECT_LE(c.outputReportLength, 33) << n;
            EXPECT_LE(c.featureReportLength, 9) << n;
        }
    }
}

TEST(ReportDescriptorTest, RandomBytesGiveAtMostOneCollectionPerTwoBytes) {
    std::mt19937 random(508);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<std::size_t> length(0, 96);
    for (int round = 0; round < 2000; ++round) {
        Bytes bytes(length(random));
        for (std::uint8_t& b : bytes) {
            b = static_cast<std::uint8_t>(byte(random));
        }
        const ReportDescriptor parsed = ParseReportDescriptor(bytes);
        EXPECT_LE(parsed.collections.size() * 2, bytes.size()) << "round " << round;
    }
}

}  // namespace
}  // namespace gx508
