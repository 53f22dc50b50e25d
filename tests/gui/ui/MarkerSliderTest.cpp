// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CDMarker.h"
#include "gui/ui/CDMarkerV.h"

#include "support/WidgetProbe.h"

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace gx508 {

using test::countColor;
using test::moveHeld;
using test::press;
using test::release;
using test::rendered;

namespace {

const QColor kEmpty(60, 60, 60);
const QColor kFull(220, 30, 30);
const QColor kOutsideSource(0, 0, 255);

// Track images whose first column is not part of the track, as with the lighting page's images.
QPixmap trackImage(QSize size, const QColor& color) {
    QPixmap image = test::solidPixmap(size + QSize(1, 0), color);
    QPainter painter(&image);
    painter.fillRect(0, 0, 1, size.height(), kOutsideSource);
    return image;
}

std::unique_ptr<MarkerSlider> makeMarker(bool vertical, QSize size, int minimum, int maximum) {
    std::unique_ptr<MarkerSlider> marker;
    if (vertical) {
        marker = std::make_unique<CDMarkerV>();
    } else {
        marker = std::make_unique<CDMarker>();
    }
    marker->resize(size);
    marker->setTracks(trackImage(size, kEmpty), trackImage(size, kFull), QRect(QPoint(1, 0), size));
    marker->setRange(minimum, maximum);
    return marker;
}

}  // namespace

class MarkerSliderTest : public QObject {
    Q_OBJECT

  private slots:
    void newMarkersStartAtZeroOfZeroToTen();
    void clickMovesToThePointAndNotifies_data();
    void clickMovesToThePointAndNotifies();
    void dragFollowsThePointerAndNotifiesOnlyOnRelease();
    void losingTheDragKeepsThePositionWithoutNotification();
    void fillShowsTheFullTrack_data();
    void fillShowsTheFullTrack();
    void settersLimitThePositionWithoutNotification();
    void disabledMarkerIgnoresThePointerButDrawsTheSame();
};

void MarkerSliderTest::newMarkersStartAtZeroOfZeroToTen() {
    for (const bool vertical : {false, true}) {
        const auto marker = vertical ? std::unique_ptr<MarkerSlider>(std::make_unique<CDMarkerV>())
                                     : std::unique_ptr<MarkerSlider>(std::make_unique<CDMarker>());
        QCOMPARE(marker->minimum(), 0);
        QCOMPARE(marker->maximum(), 10);
        QCOMPARE(marker->position(), 0);
        QCOMPARE(marker->focusPolicy(), Qt::TabFocus);
    }
}

void MarkerSliderTest::clickMovesToThePointAndNotifies_data() {
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("expected");

    const QSize dpi(7, 170);
    QTest::newRow("DPI, bottom edge") << true << dpi << 1 << 54 << QPoint(3, 170) << 1;
    QTest::newRow("DPI, middle") << true << dpi << 1 << 54 << QPoint(3, 85) << 27;
    QTest::newRow("DPI, top edge") << true << dpi << 1 << 54 << QPoint(3, 0) << 54;
    QTest::newRow("DPI, far above") << true << dpi << 1 << 54 << QPoint(3, -200) << 54;
    QTest::newRow("DPI, far below") << true << dpi << 1 << 54 << QPoint(3, 400) << 1;

    const QSize lighting(128, 8);
    QTest::newRow("lighting, 25") << false << lighting << 1 << 6 << QPoint(25, 4) << 1;
    QTest::newRow("lighting, 26") << false << lighting << 1 << 6 << QPoint(26, 4) << 2;
    QTest::newRow("lighting, last pixel") << false << lighting << 1 << 6 << QPoint(127, 4) << 5;
    QTest::newRow("lighting, right edge") << false << lighting << 1 << 6 << QPoint(128, 4) << 6;
    QTest::newRow("lighting, far left") << false << lighting << 1 << 6 << QPoint(-90, 4) << 1;

    const QSize sensitivity(208, 9);
    QTest::newRow("sensitivity, 104") << false << sensitivity << 1 << 11 << QPoint(104, 4) << 6;
    QTest::newRow("sensitivity, 207") << false << sensitivity << 1 << 11 << QPoint(207, 4) << 10;
}

void MarkerSliderTest::clickMovesToThePointAndNotifies() {
    QFETCH(bool, vertical);
    QFETCH(QSize, size);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(QPoint, at);
    QFETCH(int, expected);

    const auto marker = makeMarker(vertical, size, minimum, maximum);
    QSignalSpy released(marker.get(), &MarkerSlider::positionReleased);
    press(*marker, at);
    QCOMPARE(marker->position(), 0);  // a press alone does not move
    QVERIFY(marker->isDragging());
    release(*marker, at);
    QVERIFY(!marker->isDragging());
    QCOMPARE(marker->position(), expected);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released.at(0).at(0).toInt(), expected);
}

void MarkerSliderTest::dragFollowsThePointerAndNotifiesOnlyOnRelease() {
    const auto marker = makeMarker(false, {128, 8}, 1, 6);
    QSignalSpy released(marker.get(), &MarkerSlider::positionReleased);
    press(*marker, {0, 4});
    moveHeld(*marker, {60, 4});
    QCOMPARE(marker->position(), 3);
    moveHeld(*marker, {300, 4});
    QCOMPARE(marker->position(), 6);
    QCOMPARE(released.count(), 0);
    release(*marker, {100, 4});
    QCOMPARE(marker->position(), 4);
    QCOMPARE(released.count(), 1);

    // Moves without a held button change nothing.
    moveHeld(*marker, {10, 4}, Qt::NoButton);
    QCOMPARE(marker->position(), 4);
}

void MarkerSliderTest::losingTheDragKeepsThePositionWithoutNotification() {
    QWidget window;
    auto* marker = new CDMarker(&window);
    marker->setGeometry(0, 0, 128, 8);
    marker->setRange(1, 6);
    window.show();
    QSignalSpy released(marker, &MarkerSlider::positionReleased);

    press(*marker, {0, 4});
    moveHeld(*marker, {60, 4});
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(marker, &focusOut);
    QVERIFY(!marker->isDragging());
    moveHeld(*marker, {120, 4});
    QCOMPARE(marker->position(), 3);
    // The release away from the control belongs to nobody.
    release(*marker, {200, 4});
    QCOMPARE(marker->position(), 3);
    QCOMPARE(released.count(), 0);

    press(*marker, {0, 4});
    moveHeld(*marker, {30, 4});
    marker->hide();
    QVERIFY(!marker->isDragging());
    QCOMPARE(marker->position(), 2);
    QCOMPARE(released.count(), 0);
}

void MarkerSliderTest::fillShowsTheFullTrack_data() {
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("filled");

    QTest::newRow("lighting 1") << false << QSize(128, 8) << 1 << 6 << 1 << 0;
    QTest::newRow("lighting 2") << false << QSize(128, 8) << 1 << 6 << 2 << 32;
    QTest::newRow("lighting 5, full") << false << QSize(128, 8) << 1 << 6 << 5 << 128;
    QTest::newRow("DPI 1") << true << QSize(7, 170) << 1 << 54 << 1 << 0;
    QTest::newRow("DPI 27") << true << QSize(7, 170) << 1 << 54 << 27 << 85;
    QTest::newRow("DPI 53, full") << true << QSize(7, 170) << 1 << 54 << 53 << 170;
    QTest::newRow("single step, at the top") << false << QSize(50, 8) << 1 << 2 << 2 << 50;
}

void MarkerSliderTest::fillShowsTheFullTrack() {
    QFETCH(bool, vertical);
    QFETCH(QSize, size);
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, filled);

    const auto marker = makeMarker(vertical, size, minimum, maximum);
    marker->setPosClamped(position);
    const QImage image = rendered(*marker);
    const int across = vertical ? size.width() : size.height();
    QCOMPARE(countColor(image, kFull), filled * across);
    QCOMPARE(countColor(image, kOutsideSource), 0);
    // The filled part is at the left end, or at the bottom.
    const QRect filledPart = vertical ? QRect(0, size.height() - filled, size.width(), filled)
                                      : QRect(0, 0, filled, size.height());
    QCOMPARE(countColor(image, kFull, filledPart), filled * across);
}

void MarkerSliderTest::settersLimitThePositionWithoutNotification() {
    const auto marker = makeMarker(false, {128, 8}, 1, 6);
    QSignalSpy released(marker.get(), &MarkerSlider::positionReleased);
    const struct {
        int value;
        int clamped;
        int orMin;
    } cases[] = {{3, 3, 3}, {6, 6, 6}, {1, 1, 1}, {0, 1, 1}, {9, 6, 1}, {-5, 1, 1}};
    for (const auto& c : cases) {
        marker->setPosClamped(c.value);
        QCOMPARE(marker->position(), c.clamped);
        marker->setPosOrMin(c.value);
        QCOMPARE(marker->position(), c.orMin);
    }
    QCOMPARE(released.count(), 0);

    marker->setRange(5, 2);  // inverted: positions fall back to the minimum
    marker->setPosClamped(3);
    QCOMPARE(marker->position(), 5);
}

void MarkerSliderTest::disabledMarkerIgnoresThePointerButDrawsTheSame() {
    const auto marker = makeMarker(false, {128, 8}, 1, 6);
    marker->setPosClamped(3);
    const QImage enabled = rendered(*marker);
    marker->setEnabled(false);
    QCOMPARE(rendered(*marker), enabled);

    QSignalSpy released(marker.get(), &MarkerSlider::positionReleased);
    press(*marker, {120, 4});
    release(*marker, {120, 4});
    QCOMPARE(marker->position(), 3);
    QCOMPARE(released.count(), 0);
}

}  // namespace gx508

QTEST_MAIN(gx508::MarkerSliderTest)
#include "MarkerSliderTest.moc"
