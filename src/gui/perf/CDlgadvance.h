// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractScrollArea>
#include <QRect>

#include <array>

#include "core/controls/AccordionLayout.h"
#include "core/store/SharedState.h"

namespace gx508 {

class CBitmapBtn;
class CDlgDPISetting;
class CSkinScrollWnd;
class SettingsPage;
class Skin;

// The settings panel: the right column of the main window, seven sections stacked as an
// accordion (a header button with its page under it) in a vertically scrolling area. A header
// click opens or closes its page and moves the headers below; the seventh header is never
// shown. The panel lives in the skinned scroll frame, which it creates for itself.
class CDlgadvance : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // Where the frame stands in the main window.
    static constexpr QRect kPlace{735, 32, 260, 561};

    CDlgadvance(SharedState& state, const Skin& skin, QWidget* window);
    ~CDlgadvance() override;

    // The frame that holds the panel and its skinned scroll bar; move and show this one.
    CSkinScrollWnd* frame() const { return m_frame; }

    // Opens or closes section 0..6, as a click on its header does.
    void toggleSection(int section);
    // CollapseAll: closes every open section, from the last one up.
    void collapseAll();
    // RefreshAll: every page shows the current block.
    void refreshAll();
    // Enter: commits the DPI entry being typed, if any. Says whether there was one.
    bool commitEntry();

    const AccordionLayout& layout() const { return m_layout; }
    CBitmapBtn* header(int section) const;
    SettingsPage* page(int section) const;
    int scrollPosition() const;

  signals:
    // A header or the panel's background was clicked: the main window clears the button
    // highlight.
    void highlightClearRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    void placeSections();
    void updateScrollBar();

    const Skin& m_skin;
    std::array<CBitmapBtn*, AccordionLayout::kSectionCount> m_headers{};
    std::array<SettingsPage*, AccordionLayout::kSectionCount> m_pages{};
    CDlgDPISetting* m_dpiPage = nullptr;
    AccordionLayout m_layout;
    PanelScroll m_scroll;
    CSkinScrollWnd* m_frame = nullptr;
};

}  // namespace gx508
