// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/perf/CDlgDPISetting.h"

#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include "core/store/BlockDefaults.h"
#include "gui/ui/CDMarkerV.h"
#include "gui/ui/Skin.h"
#include "support/WidgetProbe.h"

namespace gx508 {

namespace {

struct Page {
    Page() {
        ApplyCodeDefaults(state);
        page = new CDlgDPISetting(state, skin, &window);
        window.show();
        QApplication::processEvents();
    }
    void click(QPoint at) {
        test::press(*page, at);
        test::release(*page, at);
    }
    void doubleClick(QPoint at) {
        test::sendMouse(*page, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    }
    std::uint8_t enabledByte(int stage) const {
        return state.block.byte(block::kStageEnabled + static_cast<std::size_t>(stage));
    }

    NullLog log;
    SharedState state{"/nonexistent", log};
    Skin skin{QStringLiteral(GX508_PROGRAM_DIR "/Skins")};
    QWidget window;
    CDlgDPISetting* page = nullptr;
};

// Confirms the next colour chooser with the colour given, or cancels it.
void AnswerColourChooser(const QColor& colour) {
    QTimer::singleShot(0, [colour] {
        auto* chooser = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
        QVERIFY(chooser != nullptr);
        if (colour.isValid()) {
            chooser->setCurrentColor(colour);
            chooser->accept();
        } else {
            chooser->reject();
        }
    });
}

}  // namespace

class CDlgDPISettingTest : public QObject {
    Q_OBJECT

  private slots:
    void releasingASliderStoresItsIndexAndEnablesTheStage() {
        Page p;
        p.state.block.setStageEnabled(2, false);
        CDMarkerV* slider = p.page->slider(2);
        QCOMPARE(slider->geometry(), QRect(97, 3, 7, 170));
        test::press(*slider, QPoint(3, 0));
        test::release(*slider, QPoint(3, 0));
        QCOMPARE(p.state.block.dpiIndex(2), 54);
        QCOMPARE(p.enabledByte(2), 1);
        test::press(*slider, QPoint(3, 169));
        test::release(*slider, QPoint(3, 200));
        QCOMPARE(p.state.block.dpiIndex(2), 1);
        QCOMPARE(p.state.block.dpiIndex(1), 9);
    }

    void theEnableBoxTogglesAndOnlyAnEnabledStageChoosesAColour() {
        Page p;
        const QPoint enable4 = CDlgDPISetting::enableBoxRect(4).center();
        const QPoint swatch4 = CDlgDPISetting::swatchRect(4).center();
        QCOMPARE(enable4, QPoint(173, 206));
        p.click(enable4);
        QCOMPARE(p.enabledByte(4), 0);
        const Rgb before = p.state.block.stageColour(4);
        // A chooser would block here; none opens for a disabled stage.
        p.click(swatch4);
        QVERIFY(p.state.block.stageColour(4) == before);

        p.state.block.setByte(block::kStageEnabled + 4, 7);
        p.click(enable4);
        QCOMPARE(p.enabledByte(4), 0);
        p.click(enable4);
        QCOMPARE(p.enabledByte(4), 1);

        AnswerColourChooser(QColor(0x12, 0x34, 0x56));
        p.click(swatch4);
        QVERIFY((p.state.block.stageColour(4) == Rgb{0x12, 0x34, 0x56}));
        AnswerColourChooser(QColor());
        p.click(swatch4);
        QVERIFY((p.state.block.stageColour(4) == Rgb{0x12, 0x34, 0x56}));
        QVERIFY(p.state.block.stageColour(3) == (Rgb{255, 255, 0}));
    }

    void typedValuesSnapToTheMouseDpiSteps_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("sliderAt");
        QTest::newRow("zero") << "0" << 0 << "100" << 1;
        QTest::newRow("empty") << "" << 0 << "100" << 1;
        QTest::newRow("too big") << "99999" << 54 << "6000" << 54;
        QTest::newRow("5150") << "5150" << 50 << "5200" << 50;
        QTest::newRow("5399") << "5399" << 50 << "5200" << 50;
        QTest::newRow("5400") << "5400" << 51 << "5400" << 51;
        QTest::newRow("5999") << "5999" << 53 << "5800" << 53;
        QTest::newRow("4999") << "4999" << 48 << "4900" << 48;
        QTest::newRow("800") << "800" << 7 << "800" << 7;
    }

    void typedValuesSnapToTheMouseDpiSteps() {
        QFETCH(QString, typed);
        QFETCH(int, index);
        QFETCH(QString, shown);
        QFETCH(int, sliderAt);
        Page p;
        p.state.block.setStageEnabled(1, false);
        p.doubleClick(CDlgDPISetting::valueBoxRect(1).center());
        QLineEdit* editor = p.page->editor(1);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QStringLiteral("1000"));
        QCOMPARE(p.page->editingStage(), 1);
        editor->clear();
        QTest::keyClicks(editor, typed);
        // A click on the page commits the entry.
        p.click(QPoint(120, 228));
        QCOMPARE(int{p.state.block.dpiIndex(1)}, index);
        QCOMPARE(editor->text(), shown);
        QVERIFY(!editor->isVisible());
        QCOMPARE(p.page->slider(1)->position(), sliderAt);
        QCOMPARE(p.page->editingStage(), -1);
        // The entry does not enable the stage.
        QCOMPARE(p.enabledByte(1), 0);
    }

    void theEditorTakesFiveDigitsOnlyAndEnterCommitsIt() {
        Page p;
        p.doubleClick(CDlgDPISetting::valueBoxRect(5).center());
        QLineEdit* editor = p.page->editor(5);
        editor->clear();
        QTest::keyClicks(editor, "1a2-3 4567");
        QCOMPARE(editor->text(), QStringLiteral("12345"));
        editor->setText(QStringLiteral("2345"));
        QVERIFY(p.page->commitFocusedEditor());
        QCOMPARE(p.state.block.dpiIndex(5), 22);
        QVERIFY(!editor->isVisible());
        QVERIFY(!p.page->commitFocusedEditor());
    }

    void paintsEachStageValueInItsBox() {
        Page p;
        const QImage before = test::rendered(*p.page);
        p.state.block.setDpiIndex(0, 54);
        p.page->refresh();
        const QImage after = test::rendered(*p.page);
        const QRect box = CDlgDPISetting::valueBoxRect(0);
        QVERIFY(before.copy(box) != after.copy(box));
        QCOMPARE(before.copy(CDlgDPISetting::valueBoxRect(1)),
                 after.copy(CDlgDPISetting::valueBoxRect(1)));
        QCOMPARE(test::countColor(after, QColor(255, 0, 0), CDlgDPISetting::swatchRect(0)), 100);
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::CDlgDPISettingTest)
#include "CDlgDPISettingTest.moc"
