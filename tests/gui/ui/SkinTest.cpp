// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/ui/Skin.h"

#include <QDir>
#include <QFile>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <filesystem>

namespace gx508 {
namespace {

QImage solid(QSize size, QColor colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(size, format);
    image.fill(colour);
    return image;
}

QImage blackCanvas() {
    return solid({8, 8}, Qt::black);
}

std::filesystem::path nativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace

class SkinTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir m_root;
    QString m_skins;

    void writeImage(const QString& relative, const QImage& image) {
        const QString path = m_skins + QLatin1Char('/') + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(image.save(path, "PNG"));
    }

  private slots:
    void initTestCase() {
        QVERIFY(m_root.isValid());
        m_skins = m_root.path() + QStringLiteral("/Skins");
        writeImage(QStringLiteral("Logo.png"), solid({2, 2}, Qt::red));
        writeImage(QStringLiteral("BK_MainLeft.png"), solid({2, 2}, Qt::red));
        writeImage(QStringLiteral("ItemBK.png"), solid({2, 2}, Qt::red));
        writeImage(QStringLiteral("Mouse/Front/F-1-over.png"), solid({2, 2}, Qt::red));
        QDir(m_skins).mkpath(QStringLiteral("Speed"));
        QFile damaged(m_skins + QStringLiteral("/Damaged.png"));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x89PNG\r\n\x1a\n not really");
    }

    void resolvesEveryStoredForm_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("file");
        QTest::newRow("backslashes") << "Skins\\Logo.png"
                                     << "Logo.png";
        QTest::newRow("leading slash") << "/Skins/BK_MainLeft.png"
                                       << "BK_MainLeft.png";
        QTest::newRow("lower-case folder") << "\\skins\\ItemBK.png"
                                           << "ItemBK.png";
        QTest::newRow("composed") << QString(QStringLiteral("Skins") + "/Mouse/Front/F-1-over.png")
                                  << "Mouse/Front/F-1-over.png";
        QTest::newRow("no folder name") << "Mouse\\Front\\F-1-over.png"
                                        << "Mouse/Front/F-1-over.png";
        QTest::newRow("other case everywhere") << "SKINS/mouse/FRONT/f-1-OVER.PNG"
                                               << "Mouse/Front/F-1-over.png";
        QTest::newRow("doubled and mixed separators") << "Skins\\\\Mouse//Front\\/F-1-over.png"
                                                      << "Mouse/Front/F-1-over.png";
        QTest::newRow("missing file") << "Skins\\Nothing.png"
                                      << "";
        QTest::newRow("a folder is no image") << "Skins\\Mouse\\Front"
                                              << "";
        QTest::newRow("no climbing out") << "Skins\\..\\Skins\\Logo.png"
                                         << "";
        QTest::newRow("the folder alone") << "Skins\\"
                                          << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void resolvesEveryStoredForm() {
        QFETCH(QString, stored);
        QFETCH(QString, file);
        const Skin skin(m_skins);
        QCOMPARE(skin.resolve(stored), file.isEmpty() ? QString() : m_skins + '/' + file);
    }

    void aMissingOrDamagedFileDrawsNothing_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("missing") << "Skins\\Nothing.png";
        QTest::newRow("damaged") << "Skins\\Damaged.png";
        QTest::newRow("a folder") << "Skins\\Speed";
    }
    void aMissingOrDamagedFileDrawsNothing() {
        QFETCH(QString, stored);
        const Skin skin(m_skins);
        QImage canvas = blackCanvas();
        QPainter painter(&canvas);
        QVERIFY(!skin.draw(painter, stored, 0, 0));
        painter.end();
        QCOMPARE(canvas, blackCanvas());
        QVERIFY(skin.image(stored).isNull());
        QVERIFY(skin.loadBitmap(stored).isNull());
        QVERIFY(!skin.size(stored).isValid());
    }

    void premultipliesWithIntegerDivisionBeforeBlending() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(200, 100, 50, 128));
        image.setPixel(1, 0, qRgba(3, 255, 0, 128));
        writeImage(QStringLiteral("Alpha.png"), image);
        const Skin skin(m_skins);
        QImage canvas = blackCanvas();
        QPainter painter(&canvas);
        QVERIFY(skin.draw(painter, u"skins/alpha.png", 3, 4));
        painter.end();
        QCOMPARE(QColor(canvas.pixel(3, 4)), QColor(100, 50, 25));
        // 3 × 128 / 255 is 1.506: the remainder is dropped, not rounded.
        QCOMPARE(QColor(canvas.pixel(4, 4)), QColor(1, 128, 0));
        QCOMPARE(QColor(canvas.pixel(5, 4)), QColor(Qt::black));
    }

    void blendsOverTheCanvasAndCopiesOpaqueImages() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        image.setPixel(1, 0, qRgba(10, 20, 30, 255));
        writeImage(QStringLiteral("Clear.png"), image);
        writeImage(QStringLiteral("Opaque.png"), solid({1, 1}, QColor(10, 20, 30)));
        const Skin skin(m_skins);
        QImage canvas = solid({4, 1}, QColor(90, 90, 90));
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Plus);
        QVERIFY(skin.draw(painter, u"Skins/Clear.png", 0, 0));
        QVERIFY(skin.draw(painter, u"Skins/Opaque.png", 3, 0));
        painter.end();
        QCOMPARE(QColor(canvas.pixel(0, 0)), QColor(90, 90, 90));
        QCOMPARE(QColor(canvas.pixel(1, 0)), QColor(10, 20, 30));
        QCOMPARE(QColor(canvas.pixel(2, 0)), QColor(90, 90, 90));
        QCOMPARE(QColor(canvas.pixel(3, 0)), QColor(10, 20, 30));
    }

    // A file with an alpha channel that is opaque throughout draws its own colours, at the size
    // its header gives.
    void anOpaqueImageWithAnAlphaChannelDrawsItsColours() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(10, 20, 30, 255));
        image.setPixel(1, 0, qRgba(250, 128, 1, 255));
        writeImage(QStringLiteral("Solid.png"), image);
        const Skin skin(m_skins);
        QCOMPARE(skin.size(u"Skins/Solid.png"), QSize(2, 1));
        QImage canvas = solid({3, 1}, QColor(90, 90, 90));
        QPainter painter(&canvas);
        QVERIFY(skin.draw(painter, u"Skins/Solid.png", 1, 0));
        painter.end();
        QCOMPARE(QColor(canvas.pixel(0, 0)), QColor(90, 90, 90));
        QCOMPARE(QColor(canvas.pixel(1, 0)), QColor(10, 20, 30));
        QCOMPARE(QColor(canvas.pixel(2, 0)), QColor(250, 128, 1));
        QVERIFY(skin.image(u"Skins/Solid.png").hasAlphaChannel());
    }

    // A drawn image is kept premultiplied; it is still handed out and sized as decoded.
    void aDrawnImageIsHandedOutAsDecoded() {
        QImage image(2, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(200, 100, 50, 128));
        image.setPixel(1, 0, qRgba(3, 255, 0, 0));
        writeImage(QStringLiteral("Kept.png"), image);
        const Skin skin(m_skins);
        QImage canvas = blackCanvas();
        QPainter painter(&canvas);
        QVERIFY(skin.draw(painter, u"Skins/Kept.png", 0, 0));
        painter.end();
        const QImage handedOut =
            skin.image(u"Skins/Kept.png").convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(handedOut.pixel(0, 0), qRgba(200, 100, 50, 128));
        QCOMPARE(handedOut.pixel(1, 0), qRgba(3, 255, 0, 0));
        QCOMPARE(skin.size(u"Skins/Kept.png"), QSize(2, 1));
    }

    // A window with opaque children paints within a region of several rectangles; what an image
    // draws there is what it draws clipped to that region in one piece.
    void drawsUnderARegionOfSeveralRectanglesAsClippedToIt() {
        QImage image(6, 6, QImage::Format_ARGB32);
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x) {
                image.setPixel(x, y, qRgba(40 * x, 40 * y, 90, 60 + 30 * x));
            }
        }
        writeImage(QStringLiteral("Region.png"), image);
        const Skin skin(m_skins);
        const QRegion region = QRegion(0, 0, 10, 3) + QRegion(0, 3, 2, 7) + QRegion(6, 6, 4, 4);
        QVERIFY(region.rectCount() > 1);
        const auto paint = [&](QImage& canvas, bool asSystemClip) {
            if (asSystemClip) {
                canvas.paintEngine()->setSystemClip(region);
            }
            QPainter painter(&canvas);
            if (!asSystemClip) {
                painter.setClipRegion(region);
            }
            painter.translate(1, 1);
            QVERIFY(skin.draw(painter, u"Skins/Region.png", 1, 1));
        };
        QImage expected = solid({10, 10}, QColor(90, 90, 90));
        paint(expected, false);
        QImage actual = solid({10, 10}, QColor(90, 90, 90));
        paint(actual, true);
        QCOMPARE(actual, expected);
        QCOMPARE(QColor(actual.pixel(4, 4)), QColor(90, 90, 90));
        QVERIFY(QColor(actual.pixel(7, 7)) != QColor(90, 90, 90));
    }

    void aButtonBitmapIgnoresTransparency() {
        QImage image(1, 1, QImage::Format_ARGB32);
        image.setPixel(0, 0, qRgba(200, 100, 50, 0));
        writeImage(QStringLiteral("Button-normal.png"), image);
        const Skin skin(m_skins);
        const QPixmap bitmap = skin.loadBitmap(u"\\Skins\\button-NORMAL.png");
        QVERIFY(!bitmap.isNull());
        QVERIFY(!bitmap.hasAlphaChannel());
        QCOMPARE(QColor(bitmap.toImage().pixel(0, 0)), QColor(200, 100, 50));
    }

    // The file system's clock is coarse, so a rewrite may keep the modification time; a changed
    // time or a changed size each count as a new file.
    void aReplacedFileShowsAtTheNextDraw_data() {
        QTest::addColumn<QSize>("replacementSize");
        QTest::addColumn<bool>("touch");
        QTest::newRow("later modification time") << QSize(2, 2) << true;
        QTest::newRow("other size") << QSize(3, 3) << false;
    }
    void aReplacedFileShowsAtTheNextDraw() {
        QFETCH(QSize, replacementSize);
        QFETCH(bool, touch);
        writeImage(QStringLiteral("Swap.png"), solid({2, 2}, Qt::red));
        const Skin skin(m_skins);
        QImage canvas = blackCanvas();
        QPainter painter(&canvas);
        QVERIFY(skin.draw(painter, u"Skins\\Swap.png", 0, 0));
        QCOMPARE(QColor(canvas.pixel(1, 1)), QColor(Qt::red));

        const auto before = std::filesystem::last_write_time(nativePath(skin.resolve(u"Swap.png")));
        writeImage(QStringLiteral("Swap.png"), solid(replacementSize, Qt::blue));
        if (touch) {
            std::filesystem::last_write_time(nativePath(skin.resolve(u"Swap.png")),
                                             before + std::chrono::seconds(1));
        }
        QVERIFY(skin.draw(painter, u"Skins\\Swap.png", 0, 0));
        painter.end();
        QCOMPARE(QColor(canvas.pixel(1, 1)), QColor(Qt::blue));
        QCOMPARE(skin.image(u"Skins\\Swap.png").size(), replacementSize);
    }

    void aRemovedFileDrawsNothingAtTheNextDraw() {
        writeImage(QStringLiteral("Mouse/Gone.png"), solid({2, 2}, Qt::red));
        const Skin skin(m_skins);
        QImage canvas = blackCanvas();
        QPainter painter(&canvas);
        QVERIFY(skin.draw(painter, u"skins/mouse/gone.png", 0, 0));
        QVERIFY(QFile::remove(m_skins + QStringLiteral("/Mouse/Gone.png")));
        QVERIFY(!skin.draw(painter, u"skins/mouse/gone.png", 0, 0));
        QVERIFY(skin.image(u"skins/mouse/gone.png").isNull());
    }

    void aFileAddedUnderAnotherCaseIsFound() {
        const Skin skin(m_skins);
        QVERIFY(skin.resolve(u"Skins\\Speed\\1.PNG").isEmpty());
        writeImage(QStringLiteral("Speed/1.png"), solid({2, 2}, Qt::red));
        std::filesystem::last_write_time(
            nativePath(m_skins + QStringLiteral("/Speed")),
            std::filesystem::file_time_type::clock::now() + std::chrono::seconds(2));
        QCOMPARE(skin.resolve(u"Skins\\Speed\\1.PNG"), m_skins + QStringLiteral("/Speed/1.png"));
    }
};

}  // namespace gx508

QTEST_MAIN(gx508::SkinTest)
#include "SkinTest.moc"
