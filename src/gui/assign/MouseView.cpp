// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/MouseView.h"

#include <QPainter>
#include <QWidget>

#include "core/assign/AssignmentPanel.h"
#include "gui/assign/MouseViewLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"
#include "gui/ui/SkinFiles.h"

namespace gx508 {

namespace {

constexpr int kTextHeight = 13;

constexpr std::array<Text, 3> kTabTexts = {Text::TopView, Text::SideView, Text::BackView};

}  // namespace

MouseView::MouseView(QWidget& window, const Skin& skin, const LanguageTable& texts,
                     const QString& fontFace)
    : QObject(&window), m_window(window), m_skin(skin), m_texts(texts) {
    const QPixmap tabNormal = skin.loadBitmap(kViewTabNormalFile);
    const QPixmap tabOver = skin.loadBitmap(kViewTabOverFile);
    const QPixmap tabLeave = skin.loadBitmap(kViewTabLeaveFile);
    for (std::size_t k = 0; k < m_tabs.size(); ++k) {
        const QRect& rect = layout::kViewTabs[k];
        auto* tab = new CBitmapBtn(qText(texts[kTabTexts[k]]), rect, &window);
        tab->setImages(QRect(QPoint(0, 0), rect.size()), tabNormal, tabOver, tabLeave, tabNormal);
        tab->setTextAlignment(ButtonTextAlignment::Centre);
        tab->setFontHeight(kTextHeight);
        tab->setFontFace(fontFace);
        const int view = static_cast<int>(k) + 1;
        connect(tab, &CBitmapBtn::clicked, this, [this, view] { SelectView(view); });
        m_tabs[k] = tab;
    }
    m_tabs[kBackView - 1]->hide();

    const QPixmap labelNormal = skin.loadBitmap(kLabelNormalFile);
    const QPixmap labelOver = skin.loadBitmap(kLabelOverFile);
    for (int mode = 0; mode < 2; ++mode) {
        for (int row = 0; row < PanelRowCount(mode); ++row) {
            const int button = PanelButtonIndex(mode, row);
            auto* label = new CBitmapBtn(
                QString(), QRect(layout::panelLabelPosition(row), layout::kPanelLabelSize),
                &window);
            label->setImages(QRect(QPoint(0, 0), layout::kPanelLabelSize), labelNormal, labelOver,
                             labelOver, labelNormal);
            label->setFontHeight(kTextHeight);
            label->setFontFace(fontFace);
            label->hide();
            connect(label, &CBitmapBtn::clicked, this, [this, button] { onLabelClicked(button); });
            m_labels[static_cast<std::size_t>(button)] = label;
        }
    }
    SelectView(kFrontView);
}

CBitmapBtn* MouseView::label(int button) const {
    return button >= 0 && button < kLabelCount ? m_labels[static_cast<std::size_t>(button)]
                                               : nullptr;
}

CBitmapBtn* MouseView::tab(int view) const {
    return view >= kFrontView && view <= kBackView ? m_tabs[static_cast<std::size_t>(view - 1)]
                                                   : nullptr;
}

void MouseView::SelectView(int view) {
    if (layout::mouseViewPicture(view) == nullptr) {
        return;
    }
    ClearHighlight();
    for (int k = kFrontView; k <= kBackView; ++k) {
        tab(k)->setSelected(k == view);
    }
    m_view = view;
    SetPanelMode(PanelModeOfView(view, m_panelMode));
    m_window.update(layout::kViewArea);
}

void MouseView::SetPanelMode(int mode) {
    if (PanelRowCount(mode) == 0) {
        return;
    }
    m_panelMode = mode;
    if (!m_listExpanded) {
        return;
    }
    const bool updates = m_window.updatesEnabled();
    m_window.setUpdatesEnabled(false);
    showPanelLabels();
    m_window.setUpdatesEnabled(updates);
    m_window.update(layout::kViewArea);
    m_window.update(layout::kPanelArea);
}

void MouseView::ClearHighlight() {
    for (CBitmapBtn* label : m_labels) {
        label->setSelected(false);
    }
    m_highlighted = -1;
    m_window.update(layout::kViewArea);
}

void MouseView::setListExpanded(bool expanded) {
    m_listExpanded = expanded;
    showPanelLabels();
    m_window.update(layout::kPanelArea);
}

void MouseView::setCovered(bool covered) {
    m_covered = covered;
    showPanelLabels();
}

void MouseView::setLabelTexts(const std::array<std::string, kLabelCount>& labels) {
    for (std::size_t k = 0; k < labels.size(); ++k) {
        m_labels[k]->setText(QString::fromStdString(labels[k]));
    }
}

void MouseView::showPanelLabels() {
    for (int mode = 0; mode < 2; ++mode) {
        const bool visible = m_listExpanded && !m_covered && mode == m_panelMode;
        for (int row = 0; row < PanelRowCount(mode); ++row) {
            label(PanelButtonIndex(mode, row))->setVisible(visible);
        }
    }
}

// A click on a label marks its button, in the panel and in the picture, while its assignment
// menu is open.
void MouseView::onLabelClicked(int button) {
    for (CBitmapBtn* other : m_labels) {
        other->setSelected(false);
    }
    label(button)->setSelected(true);
    m_highlighted = button;
    m_window.update(layout::kViewArea);
    emit selectorClicked(button);
}

void MouseView::paintMouseView(QPainter& painter) const {
    m_skin.draw(painter, kMiddleColumnFile, layout::kViewArea.left(), layout::kViewArea.top());
    const layout::MouseViewPicture& picture = *layout::mouseViewPicture(m_view);
    m_skin.draw(painter, *picture.base, picture.at.x(), picture.at.y());
    for (const layout::ButtonOverlay& overlay : picture.overlays) {
        if (overlay.button == m_highlighted) {
            m_skin.draw(painter, overlay.files->over, overlay.at.x(), overlay.at.y());
        }
    }
    for (const layout::ButtonOverlay& overlay : picture.overlays) {
        if (overlay.button != m_highlighted) {
            m_skin.draw(painter, overlay.files->normal, overlay.at.x(), overlay.at.y());
        }
    }
}

void MouseView::paintPanel(QPainter& painter) const {
    m_skin.draw(painter, m_panelMode == 0 ? kFrontPanelFile : kSidePanelFile,
                layout::kPanelArea.left(), layout::kPanelArea.top());
    for (int row = 0; row < PanelRowCount(m_panelMode); ++row) {
        m_captions[static_cast<std::size_t>(m_panelMode)][static_cast<std::size_t>(row)].draw(
            painter, layout::panelCaptionBox(row), Qt::AlignCenter | Qt::TextSingleLine,
            qText(ButtonCaption(m_texts, PanelCaptionNumber(m_panelMode, row))));
    }
}

}  // namespace gx508
