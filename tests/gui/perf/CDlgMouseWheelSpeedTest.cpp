// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgMouseWheelSpeed.h"

#include <QLineEdit>
#include <QTest>

#include "support/PageFixture.h"

namespace gx508 {

using Page = test::PageFixture<CDlgMouseWheelSpeed>;

class CDlgMouseWheelSpeedTest : public QObject {
    Q_OBJECT

  private slots:
    void typedLineCountsOutsideTheRangeBecomeOne_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("shown");
        QTest::newRow("zero") << "0" << 1 << "1";
        QTest::newRow("over 100") << "101" << 1 << "1";
        QTest::newRow("100") << "100" << 100 << "100";
        QTest::newRow("7") << "7" << 7 << "7";
    }

    void typedLineCountsOutsideTheRangeBecomeOne() {
        QFETCH(QString, typed);
        QFETCH(int, lines);
        QFETCH(QString, shown);
        Page p;
        QLineEdit* box = p.page->lineCount();
        QCOMPARE(box->geometry(), QRect(150, 15, 36, 14));
        box->selectAll();
        QTest::keyClicks(box, typed);
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, lines);
        QCOMPARE(box->text(), shown);
    }

    void clearingTheBoxPutsOneIntoItAtOnce() {
        Page p;
        QLineEdit* box = p.page->lineCount();
        box->setFocus();
        box->end(false);
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("1"));
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 1);
        QTest::keyClicks(box, "x");
        QCOMPARE(box->text(), QStringLiteral("1"));
    }

    void theArrowsStepWithinOneToAHundred() {
        Page p;
        const QPoint up = CDlgMouseWheelSpeed::kUpArrow.center();
        const QPoint down = CDlgMouseWheelSpeed::kDownArrow.center();
        p.click(up);
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 4);
        QCOMPARE(p.page->lineCount()->text(), QStringLiteral("4"));
        p.state.block.setByte(block::kWheelScrollLines, 100);
        p.click(up);
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 100);
        p.state.block.setByte(block::kWheelScrollLines, 2);
        p.click(down);
        p.click(down);
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 1);
        QCOMPARE(p.page->lineCount()->text(), QStringLiteral("1"));
    }

    void oneScreenPerNotchDisablesTheLinesAndKeepsThem() {
        Page p;
        p.state.block.setByte(block::kWheelScrollLines, 9);
        p.page->refresh();
        p.click(CDlgMouseWheelSpeed::kScreenBox.center());
        QCOMPARE(int{p.byte(block::kWheelScrollsScreen)}, 1);
        QVERIFY(!p.page->lineCount()->isEnabled());
        QCOMPARE(p.page->lineCount()->text(), QStringLiteral("9"));
        p.click(CDlgMouseWheelSpeed::kUpArrow.center());
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 9);

        p.page->refresh();
        QCOMPARE(p.page->lineCount()->text(), QStringLiteral("0"));
        QCOMPARE(int{p.byte(block::kWheelScrollLines)}, 9);

        p.click(CDlgMouseWheelSpeed::kLinesBox.center());
        QCOMPARE(int{p.byte(block::kWheelScrollsScreen)}, 0);
        QVERIFY(p.page->lineCount()->isEnabled());
        QCOMPARE(p.page->lineCount()->text(), QStringLiteral("9"));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgMouseWheelSpeedTest)
#include "CDlgMouseWheelSpeedTest.moc"
