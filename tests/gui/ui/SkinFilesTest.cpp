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
            QCOMPARE(image.size(), QSize(file.width, file.height));
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
        for (const std::string_view icon : kIconFiles) {
            QVERIFY2(listed(icon), qPrintable(qText(icon)));
        }
        QVERIFY(listed(kScrollBarCellsFile));
        const QImage cells(m_skins + QLatin1Char('/') + qText(kScrollBarCellsFile));
        QCOMPARE(cells.size(), QSize(9 * 13, 3 * 16));
        QVERIFY(!cells.hasAlphaChannel());
        // The vertical bar's track cell is the plain dark grey; the horizontal parts are blank.
        QCOMPARE(QColor(cells.pixel(3 * 13 + 6, 8)), QColor(20, 20, 20));
        QCOMPARE(QColor(cells.pixel(5 * 13 + 6, 24)), QColor(Qt::black));
    }

    // Each button overlay, drawn at the position the main window uses, must lie on the mouse of
    // its base picture: every solid pixel of the idle look covers a solid pixel of the mouse (edge
    // pixels may differ a little in their antialiasing), and the lit look turns all of them red.
    void buttonOverlaysLieOnTheirMouse_data() {
        QTest::addColumn<QString>("base");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QString>("overlay");
        QTest::addColumn<QPoint>("position");
        const struct {
            const char* base;
            QPoint origin;
            const char* overlay;
            QPoint position;
        } cases[] = {
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-1", {362, 82}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-2", {540, 82}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-3", {492, 159}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-4", {358, 165}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-5", {503, 176}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-6", {356, 226}},
            {"Mouse/Front/MouseFront.png", {380, 55}, "Mouse/Front/F-7", {492, 250}},
            {"Mouse/Side/MouseSide.png", {305, 233}, "Mouse/Side/S-8", {465, 146}},
            {"Mouse/Side/MouseSide.png", {305, 233}, "Mouse/Side/S-9", {500, 272}},
            {"Mouse/Side/MouseSide.png", {305, 233}, "Mouse/Side/S-10", {530, 145}},
            {"Mouse/Side/MouseSide.png", {305, 233}, "Mouse/Side/S-11", {565, 145}},
            {"Mouse/Side/MouseSide.png", {305, 233}, "Mouse/Side/S-12", {585, 300}},
            {"Mouse/Back/MouseBack.png", {394, 46}, "Mouse/Back/B-4", {577, 209}},
            {"Mouse/Back/MouseBack.png", {394, 46}, "Mouse/Back/B-5", {582, 248}},
        };
        for (const auto& c : cases) {
            QTest::newRow(c.overlay) << QString::fromLatin1(c.base) << c.origin
                                     << QString::fromLatin1(c.overlay) << c.position;
        }
    }
    void buttonOverlaysLieOnTheirMouse() {
        QFETCH(QString, base);
        QFETCH(QPoint, origin);
        QFETCH(QString, overlay);
        QFETCH(QPoint, position);
        const QImage mouse(m_skins + QLatin1Char('/') + base);
        const QImage idle(m_skins + QLatin1Char('/') + overlay + QStringLiteral("-normal.png"));
        const QImage lit(m_skins + QLatin1Char('/') + overlay + QStringLiteral("-over.png"));
        QVERIFY(!mouse.isNull() && !idle.isNull() && !lit.isNull());
        QCOMPARE(lit.size(), idle.size());
        int solid = 0;
        for (int y = 0; y < idle.height(); ++y) {
            for (int x = 0; x < idle.width(); ++x) {
                if (qAlpha(idle.pixel(x, y)) < 250) {
                    continue;
                }
                ++solid;
                const QString where = QStringLiteral("pixel %1,%2").arg(x).arg(y);
                const QPoint onMouse = position + QPoint(x, y) - origin;
                QVERIFY2(mouse.valid(onMouse) && qAlpha(mouse.pixel(onMouse)) >= 240,
                         qPrintable(where + " is off the mouse"));
                const QColor red(lit.pixel(x, y));
                QVERIFY2(red.alpha() >= 250 && red.red() > red.green() + 60,
                         qPrintable(where + " is not lit"));
            }
        }
        QVERIFY2(solid >= 100, "the overlay shows no button");
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::SkinFilesTest)
#include "SkinFilesTest.moc"
