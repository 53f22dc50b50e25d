// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/FontMap.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

namespace gx508 {

class FontMapTest : public QObject {
    Q_OBJECT

  private slots:
    void facesMapToInstalledFamilies_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<QString>("family");
        QTest::newRow("Arial") << QStringLiteral("Arial") << QStringLiteral("Liberation Sans");
        QTest::newRow("黑体") << QStringLiteral("黑体") << QStringLiteral("WenQuanYi Micro Hei");
        QTest::newRow("other") << QStringLiteral("Courier") << QStringLiteral("Courier");
    }

    void facesMapToInstalledFamilies() {
        QFETCH(QString, face);
        QFETCH(QString, family);
        QCOMPARE(mappedFamily(face), family);
    }

    void theRequestedHeightIsTheWholeCell_data() {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("height");
        for (const char* face : {"Arial", "黑体", "宋体"}) {
            for (int height : {13, 14, 20}) {
                QTest::addRow("%s %d", face, height) << QString::fromUtf8(face) << height;
            }
        }
    }

    void theRequestedHeightIsTheWholeCell() {
        QFETCH(QString, face);
        QFETCH(int, height);
        const QFont font = mappedFont(face, height);
        const int cell = QFontMetrics(font).height();
        QVERIFY2(cell <= height, qPrintable(QString::number(cell)));
        QVERIFY2(cell >= height - 3, qPrintable(QString::number(cell)));
        QCOMPARE(QFontInfo(font).family(), mappedFamily(face));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::FontMapTest)
#include "FontMapTest.moc"
