// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgadvance.h"

#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "core/store/BlockDefaults.h"
#include "gui/perf/CDlgDPISetting.h"
#include "gui/perf/SettingsPage.h"
#include "gui/ui/CBitmapBtn.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/CSkinScrollWnd.h"
#include "gui/ui/Skin.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

constexpr int kDpiPageHeight = 232;  // the shipped skin's DPI page

struct Panel {
    Panel() {
        ApplyCodeDefaults(state);
        state.languageCode = "EN";
        state.texts = LanguageTable::For("EN");
        window.resize(1000, 642);
        panel = new CDlgadvance(state, skin, &window);
        window.show();
        QApplication::processEvents();
    }
    int headerTop(int section) const { return panel->header(section)->geometry().top(); }
    void clickHeader(int section) { QTest::mouseClick(panel->header(section), Qt::LeftButton); }
    QScrollBar* bar() const { return panel->verticalScrollBar(); }

    NullLog log;
    SharedState state{"/nonexistent", log};
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    QWidget window;
    CDlgadvance* panel = nullptr;
};

}  // namespace

class CDlgadvanceTest : public QObject {
    Q_OBJECT

  private slots:
    void standsInItsFrameWithSixHeadersAndASmallScrollRange() {
        Panel p;
        QCOMPARE(p.panel->frame()->geometry(), CDlgadvance::kPlace);
        QVERIFY(p.panel->frame()->isVisible());
        for (int k = 0; k < 6; ++k) {
            QVERIFY(p.panel->header(k)->isVisible());
            QCOMPARE(p.panel->header(k)->geometry(), QRect(0, 2 + 25 * k, 242, 20));
        }
        QVERIFY(!p.panel->header(6)->isVisible());
        QCOMPARE(p.panel->layout().contentHeight(), 563);
        const int client = p.panel->viewport()->height();
        QCOMPARE(client, 561);
        QCOMPARE(p.bar()->maximum(), 563 - client);
        QCOMPARE(p.bar()->pageStep(), client);
        QCOMPARE(p.panel->header(0)->text(), QStringLiteral("DPI Setting"));
    }

    void aHeaderClickOpensItsPageAndMovesTheHeadersBelow() {
        Panel p;
        QSignalSpy cleared(p.panel, &CDlgadvance::highlightClearRequested);
        p.clickHeader(0);
        QCOMPARE(cleared.count(), 1);
        SettingsPage* dpi = p.panel->page(0);
        QVERIFY(dpi->isVisible());
        QCOMPARE(dpi->geometry(), QRect(0, 22, 242, kDpiPageHeight));
        for (int k = 1; k < 7; ++k) {
            QCOMPARE(p.headerTop(k), 2 + 25 * k + kDpiPageHeight);
        }
        QCOMPARE(p.panel->layout().layoutTotal(), 140 + kDpiPageHeight + 10);

        p.clickHeader(0);
        QVERIFY(!dpi->isVisible());
        for (int k = 1; k < 7; ++k) {
            QCOMPARE(p.headerTop(k), 2 + 25 * k);
        }
        QCOMPARE(cleared.count(), 2);

        test::press(*p.panel->viewport(), QPoint(100, 400));
        QCOMPARE(cleared.count(), 3);
    }

    void closingASectionKeepsTheScrollPositionInRange() {
        Panel p;
        for (int k : {0, 2, 3, 4}) {
            p.clickHeader(k);
        }
        const int content = p.panel->layout().contentHeight();
        QCOMPARE(content, 140 + 242 + 144 + 122 + 122);
        QCOMPARE(p.bar()->maximum(), content - 561);
        p.bar()->setValue(p.bar()->maximum());
        QCOMPARE(p.headerTop(0), 2 - p.bar()->maximum());

        p.clickHeader(3);
        const int shorter = content - 122;
        QCOMPARE(p.bar()->maximum(), shorter - 561);
        QCOMPARE(p.panel->scrollPosition(), shorter - 561 - 1);
        QCOMPARE(p.headerTop(0), 2 - p.panel->scrollPosition());
        QCOMPARE(p.panel->page(0)->geometry().top(), 22 - p.panel->scrollPosition());

        p.panel->collapseAll();
        for (int k = 0; k < 7; ++k) {
            QVERIFY(p.panel->layout().collapsed(k));
        }
        QCOMPARE(p.panel->scrollPosition(), 1);
        QCOMPARE(p.headerTop(1), 27 - 1);
        QVERIFY(!p.panel->page(0)->isVisible());
    }

    void theWheelScrollsLinesOfSixtyPixels() {
        Panel p;
        QApplication::setWheelScrollLines(3);
        for (int k : {0, 2, 3, 4}) {
            p.clickHeader(k);
        }
        const auto turn = [&](int delta) {
            QWidget* viewport = p.panel->viewport();
            QWheelEvent wheel(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), QPoint(),
                              QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            QApplication::sendEvent(viewport, &wheel);
            return p.panel->scrollPosition();
        };
        QCOMPARE(turn(-120), 60);
        QCOMPARE(turn(-120), 120);
        QCOMPARE(turn(120), 60);
        // Three notches are three lines, here limited by the end.
        QCOMPARE(turn(-360), 209);
    }

    void refreshAllShowsTheReplacedBlock() {
        Panel p;
        auto* dpi = static_cast<CDlgDPISetting*>(p.panel->page(0));
        QCOMPARE(dpi->slider(2)->position(), 19);
        p.state.block.setDpiIndex(2, 40);
        p.state.block.setDpiIndex(3, 0);
        p.panel->refreshAll();
        QCOMPARE(dpi->slider(2)->position(), 40);
        // 100 DPI shows at the slider's minimum.
        QCOMPARE(dpi->slider(3)->position(), 1);
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgadvanceTest)
#include "CDlgadvanceTest.moc"
