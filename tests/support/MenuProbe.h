// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

#include <initializer_list>

#include "gui/ui/CExMenu.h"

// Helpers for tests of the owner-drawn menus: items found by their text, chosen with the mouse,
// and pictures of a window with its open menus over it.
namespace gx508::test {

// The action of `menu` whose text is `text`, or nullptr.
inline QAction* menuAction(CExMenu* menu, const QString& text) {
    for (QAction* a : menu->actions()) {
        if (menu->itemText(a) == text) {
            return a;
        }
    }
    return nullptr;
}

// Chooses an item with the mouse, as a user does.
inline void clickMenuItem(CExMenu* menu, QAction* item) {
    const QPoint centre = menu->actionGeometry(item).center();
    QTest::mouseMove(menu, centre);
    QTest::mouseClick(menu, Qt::LeftButton, {}, centre);
}

// Points at a submenu's title and waits for the submenu; nullptr when it does not open.
inline CExMenu* openSubmenu(CExMenu* menu, const QString& title) {
    QAction* item = menuAction(menu, title);
    if (item == nullptr) {
        return nullptr;
    }
    QTest::mouseMove(menu, menu->actionGeometry(item).center());
    menu->setActiveAction(item);
    auto* submenu = qobject_cast<CExMenu*>(item->menu());
    return submenu != nullptr && QTest::qWaitFor([submenu] { return submenu->isVisible(); })
               ? submenu
               : nullptr;
}

// The window with the given popups painted over it where they are on the screen.
inline QImage windowWithPopups(QWidget& window, std::initializer_list<QWidget*> popups) {
    QImage image = window.grab().toImage();
    QPainter painter(&image);
    for (QWidget* popup : popups) {
        painter.drawPixmap(window.mapFromGlobal(popup->pos()), popup->grab());
    }
    return image;
}

// Saves a screenshot for people to look at, in gui-artifacts/ of the build tree.
inline bool saveScreenshot(const QImage& image, const QString& name) {
    const QString folder = QStringLiteral(GX508_PROGRAM_DIR "/../gui-artifacts");
    return QDir().mkpath(folder) && image.save(folder + QLatin1Char('/') + name);
}

}  // namespace gx508::test
