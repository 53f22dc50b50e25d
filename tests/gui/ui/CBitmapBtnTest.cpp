// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/CBitmapBtn.h"

#include "gui/ui/FontMap.h"

#include "support/WidgetProbe.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace gx508 {

using test::countColor;
using test::inkBounds;
using test::moveHeld;
using test::press;
using test::release;
using test::rendered;
using test::sendMouse;

namespace {

const QColor kNormalLook(40, 40, 40);
const QColor kHoverLook(90, 20, 20);
const QColor kPressedLook(20, 90, 20);
const QColor kDisabledLook(20, 20, 90);

const QColor kNormalText(255, 0, 0);
const QColor kHoverText(0, 255, 0);
const QColor kPressedText(0, 0, 255);
const QColor kDisabledText(255, 255, 0);

// A top-level window holding one button whose looks are solid colours.
struct Fixture {
    explicit Fixture(QSize buttonSize = {120, 30}) {
        window.resize(300, 120);
        button = new CBitmapBtn(QString(), QRect(QPoint(20, 20), buttonSize), &window);
        const QSize images(200, 100);
        button->setImages(QRect(QPoint(0, 0), buttonSize), test::solidPixmap(images, kNormalLook),
                          test::solidPixmap(images, kHoverLook),
                          test::solidPixmap(images, kPressedLook),
                          test::solidPixmap(images, kDisabledLook));
        button->setNormalTextColor(kNormalText);
        button->setHoverTextColor(kHoverText);
        button->setPressedTextColor(kPressedText);
        button->setDisabledTextColor(kDisabledText);
        window.show();
    }

    QColor look() { return rendered(*button).pixel(1, 1); }

    QWidget window;
    CBitmapBtn* button = nullptr;
};

}  // namespace

class CBitmapBtnTest : public QObject {
    Q_OBJECT

  private slots:
    void looksAndTextColorsFollowTheState_data();
    void looksAndTextColorsFollowTheState();
    void inactiveWindowShowsTheNormalLookUnlessKept();
    void emptyTextShowsOnlyTheImage();
    void imagesAreOpaqueCopiesOfTheSourceRectangle();
    void singleLineTextIsPlacedInsideTheMargins_data();
    void singleLineTextIsPlacedInsideTheMargins();
    void longTextIsElidedOnOneLineOrWrapped();
    void tooWideLineShrinksBeforeItIsElided_data();
    void tooWideLineShrinksBeforeItIsElided();
    void otherAlignmentsDrawOneUnclippedRightAlignedLine();
    void ampersandsShowOnOneLineAndUnderlineWhenWrapped();
    void clickAndReleaseNotifications();
    void pointerMovesAreReported();
    void dragBackInWithTheButtonHeldDoesNotHover();
    void losingFocusOrBeingDisabledClearsTheHover();
};

void CBitmapBtnTest::looksAndTextColorsFollowTheState_data() {
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("pointerOver");
    QTest::addColumn<bool>("held");
    QTest::addColumn<QColor>("look");
    QTest::addColumn<QColor>("text");

    QTest::newRow("idle") << true << false << false << false << kNormalLook << kNormalText;
    QTest::newRow("hover") << true << false << true << false << kHoverLook << kHoverText;
    QTest::newRow("held") << true << false << false << true << kPressedLook << kPressedText;
    // The hover text colour wins over the pressed one, the pressed look over the hover look.
    QTest::newRow("held under the pointer")
        << true << false << true << true << kPressedLook << kHoverText;
    QTest::newRow("selected, pointer elsewhere")
        << true << true << false << false << kPressedLook << kPressedText;
    QTest::newRow("selected under the pointer")
        << true << true << true << false << kPressedLook << kHoverText;
    QTest::newRow("disabled") << false << false << false << false << kDisabledLook << kDisabledText;
    QTest::newRow("disabled and selected")
        << false << true << false << false << kDisabledLook << kDisabledText;
    QTest::newRow("disabled while under the pointer")
        << false << false << true << false << kDisabledLook << kDisabledText;
}

void CBitmapBtnTest::looksAndTextColorsFollowTheState() {
    QFETCH(bool, enabled);
    QFETCH(bool, selected);
    QFETCH(bool, pointerOver);
    QFETCH(bool, held);
    QFETCH(QColor, look);
    QFETCH(QColor, text);

    Fixture f;
    f.button->setText(QStringLiteral("MW"));
    f.button->setFontHeight(28);
    f.button->setSelected(selected);
    if (pointerOver) {
        sendMouse(*f.button, QEvent::MouseMove, {60, 15});
    }
    if (held) {
        press(*f.button, {60, 15});
    }
    f.button->setEnabled(enabled);

    const QImage image = rendered(*f.button);
    QCOMPARE(QColor(image.pixel(1, 1)), look);
    QVERIFY(countColor(image, text) > 10);
    for (const QColor& other : {kNormalText, kHoverText, kPressedText, kDisabledText}) {
        if (other != text) {
            QCOMPARE(countColor(image, other), 0);
        }
    }
    if (held) {
        release(*f.button, {60, 15});
    }
}

void CBitmapBtnTest::inactiveWindowShowsTheNormalLookUnlessKept() {
    Fixture f;
    f.button->setSelected(true);
    QWidget other;
    other.resize(50, 50);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(!f.button->isActiveWindow());

    QCOMPARE(f.look(), kPressedLook);  // kept by default
    f.button->setKeepLookWhenInactive(false);
    QCOMPARE(f.look(), kNormalLook);
    f.button->setEnabled(false);
    QCOMPARE(f.look(), kDisabledLook);

    f.button->setEnabled(true);
    f.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    QCOMPARE(f.look(), kPressedLook);
}

void CBitmapBtnTest::emptyTextShowsOnlyTheImage() {
    Fixture f;
    const QImage image = rendered(*f.button);
    QCOMPARE(countColor(image, kNormalLook), image.width() * image.height());
}

void CBitmapBtnTest::imagesAreOpaqueCopiesOfTheSourceRectangle() {
    QImage sheet(40, 10, QImage::Format_ARGB32);
    sheet.fill(Qt::transparent);
    for (int y = 0; y < 10; ++y) {
        for (int x = 20; x < 40; ++x) {
            sheet.setPixelColor(x, y, QColor(0, 150, 0));
        }
    }
    const QPixmap pixmap = QPixmap::fromImage(sheet);
    QWidget window;
    auto* button = new CBitmapBtn(QString(), QRect(0, 0, 20, 10), &window);
    button->setImages(QRect(20, 0, 20, 10), pixmap, pixmap, pixmap, pixmap);
    QCOMPARE(countColor(rendered(*button), QColor(0, 150, 0)), 200);

    // Transparent pixels are painted as their colour values without alpha, not left to the
    // background.
    button->setImages(QRect(0, 0, 20, 10), pixmap, pixmap, pixmap, pixmap);
    QCOMPARE(countColor(rendered(*button), QColor(0, 0, 0)), 200);
    QCOMPARE(button->focusPolicy(), Qt::ClickFocus);
}

void CBitmapBtnTest::singleLineTextIsPlacedInsideTheMargins_data() {
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("indent");
    QTest::addColumn<int>("expectedLeft");   // -1: not checked
    QTest::addColumn<int>("expectedRight");  // -1: not checked

    // The text area of a 120-pixel button spans x = 4 .. 114.
    QTest::newRow("left") << 1 << 0 << 4 << -1;
    QTest::newRow("left, indent 10") << 1 << 10 << 14 << -1;
    QTest::newRow("right") << 2 << 0 << -1 << 114;
    QTest::newRow("right ignores the indent") << 2 << 10 << -1 << 114;
    QTest::newRow("centred") << 0 << 0 << -1 << -1;
    QTest::newRow("centred ignores the indent") << 0 << 10 << -1 << -1;
}

void CBitmapBtnTest::singleLineTextIsPlacedInsideTheMargins() {
    QFETCH(int, alignment);
    QFETCH(int, indent);
    QFETCH(int, expectedLeft);
    QFETCH(int, expectedRight);

    Fixture f;
    f.button->setText(QStringLiteral("HIH"));
    f.button->setTextAlignment(static_cast<ButtonTextAlignment>(alignment));
    f.button->setIndent(indent);
    const QRect ink = inkBounds(rendered(*f.button), kNormalLook);
    QVERIFY(!ink.isEmpty());
    // "H" and "I" have no side bearing beyond a pixel or two.
    if (expectedLeft >= 0) {
        QVERIFY2(ink.left() >= expectedLeft && ink.left() <= expectedLeft + 2,
                 qPrintable(QString::number(ink.left())));
    }
    if (expectedRight >= 0) {
        QVERIFY2(ink.right() <= expectedRight && ink.right() >= expectedRight - 2,
                 qPrintable(QString::number(ink.right())));
    }
    if (alignment == 0) {
        const int centre = (ink.left() + ink.right() + 1) / 2;
        QVERIFY2(qAbs(centre - (4 + 115) / 2) <= 1, qPrintable(QString::number(centre)));
    }
    const int middle = (ink.top() + ink.bottom() + 1) / 2;
    QVERIFY2(qAbs(middle - 15) <= 2, qPrintable(QString::number(middle)));
}

void CBitmapBtnTest::longTextIsElidedOnOneLineOrWrapped() {
    const QString longText = QStringLiteral("Multimedia commands for every button of the mouse");
    Fixture f({120, 60});
    f.button->setText(longText);
    const QRect line = inkBounds(rendered(*f.button), kNormalLook);
    QVERIFY(line.left() >= 4);
    QVERIFY(line.right() <= 114);
    QVERIFY2(line.height() <= QFontMetrics(mappedFont(QStringLiteral("Arial"), 14)).height(),
             "one line");

    f.button->setMultiLine(true);
    const QRect wrapped = inkBounds(rendered(*f.button), kNormalLook);
    QVERIFY2(wrapped.height() > 2 * line.height(), "several lines");
    QVERIFY(wrapped.top() <= 4);  // from the top, not centred
    QVERIFY(wrapped.right() <= 114);

    // Right-aligned text never wraps.
    f.button->setTextAlignment(ButtonTextAlignment::Right);
    QCOMPARE(inkBounds(rendered(*f.button), kNormalLook).height(), line.height());
}

enum class Fit { AsItIs, Smaller, Elided };

void CBitmapBtnTest::tooWideLineShrinksBeforeItIsElided_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Fit>("fit");

    // A 57-pixel button with 13-pixel text has a 48-pixel text area.
    QTest::newRow("fits") << QStringLiteral("Apply") << Fit::AsItIs;
    QTest::newRow("a little too wide") << QStringLiteral("Abbrechen") << Fit::Smaller;
    QTest::newRow("much too wide") << QStringLiteral("Zurücksetzen") << Fit::Smaller;
    QTest::newRow("too wide at any legible size")
        << QStringLiteral("Auf Werkseinstellungen zurücksetzen") << Fit::Elided;
}

void CBitmapBtnTest::tooWideLineShrinksBeforeItIsElided() {
    QFETCH(QString, text);
    QFETCH(Fit, fit);

    Fixture f({57, 30});
    f.button->setFontHeight(13);
    f.button->setTextAlignment(ButtonTextAlignment::Centre);
    f.button->setText(text);
    const QFont own = mappedFont(QStringLiteral("Arial"), 13);
    auto fits = [&](const QFont& font) {
        return QFontMetricsF(font).horizontalAdvance(text) <= 48.0;
    };
    const CBitmapBtn::Line line = f.button->singleLine();

    switch (fit) {
        case Fit::AsItIs:
            QVERIFY(fits(own));
            QCOMPARE(line.font.pixelSize(), own.pixelSize());
            QCOMPARE(line.text, text);
            break;
        case Fit::Smaller:
            QVERIFY(!fits(own));
            QCOMPARE(line.text, text);
            QVERIFY(line.font.pixelSize() < own.pixelSize());
            // The largest height that fits, and none below the legible minimum.
            for (int height = CBitmapBtn::kMinimumFittedFontHeight; height <= 13; ++height) {
                const QFont candidate = mappedFont(QStringLiteral("Arial"), height);
                QCOMPARE(fits(candidate), candidate.pixelSize() <= line.font.pixelSize());
            }
            break;
        case Fit::Elided:
            QVERIFY(
                !fits(mappedFont(QStringLiteral("Arial"), CBitmapBtn::kMinimumFittedFontHeight)));
            QCOMPARE(line.font.pixelSize(), own.pixelSize());
            QVERIFY(line.text.endsWith(QChar(0x2026)));
            QVERIFY(text.startsWith(line.text.chopped(1)));
            break;
    }

    // What is drawn is that line, centred in the text area.
    const QRect ink = inkBounds(rendered(*f.button), kNormalLook);
    const int advance = QFontMetrics(line.font).horizontalAdvance(line.text);
    QVERIFY2(ink.left() >= 4 && ink.right() < 52, qPrintable(QString::number(ink.right())));
    QVERIFY2(ink.width() <= advance + 1 && ink.width() >= advance - 4,
             qPrintable(QStringLiteral("%1 %2").arg(ink.width()).arg(advance)));
}

void CBitmapBtnTest::otherAlignmentsDrawOneUnclippedRightAlignedLine() {
    Fixture f;
    f.button->setText(QStringLiteral("Multimedia commands for every button"));
    f.button->setTextAlignment(static_cast<ButtonTextAlignment>(3));
    f.button->setMultiLine(true);
    const QRect ink = inkBounds(rendered(*f.button), kNormalLook);
    QCOMPARE(ink.left(), 0);  // runs out of the text area and off the button
    QVERIFY(ink.right() <= 114);
    QVERIFY(ink.right() >= 112);
}

void CBitmapBtnTest::ampersandsShowOnOneLineAndUnderlineWhenWrapped() {
    Fixture f;
    f.button->setText(QStringLiteral("&W"));
    const QRect single = inkBounds(rendered(*f.button), kNormalLook);
    f.button->setMultiLine(true);
    const QRect wrapped = inkBounds(rendered(*f.button), kNormalLook);
    const QFontMetrics metrics(mappedFont(QStringLiteral("Arial"), 14));
    QVERIFY(single.width() > metrics.horizontalAdvance(QStringLiteral("W")) + 3);
    QVERIFY(wrapped.width() <= metrics.horizontalAdvance(QStringLiteral("W")) + 1);
}

void CBitmapBtnTest::clickAndReleaseNotifications() {
    Fixture f;
    QSignalSpy clicked(f.button, &CBitmapBtn::clicked);
    QSignalSpy released(f.button, &CBitmapBtn::leftButtonReleased);

    press(*f.button, {10, 10});
    release(*f.button, {10, 10});
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(released.count(), 1);

    // Released away from the button: no click, but the release is still reported.
    press(*f.button, {10, 10});
    moveHeld(*f.button, {-30, 10});
    release(*f.button, {-30, 10});
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(released.count(), 2);

    press(*f.button, {10, 10}, Qt::RightButton);
    release(*f.button, {10, 10}, Qt::RightButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(released.count(), 2);
}

void CBitmapBtnTest::pointerMovesAreReported() {
    Fixture f;
    QSignalSpy moved(f.button, &CBitmapBtn::pointerMoved);
    sendMouse(*f.button, QEvent::MouseMove, {7, 9});
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(0).toPoint(), f.button->mapToGlobal(QPoint(7, 9)));
    QVERIFY(f.button->isHovered());

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(f.button, &leave);
    QVERIFY(!f.button->isHovered());
    QCOMPARE(moved.count(), 2);  // leaving counts as a move
    QCOMPARE(f.look(), kNormalLook);
}

void CBitmapBtnTest::dragBackInWithTheButtonHeldDoesNotHover() {
    Fixture f;
    QSignalSpy moved(f.button, &CBitmapBtn::pointerMoved);
    sendMouse(*f.button, QEvent::MouseMove, {10, 10});
    press(*f.button, {10, 10});
    moveHeld(*f.button, {-5, 10});
    QVERIFY(!f.button->isHovered());
    QCOMPARE(f.look(), kNormalLook);
    QCOMPARE(moved.count(), 2);

    moveHeld(*f.button, {10, 10});
    QVERIFY(!f.button->isHovered());
    QCOMPARE(moved.count(), 2);
    QCOMPARE(f.look(), kPressedLook);  // held down again
    release(*f.button, {10, 10});
    QCOMPARE(f.look(), kNormalLook);
}

void CBitmapBtnTest::losingFocusOrBeingDisabledClearsTheHover() {
    Fixture f;
    sendMouse(*f.button, QEvent::MouseMove, {10, 10});
    QVERIFY(f.button->isHovered());
    QFocusEvent focusOut(QEvent::FocusOut);
    QApplication::sendEvent(f.button, &focusOut);
    QVERIFY(!f.button->isHovered());

    sendMouse(*f.button, QEvent::MouseMove, {10, 10});
    f.button->setEnabled(false);
    f.button->setEnabled(true);
    QVERIFY(!f.button->isHovered());
    QCOMPARE(f.look(), kNormalLook);
}

}  // namespace gx508

QTEST_MAIN(gx508::CBitmapBtnTest)
#include "CBitmapBtnTest.moc"
