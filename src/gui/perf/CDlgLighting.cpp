// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgLighting.h"

#include <QMouseEvent>
#include <QPainter>

#include "gui/ui/CDMarker.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 11;
constexpr QRect kTrackSource(1, 0, 127, 11);
constexpr std::array<int, CDlgLighting::kEffectCount> kRowTop = {20, 49, 78};
constexpr std::array<Text, CDlgLighting::kEffectCount> kLabels = {Text::Standard, Text::Respiration,
                                                                  Text::Neon};
constexpr int kMarkWidth = 30;

struct Mark {
    const char* text;
    int left;
};
using Scale = std::array<Mark, 5>;
constexpr std::array<Scale, CDlgLighting::kEffectCount> kScales = {{
    {{{"0%", 0}, {"25%", 25}, {"50%", 55}, {"75%", 85}, {"100%", 115}}},
    {{{"4S", 0}, {"5S", 30}, {"6S", 60}, {"7S", 90}, {"8S", 120}}},
    {{{"3S", 0}, {"6S", 30}, {"9S", 60}, {"12S", 90}, {"15S", 120}}},
}};

LightingMode ModeOf(int effect) {
    return static_cast<LightingMode>(effect + 1);
}

}  // namespace

QRect CDlgLighting::choiceBox(int effect) {
    return {10, kRowTop[static_cast<std::size_t>(effect)], 10, 9};
}

QRect CDlgLighting::sliderRect(int effect) {
    return {100, kRowTop[static_cast<std::size_t>(effect)], 128, 8};
}

CDlgLighting::CDlgLighting(SharedState& state, const Skin& skin, QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\Lighting\\BK_Lighting.png"), kFontHeight,
                   parent) {
    const QPixmap empty = skin.loadBitmap(u"\\skins\\StageSlider\\1.png");
    const QPixmap full = skin.loadBitmap(u"\\skins\\StageSlider\\10.png");
    for (int e = 0; e < kEffectCount; ++e) {
        auto* slider = new CDMarker(this);
        slider->setGeometry(sliderRect(e));
        slider->setTracks(empty, full, kTrackSource);
        slider->setRange(kMinLightingLevel, kMaxLightingLevel);
        const std::size_t offset = LightingLevelOffset(ModeOf(e));
        connect(slider, &CDMarker::positionReleased, this, [this, offset](int position) {
            m_state.block.setByte(offset, static_cast<std::uint8_t>(position));
        });
        m_sliders[static_cast<std::size_t>(e)] = slider;
    }
    refresh();
}

void CDlgLighting::refresh() {
    selectMode(m_state.block.byte(block::kLightingMode));
}

void CDlgLighting::selectMode(int mode) {
    if (mode >= 1 && mode <= kEffectCount) {
        m_state.block.setByte(block::kLightingMode, static_cast<std::uint8_t>(mode));
        for (int e = 0; e < kEffectCount; ++e) {
            slider(e)->setEnabled(e == mode - 1);
            slider(e)->setPosOrMin(m_state.block.byte(LightingLevelOffset(ModeOf(e))));
        }
    }
    repaint();
}

void CDlgLighting::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        for (int e = 0; e < kEffectCount; ++e) {
            if (choiceBox(e).contains(event->position().toPoint())) {
                selectMode(e + 1);
                break;
            }
        }
    }
    SettingsPage::mousePressEvent(event);
}

void CDlgLighting::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    const int mode = m_state.block.byte(block::kLightingMode);
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    for (int e = 0; e < kEffectCount; ++e) {
        const QRect box = choiceBox(e);
        if (mode >= 1 && mode <= kEffectCount) {
            m_skin.draw(painter, e == mode - 1 ? u"Skins/Enable.png" : u"Skins/Disable.png",
                        box.x(), box.y());
        }
        const QRect label(box.right() + 1 + 5, box.top() - 5, 65, box.height() + 10);
        painter.drawText(label, flags, qText(m_state.texts[kLabels[static_cast<std::size_t>(e)]]));
    }
    for (int e = 0; e < kEffectCount; ++e) {
        const QRect track = sliderRect(e);
        const int top = track.bottom() + 1 + 5;
        for (const Mark& mark : kScales[static_cast<std::size_t>(e)]) {
            painter.drawText(QRect(track.left() + mark.left, top, kMarkWidth, 15), flags,
                             QString::fromLatin1(mark.text));
        }
    }
}

}  // namespace gx508
