// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/SettingsPage.h"

#include <QPainter>

#include "core/i18n/FontRule.h"
#include "gui/ui/FontMap.h"
#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

namespace gx508 {

SettingsPage::SettingsPage(SharedState& state, const Skin& skin, QString background, int fontHeight,
                           QWidget* parent)
    : QWidget(parent),
      m_state(state),
      m_skin(skin),
      m_font(mappedFont(qText(FontFace(state.languageCode)), fontHeight)),
      m_background(std::move(background)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    const QSize size = skin.size(m_background);
    resize(size.isValid() ? size : QSize(0, 0));
}

void SettingsPage::beginPaint(QPainter& painter) const {
    painter.fillRect(rect(), Qt::black);
    m_skin.draw(painter, m_background, 0, 0);
    painter.setPen(Qt::white);
    painter.setFont(m_font);
}

}  // namespace gx508
