// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CExMenu.h"

#include "gui/ui/FontMap.h"

#include "support/WidgetProbe.h"

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

namespace gx508 {

using test::countColor;
using test::inkBounds;
using test::rendered;

namespace {

QFont menuFont() {
    return mappedFont(QStringLiteral("Arial"), 13);
}

// A small assignment-style menu: two commands, a submenu, an inert item.
ExMenuModel sampleModel() {
    ExMenuModel dpi{50, {}};
    dpi.items.push_back({QStringLiteral("DPI +"), 2020, false, std::nullopt});
    dpi.items.push_back({QStringLiteral("DPI -"), 2021, false, std::nullopt});
    dpi.items.push_back({QStringLiteral("DPI Loop"), 2022, false, std::nullopt});

    ExMenuModel top{120, {}};
    top.items.push_back({QStringLiteral("Click"), 2001, false, std::nullopt});
    top.items.push_back({QStringLiteral("Menu"), 2002, false, std::nullopt});
    top.items.push_back({QStringLiteral("DPI Setting +"), 0, false, dpi});
    top.items.push_back({QStringLiteral("Gun2"), 20002, true, std::nullopt});
    return top;
}

// How close to white the whitest pixel of an area is: its lowest channel. Small antialiased
// glyphs have few pixels that are exactly the text colour.
int whitestChannel(const QImage& image, const QRect& area) {
    int whitest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            whitest = std::max(whitest, std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}));
        }
    }
    return whitest;
}

void clickItem(QMenu& menu, int index) {
    QTest::mouseClick(&menu, Qt::LeftButton, {},
                      menu.actionGeometry(menu.actions().at(index)).center());
}

}  // namespace

class CExMenuTest : public QObject {
    Q_OBJECT

  private slots:
    void itemsAreTwentyPixelsHighAndAsWideAsTheMenuSays();
    void itemsTooNarrowForTheirTextAreWidened();
    void frameItemColoursAndTextReadBackFromTheImage();
    void submenuItemsShowNoArrow();
    void choosingItemsReportsTheirCommands();
    void submenuOpensOnClickAndReportsThroughTheTopMenu();
    void ampersandsAreShownAsTheyAre();
    void checkableItemsShowTheirStateInABox();
};

void CExMenuTest::itemsAreTwentyPixelsHighAndAsWideAsTheMenuSays() {
    CExMenu menu(sampleModel(), menuFont());
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    const QList<QAction*> actions = menu.actions();
    QCOMPARE(actions.size(), 4);
    for (int i = 0; i < actions.size(); ++i) {
        QCOMPARE(menu.actionGeometry(actions.at(i)), QRect(3, 3 + 20 * i, 120, 20));
    }
    QCOMPARE(menu.size(), QSize(126, 86));
    menu.close();
}

void CExMenuTest::itemsTooNarrowForTheirTextAreWidened() {
    // The gun switch submenus are 30 pixels wide, narrower than "Disable".
    ExMenuModel gun{30, {}};
    gun.items.push_back({QStringLiteral("Assign"), 2040, false, std::nullopt});
    gun.items.push_back({QStringLiteral("Disable"), 2041, false, std::nullopt});
    CExMenu menu(gun, menuFont());
    const int textWidth = QFontMetrics(menuFont()).horizontalAdvance(QStringLiteral("Disable"));
    for (QAction* action : menu.actions()) {
        const QRect area = menu.actionGeometry(action);
        QVERIFY2(area.width() >= 2 + textWidth + 4, qPrintable(QString::number(area.width())));
        QCOMPARE(area.height(), 20);
    }
}

void CExMenuTest::frameItemColoursAndTextReadBackFromTheImage() {
    CExMenu menu(sampleModel(), menuFont());
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(menu.actions().at(1));
    const QImage image = rendered(menu);
    QCOMPARE(image.size(), QSize(126, 86));

    // Three rings: the outermost in the lighter red, the two inner ones in the dark red.
    for (const QPoint& corner : {QPoint(0, 0), QPoint(125, 85), QPoint(60, 0), QPoint(0, 40)}) {
        QCOMPARE(QColor(image.pixel(corner)), CExMenu::kOuterFrame);
    }
    for (const int inset : {1, 2}) {
        QCOMPARE(QColor(image.pixel(inset, inset)), CExMenu::kInnerFrame);
        QCOMPARE(QColor(image.pixel(125 - inset, 85 - inset)), CExMenu::kInnerFrame);
        QCOMPARE(QColor(image.pixel(60, inset)), CExMenu::kInnerFrame);
    }

    // Each row: its background at the right end, white text from two pixels into the row.
    for (int row = 0; row < 4; ++row) {
        const QRect area(3, 3 + 20 * row, 120, 20);
        const QColor background =
            row == 1 ? CExMenu::kSelectedBackground : CExMenu::kNormalBackground;
        QCOMPARE(QColor(image.pixel(area.right() - 1, area.center().y())), background);
        QVERIFY(whitestChannel(image, area) >= 230);
        QImage rowImage = image.copy(area);
        const QRect ink = inkBounds(rowImage, background);
        QVERIFY2(ink.left() >= 2 && ink.left() <= 4, qPrintable(QString::number(ink.left())));
        const int inkMiddle = (ink.top() + ink.bottom() + 1) / 2;
        QVERIFY2(qAbs(inkMiddle - 10) <= 2, qPrintable(QString::number(inkMiddle)));
    }
    menu.close();
}

void CExMenuTest::submenuItemsShowNoArrow() {
    CExMenu menu(sampleModel(), menuFont());
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    for (const bool selected : {false, true}) {
        QAction* submenuItem = menu.actions().at(2);
        menu.setActiveAction(selected ? submenuItem : nullptr);
        const QRect area = menu.actionGeometry(submenuItem);
        const int textEnd =
            area.left() + 2 +
            QFontMetrics(menuFont()).horizontalAdvance(QStringLiteral("DPI Setting +"));
        const QRect afterText(textEnd + 2, area.top(), area.right() - textEnd - 1, area.height());
        const QColor background =
            selected ? CExMenu::kSelectedBackground : CExMenu::kNormalBackground;
        QCOMPARE(countColor(rendered(menu), background, afterText),
                 afterText.width() * afterText.height());
    }
    menu.close();
}

void CExMenuTest::choosingItemsReportsTheirCommands() {
    CExMenu menu(sampleModel(), menuFont());
    QSignalSpy chosen(&menu, &CExMenu::commandChosen);

    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    clickItem(menu, 1);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 2002);
    QVERIFY(!menu.isVisible());

    // An inert item closes the menu and yields nothing.
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    clickItem(menu, 3);
    QVERIFY(!menu.isVisible());
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(menu.commandOf(menu.actions().at(3)), std::nullopt);
    QCOMPARE(menu.commandOf(menu.actions().at(0)), std::optional<int>(2001));
}

void CExMenuTest::submenuOpensOnClickAndReportsThroughTheTopMenu() {
    CExMenu menu(sampleModel(), menuFont());
    QSignalSpy chosen(&menu, &CExMenu::commandChosen);
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    clickItem(menu, 2);
    auto* submenu = qobject_cast<CExMenu*>(menu.actions().at(2)->menu());
    QVERIFY(submenu != nullptr);
    QTRY_VERIFY(submenu->isVisible());
    QVERIFY(menu.isVisible());
    QCOMPARE(chosen.count(), 0);
    // The submenu draws itself the same way, with its own frame.
    QCOMPARE(QColor(rendered(*submenu).pixel(0, 0)), CExMenu::kOuterFrame);
    QCOMPARE(submenu->actionGeometry(submenu->actions().at(0)).height(), 20);

    clickItem(*submenu, 2);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 2022);
    QVERIFY(!menu.isVisible());
}

void CExMenuTest::ampersandsAreShownAsTheyAre() {
    CExMenu menu(menuFont());
    menu.setItemWidth(100);
    const QAction* action = menu.appendItem(7, QStringLiteral("Copy & Paste"));
    QCOMPARE(menu.itemText(action), QStringLiteral("Copy & Paste"));
    QCOMPARE(action->text(), QStringLiteral("Copy && Paste"));  // no mnemonic
}

void CExMenuTest::checkableItemsShowTheirStateInABox() {
    CExMenu menu(menuFont());
    menu.setItemWidth(40);
    QAction* toggle = menu.appendItem(3, QStringLiteral("Start at login"));
    toggle->setCheckable(true);
    menu.appendItem(2, QStringLiteral("Exit"));
    QSignalSpy chosen(&menu, &CExMenu::commandChosen);
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));

    const QRect row = menu.actionGeometry(toggle);
    const int textWidth =
        QFontMetrics(menuFont()).horizontalAdvance(QStringLiteral("Start at login"));
    QVERIFY2(row.width() >= 2 + textWidth + CExMenu::kCheckBoxSize + 2 * CExMenu::kCheckBoxMargin,
             qPrintable(QString::number(row.width())));
    const int size = CExMenu::kCheckBoxSize;
    const QRect box(row.right() - CExMenu::kCheckBoxMargin - size + 1,
                    row.top() + (row.height() - size) / 2, size, size);
    const QRect inside = box.adjusted(1, 1, -1, -1);
    const int outline = 4 * (size - 1);

    QImage image = rendered(menu);
    QCOMPARE(countColor(image, CExMenu::kNormalText, box), outline);
    QCOMPARE(countColor(image, CExMenu::kNormalBackground, inside), (size - 2) * (size - 2));
    const QRect exitEnd = menu.actionGeometry(menu.actions().at(1))
                              .intersected(QRect(box.left(), 0, size, image.height()));
    QCOMPARE(countColor(image, CExMenu::kNormalBackground, exitEnd),
             exitEnd.width() * exitEnd.height());

    clickItem(menu, 0);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toInt(), 3);
    QVERIFY(toggle->isChecked());
    menu.popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    menu.setActiveAction(nullptr);
    image = rendered(menu);
    QCOMPARE(countColor(image, CExMenu::kNormalText, box), outline + (size - 4) * (size - 4));
    QCOMPARE(countColor(image, CExMenu::kNormalText, box.adjusted(2, 2, -2, -2)),
             (size - 4) * (size - 4));
    menu.close();
}

}  // namespace gx508

QTEST_MAIN(gx508::CExMenuTest)
#include "CExMenuTest.moc"
