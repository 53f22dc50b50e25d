// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/MouseView.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "core/assign/AssignmentPanel.h"
#include "gui/assign/MouseViewLayout.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/Skin.h"

namespace gx508 {

namespace {

// A window holding the mouse view, drawn with the program's skin.
struct Fixture {
    Fixture() : view(window, skin, texts, QStringLiteral("Arial")) {
        window.resize(1000, 642);
        window.show();
    }

    QImage viewArea() {
        QImage image(window.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        view.paintMouseView(painter);
        return image.copy(layout::kViewArea);
    }

    std::vector<int> visibleLabels() const {
        std::vector<int> visible;
        for (int button = 0; button < kLabelCount; ++button) {
            if (view.label(button)->isVisible()) {
                visible.push_back(button);
            }
        }
        return visible;
    }

    QWidget window;
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    LanguageTable texts = LanguageTable::For("EN");
    MouseView view;
};

// The smallest rectangle (in window coordinates) where two pictures of the view area differ.
QRect Difference(const QImage& a, const QImage& b) {
    QRect bounds;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds.translated(layout::kViewArea.topLeft());
}

QRect OverlayRect(const Skin& skin, int view, int button) {
    for (const layout::ButtonOverlay& overlay : layout::mouseViewPicture(view)->overlays) {
        if (overlay.button == button) {
            return QRect(overlay.at, skin.image(overlay.files->over).size());
        }
    }
    return {};
}

}  // namespace

class MouseViewTest : public QObject {
    Q_OBJECT

  private slots:
    void labelClickHighlightsItsButtonInTheView_data();
    void labelClickHighlightsItsButtonInTheView();
    void aClickMovesTheMarkAndClearHighlightTakesItAway();
    void viewsSwitchTheTabsAndThePanel();
    void collapsedListOnlyRecordsThePanelMode();
};

void MouseViewTest::labelClickHighlightsItsButtonInTheView_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("button");
    QTest::newRow("front row 3, Button 4: F-6") << 1 << 3 << 4;
    QTest::newRow("front row 4, Button 5: F-7") << 1 << 4 << 3;
    QTest::newRow("front row 0, Button 1: F-1") << 1 << 0 << 0;
    QTest::newRow("side row 0, Button 8: S-8") << 2 << 0 << 11;
    QTest::newRow("side row 4, Button 12: S-12") << 2 << 4 << 7;
}

void MouseViewTest::labelClickHighlightsItsButtonInTheView() {
    QFETCH(int, view);
    QFETCH(int, row);
    QFETCH(int, button);
    Fixture f;
    f.view.setListExpanded(true);
    f.view.SelectView(view);
    const QImage plain = f.viewArea();

    CBitmapBtn* label = f.view.label(PanelButtonIndex(f.view.panelMode(), row));
    QVERIFY(label->isVisible());
    QCOMPARE(label->geometry().topLeft(), QPoint(120, 154 + 20 * row));
    QTest::mouseClick(label, Qt::LeftButton);

    QCOMPARE(f.view.highlighted(), button);
    QVERIFY(label->isSelected());
    const QRect changed = Difference(plain, f.viewArea());
    QVERIFY(!changed.isEmpty());
    QVERIFY2(OverlayRect(f.skin, view, button).contains(changed),
             "only the highlighted button's picture changes");
}

void MouseViewTest::aClickMovesTheMarkAndClearHighlightTakesItAway() {
    Fixture f;
    f.view.setListExpanded(true);
    QSignalSpy clicks(&f.view, &MouseView::selectorClicked);
    QTest::mouseClick(f.view.label(2), Qt::LeftButton);
    QTest::mouseClick(f.view.label(5), Qt::LeftButton);
    QCOMPARE(f.view.highlighted(), 5);
    QVERIFY(!f.view.label(2)->isSelected());
    QTest::mouseClick(f.view.label(5), Qt::LeftButton);
    QCOMPARE(f.view.highlighted(), 5);
    QCOMPARE(clicks.size(), 3);
    QCOMPARE(clicks.at(0).at(0).toInt(), 2);
    QCOMPARE(clicks.at(2).at(0).toInt(), 5);

    QTest::mouseClick(f.view.label(1), Qt::LeftButton);
    f.view.ClearHighlight();
    QCOMPARE(f.view.highlighted(), -1);
    QVERIFY(!f.view.label(1)->isSelected());
}

void MouseViewTest::viewsSwitchTheTabsAndThePanel() {
    Fixture f;
    f.view.setListExpanded(true);
    const std::vector<int> front = {0, 1, 2, 3, 4, 5, 6};
    const std::vector<int> side = {7, 8, 9, 10, 11};
    QCOMPARE(f.visibleLabels(), front);
    QVERIFY(!f.view.tab(3)->isVisible());

    QTest::mouseClick(f.view.label(4), Qt::LeftButton);
    QTest::mouseClick(f.view.tab(2), Qt::LeftButton);
    QCOMPARE(f.view.view(), 2);
    QCOMPARE(f.view.panelMode(), 1);
    QCOMPARE(f.view.highlighted(), -1);
    QCOMPARE(f.visibleLabels(), side);
    QVERIFY(f.view.tab(2)->isSelected());
    QVERIFY(!f.view.tab(1)->isSelected());

    // The back view keeps the panel of the view before it.
    f.view.SelectView(3);
    QCOMPARE(f.view.panelMode(), 1);
    QCOMPARE(f.visibleLabels(), side);

    QTest::mouseClick(f.view.tab(1), Qt::LeftButton);
    QCOMPARE(f.view.panelMode(), 0);
    QCOMPARE(f.visibleLabels(), front);
    QVERIFY(f.view.tab(1)->isSelected());
    QVERIFY(!f.view.tab(2)->isSelected() && !f.view.tab(3)->isSelected());
}

void MouseViewTest::collapsedListOnlyRecordsThePanelMode() {
    Fixture f;
    f.view.SetPanelMode(1);
    QCOMPARE(f.view.panelMode(), 1);
    QVERIFY(f.visibleLabels().empty());
    f.view.setListExpanded(true);
    QCOMPARE(f.visibleLabels(), (std::vector<int>{7, 8, 9, 10, 11}));
    f.view.setListExpanded(false);
    QVERIFY(f.visibleLabels().empty());
}

}  // namespace gx508

QTEST_MAIN(gx508::MouseViewTest)
#include "MouseViewTest.moc"
