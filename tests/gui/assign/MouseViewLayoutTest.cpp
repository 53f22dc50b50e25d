// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/assign/MouseViewLayout.h"

#include <QImage>
#include <QtTest>

#include <set>

#include "core/assign/AssignmentPanel.h"
#include "gui/ui/QtText.h"

// Checks the mouse view's table against the assignment panel and against the skin the build
// generated into the program folder.
namespace gx508 {

class MouseViewLayoutTest : public QObject {
    Q_OBJECT

  private:
    const QString m_skins = QStringLiteral(GX508_PROGRAM_DIR "/Skins");

    QImage generated(const SkinFile& file) const {
        return QImage(m_skins + QLatin1Char('/') + qText(file.name));
    }

  private slots:
    // Every button a view draws has its label in the panel that view selects, so a highlighted
    // label always has its picture in the current view.
    void viewsDrawExactlyTheButtonsOfTheirPanel() {
        for (int view : {kFrontView, kSideView}) {
            const layout::MouseViewPicture* picture = layout::mouseViewPicture(view);
            QVERIFY(picture != nullptr);
            const int mode = PanelModeOfView(view, 1 - (view - 1));
            std::set<int> panel;
            for (int row = 0; row < PanelRowCount(mode); ++row) {
                panel.insert(PanelButtonIndex(mode, row));
            }
            std::set<int> drawn;
            for (const layout::ButtonOverlay& overlay : picture->overlays) {
                drawn.insert(overlay.button);
            }
            QVERIFY2(drawn == panel, qPrintable(QStringLiteral("view %1").arg(view)));
        }
        QVERIFY(layout::mouseViewPicture(0) == nullptr);
        QVERIFY(layout::mouseViewPicture(4) == nullptr);
    }

    // The view repaints only its area, so every picture of every view must lie inside it.
    void everyPictureLiesInTheViewArea() {
        for (const layout::MouseViewPicture& picture : layout::kMouseViewPictures) {
            const QImage base = generated(*picture.base);
            QVERIFY2(!base.isNull(), "build the gx508_skin target first");
            QVERIFY(layout::kViewArea.contains(QRect(picture.at, base.size())));
            for (const layout::ButtonOverlay& overlay : picture.overlays) {
                const QImage over = generated(overlay.files->over);
                QVERIFY(!over.isNull());
                QVERIFY2(layout::kViewArea.contains(QRect(overlay.at, over.size())),
                         qPrintable(qText(overlay.files->over.name)));
            }
        }
    }

    // Each button overlay, drawn where the main window draws it, must lie on the mouse of its
    // base picture: every solid pixel of the idle look covers a solid pixel of the mouse (edge
    // pixels may differ a little in their antialiasing), and the lit look turns all of them red.
    void buttonOverlaysLieOnTheirMouse_data() {
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("index");
        for (int view = kFrontView; view <= kBackView; ++view) {
            const auto& overlays = layout::mouseViewPicture(view)->overlays;
            for (std::size_t index = 0; index < overlays.size(); ++index) {
                QTest::newRow(qPrintable(qText(overlays[index].files->normal.name)))
                    << view << static_cast<int>(index);
            }
        }
    }
    void buttonOverlaysLieOnTheirMouse() {
        QFETCH(int, view);
        QFETCH(int, index);
        const layout::MouseViewPicture& picture = *layout::mouseViewPicture(view);
        const layout::ButtonOverlay& overlay = picture.overlays[static_cast<std::size_t>(index)];
        const QImage mouse = generated(*picture.base);
        const QImage idle = generated(overlay.files->normal);
        const QImage lit = generated(overlay.files->over);
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
                const QPoint onMouse = overlay.at + QPoint(x, y) - picture.at;
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

QTEST_MAIN(gx508::MouseViewLayoutTest)
#include "MouseViewLayoutTest.moc"
