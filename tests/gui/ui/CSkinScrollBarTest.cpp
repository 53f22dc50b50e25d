// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CSkinScrollBar.h"

#include "support/WidgetProbe.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTimerEvent>

namespace gx508 {

using test::moveHeld;
using test::press;
using test::release;
using test::rendered;
using test::sendMouse;

namespace {

constexpr int kCellWidth = 13;
constexpr int kCellHeight = 16;

// Every cell its own colour; the thumb cells have distinct ends (6 rows or columns each).
QColor cellColor(int column, int row) {
    return {25 * column + 5, 70 * row + 20, 100};
}
QColor thumbStartColor(int row) {
    return {250, 70 * row + 20, 0};
}
QColor thumbEndColor(int row) {
    return {0, 70 * row + 20, 250};
}

QPixmap cellBitmap() {
    QImage image(kCellWidth * 9, kCellHeight * 3, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QRect cell(column * kCellWidth, row * kCellHeight, kCellWidth, kCellHeight);
            painter.fillRect(cell, cellColor(column, row));
            if (column == 2) {
                painter.fillRect(cell.x(), cell.y(), kCellWidth, 6, thumbStartColor(row));
                painter.fillRect(cell.x(), cell.bottom() - 5, kCellWidth, 6, thumbEndColor(row));
            }
            if (column == 6) {
                painter.fillRect(cell.x(), cell.y(), 6, kCellHeight, thumbStartColor(row));
                painter.fillRect(cell.right() - 5, cell.y(), 6, kCellHeight, thumbEndColor(row));
            }
        }
    }
    painter.end();
    return QPixmap::fromImage(image);
}

// A vertical bar 300 pixels long over range 0..999 with a page of 400: the thumb is 109 pixels
// long and starts at 13 + 165 × position / 600.
struct Fixture {
    explicit Fixture(int position = 0) : bar(Qt::Vertical) {
        bar.resize(40, 300);
        bar.setBitmap(cellBitmap());
        bar.setScrollInfo({0, 999, 400, position});
    }

    // The window being scrolled: applies each request as a platform scroll bar's owner would,
    // moving by 40 per line and by the page, within 0..600.
    void followRequests() {
        QObject::connect(&bar, &CSkinScrollBar::scrollRequested,
                         [this](ScrollRequest request, int position) {
                             ScrollInfo info = bar.scrollInfo();
                             switch (request) {
                                 case ScrollRequest::LineUp:
                                     info.position -= 40;
                                     break;
                                 case ScrollRequest::LineDown:
                                     info.position += 40;
                                     break;
                                 case ScrollRequest::PageUp:
                                     info.position -= info.page;
                                     break;
                                 case ScrollRequest::PageDown:
                                     info.position += info.page;
                                     break;
                                 case ScrollRequest::ThumbTrack:
                                 case ScrollRequest::ThumbPosition:
                                     info.position = position;
                                     break;
                             }
                             info.position = qBound(0, info.position, 600);
                             bar.setScrollInfo(info);
                         });
    }

    QColor at(int y) { return rendered(bar).pixel(6, y); }

    QTimer* repeatTimer() { return bar.findChild<QTimer*>(QStringLiteral("repeatTimer")); }

    // One tick of the repeat timer, without waiting for it.
    void tick() {
        QTimer* timer = repeatTimer();
        QVERIFY(timer->isActive());
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }

    CSkinScrollBar bar;
};

ScrollRequest requestAt(const QSignalSpy& spy, int index) {
    return spy.at(index).at(0).value<ScrollRequest>();
}

}  // namespace

class CSkinScrollBarTest : public QObject {
    Q_OBJECT

  private slots:
    void setBitmapMakesTheBarOneCellThick();
    void paintsEachPartFromItsCell();
    void paintsNothingWithoutABitmap();
    void hoverAndPressedLooks();
    void heldArrowRepeatsAfterTheDelayUntilTheEnd();
    void heldArrowPausesWhileThePointerIsOutside();
    void heldPageAreaStopsWhenTheThumbReachesThePointer();
    void draggingTheThumbTracksAndEndsWithThumbPosition();
    void doubleClicksAreIgnored();
    void horizontalBarUsesItsOwnCellsAndAxis();
};

void CSkinScrollBarTest::setBitmapMakesTheBarOneCellThick() {
    CSkinScrollBar bar(Qt::Vertical);
    bar.setGeometry(50, 60, 40, 300);
    bar.setBitmap(cellBitmap());
    QCOMPARE(bar.thickness(), 13);
    QCOMPARE(bar.geometry(), QRect(50, 60, 13, 300));
}

void CSkinScrollBarTest::paintsEachPartFromItsCell() {
    Fixture f(600);
    const QImage image = rendered(f.bar);
    const auto rowColor = [&](int y) { return QColor(image.pixel(6, y)); };
    QCOMPARE(rowColor(0), cellColor(0, 0));
    QCOMPARE(rowColor(12), cellColor(0, 0));
    QCOMPARE(rowColor(13), cellColor(3, 0));
    QCOMPARE(rowColor(177), cellColor(3, 0));
    // The thumb: 178..286, its cell's top rows first, its bottom rows last.
    QCOMPARE(rowColor(178), thumbStartColor(0));
    QCOMPARE(rowColor(183), thumbStartColor(0));
    QCOMPARE(rowColor(184), cellColor(2, 0));
    QCOMPARE(rowColor(280), cellColor(2, 0));
    QCOMPARE(rowColor(281), thumbEndColor(0));
    QCOMPARE(rowColor(286), thumbEndColor(0));
    QCOMPARE(rowColor(287), cellColor(1, 0));
    QCOMPARE(rowColor(299), cellColor(1, 0));

    // Nothing to scroll: arrows and track only.
    f.bar.setScrollInfo({0, 99, 100, 0});
    const QImage empty = rendered(f.bar);
    for (int y = 13; y < 287; ++y) {
        QCOMPARE(QColor(empty.pixel(6, y)), cellColor(3, 0));
    }
}

void CSkinScrollBarTest::paintsNothingWithoutABitmap() {
    CSkinScrollBar bar(Qt::Vertical);
    bar.resize(13, 100);
    bar.setScrollInfo({0, 999, 400, 0});
    const QImage image = rendered(bar);
    const QRgb background = image.pixel(0, 0);
    QCOMPARE(test::countColor(image, QColor(background)), 13 * 100);
}

void CSkinScrollBarTest::hoverAndPressedLooks() {
    Fixture f(300);  // thumb at 95..203
    sendMouse(f.bar, QEvent::MouseMove, {6, 5});
    QCOMPARE(f.at(5), cellColor(0, 1));
    sendMouse(f.bar, QEvent::MouseMove, {6, 150});
    QCOMPARE(f.at(5), cellColor(0, 0));
    QCOMPARE(f.at(150), cellColor(2, 1));
    sendMouse(f.bar, QEvent::MouseMove, {6, 250});  // page areas have no hover look
    QCOMPARE(f.at(150), cellColor(2, 0));
    QCOMPARE(f.at(250), cellColor(3, 0));

    press(f.bar, {6, 295});
    QCOMPARE(f.at(295), cellColor(1, 2));
    moveHeld(f.bar, {6, 250});  // off the arrow: normal look while held
    QCOMPARE(f.at(295), cellColor(1, 0));
    moveHeld(f.bar, {6, 290});
    QCOMPARE(f.at(295), cellColor(1, 2));
    release(f.bar, {6, 290});
    QCOMPARE(f.at(295), cellColor(1, 1));  // back to hover under the pointer

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&f.bar, &leave);
    QCOMPARE(f.at(295), cellColor(1, 0));
}

void CSkinScrollBarTest::heldArrowRepeatsAfterTheDelayUntilTheEnd() {
    Fixture f(480);
    QSignalSpy requests(&f.bar, &CSkinScrollBar::scrollRequested);
    f.followRequests();

    press(f.bar, {6, 295});
    QCOMPARE(requests.count(), 1);  // at once
    QCOMPARE(requestAt(requests, 0), ScrollRequest::LineDown);
    QCOMPARE(f.bar.scrollInfo().position, 520);
    QCOMPARE(f.repeatTimer()->interval(), 500);

    f.tick();  // the delay ends: from now on every 100 ms
    QCOMPARE(requests.count(), 1);
    QCOMPARE(f.repeatTimer()->interval(), 100);
    for (int i = 0; i < 5; ++i) {
        f.tick();
    }
    QCOMPARE(requests.count(), 6);
    // The owner stopped at 600 long ago, but only the maximum (999) ends the repeat.
    QCOMPARE(f.bar.scrollInfo().position, 600);
    QVERIFY(f.repeatTimer()->isActive());

    f.bar.setScrollInfo({0, 999, 400, 999});
    f.tick();
    QCOMPARE(requests.count(), 6);
    QVERIFY(!f.repeatTimer()->isActive());
    release(f.bar, {6, 295});
}

void CSkinScrollBarTest::heldArrowPausesWhileThePointerIsOutside() {
    Fixture f(300);
    QSignalSpy requests(&f.bar, &CSkinScrollBar::scrollRequested);
    press(f.bar, {6, 5});
    f.tick();
    moveHeld(f.bar, {6, 40});
    f.tick();
    f.tick();
    QCOMPARE(requests.count(), 1);
    moveHeld(f.bar, {6, -20});  // above the bar is outside too
    f.tick();
    QCOMPARE(requests.count(), 1);
    moveHeld(f.bar, {6, 3});
    f.tick();
    QCOMPARE(requests.count(), 2);
    QCOMPARE(requestAt(requests, 1), ScrollRequest::LineUp);
    release(f.bar, {6, 3});
    QVERIFY(!f.repeatTimer()->isActive());
}

void CSkinScrollBarTest::heldPageAreaStopsWhenTheThumbReachesThePointer() {
    Fixture f(0);  // thumb at 13..121
    QSignalSpy requests(&f.bar, &CSkinScrollBar::scrollRequested);
    f.followRequests();

    press(f.bar, {6, 200});
    QCOMPARE(requestAt(requests, 0), ScrollRequest::PageDown);
    QCOMPARE(f.bar.scrollInfo().position, 400);  // thumb at 123..231, under the pointer
    f.tick();
    f.tick();
    QCOMPARE(requests.count(), 1);
    QVERIFY(!f.repeatTimer()->isActive());
    release(f.bar, {6, 200});
}

void CSkinScrollBarTest::draggingTheThumbTracksAndEndsWithThumbPosition() {
    Fixture f(0);
    QSignalSpy requests(&f.bar, &CSkinScrollBar::scrollRequested);
    press(f.bar, {6, 50});
    QVERIFY(f.bar.isDragging());
    QCOMPARE(f.bar.trackPosition(), 0);
    QCOMPARE(requests.count(), 0);

    moveHeld(f.bar, {6, 132});  // 82 pixels: 82 × 600 / 165
    QCOMPARE(f.bar.trackPosition(), 298);
    QCOMPARE(f.bar.scrollInfo().position, 0);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requestAt(requests, 0), ScrollRequest::ThumbTrack);
    QCOMPARE(requests.at(0).at(1).toInt(), 298);
    // The thumb shows pressed at the track position: 13 + 165 × 298 / 600 = 94.
    QCOMPARE(f.at(93), cellColor(3, 0));
    QCOMPARE(f.at(94), thumbStartColor(2));
    QCOMPARE(f.at(150), cellColor(2, 2));

    moveHeld(f.bar, {6, 132});  // no change, no request
    QCOMPARE(requests.count(), 1);
    moveHeld(f.bar, {6, 900});
    QCOMPARE(f.bar.trackPosition(), 600);

    release(f.bar, {6, 900});
    QVERIFY(!f.bar.isDragging());
    QCOMPARE(f.bar.trackPosition(), -1);
    QCOMPARE(requests.last().at(0).value<ScrollRequest>(), ScrollRequest::ThumbPosition);
    QCOMPARE(requests.last().at(1).toInt(), 600);
}

void CSkinScrollBarTest::doubleClicksAreIgnored() {
    Fixture f(300);
    QSignalSpy requests(&f.bar, &CSkinScrollBar::scrollRequested);
    for (const int y : {5, 150, 250}) {
        sendMouse(f.bar, QEvent::MouseButtonDblClick, {6, y}, Qt::LeftButton, Qt::LeftButton);
        release(f.bar, {6, y});
    }
    QCOMPARE(requests.count(), 0);
    QVERIFY(!f.bar.isDragging());
    QVERIFY(!f.repeatTimer()->isActive());
}

void CSkinScrollBarTest::horizontalBarUsesItsOwnCellsAndAxis() {
    CSkinScrollBar bar(Qt::Horizontal);
    bar.resize(300, 40);
    bar.setBitmap(cellBitmap());
    QCOMPARE(bar.size(), QSize(300, 13));
    bar.setScrollInfo({0, 999, 400, 600});
    const QImage image = rendered(bar);
    QCOMPARE(QColor(image.pixel(5, 6)), cellColor(4, 0));
    QCOMPARE(QColor(image.pixel(100, 6)), cellColor(7, 0));
    QCOMPARE(QColor(image.pixel(178, 6)), thumbStartColor(0));
    QCOMPARE(QColor(image.pixel(230, 6)), cellColor(6, 0));
    QCOMPARE(QColor(image.pixel(286, 6)), thumbEndColor(0));
    QCOMPARE(QColor(image.pixel(295, 6)), cellColor(5, 0));

    QSignalSpy requests(&bar, &CSkinScrollBar::scrollRequested);
    press(bar, {5, 6});
    release(bar, {5, 6});
    press(bar, {100, 6});
    release(bar, {100, 6});
    QCOMPARE(requests.count(), 2);
    QCOMPARE(requestAt(requests, 0), ScrollRequest::LineUp);
    QCOMPARE(requestAt(requests, 1), ScrollRequest::PageUp);
}

}  // namespace gx508

QTEST_MAIN(gx508::CSkinScrollBarTest)
#include "CSkinScrollBarTest.moc"
