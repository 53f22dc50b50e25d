// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace gx508 {

// A rectangle in pixels, right and bottom excluded, as the panel's tables give them.
struct PanelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PanelRect&) const = default;
};

// The settings panel's accordion: seven sections, each a header with a page under it. Opening
// a section shows its page directly under its header and moves every header below down;
// closing moves them back. All sections start closed.
class AccordionLayout {
  public:
    static constexpr int kSectionCount = 7;
    static constexpr int kHeaderGap = 5;           // between an element and the header below
    static constexpr int kPageAllowance = 10;      // added to the layout total beside a page
    static constexpr int kMinContentHeight = 563;  // the content is never shorter
    static constexpr int kLightingSection = 1;     // the header below it sits on its page
    static constexpr int kAngleSnapSection = 6;    // its header is never shown

    struct PageSize {
        int width = 0;
        int height = 0;
    };

    // The headers' first places and the pages' sizes (0 × 0 for a page whose image is missing).
    AccordionLayout(const std::array<PanelRect, kSectionCount>& headers,
                    const std::array<PageSize, kSectionCount>& pages);

    // The seven headers of the panel, 242 × 20 each, 5 pixels apart from y = 2.
    static std::array<PanelRect, kSectionCount> initialHeaders();

    // Opens a closed section or closes an open one, then lays out the sections below it.
    // Another number changes nothing.
    void toggle(int section);
    // Closes every open section, from the last one up to the first.
    void collapseAll();

    bool collapsed(int section) const;
    PanelRect header(int section) const;
    // Where the section's page stands: at its header's left edge, directly under it.
    PanelRect page(int section) const;
    // The seven header heights, plus page height + 10 for every open section.
    int layoutTotal() const { return m_total; }
    // The layout total, at least kMinContentHeight.
    int contentHeight() const;

  private:
    std::array<PanelRect, kSectionCount> m_headers;
    std::array<PageSize, kSectionCount> m_pages;
    std::array<bool, kSectionCount> m_collapsed;
    int m_total = 0;
};

// The vertical scroll state of the panel in Qt's terms: the last position (0 when nothing
// scrolls), the page (the client height) and the position.
struct PanelScroll {
    int last = 0;
    int page = 0;
    int position = 0;
    bool operator==(const PanelScroll&) const = default;
};

// The scroll state after the content or the client height changed. With content taller than the
// client, a previous state with a positive page and position keeps the same relative place
// (position × client / previous page) and the position stays at least one pixel short of the
// end; otherwise nothing scrolls.
PanelScroll UpdatePanelScroll(const PanelScroll& previous, int clientHeight, int contentHeight);

// How one wheel turn over the panel scrolls it: whole pages when the desktop scrolls a screen
// per notch, else lines of 60 pixels, n / 3 of them for n = lines × notches of at least 6,
// otherwise one. A delta of 0 or below scrolls down. Positive pixels scroll down.
inline constexpr int kPanelLinePixels = 60;
int PanelWheelPixels(int angleDelta, int wheelLines, bool screenPerNotch, int clientHeight);

}  // namespace gx508
