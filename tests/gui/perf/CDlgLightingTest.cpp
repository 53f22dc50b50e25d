// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgLighting.h"

#include <QTest>

#include "core/perf/Lighting.h"
#include "gui/ui/CDMarker.h"
#include "support/PageFixture.h"

namespace gx508 {

using Page = test::PageFixture<CDlgLighting>;

class CDlgLightingTest : public QObject {
    Q_OBJECT

  private slots:
    void aChoiceBoxSelectsItsEffectAndOnlyItsSlider() {
        Page p;
        QCOMPARE(p.page->slider(1)->geometry(), QRect(100, 49, 128, 8));
        p.state.block.setByte(block::kRespirationPeriod, 3);
        p.click(CDlgLighting::choiceBox(1).center());
        QCOMPARE(int{p.byte(block::kLightingMode)}, 2);
        QVERIFY(!p.page->slider(0)->isEnabled());
        QVERIFY(p.page->slider(1)->isEnabled());
        QVERIFY(!p.page->slider(2)->isEnabled());
        QCOMPARE(p.page->slider(1)->position(), 3);
        QCOMPARE(p.page->slider(0)->position(), 5);

        p.click(CDlgLighting::choiceBox(2).center());
        QCOMPARE(int{p.byte(block::kLightingMode)}, 3);
        QVERIFY(p.page->slider(2)->isEnabled());
        QVERIFY(!p.page->slider(1)->isEnabled());
        p.click(QPoint(60, 100));
        QCOMPARE(int{p.byte(block::kLightingMode)}, 3);
    }

    void sliderReleasesStoreLevelsOneToSix_data() {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("level");
        QTest::newRow("L+25") << 25 << 1;
        QTest::newRow("L+26") << 26 << 2;
        QTest::newRow("inside, last") << 127 << 5;
        QTest::newRow("at R") << 128 << 6;
        QTest::newRow("far right") << 400 << 6;
        QTest::newRow("far left") << -300 << 1;
    }

    void sliderReleasesStoreLevelsOneToSix() {
        QFETCH(int, x);
        QFETCH(int, level);
        Page p;
        CDMarker* brightness = p.page->slider(0);
        test::press(*brightness, QPoint(10, 4));
        test::release(*brightness, QPoint(x, 4));
        QCOMPARE(int{p.byte(block::kStandardBrightness)}, level);
        QCOMPARE(int{p.byte(block::kRespirationPeriod)}, 5);
    }

    void theZeroMarkTurnsTheLightOffAndEachEffectKeepsItsLevel() {
        Page p;
        CDMarker* brightness = p.page->slider(0);
        test::press(*brightness, QPoint(0, 4));
        test::release(*brightness, QPoint(0, 4));
        QCOMPARE(int{p.byte(block::kStandardBrightness)}, 1);
        QVERIFY((LightingCommandBytes(p.state.block) == std::array<std::uint8_t, 3>{0, 0, 0}));
        p.click(CDlgLighting::choiceBox(2).center());
        p.click(CDlgLighting::choiceBox(0).center());
        QCOMPARE(brightness->position(), 1);
        QCOMPARE(int{p.byte(block::kStandardBrightness)}, 1);
    }

    void storedValuesOutsideTheScaleShowAtOneAndStay() {
        Page p;
        p.state.block.setByte(block::kNeonPeriod, 9);
        p.state.block.setByte(block::kLightingMode, 3);
        p.page->refresh();
        QCOMPARE(p.page->slider(2)->position(), 1);
        QCOMPARE(int{p.byte(block::kNeonPeriod)}, 9);

        // Modes 0 and 4 show no choice and leave the sliders as they are.
        p.state.block.setByte(block::kLightingMode, 4);
        p.state.block.setByte(block::kNeonPeriod, 2);
        p.page->refresh();
        QCOMPARE(int{p.byte(block::kLightingMode)}, 4);
        QCOMPARE(p.page->slider(2)->position(), 1);
        QVERIFY(p.page->slider(2)->isEnabled());
        const QImage none = test::rendered(*p.page);
        p.page->selectMode(3);
        QVERIFY(test::rendered(*p.page).copy(CDlgLighting::choiceBox(2)) !=
                none.copy(CDlgLighting::choiceBox(2)));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgLightingTest)
#include "CDlgLightingTest.moc"
