// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/controls/AccordionLayout.h"

#include <algorithm>
#include <cstdlib>

namespace gx508 {

namespace {

constexpr int kHeaderWidth = 242;
constexpr int kHeaderHeight = 20;
constexpr int kFirstHeaderTop = 2;
constexpr int kWheelNotch = 120;
constexpr int kManyLines = 6;
constexpr int kLinesPerStep = 3;

bool Valid(int section) {
    return section >= 0 && section < AccordionLayout::kSectionCount;
}

}  // namespace

AccordionLayout::AccordionLayout(const std::array<PanelRect, kSectionCount>& headers,
                                 const std::array<PageSize, kSectionCount>& pages)
    : m_headers(headers), m_pages(pages) {
    m_collapsed.fill(true);
    for (const PanelRect& header : m_headers) {
        m_total += header.height();
    }
}

std::array<PanelRect, AccordionLayout::kSectionCount> AccordionLayout::initialHeaders() {
    std::array<PanelRect, kSectionCount> headers;
    for (int k = 0; k < kSectionCount; ++k) {
        const int top = kFirstHeaderTop + k * (kHeaderHeight + kHeaderGap);
        headers[static_cast<std::size_t>(k)] = {0, top, kHeaderWidth, top + kHeaderHeight};
    }
    return headers;
}

void AccordionLayout::toggle(int section) {
    if (!Valid(section)) {
        return;
    }
    const auto k = static_cast<std::size_t>(section);
    m_collapsed[k] = !m_collapsed[k];
    const int change = m_pages[k].height + kPageAllowance;
    m_total += m_collapsed[k] ? -change : change;
    for (int below = section + 1; below < kSectionCount; ++below) {
        const int above = below - 1;
        const bool pageAbove = !collapsed(above);
        int top = (pageAbove ? page(above).bottom : header(above).bottom) + kHeaderGap;
        if (pageAbove && above == kLightingSection) {
            top = page(above).bottom;
        }
        PanelRect& moved = m_headers[static_cast<std::size_t>(below)];
        moved = {moved.left, top, moved.right, top + moved.height()};
    }
}

void AccordionLayout::collapseAll() {
    for (int section = kSectionCount - 1; section >= 0; --section) {
        if (!collapsed(section)) {
            toggle(section);
        }
    }
}

bool AccordionLayout::collapsed(int section) const {
    return !Valid(section) || m_collapsed[static_cast<std::size_t>(section)];
}

PanelRect AccordionLayout::header(int section) const {
    return Valid(section) ? m_headers[static_cast<std::size_t>(section)] : PanelRect{};
}

PanelRect AccordionLayout::page(int section) const {
    if (!Valid(section)) {
        return {};
    }
    const PanelRect& h = m_headers[static_cast<std::size_t>(section)];
    const PageSize& size = m_pages[static_cast<std::size_t>(section)];
    return {h.left, h.bottom, h.left + size.width, h.bottom + size.height};
}

int AccordionLayout::contentHeight() const {
    return std::max(m_total, kMinContentHeight);
}

PanelScroll UpdatePanelScroll(const PanelScroll& previous, int clientHeight, int contentHeight) {
    if (clientHeight <= 0 || clientHeight >= contentHeight) {
        return {};
    }
    int position = previous.position;
    if (previous.page > 0 && previous.position > 0) {
        position = previous.position * clientHeight / previous.page;
    }
    position = std::clamp(position, 0, contentHeight - clientHeight - 1);
    return {contentHeight - clientHeight, clientHeight, position};
}

int PanelWheelPixels(int angleDelta, int wheelLines, bool screenPerNotch, int clientHeight) {
    const int direction = angleDelta <= 0 ? 1 : -1;
    if (screenPerNotch) {
        return direction * clientHeight;
    }
    const int n = wheelLines * (std::abs(angleDelta) / kWheelNotch);
    const int steps = n >= kManyLines ? n / kLinesPerStep : 1;
    return direction * steps * kPanelLinePixels;
}

}  // namespace gx508
