// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/SpeedArcPage.h"

#include <QTest>

#include "gui/perf/CDlgDoubleClick.h"
#include "gui/perf/CDlgMouseSpeed.h"
#include "support/PageFixture.h"

namespace gx508 {

class SpeedArcPageTest : public QObject {
    Q_OBJECT

  private slots:
    void clicksOnTheArcSetThePointerSpeed_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("value");
        QTest::newRow("centre line, right") << QPoint(121 + 60, 91) << 6 << 11;
        QTest::newRow("centre line, left") << QPoint(121 - 60, 91) << 6 << 1;
        QTest::newRow("top") << QPoint(121, 91 - 60) << 2 << 7;
        QTest::newRow("120 degrees") << QPoint(121 - 30, 91 - 52) << 6 << 5;
        QTest::newRow("below the line") << QPoint(121 + 60, 92) << 6 << 6;
        QTest::newRow("below the line keeps a bad value") << QPoint(121 - 60, 100) << 0 << 0;
        QTest::newRow("off the ring repairs a bad value") << QPoint(121, 91 - 20) << 0 << 1;
        QTest::newRow("off the ring, too high") << QPoint(10, 10) << 40 << 11;
    }

    void clicksOnTheArcSetThePointerSpeed() {
        QFETCH(QPoint, at);
        QFETCH(int, stored);
        QFETCH(int, value);
        test::PageFixture<CDlgMouseSpeed> p;
        p.state.block.setByte(block::kPointerSpeed, static_cast<std::uint8_t>(stored));
        const SettingsBlock before = p.state.block;
        p.click(at);
        QCOMPARE(int{p.byte(block::kPointerSpeed)}, value);
        QCOMPARE(int{p.byte(block::kDoubleClickSpeed)}, int{before.byte(block::kDoubleClickSpeed)});
        QVERIFY(p.log.lines().empty());
    }

    void theDoubleClickPageLogsTheAngleOfARingClick() {
        test::PageFixture<CDlgDoubleClick> p;
        p.click(QPoint(121, 91 - 60));
        QCOMPARE(int{p.byte(block::kDoubleClickSpeed)}, 7);
        QCOMPARE(int{p.byte(block::kPointerSpeed)}, 6);
        QCOMPARE(p.log.lines().size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(p.log.lines()[0]),
                 QStringLiteral("angle/18:angle=90.000000,angle/18=5\n"));
        p.click(QPoint(121, 91 - 20));
        QCOMPARE(p.log.lines().size(), std::size_t{1});
    }

    void theArcPictureFollowsTheValue() {
        test::PageFixture<CDlgMouseSpeed> p;
        const QImage six = test::rendered(*p.page);
        p.click(QPoint(121 + 60, 91 - 5));
        QVERIFY(test::rendered(*p.page) != six);
        p.state.block.setByte(block::kPointerSpeed, 6);
        p.page->refresh();
        QCOMPARE(test::rendered(*p.page), six);
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::SpeedArcPageTest)
#include "SpeedArcPageTest.moc"
