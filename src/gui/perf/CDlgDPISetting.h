// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

#include "core/store/SettingsBlock.h"
#include "gui/perf/SettingsPage.h"

class QLineEdit;

namespace gx508 {

class CDMarkerV;

// The DPI page: for each of the six stages a vertical slider of its DPI, a value box (a
// double-click opens an editor for a typed value), an enable box and a colour swatch (a click
// opens a colour chooser while the stage is enabled).
class CDlgDPISetting : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr int kStageCount = block::kStageCount;
    static constexpr int kSliderMinimum = 1;
    static constexpr int kSliderMaximum = 54;

    // Page client rectangles of stage 0..5.
    static QRect sliderRect(int stage);
    static QRect valueBoxRect(int stage);
    static QRect editorRect(int stage);
    static QRect enableBoxRect(int stage);
    static QRect swatchRect(int stage);

    CDlgDPISetting(SharedState& state, const Skin& skin, QWidget* parent);

    // Sliders from the block (clamped to their range), editors hidden.
    void refresh() override;

    // Enter in a stage's editor: commits that stage's entry.
    bool commitFocusedEditor();

    CDMarkerV* slider(int stage) const { return m_sliders[static_cast<std::size_t>(stage)]; }
    QLineEdit* editor(int stage) const { return m_editors[static_cast<std::size_t>(stage)]; }
    int editingStage() const { return m_editing; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void sliderReleased(int stage, int position);
    void commit(int stage);
    void hideEditors();
    void chooseColour(int stage);

    std::array<CDMarkerV*, kStageCount> m_sliders{};
    std::array<QLineEdit*, kStageCount> m_editors{};
    std::array<QWidget*, kStageCount> m_swatches{};
    int m_editing = -1;
};

}  // namespace gx508
