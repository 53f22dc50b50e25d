// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>

#include "core/perf/PerfValues.h"
#include "gui/perf/SettingsPage.h"

namespace gx508 {

class CDMarker;

// The lighting page: three effects, each with a choice box and a slider of its own level; only
// the chosen effect's slider takes the mouse.
class CDlgLighting : public SettingsPage {
    Q_OBJECT

  public:
    static constexpr int kEffectCount = 3;

    // Effect 0..2 (Standard, Respiration, Neon).
    static QRect choiceBox(int effect);
    static QRect sliderRect(int effect);

    CDlgLighting(SharedState& state, const Skin& skin, QWidget* parent);

    // Selects the stored mode.
    void refresh() override;

    // Mode 1..3 is stored and enables its slider only; every slider shows its own stored level
    // (a level outside 1..6 shows at 1). Another mode changes nothing but the picture.
    void selectMode(int mode);

    CDMarker* slider(int effect) const { return m_sliders[static_cast<std::size_t>(effect)]; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    std::array<CDMarker*, kEffectCount> m_sliders{};
};

}  // namespace gx508
