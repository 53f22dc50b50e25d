// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/macro/ManagerControls.h"

#include <QListWidget>

#include "gui/ui/CExMenu.h"

namespace gx508 {

QListWidget* MakeManagerList(QWidget* parent, const QRect& rect, const QFont& font, bool scrolls,
                             const QColor& text, const QColor& background) {
    auto* list = new QListWidget(parent);
    list->setGeometry(rect);
    list->setFont(font);
    list->setFrameShape(QFrame::NoFrame);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = list->palette();
    for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window}) {
        palette.setColor(role, background);
    }
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Highlight, CExMenu::kSelectedBackground);
    palette.setColor(QPalette::HighlightedText, text);
    list->setPalette(palette);
    return list;
}

bool IsSwallowedManagerKey(int key) {
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Space:
        case Qt::Key_F1:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
            return true;
        default:
            return false;
    }
}

}  // namespace gx508
