// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/SkinFiles.h"

#include <QDir>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>

#include "gui/ui/QtText.h"
#include "gui/ui/Skin.h"

// Checks the skin the build generated into the program folder against the list of skin files.
namespace gx508 {
namespace {

bool listed(std::string_view name) {
    return std::any_of(kSkinFiles.begin(), kSkinFiles.end(),
                       [name](const SkinFile& file) { return file.name == name; });
}

}  // namespace

class SkinFilesTest : public QObject {
    Q_OBJECT

  private:
    const QString m_skins = QStringLiteral(GX508_PROGRAM_DIR "/Skins");

  private slots:
    void everyListedFileIsThereAtItsSize() {
        QVERIFY2(QDir(m_skins).exists(), "build the gx508_skin target first");
        for (const SkinFile& file : kSkinFiles) {
            const QImage image(m_skins + QLatin1Char('/') + qText(file.name));
            QVERIFY2(!image.isNull(), qPrintable(qText(file.name) + " is missing or damaged"));
            QCOMPARE(image.size(), file.size());
        }
    }

    // The windows write the names in many spellings; every file must be found from one of them.
    void everyFileIsFoundUnderTheWindowsSpelling() {
        const Skin skin(m_skins);
        QSet<QString> folded;
        for (const SkinFile& file : kSkinFiles) {
            const QString name = qText(file.name);
            QVERIFY2(!folded.contains(name.toCaseFolded()), qPrintable(name + " listed twice"));
            folded.insert(name.toCaseFolded());
            QString stored = QStringLiteral("\\skins\\") + name.toLower();
            stored.replace(QLatin1Char('/'), QLatin1Char('\\'));
            QCOMPARE(skin.resolve(stored), m_skins + QLatin1Char('/') + name);
        }
    }

    void theIconsAndTheScrollBarCellsAreListed() {
        for (const SkinFile& icon : kIconFiles) {
            QVERIFY2(listed(icon.name), qPrintable(qText(icon.name)));
        }
        QVERIFY(listed(kScrollBarCellsFile.name));
        const QImage cells(m_skins + QLatin1Char('/') + qText(kScrollBarCellsFile.name));
        QCOMPARE(cells.size(), QSize(9 * 13, 3 * 16));
        QVERIFY(!cells.hasAlphaChannel());
        // The vertical bar's track cell is the plain dark grey; the horizontal parts are blank.
        QCOMPARE(QColor(cells.pixel(3 * 13 + 6, 8)), QColor(20, 20, 20));
        QCOMPARE(QColor(cells.pixel(5 * 13 + 6, 24)), QColor(Qt::black));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::SkinFilesTest)
#include "SkinFilesTest.moc"
