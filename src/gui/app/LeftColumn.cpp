// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/LeftColumn.h"

#include <QPainter>
#include <QWidget>

#include "gui/app/MainWindowLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarker.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

constexpr int kHeaderTextHeight = 13;

CBitmapBtn* MakeHeader(QWidget& window, const Skin& skin, const QString& text, const QRect& rect,
                       const SkinFile& image, const QString& fontFace) {
    auto* header = new CBitmapBtn(text, rect, &window);
    const QPixmap look = skin.loadBitmap(image);
    header->setImages(QRect(QPoint(0, 0), rect.size()), look, look, look, look);
    header->setFontHeight(kHeaderTextHeight);
    header->setFontFace(fontFace);
    return header;
}

CDMarker* MakeSlider(QWidget& window, const Skin& skin) {
    auto* slider = new CDMarker(&window);
    slider->resize(layout::kSliderSize);
    slider->setTracks(skin.loadBitmap(kSliderEmptyFile), skin.loadBitmap(kSliderFullFile),
                      layout::kSliderTrackSource);
    slider->setRange(layout::kSensitivityMin, layout::kSensitivityMax);
    slider->hide();
    return slider;
}

}  // namespace

LeftColumn::LeftColumn(QWidget& window, const Skin& skin, const LanguageTable& texts,
                       const QString& fontFace)
    : QObject(&window),
      m_window(window),
      m_skin(skin),
      m_texts(texts),
      m_assignment(MakeHeader(window, skin, qText(texts[Text::ButtonAssignment]),
                              layout::kAssignmentHeader, kHeaderFile, fontFace)),
      m_macro(MakeHeader(window, skin, qText(texts[Text::MacroManager]), layout::kMacroHeader,
                         kMacroHeaderFile, fontFace)),
      m_gun(MakeHeader(window, skin, qText(texts[Text::GunManager]), layout::kGunHeader,
                       kHeaderFile, fontFace)),
      m_axis(MakeHeader(window, skin, qText(texts[Text::AxisSensitivity]), layout::kAxisHeader,
                        kHeaderFile, fontFace)),
      m_x(MakeSlider(window, skin)),
      m_y(MakeSlider(window, skin)) {
    // Without the list's background the list still opens by its listed height.
    const QSize list = skin.size(kFrontPanelFile);
    m_listHeight = list.isValid() ? list.height() : kFrontPanelFile.height;
    layout();
}

void LeftColumn::setListExpanded(bool expanded) {
    m_listExpanded = expanded;
    layout();
}

void LeftColumn::setAxisExpanded(bool expanded) {
    m_axisExpanded = expanded;
    layout();
}

void LeftColumn::setCovered(bool covered) {
    m_covered = covered;
    layout();
}

void LeftColumn::setSensitivity(int x, int y) {
    m_x->setPosClamped(x);
    m_y->setPosClamped(y);
}

int LeftColumn::axisPanelTop() const {
    return m_axis->geometry().bottom() + 1;
}

void LeftColumn::layout() {
    const int shift = m_listExpanded ? m_listHeight : 0;
    m_macro->move(layout::kMacroHeader.topLeft() + QPoint(0, shift));
    m_gun->move(layout::kGunHeader.topLeft() + QPoint(0, shift));
    m_axis->move(layout::kAxisHeader.topLeft() + QPoint(0, shift));
    const QPoint xAt(layout::kAxisHeader.left() + layout::kSliderLeftOffset,
                     axisPanelTop() + layout::kSliderTopOffset);
    m_x->move(xAt);
    m_y->move(xAt + QPoint(0, layout::kSliderSpacing));
    for (CBitmapBtn* header : {m_assignment, m_macro, m_gun, m_axis}) {
        header->setVisible(!m_covered);
    }
    m_x->setVisible(m_axisExpanded && !m_covered);
    m_y->setVisible(m_axisExpanded && !m_covered);
    m_window.update();
}

void LeftColumn::paintAxisPanel(QPainter& painter) const {
    if (!m_axisExpanded) {
        return;
    }
    const int t = axisPanelTop();
    const int left = layout::kAxisHeader.left();
    m_skin.draw(painter, kAxisPanelFile, left, t);
    constexpr int kFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
    const int textLeft = left + layout::kSliderLeftOffset;
    const int textWidth = layout::kAxisTextRight - textLeft;
    m_labels[0].draw(painter, QRect(textLeft, t + 5, textWidth, 20), kFlags,
                     qText(m_texts[Text::XAxis]));
    m_labels[1].draw(painter, QRect(textLeft, t + 50, textWidth, 20), kFlags,
                     qText(m_texts[Text::YAxis]));
    for (int mark = 0; mark < layout::kScaleMarks; ++mark) {
        const int markLeft = layout::kScaleFirstLeft + layout::kScaleStep * mark;
        const int width = layout::kAxisTextRight - markLeft;
        const QString number = QString::number(mark + 1);
        const auto index = static_cast<std::size_t>(2 + mark);
        m_labels[index].draw(painter, QRect(markLeft, t + 35, width, 20), kFlags, number);
        m_labels[index + layout::kScaleMarks].draw(painter, QRect(markLeft, t + 80, width, 20),
                                                   kFlags, number);
    }
}

}  // namespace gx508
