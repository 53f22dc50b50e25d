// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CSkinScrollWnd.h"

#include "gui/ui/CSkinScrollBar.h"

#include "support/WidgetProbe.h"

#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

namespace gx508 {

using test::moveHeld;
using test::press;
using test::release;
using test::rendered;

namespace {

QColor cellColor(int column, int row) {
    return {25 * column + 5, 70 * row + 20, 100};
}

QPixmap cellBitmap() {
    QImage image(117, 48, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            painter.fillRect(column * 13, row * 16, 13, 16, cellColor(column, row));
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

// A window with a 200 × 150 scroll area at (10, 10) over content of the given size.
struct Fixture {
    explicit Fixture(QSize content = {150, 1000},
                     Qt::ScrollBarPolicy horizontal = Qt::ScrollBarAlwaysOff) {
        window.resize(400, 300);
        area = new QScrollArea(&window);
        area->setFrameStyle(QFrame::NoFrame);
        area->setGeometry(10, 10, 200, 150);
        area->setHorizontalScrollBarPolicy(horizontal);
        auto* inside = new QWidget;
        inside->resize(content);
        area->setWidget(inside);
        area->verticalScrollBar()->setSingleStep(60);
        window.show();
        frame = CSkinScrollWnd::skinWindowScroll(area, cellBitmap());
    }

    QScrollBar* own() const { return area->verticalScrollBar(); }
    CSkinScrollBar* bar() const { return frame->verticalBar(); }

    void tickSync() {
        auto* timer = frame->findChild<QTimer*>(QStringLiteral("syncTimer"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }

    QWidget window;
    QScrollArea* area = nullptr;
    CSkinScrollWnd* frame = nullptr;
};

}  // namespace

class CSkinScrollWndTest : public QObject {
    Q_OBJECT

  private slots:
    void frameTakesTheAreasPlaceWithTheBarAlongTheRight();
    void barShowsTheAreasScrollState();
    void barRequestsScrollTheArea();
    void draggingScrollsTheAreaWhileTheBarKeepsTheDrag();
    void silentChangesArriveWithTheTimerButNotDuringADrag();
    void barsShowOnlyWhenThereIsSomethingToScroll();
    void cornerBoxWhereBothBarsMeet();
    void borderMovesToTheFrame();
    void wheelOverTheBarScrollsTheArea();
    void destroyingTheAreaRemovesTheFrame();
};

void CSkinScrollWndTest::frameTakesTheAreasPlaceWithTheBarAlongTheRight() {
    Fixture f;
    QCOMPARE(f.frame->parentWidget(), &f.window);
    QCOMPARE(f.frame->geometry(), QRect(10, 10, 200, 150));
    QVERIFY(f.frame->isVisible());
    QCOMPARE(f.area->parentWidget(), f.frame);
    QCOMPARE(f.area->geometry(), QRect(0, 0, 187, 150));
    QCOMPARE(f.bar()->geometry(), QRect(187, 0, 13, 150));
    QVERIFY(f.bar()->isVisible());
    QVERIFY(!f.frame->horizontalBar()->isVisible());
    QVERIFY(!f.own()->isVisible());

    f.frame->resize(250, 200);
    QCOMPARE(f.area->geometry(), QRect(0, 0, 237, 200));
    QCOMPARE(f.bar()->geometry(), QRect(237, 0, 13, 200));
}

void CSkinScrollWndTest::barShowsTheAreasScrollState() {
    Fixture f;
    // Content 1000 in a view of 150: values 0..850, which a platform bar states as range
    // 0..999 with a page of 150.
    QCOMPARE(f.bar()->scrollInfo(), (ScrollInfo{0, 999, 150, 0}));
    QVERIFY(f.bar()->isEnabled());
    f.own()->setValue(300);
    QCOMPARE(f.bar()->scrollInfo().position, 300);
}

void CSkinScrollWndTest::barRequestsScrollTheArea() {
    Fixture f;
    // Second arrow: a line of 60.
    press(*f.bar(), {6, 145});
    release(*f.bar(), {6, 145});
    QCOMPARE(f.own()->value(), 60);
    QCOMPARE(f.bar()->scrollInfo().position, 60);
    // Below the thumb: a page.
    press(*f.bar(), {6, 120});
    release(*f.bar(), {6, 120});
    QCOMPARE(f.own()->value(), 210);
    QCOMPARE(f.bar()->scrollInfo().position, 210);
    // First arrow.
    press(*f.bar(), {6, 5});
    release(*f.bar(), {6, 5});
    QCOMPARE(f.own()->value(), 150);
    QCOMPARE(f.bar()->scrollInfo().position, 150);
}

void CSkinScrollWndTest::draggingScrollsTheAreaWhileTheBarKeepsTheDrag() {
    Fixture f;
    // Track 124 pixels, thumb 124 × 150 / 1000 = 18 at 13..30; 106 free pixels for 850 values.
    press(*f.bar(), {6, 20});
    moveHeld(*f.bar(), {6, 73});
    QCOMPARE(f.bar()->trackPosition(), 425);
    QCOMPARE(f.own()->value(), 425);
    QCOMPARE(f.bar()->scrollInfo().position, 0);  // the drag is shown, not yet the position
    release(*f.bar(), {6, 73});
    QCOMPARE(f.own()->value(), 425);
    QCOMPARE(f.bar()->scrollInfo().position, 425);
    QCOMPARE(f.bar()->trackPosition(), -1);
}

void CSkinScrollWndTest::silentChangesArriveWithTheTimerButNotDuringADrag() {
    Fixture f;
    // A page step change emits no signal.
    f.own()->setPageStep(100);
    QCOMPARE(f.bar()->scrollInfo().page, 150);
    f.tickSync();
    QCOMPARE(f.bar()->scrollInfo(), (ScrollInfo{0, 949, 100, 0}));

    press(*f.bar(), {6, 20});
    f.own()->setPageStep(120);
    f.tickSync();
    QCOMPARE(f.bar()->scrollInfo().page, 100);
    release(*f.bar(), {6, 20});
    QCOMPARE(f.bar()->scrollInfo().page, 120);
}

void CSkinScrollWndTest::barsShowOnlyWhenThereIsSomethingToScroll() {
    Fixture f({150, 100});
    QVERIFY(!f.bar()->isVisible());
    QCOMPARE(f.area->geometry(), QRect(0, 0, 200, 150));
    QVERIFY(!f.bar()->isEnabled());

    f.area->widget()->resize(150, 600);
    QVERIFY(f.bar()->isVisible());
    QCOMPARE(f.area->geometry(), QRect(0, 0, 187, 150));
    QVERIFY(f.bar()->isEnabled());

    // A bar asked for always shows, disabled while there is nothing to scroll.
    Fixture always({150, 100}, Qt::ScrollBarAlwaysOn);
    QVERIFY(always.frame->horizontalBar()->isVisible());
    QVERIFY(!always.frame->horizontalBar()->isEnabled());
}

void CSkinScrollWndTest::cornerBoxWhereBothBarsMeet() {
    Fixture f({400, 1000}, Qt::ScrollBarAlwaysOn);
    QCOMPARE(f.bar()->geometry(), QRect(187, 0, 13, 137));
    QCOMPARE(f.frame->horizontalBar()->geometry(), QRect(0, 137, 187, 13));
    QCOMPARE(f.area->geometry(), QRect(0, 0, 187, 137));
    QCOMPARE(QColor(rendered(*f.frame).pixel(193, 143)), cellColor(8, 0));

    // Right to left: the vertical bar and the corner on the left, the corner from row 1.
    Fixture rtl({400, 1000}, Qt::ScrollBarAlwaysOn);
    rtl.area->setLayoutDirection(Qt::RightToLeft);
    rtl.frame->resize(201, 150);
    QCOMPARE(rtl.bar()->geometry(), QRect(0, 0, 13, 137));
    QCOMPARE(rtl.area->geometry(), QRect(13, 0, 188, 137));
    QCOMPARE(QColor(rendered(*rtl.frame).pixel(6, 143)), cellColor(8, 1));
}

void CSkinScrollWndTest::borderMovesToTheFrame() {
    QWidget window;
    window.resize(300, 200);
    auto* area = new QScrollArea(&window);
    area->setFrameStyle(QFrame::Box | QFrame::Plain);
    area->setLineWidth(2);
    area->setGeometry(0, 0, 200, 150);
    auto* inside = new QWidget;
    inside->resize(150, 1000);
    area->setWidget(inside);
    area->hide();
    window.show();
    CSkinScrollWnd* frame = CSkinScrollWnd::skinWindowScroll(area, cellBitmap());
    QVERIFY(!frame->isVisibleTo(&window));  // hidden like the area was
    frame->show();
    QCOMPARE(area->frameStyle(), int(QFrame::NoFrame));
    QCOMPARE(frame->frameStyle(), int(QFrame::Box | QFrame::Plain));
    QCOMPARE(frame->verticalBar()->geometry(), QRect(185, 2, 13, 146));
    QCOMPARE(area->geometry(), QRect(2, 2, 183, 146));
}

void CSkinScrollWndTest::wheelOverTheBarScrollsTheArea() {
    Fixture f;
    const auto wheel = [&f](int delta) {
        const QPointF at(6, 70);
        QWheelEvent event(at, QPointF(f.bar()->mapToGlobal(at.toPoint())), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(f.bar(), &event);
    };
    wheel(-120);
    QVERIFY(f.own()->value() > 0);
    QCOMPARE(f.bar()->scrollInfo().position, f.own()->value());
    wheel(120);
    QCOMPARE(f.own()->value(), 0);
}

void CSkinScrollWndTest::destroyingTheAreaRemovesTheFrame() {
    Fixture f;
    const QPointer<CSkinScrollWnd> frame(f.frame);
    delete f.area;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(frame.isNull());
}

}  // namespace gx508

QTEST_MAIN(gx508::CSkinScrollWndTest)
#include "CSkinScrollWndTest.moc"
