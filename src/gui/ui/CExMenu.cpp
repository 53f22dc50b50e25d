// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CExMenu.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace gx508 {

namespace {

// Room kept after the longest text of a menu that had to be widened for it.
constexpr int kTextEndPadding = 10;

QString escapedMnemonics(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// Gives every item of a CExMenu its height and width and the menu its frame; the menu paints
// itself. Built on one fixed style so that the desktop's style cannot add margins or shadows.
class ExMenuStyle : public QProxyStyle {
  public:
    ExMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        switch (metric) {
            case PM_MenuPanelWidth:
                return CExMenu::kFrameWidth;
            // A submenu opens beside its parent's frame instead of over it.
            case PM_SubMenuOverlap:
                return CExMenu::kFrameWidth;
            case PM_MenuHMargin:
            case PM_MenuVMargin:
            case PM_MenuDesktopFrameWidth:
                return 0;
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override {
        const auto* menu = qobject_cast<const CExMenu*>(widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type == CT_MenuItem && menu != nullptr && item != nullptr) {
            QString text = item->text;
            text.replace(QLatin1String("&&"), QLatin1String("&"));
            int needed = CExMenu::kTextIndent + QFontMetrics(menu->font()).horizontalAdvance(text) +
                         kTextEndPadding;
            if (item->checkType != QStyleOptionMenuItem::NotCheckable) {
                needed += CExMenu::kCheckBoxSize + 2 * CExMenu::kCheckBoxMargin;
            }
            return {std::max(menu->itemWidth(), needed), CExMenu::kItemHeight};
        }
        if (type == CT_Menu && menu != nullptr) {
            return size;
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }
};

// One style serves every menu; it belongs to the application so that it outlives them.
QStyle* exMenuStyle() {
    static QPointer<ExMenuStyle> style;
    if (style.isNull()) {
        style = new ExMenuStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

}  // namespace

CExMenu::CExMenu(const QFont& font, QWidget* parent) : QMenu(parent) {
    setStyle(exMenuStyle());
    setFont(font);
    connect(this, &QMenu::triggered, this, [this](QAction* action) {
        if (const std::optional<int> command = commandOf(action)) {
            emit commandChosen(*command);
        }
    });
}

CExMenu::CExMenu(const ExMenuModel& model, const QFont& font, QWidget* parent)
    : CExMenu(font, parent) {
    appendModel(model);
}

void CExMenu::setItemWidth(int pixels) {
    m_itemWidth = std::max(pixels, 0);
    adjustSize();
}

QAction* CExMenu::appendItem(int command, const QString& text, bool inert) {
    QAction* action = addAction(escapedMnemonics(text));
    m_items.push_back({action, text, command, inert, nullptr});
    return action;
}

CExMenu* CExMenu::appendSubmenu(const QString& text, int itemWidth) {
    auto* submenu = new CExMenu(font(), this);
    submenu->setItemWidth(itemWidth);
    submenu->setTitle(escapedMnemonics(text));
    const QAction* action = addMenu(submenu);
    m_items.push_back({action, text, 0, false, submenu});
    return submenu;
}

void CExMenu::appendModel(const ExMenuModel& model) {
    setItemWidth(model.itemWidth);
    for (const ExMenuItem& item : model.items) {
        if (item.submenu) {
            appendSubmenu(item.text, item.submenu->itemWidth)->appendModel(*item.submenu);
        } else {
            appendItem(item.command, item.text, item.inert);
        }
    }
}

const CExMenu::Item* CExMenu::findItem(const QAction* action) const {
    const auto found = std::find_if(m_items.begin(), m_items.end(),
                                    [action](const Item& item) { return item.action == action; });
    return found == m_items.end() ? nullptr : &*found;
}

std::optional<int> CExMenu::commandOf(const QAction* action) const {
    if (const Item* item = findItem(action)) {
        if (item->submenu != nullptr || item->inert) {
            return std::nullopt;
        }
        return item->command;
    }
    for (const Item& item : m_items) {
        if (item.submenu != nullptr) {
            if (const std::optional<int> command = item.submenu->commandOf(action)) {
                return command;
            }
        }
    }
    return std::nullopt;
}

std::optional<int> CExMenu::trackPopup(const QPoint& globalPosition) {
    const QAction* chosen = exec(globalPosition);
    return chosen != nullptr ? commandOf(chosen) : std::nullopt;
}

QString CExMenu::itemText(const QAction* action) const {
    const Item* item = findItem(action);
    return item != nullptr ? item->text : QString();
}

void CExMenu::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The two inner rings of the frame have the item background colour.
    painter.fillRect(rect(), kInnerFrame);
    painter.setPen(kOuterFrame);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    painter.setFont(font());
    const QFontMetrics metrics(font());
    for (QAction* action : actions()) {
        const QRect area = actionGeometry(action);
        if (!action->isVisible() || area.isEmpty()) {
            continue;
        }
        const bool selected = action == activeAction();
        painter.fillRect(area, selected ? kSelectedBackground : kNormalBackground);
        painter.setPen(selected ? kSelectedText : kNormalText);
        painter.setClipRect(area);
        const int top = area.top() + (area.height() - metrics.height()) / 2;
        painter.drawText(area.left() + kTextIndent, top + metrics.ascent(), itemText(action));
        if (action->isCheckable()) {
            paintCheckBox(painter, area, action->isChecked(), selected);
        }
        painter.setClipping(false);
    }
}

void CExMenu::paintCheckBox(QPainter& painter, const QRect& row, bool checked, bool selected) {
    const QRect box(row.right() - kCheckBoxMargin - kCheckBoxSize + 1,
                    row.top() + (row.height() - kCheckBoxSize) / 2, kCheckBoxSize, kCheckBoxSize);
    const QColor ink = selected ? kSelectedText : kNormalText;
    painter.setPen(ink);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
    if (checked) {
        painter.fillRect(box.adjusted(2, 2, -2, -2), ink);
    }
}

}  // namespace gx508
