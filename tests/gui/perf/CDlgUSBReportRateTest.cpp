// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgUSBReportRate.h"

#include <QTest>

#include "support/PageFixture.h"

namespace gx508 {

using Page = test::PageFixture<CDlgUSBReportRate>;

class CDlgUSBReportRateTest : public QObject {
    Q_OBJECT

  private slots:
    void eachQuarterOfTheRingPicksItsRate_data() {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<int>("code");
        QTest::newRow("upper right") << QPoint(121 + 30, 66 - 30) << 1;
        QTest::newRow("upper left") << QPoint(121 - 30, 66 - 30) << 8;
        QTest::newRow("lower left") << QPoint(121 - 30, 66 + 30) << 4;
        QTest::newRow("lower right, from 1000 Hz") << QPoint(121 + 30, 66 + 30) << 2;
        QTest::newRow("exactly 35 away") << QPoint(121 + 21, 66 - 28) << 1;
        QTest::newRow("centre") << QPoint(121, 66) << 0;
        QTest::newRow("inner circle") << QPoint(121 + 20, 66 - 20) << 0;
        QTest::newRow("outside") << QPoint(121 + 46, 66 + 45) << 0;
        QTest::newRow("on the axis") << QPoint(121 - 50, 66) << 0;
    }

    // A code of 0 stands for "nothing chosen": the stored rate stays.
    void eachQuarterOfTheRingPicksItsRate() {
        QFETCH(QPoint, at);
        QFETCH(int, code);
        Page p;
        p.state.block.setByte(block::kReportRate, 1);
        p.click(at);
        QCOMPARE(int{p.byte(block::kReportRate)}, code == 0 ? 1 : code);
    }

    void aMissingRateShowsAndKeepsFiveHundredOncePainted() {
        Page p;
        p.state.block.setByte(block::kReportRate, 0);
        const QImage shown = test::rendered(*p.page);
        QCOMPARE(int{p.byte(block::kReportRate)}, 2);
        p.state.block.setByte(block::kReportRate, 1);
        QVERIFY(test::rendered(*p.page) != shown);
        p.state.block.setByte(block::kReportRate, 2);
        QCOMPARE(test::rendered(*p.page), shown);
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgUSBReportRateTest)
#include "CDlgUSBReportRateTest.moc"
