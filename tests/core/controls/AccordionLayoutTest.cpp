// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/AccordionLayout.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

// The page sizes of the shipped skin: DPI, lighting, report rate, pointer speed, double-click,
// wheel, angle snapping.
constexpr std::array<AccordionLayout::PageSize, AccordionLayout::kSectionCount> kPages = {{
    {242, 232},
    {242, 110},
    {242, 134},
    {242, 112},
    {242, 112},
    {242, 72},
    {242, 60},
}};

AccordionLayout Panel() {
    return AccordionLayout(AccordionLayout::initialHeaders(), kPages);
}

TEST(AccordionLayoutTest, StartsClosedWithTheHeadersFivePixelsApart) {
    const AccordionLayout panel = Panel();
    for (int k = 0; k < AccordionLayout::kSectionCount; ++k) {
        EXPECT_TRUE(panel.collapsed(k));
        EXPECT_EQ(panel.header(k), (PanelRect{0, 2 + 25 * k, 242, 22 + 25 * k})) << k;
    }
    EXPECT_EQ(panel.layoutTotal(), 140);
    EXPECT_EQ(panel.contentHeight(), 563);
}

TEST(AccordionLayoutTest, OpeningTheFirstSectionMovesEveryHeaderBelowByThePageHeight) {
    AccordionLayout panel = Panel();
    panel.toggle(0);
    EXPECT_FALSE(panel.collapsed(0));
    EXPECT_EQ(panel.page(0), (PanelRect{0, 22, 242, 254}));
    EXPECT_EQ(panel.header(0), (PanelRect{0, 2, 242, 22}));
    for (int k = 1; k < AccordionLayout::kSectionCount; ++k) {
        EXPECT_EQ(panel.header(k).top, 2 + 25 * k + 232) << k;
        EXPECT_EQ(panel.header(k).height(), 20);
    }
    EXPECT_EQ(panel.layoutTotal(), 140 + 242);
    EXPECT_EQ(panel.contentHeight(), 563);

    panel.toggle(0);
    EXPECT_TRUE(panel.collapsed(0));
    for (int k = 0; k < AccordionLayout::kSectionCount; ++k) {
        EXPECT_EQ(panel.header(k).top, 2 + 25 * k) << k;
    }
    EXPECT_EQ(panel.layoutTotal(), 140);
}

TEST(AccordionLayoutTest, TheHeaderUnderAnOpenLightingPageSitsOnIt) {
    AccordionLayout panel = Panel();
    panel.toggle(1);
    EXPECT_EQ(panel.page(1), (PanelRect{0, 47, 242, 157}));
    EXPECT_EQ(panel.header(2).top, 157) << "no gap under the lighting page";
    EXPECT_EQ(panel.header(3).top, 182);
    panel.toggle(2);
    EXPECT_EQ(panel.page(2).top, 177);
    EXPECT_EQ(panel.header(3).top, 177 + 134 + 5);
}

TEST(AccordionLayoutTest, OpeningAnUpperSectionCarriesTheOpenPagesBelow) {
    AccordionLayout panel = Panel();
    panel.toggle(3);
    panel.toggle(5);
    const PanelRect wheelPage = panel.page(5);
    panel.toggle(0);
    EXPECT_EQ(panel.page(5).top, wheelPage.top + 232);
    EXPECT_EQ(panel.page(3).bottom + 5, panel.header(4).top);
    EXPECT_EQ(panel.layoutTotal(), 140 + 242 + 122 + 82);
    EXPECT_EQ(panel.contentHeight(), 586);

    panel.collapseAll();
    for (int k = 0; k < AccordionLayout::kSectionCount; ++k) {
        EXPECT_TRUE(panel.collapsed(k));
        EXPECT_EQ(panel.header(k), AccordionLayout::initialHeaders()[static_cast<std::size_t>(k)]);
    }
    EXPECT_EQ(panel.layoutTotal(), 140);
}

TEST(AccordionLayoutTest, AMissingPageImageGivesAnEmptyPage) {
    auto pages = kPages;
    pages[0] = {0, 0};
    AccordionLayout panel(AccordionLayout::initialHeaders(), pages);
    panel.toggle(0);
    EXPECT_EQ(panel.header(1).top, 27);
    EXPECT_EQ(panel.layoutTotal(), 150);
    panel.toggle(-1);
    panel.toggle(7);
    EXPECT_EQ(panel.layoutTotal(), 150) << "other numbers change nothing";
}

TEST(AccordionLayoutTest, TheScrollPositionStaysInRangeWhenTheContentShrinks) {
    // All closed: 563 over a client of 561 leaves a small range.
    EXPECT_EQ(UpdatePanelScroll({}, 561, 563), (PanelScroll{2, 561, 0}));
    // Scrolled far down with pages open, then the pages close.
    EXPECT_EQ(UpdatePanelScroll({400, 561, 380}, 561, 563), (PanelScroll{2, 561, 1}));
    EXPECT_EQ(UpdatePanelScroll({400, 561, 100}, 561, 900), (PanelScroll{339, 561, 100}));
    // A new client height keeps the same relative place.
    EXPECT_EQ(UpdatePanelScroll({400, 500, 100}, 250, 900), (PanelScroll{650, 250, 50}));
    // Content that fits does not scroll.
    EXPECT_EQ(UpdatePanelScroll({400, 561, 100}, 600, 563), (PanelScroll{}));
}

TEST(AccordionLayoutTest, WheelTurnsScrollByLinesOrPages) {
    EXPECT_EQ(PanelWheelPixels(-120, 3, false, 561), 60);
    EXPECT_EQ(PanelWheelPixels(120, 3, false, 561), -60);
    EXPECT_EQ(PanelWheelPixels(-360, 3, false, 561), 180) << "n = 9 scrolls three lines";
    EXPECT_EQ(PanelWheelPixels(-240, 3, false, 561), 120) << "n = 6 scrolls two lines";
    EXPECT_EQ(PanelWheelPixels(-60, 3, false, 561), 60) << "half a notch still one line";
    EXPECT_EQ(PanelWheelPixels(0, 3, false, 561), 60) << "no delta scrolls down";
    EXPECT_EQ(PanelWheelPixels(120, 3, true, 561), -561);
    EXPECT_EQ(PanelWheelPixels(-120, 3, true, 561), 561);
}

}  // namespace
}  // namespace gx508
