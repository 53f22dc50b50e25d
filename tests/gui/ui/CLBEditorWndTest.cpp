// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CLBEditorWnd.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventList>

#include <memory>

namespace gx508 {

namespace {

enum class Ending { Enter, KeypadEnter, Tab, Backtab, Escape, FocusLoss, ClickOutside };

// A dialog with a list of two names and a delay, a default button that Enter would press, and
// a second button to click or give the focus to.
struct Fixture {
    Fixture() {
        dialog.resize(300, 200);
        list = new QListWidget(&dialog);
        list->setGeometry(10, 10, 180, 120);
        list->setFont(QFont(QStringLiteral("Liberation Sans"), 11));
        list->addItems({QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("100 ms")});
        ok = new QPushButton(QStringLiteral("OK"), &dialog);
        ok->setGeometry(200, 10, 80, 30);
        ok->setDefault(true);
        other = new QPushButton(QStringLiteral("Other"), &dialog);
        other->setGeometry(200, 150, 80, 30);
        dialog.show();
    }

    // Clicks a point of the dialog through its window, as the pointer would.
    void clickAt(QPoint dialogPoint) {
        QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {}, dialogPoint);
    }

    void end(CLBEditorWnd* editor, Ending ending) {
        switch (ending) {
            case Ending::Enter:
                QTest::keyClick(editor, Qt::Key_Return);
                break;
            case Ending::KeypadEnter:
                QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case Ending::Tab:
                QTest::keyClick(editor, Qt::Key_Tab);
                break;
            case Ending::Backtab:
                QTest::keyClick(editor, Qt::Key_Backtab, Qt::ShiftModifier);
                break;
            case Ending::Escape:
                QTest::keyClick(editor, Qt::Key_Escape);
                break;
            case Ending::FocusLoss:
                other->setFocus(Qt::MouseFocusReason);
                break;
            case Ending::ClickOutside:
                clickAt(other->geometry().center());
                break;
        }
    }

    QDialog dialog;
    QListWidget* list = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* other = nullptr;
};

}  // namespace

class CLBEditorWndTest : public QObject {
    Q_OBJECT

  private slots:
    void anIndexOutsideTheListOpensNothing_data();
    void anIndexOutsideTheListOpensNothing();
    void opensOverTheItemWithItsTextSelectedAndTheFocus_data();
    void opensOverTheItemWithItsTextSelectedAndTheFocus();
    void nameEditsEndOnceAndTellTheOwner_data();
    void nameEditsEndOnceAndTellTheOwner();
    void delayEditsTakeDigitsOnlyAndStayInRange_data();
    void delayEditsTakeDigitsOnlyAndStayInRange();
};

void CLBEditorWndTest::anIndexOutsideTheListOpensNothing_data() {
    QTest::addColumn<int>("index");
    QTest::newRow("before the first item") << -1;
    QTest::newRow("after the last item") << 3;
}

void CLBEditorWndTest::anIndexOutsideTheListOpensNothing() {
    QFETCH(int, index);
    Fixture fixture;
    QCOMPARE(CLBEditorWnd::start(fixture.list, index, CLBEditorWnd::Mode::Name), nullptr);
    QVERIFY(fixture.list->findChildren<CLBEditorWnd*>().isEmpty());
}

void CLBEditorWndTest::opensOverTheItemWithItsTextSelectedAndTheFocus_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<CLBEditorWnd::Mode>("mode");
    QTest::newRow("name") << 1 << CLBEditorWnd::Mode::Name;
    QTest::newRow("delay") << 2 << CLBEditorWnd::Mode::Delay;
}

void CLBEditorWndTest::opensOverTheItemWithItsTextSelectedAndTheFocus() {
    QFETCH(int, index);
    QFETCH(CLBEditorWnd::Mode, mode);
    Fixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.dialog));
    QListWidgetItem* item = fixture.list->item(index);
    const QString text = item->text();

    QPointer<CLBEditorWnd> editor = CLBEditorWnd::start(fixture.list, index, mode);
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->itemIndex(), index);
    QCOMPARE(editor->mode(), mode);
    QCOMPARE(editor->parentWidget(), fixture.list->viewport());
    QCOMPARE(editor->geometry(), fixture.list->visualItemRect(item).adjusted(-1, -1, 1, 1));
    QCOMPARE(editor->font(), fixture.list->font());
    QCOMPARE(editor->text(), text);
    QCOMPARE(editor->selectedText(), text);
    QVERIFY(editor->isVisible());
    QVERIFY(editor->hasFocus());

    // A click inside the field only moves the caret.
    fixture.clickAt(editor->mapTo(&fixture.dialog, editor->rect().center()));
    QVERIFY(editor != nullptr);
    QVERIFY(editor->isVisible());
    QCOMPARE(item->text(), text);
}

void CLBEditorWndTest::nameEditsEndOnceAndTellTheOwner_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("committed");

    const QString gamma = QStringLiteral("Gamma");
    QTest::newRow("Enter") << gamma << Ending::Enter << gamma << true;
    QTest::newRow("keypad Enter") << gamma << Ending::KeypadEnter << gamma << true;
    QTest::newRow("Tab") << gamma << Ending::Tab << gamma << true;
    QTest::newRow("Shift+Tab") << gamma << Ending::Backtab << gamma << true;
    QTest::newRow("focus loss") << gamma << Ending::FocusLoss << gamma << true;
    QTest::newRow("click elsewhere in the dialog")
        << gamma << Ending::ClickOutside << gamma << true;
    QTest::newRow("Esc keeps the old name") << gamma << Ending::Escape << "Alpha" << false;
    QTest::newRow("another item's name gives the old one back")
        << "Beta" << Ending::Enter << "Alpha" << true;
    QTest::newRow("names differing in case are different")
        << "beta" << Ending::Enter << "beta" << true;
    QTest::newRow("an empty name is taken") << "" << Ending::Enter << "" << true;
}

void CLBEditorWndTest::nameEditsEndOnceAndTellTheOwner() {
    QFETCH(QString, typed);
    QFETCH(Ending, ending);
    QFETCH(QString, expected);
    QFETCH(bool, committed);
    Fixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.dialog));
    fixture.list->setCurrentRow(1);
    QSignalSpy okClicks(fixture.ok, &QPushButton::clicked);
    QSignalSpy otherClicks(fixture.other, &QPushButton::clicked);

    QPointer<CLBEditorWnd> editor = CLBEditorWnd::start(fixture.list, 0, CLBEditorWnd::Mode::Name);
    QSignalSpy finished(editor.data(), &CLBEditorWnd::finished);
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, typed);
    fixture.end(editor, ending);

    QCOMPARE(fixture.list->item(0)->text(), expected);
    QCOMPARE(fixture.list->currentRow(), committed ? 0 : 1);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0), (QVariantList{0, expected, committed}));
    QVERIFY(editor.isNull() || !editor->isVisible());
    // The keys and the click were the editor's alone.
    QVERIFY(fixture.dialog.isVisible());
    QCOMPARE(okClicks.count(), 0);
    QCOMPARE(otherClicks.count(), 0);

    // Later keys and focus changes end nothing more; the editor goes away.
    if (editor != nullptr) {
        QTest::keyClick(editor, Qt::Key_Escape);
    }
    fixture.other->setFocus();
    QTRY_VERIFY(editor.isNull());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(fixture.list->item(0)->text(), expected);
}

void CLBEditorWndTest::delayEditsTakeDigitsOnlyAndStayInRange_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("expected");

    const auto typed = [](const QString& text) {
        QTestEventList keys;
        keys.addKeyClicks(text);
        return keys;
    };
    QTestEventList cleared;
    cleared.addKeyClick(Qt::Key_Backspace);
    QTestEventList appended;
    appended.addKeyClick(Qt::Key_End);
    appended.addKeyClick(Qt::Key_Left);
    appended.addKeyClick(Qt::Key_Left);
    appended.addKeyClicks(QStringLiteral("m"));
    appended.addKeyClick(Qt::Key_End);
    for (int i = 0; i < 3; ++i) {
        appended.addKeyClick(Qt::Key_Backspace);
    }
    appended.addKeyClicks(QStringLiteral("5"));
    QTestEventList pasted;
    pasted.addKeyClick(Qt::Key_V, Qt::ControlModifier);

    QTest::newRow("a value in range") << "" << typed("250") << "250"
                                      << "250 ms";
    QTest::newRow("above the largest value") << "" << typed("70000") << "70000"
                                             << "65535 ms";
    QTest::newRow("far above it") << "" << typed("99999999999") << "99999999999"
                                  << "65535 ms";
    QTest::newRow("cleared") << "" << cleared << ""
                             << "0 ms";
    QTest::newRow("letters are not typed") << "" << typed("2a5 s") << "25"
                                           << "25 ms";
    QTest::newRow("a letter does not replace the selection") << "" << typed("s5") << "5"
                                                             << "5 ms";
    QTest::newRow("the old text can be shortened, not added to") << "" << appended << "1005"
                                                                 << "1005 ms";
    QTest::newRow("digits are pasted") << "42" << pasted << "42"
                                       << "42 ms";
    QTest::newRow("a paste with a letter is refused") << "12ab" << pasted << "100 ms"
                                                      << "100 ms";
}

void CLBEditorWndTest::delayEditsTakeDigitsOnlyAndStayInRange() {
    QFETCH(QString, clipboard);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, shown);
    QFETCH(QString, expected);
    Fixture fixture;
    QVERIFY(QTest::qWaitForWindowActive(&fixture.dialog));
    QGuiApplication::clipboard()->setText(clipboard);

    CLBEditorWnd* editor = CLBEditorWnd::start(fixture.list, 2, CLBEditorWnd::Mode::Delay);
    QSignalSpy finished(editor, &CLBEditorWnd::finished);
    keys.simulate(editor);
    QCOMPARE(editor->text(), shown);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(fixture.list->item(2)->text(), expected);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(finished.at(0), (QVariantList{2, expected, true}));
}

}  // namespace gx508

QTEST_MAIN(gx508::CLBEditorWndTest)
#include "CLBEditorWndTest.moc"
