// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgAngleSnap.h"

#include <QTest>

#include "support/PageFixture.h"

namespace gx508 {

using Page = test::PageFixture<CDlgAngleSnap>;

class CDlgAngleSnapTest : public QObject {
    Q_OBJECT

  private slots:
    void theBoxesReplaceAnyStoredValueByOffOrOn() {
        Page p;
        const QImage off = test::rendered(*p.page);
        p.state.block.setByte(block::kAngleSnapping, 2);
        p.page->refresh();
        const QImage two = test::rendered(*p.page);
        QVERIFY(two != off);
        p.click(CDlgAngleSnap::kOffBox.center());
        QCOMPARE(int{p.byte(block::kAngleSnapping)}, 0);
        QCOMPARE(test::rendered(*p.page), off);
        p.click(CDlgAngleSnap::kOnBox.center());
        QCOMPARE(int{p.byte(block::kAngleSnapping)}, 1);
        QCOMPARE(test::rendered(*p.page), two);
        p.click(QPoint(80, 35));
        QCOMPARE(int{p.byte(block::kAngleSnapping)}, 1);
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgAngleSnapTest)
#include "CDlgAngleSnapTest.moc"
