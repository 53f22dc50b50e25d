// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/LaidOutText.h"

#include "gui/ui/FontMap.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <utility>

namespace gx508 {

namespace {

const QColor kBackground(30, 60, 90);
const QColor kInk(250, 240, 200);

QImage canvas() {
    QImage image(220, 90, QImage::Format_RGB32);
    image.fill(kBackground);
    return image;
}

void prepare(QPainter& painter, const QFont& font, QPoint shift) {
    painter.translate(shift);
    painter.setFont(font);
    painter.setPen(kInk);
}

}  // namespace

class LaidOutTextTest : public QObject {
    Q_OBJECT

  private slots:
    // Drawn twice through one LaidOutText, the second time from its kept layout with the box
    // moved and the painter shifted as a child widget's is, the text matches QPainter::drawText
    // pixel for pixel.
    void drawsWhatDrawTextDraws_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("box");
        QTest::addColumn<int>("flags");

        const int single = Qt::TextSingleLine;
        const QSize label(130, 16);
        const auto row = [](const QByteArray& tag, const char* face, const char* text, QSize box,
                            int flags) {
            QTest::newRow(tag.constData())
                << QString::fromUtf8(face) << QString::fromUtf8(text) << box << flags;
        };
        const std::pair<QByteArray, int> alignments[] = {
            {"left", Qt::AlignLeft | Qt::AlignVCenter},
            {"centre", Qt::AlignCenter},
            {"right", Qt::AlignRight | Qt::AlignVCenter},
            {"top right", Qt::AlignRight | Qt::AlignTop},
            {"bottom centre", Qt::AlignHCenter | Qt::AlignBottom},
        };
        const char* wide = "Multimedia commands for every button";
        for (const auto& [name, alignment] : alignments) {
            const int flags = alignment | single;
            row(name, "Arial", "Left button", label, flags);
            row(name + ", trailing spaces", "Arial", "Apply   ", label, flags);
            row(name + ", leading spaces", "Arial", "  Apply", label, flags);
            row(name + ", wider than the box", "Arial", wide, QSize(90, 16), flags);
            row(name + ", wider, not clipped", "Arial", wide, QSize(90, 16),
                flags | Qt::TextDontClip);
            row(name + ", taller than the box", "Arial", "Axis", QSize(60, 7), flags);
            row(name + ", CJK", "黑体", "左键 宏管理", label, flags);
        }
        row("odd box width", "Arial", "7", QSize(33, 21), Qt::AlignCenter | single);
        row("line break", "Arial", "X\nAxis\r", label, Qt::AlignCenter | single);
        row("empty", "Arial", "", label, Qt::AlignCenter | single);
        row("tab", "Arial", "a\tb", label, Qt::AlignLeft | single);
        row("wrapped", "Arial", "one two three four five six", QSize(60, 60),
            Qt::AlignLeft | Qt::TextWordWrap);
    }

    void drawsWhatDrawTextDraws() {
        QFETCH(QString, face);
        QFETCH(QString, text);
        QFETCH(QSize, box);
        QFETCH(int, flags);
        const QFont font = mappedFont(face, 13);
        const QRect first(QPoint(10, 12), box);
        const QRect second(QPoint(47, 31), box);
        const QPoint shift(3, 5);

        QImage expected = canvas();
        {
            QPainter painter(&expected);
            prepare(painter, font, shift);
            painter.drawText(second, flags, text);
        }
        LaidOutText laidOut;
        QImage scratch = canvas();
        {
            QPainter painter(&scratch);
            prepare(painter, font, {});
            laidOut.draw(painter, first, flags, text);
        }
        QImage actual = canvas();
        {
            QPainter painter(&actual);
            prepare(painter, font, shift);
            laidOut.draw(painter, second, flags, text);
        }
        QCOMPARE(actual, expected);
        if (!text.trimmed().isEmpty()) {
            QVERIFY2(expected != canvas(), "the text drew something");
        }
    }

    // A changed text, font or box is laid out again.
    void changesAreLaidOutAgain() {
        const QFont arial = mappedFont(QStringLiteral("Arial"), 13);
        const QFont larger = mappedFont(QStringLiteral("Arial"), 20);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine;
        struct Step {
            QFont font;
            QRect box;
            QString text;
        };
        const Step steps[] = {
            {arial, QRect(10, 10, 120, 20), QStringLiteral("Apply")},
            {arial, QRect(10, 10, 120, 20), QStringLiteral("Cancel")},
            {larger, QRect(10, 10, 120, 20), QStringLiteral("Cancel")},
            {larger, QRect(10, 10, 200, 60), QStringLiteral("Cancel")},
            {arial, QRect(10, 10, 200, 60), QStringLiteral("Apply")},
        };
        LaidOutText laidOut;
        for (const Step& step : steps) {
            QImage expected = canvas();
            {
                QPainter painter(&expected);
                prepare(painter, step.font, {});
                painter.drawText(step.box, flags, step.text);
            }
            QImage actual = canvas();
            {
                QPainter painter(&actual);
                prepare(painter, step.font, {});
                laidOut.draw(painter, step.box, flags, step.text);
            }
            QCOMPARE(actual, expected);
        }
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::LaidOutTextTest)
#include "LaidOutTextTest.moc"
