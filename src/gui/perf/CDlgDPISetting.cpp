// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgDPISetting.h"

#include <QColorDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

#include <algorithm>

#include "core/perf/Dpi.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

constexpr int kFontHeight = 10;
constexpr int kEditorLength = 5;
constexpr QRect kTrackSource(0, 0, 7, 169);
// Left edges of the stages' sliders (the enable box and swatch share them) and value boxes.
constexpr std::array<int, CDlgDPISetting::kStageCount> kSliderLeft = {25, 61, 97, 133, 169, 205};
constexpr std::array<int, CDlgDPISetting::kStageCount> kValueLeft = {20, 55, 92, 128, 164, 200};

int At(const std::array<int, CDlgDPISetting::kStageCount>& lefts, int stage) {
    return lefts[static_cast<std::size_t>(std::clamp(stage, 0, CDlgDPISetting::kStageCount - 1))];
}

// A stage's colour: the page paints it, clicks fall through to the page.
class Swatch : public QWidget {
  public:
    Swatch(const SettingsBlock& block, int stage, QWidget* parent)
        : QWidget(parent), m_block(block), m_stage(stage) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const Rgb c = m_block.stageColour(m_stage);
        QPainter(this).fillRect(rect(), QColor(c.red, c.green, c.blue));
    }

  private:
    const SettingsBlock& m_block;
    int m_stage;
};

}  // namespace

QRect CDlgDPISetting::sliderRect(int stage) {
    return {At(kSliderLeft, stage), 3, 7, 170};
}

QRect CDlgDPISetting::valueBoxRect(int stage) {
    return {At(kValueLeft, stage), 182, 25, 11};
}

QRect CDlgDPISetting::editorRect(int stage) {
    return {At(kValueLeft, stage), 179, 25, 17};
}

QRect CDlgDPISetting::enableBoxRect(int stage) {
    return {At(kSliderLeft, stage), 202, 10, 9};
}

QRect CDlgDPISetting::swatchRect(int stage) {
    return {At(kSliderLeft, stage), 215, 10, 10};
}

CDlgDPISetting::CDlgDPISetting(SharedState& state, const Skin& skin, QWidget* parent)
    : SettingsPage(state, skin, QStringLiteral("Skins\\DPISetting\\BK_DPISetting.png"), kFontHeight,
                   parent) {
    const QPixmap empty = skin.loadBitmap(u"\\skins\\DPISetting\\DPIStage\\0.png");
    const QPixmap full = skin.loadBitmap(u"\\skins\\DPISetting\\DPIStage\\164.png");
    const auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this);
    for (int s = 0; s < kStageCount; ++s) {
        const auto index = static_cast<std::size_t>(s);
        auto* slider = new CDMarkerV(this);
        slider->setGeometry(sliderRect(s));
        slider->setTracks(empty, full, kTrackSource);
        slider->setRange(kSliderMinimum, kSliderMaximum);
        connect(slider, &CDMarkerV::positionReleased, this,
                [this, s](int position) { sliderReleased(s, position); });
        m_sliders[index] = slider;

        auto* editor = new QLineEdit(this);
        editor->setObjectName(QStringLiteral("dpiEditor%1").arg(s + 1));
        editor->setGeometry(editorRect(s));
        editor->setValidator(digits);
        editor->setMaxLength(kEditorLength);
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        editor->setFont(m_font);
        editor->setStyleSheet(QStringLiteral(
            "QLineEdit { color: white; background: rgb(40, 40, 40); border: none; padding: 0; }"));
        editor->hide();
        m_editors[index] = editor;

        auto* swatch = new Swatch(state.block, s, this);
        swatch->setGeometry(swatchRect(s));
        m_swatches[index] = swatch;
    }
    refresh();
}

void CDlgDPISetting::refresh() {
    for (int s = 0; s < kStageCount; ++s) {
        slider(s)->setPosClamped(m_state.block.dpiIndex(s));
    }
    hideEditors();
    m_editing = -1;
    update();
}

void CDlgDPISetting::hideEditors() {
    for (QLineEdit* editor : m_editors) {
        editor->hide();
    }
}

void CDlgDPISetting::sliderReleased(int stage, int position) {
    hideEditors();
    m_state.block.setDpiIndex(stage, static_cast<std::uint8_t>(position));
    const std::size_t enabled = block::kStageEnabled + static_cast<std::size_t>(stage);
    if (m_state.block.byte(enabled) == 0) {
        m_state.block.setByte(enabled, 1);
    }
    update();
}

// The typed value snaps to a DPI the mouse has; the editor and the slider show the result. The
// enabled flag stays as it is.
void CDlgDPISetting::commit(int stage) {
    QLineEdit* edit = editor(stage);
    const std::uint8_t index = DpiTextToIndex(edit->text().toStdString());
    m_state.block.setDpiIndex(stage, index);
    edit->setText(qText(DpiIndexToText(index)));
    slider(stage)->setPosClamped(index);
    hideEditors();
    update();
}

bool CDlgDPISetting::commitFocusedEditor() {
    for (int s = 0; s < kStageCount; ++s) {
        if (editor(s)->hasFocus() && editor(s)->isVisible()) {
            commit(s);
            return true;
        }
    }
    return false;
}

void CDlgDPISetting::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    for (int s = 0; s < kStageCount; ++s) {
        if (s == m_editing) {
            commit(s);
            m_editing = -1;
        }
        editor(s)->hide();
    }
    SettingsBlock& block = m_state.block;
    for (int s = 0; s < kStageCount; ++s) {
        if (enableBoxRect(s).contains(at)) {
            const std::size_t offset = block::kStageEnabled + static_cast<std::size_t>(s);
            block.setByte(offset, block.byte(offset) == 0 ? 1 : 0);
        }
    }
    for (int s = 0; s < kStageCount; ++s) {
        if (swatchRect(s).contains(at) &&
            block.byte(block::kStageEnabled + static_cast<std::size_t>(s)) == 1) {
            chooseColour(s);
        }
    }
    update();
}

void CDlgDPISetting::chooseColour(int stage) {
    const QColor chosen = QColorDialog::getColor(Qt::black, this);
    if (chosen.isValid()) {
        m_state.block.setStageColour(stage, {static_cast<std::uint8_t>(chosen.red()),
                                             static_cast<std::uint8_t>(chosen.green()),
                                             static_cast<std::uint8_t>(chosen.blue())});
        m_swatches[static_cast<std::size_t>(stage)]->update();
    }
}

void CDlgDPISetting::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    for (int s = 0; s < kStageCount; ++s) {
        if (valueBoxRect(s).contains(event->position().toPoint())) {
            QLineEdit* edit = editor(s);
            edit->setText(qText(DpiIndexToText(m_state.block.dpiIndex(s))));
            edit->show();
            edit->setFocus();
            edit->selectAll();
            m_editing = s;
        }
    }
}

void CDlgDPISetting::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    beginPaint(painter);
    for (int s = 0; s < kStageCount; ++s) {
        const QRect box = valueBoxRect(s);
        m_skin.draw(painter, u"Skins\\DPISetting\\BK-DPIValue.png", box.x(), box.y());
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine,
                         qText(DpiIndexToText(m_state.block.dpiIndex(s))));
        const QRect enable = enableBoxRect(s);
        m_skin.draw(painter,
                    m_state.block.byte(block::kStageEnabled + static_cast<std::size_t>(s)) != 0
                        ? u"Skins\\Enable.png"
                        : u"Skins\\Disable.png",
                    enable.x(), enable.y());
    }
}

}  // namespace gx508
