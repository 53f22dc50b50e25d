// SPDX-License-Identifier: GPL-3.0-or-later
// The settings panel: its background, the pages under its headers, their slider tracks and
// choice boxes, and the cells of its scroll bar.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <functional>
#include <string>

#include "Families.h"
#include "Gauges.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"

namespace gx508::skin {

using namespace palette;

QColor pageColour() {
    return {19, 19, 22};
}

namespace {

// The settings panel's own background, also the colour around the pages' rounded corners.
const QColor kPanelBack{13, 13, 15};

// A page hangs directly under its header: open at the top, rounded at the bottom, with a faint
// red line along its foot.
QImage page(QSize size, const std::function<void(QPainter&)>& decorate) {
    QImage image = canvas(size, kPanelBack);
    {
        QPainter painter(&image);
        smooth(painter);
        const QRectF body(0, -6, size.width(), size.height() + 6);
        painter.fillPath(rounded(body, 6), pageColour());
    }
    grain(image, 1, static_cast<unsigned>(size.height()));
    QPainter painter(&image);
    smooth(painter);
    QLinearGradient shade(0, 0, 0, 10);
    shade.setColorAt(0, QColor(0, 0, 0, 110));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(0, 0, size.width(), 10), shade);
    decorate(painter);
    painter.strokePath(rounded(QRectF(0.5, -6, size.width() - 1, size.height() + 5.5), 6),
                       QPen(kEdge, 1));
    redRule(painter, QPointF(24, size.height() - 1.5),
            QPointF(size.width() - 24, size.height() - 1.5), 0.45);
    return image;
}

QImage panelBackground() {
    QImage image = canvas(QSize(260, 1024), kPanelBack);
    grain(image, 1, 77);
    QPainter painter(&image);
    painter.fillRect(QRect(243, 0, 1, 1024), QColor(255, 255, 255, 6));
    return image;
}

QImage choice(QSize size, bool chosen) {
    QImage image = canvas(size);
    QPainter painter(&image);
    smooth(painter);
    choiceBox(painter, QRectF(QPointF(0, 0), QSizeF(size)), chosen);
    return image;
}

// DPI page: six vertical sliders 36 pixels apart, value boxes, enable boxes and swatches below.
constexpr int kStageLeft[] = {25, 61, 97, 133, 169, 205};

// Rows of a 170-pixel DPI slider where the fill ends at 1000, 2000, ... 5000 DPI.
int thousandRow(int thousands) {
    const int position = thousands * 10 - 1;
    return 170 - 170 * (position - 1) / 52;
}

QImage dpiPage() {
    return page({242, 232}, [](QPainter& painter) {
        for (const int left : kStageLeft) {
            const QRectF lane(left - 7, 0, 21, 230);
            QLinearGradient fill(lane.topLeft(), lane.bottomLeft());
            fill.setColorAt(0, QColor(255, 255, 255, 3));
            fill.setColorAt(1, QColor(255, 255, 255, 10));
            painter.fillPath(rounded(lane.adjusted(0, -6, 0, -4), 5), fill);
            glow(painter, rounded(QRectF(left - 1, 2, 9, 172), 3), QColor(0, 0, 0, 190), 2);
            for (int thousands = 1; thousands <= 5; ++thousands) {
                painter.fillRect(QRectF(left - 5, 3 + thousandRow(thousands), 3, 1),
                                 thousands == 5 ? kRedBright : kEdgeLight);
            }
            painter.fillRect(QRectF(left - 5, 3, 3, 1), kRedHot);
            painter.strokePath(rounded(QRectF(left - 1.5, 213.5, 13, 13), 2), QPen(kEdgeLight, 1));
        }
        painter.fillRect(QRectF(12, 178, 218, 1), QColor(255, 255, 255, 8));
    });
}

QImage dpiValueBox() {
    QImage image = canvas(QSize(25, 11), pageColour());
    QPainter painter(&image);
    smooth(painter);
    const QPainterPath body = rounded(QRectF(0.5, 0.5, 24, 10), 2);
    fillVertical(painter, body, QColor(6, 6, 8), QColor(20, 18, 22));
    painter.strokePath(body, QPen(QColor(88, 30, 36), 1));
    painter.fillRect(QRectF(3, 10, 19, 1), kRed);
    return image;
}

// DPI slider tracks: column 0 dark, columns 1..5 the groove, column 6 lit; the full track's
// first row is the bright head of the fill.
QImage verticalTrack(bool full) {
    QImage image = canvas(QSize(7, 169), kInk);
    QPainter painter(&image);
    if (full) {
        QLinearGradient fill(1, 0, 6, 0);
        fill.setColorAt(0, kRedDark);
        fill.setColorAt(0.4, kRedHot);
        fill.setColorAt(1, kRed);
        painter.fillRect(QRect(1, 0, 5, 169), fill);
        painter.fillRect(QRect(0, 0, 7, 2), QColor(255, 190, 190));
    } else {
        QLinearGradient fill(1, 0, 6, 0);
        fill.setColorAt(0, QColor(5, 5, 6));
        fill.setColorAt(1, QColor(24, 24, 28));
        painter.fillRect(QRect(1, 0, 5, 169), fill);
        for (int thousands = 1; thousands <= 5; ++thousands) {
            painter.fillRect(QRect(1, thousandRow(thousands), 5, 1), QColor(46, 46, 52));
        }
    }
    painter.fillRect(QRect(6, 0, 1, 169), full ? QColor(120, 20, 28) : QColor(40, 40, 46));
    return image;
}

QImage lightingPage() {
    return page({242, 110}, [](QPainter& painter) {
        for (const int top : {20, 49, 78}) {
            painter.fillPath(rounded(QRectF(6, top - 5, 86, 19), 3), QColor(255, 255, 255, 6));
            painter.fillRect(QRectF(96, top - 2, 1, 28), QColor(255, 255, 255, 10));
        }
    });
}

QImage reportRatePage() {
    return page({242, 134}, [](QPainter& painter) {
        const QPointF centre(121, 66);
        QRadialGradient recess(centre, 70);
        recess.setColorAt(0.7, QColor(0, 0, 0, 150));
        recess.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(QRectF(40, 0, 162, 134), recess);
        for (const int side : {-1, 1}) {
            const qreal near = centre.x() + side * 70;
            const qreal far = centre.x() + side * 112;
            redRule(painter, QPointF(far, 66.5), QPointF(near, 66.5), 0.5);
            painter.setPen(Qt::NoPen);
            painter.setBrush(kRedBright);
            painter.drawPolygon(QPolygonF({QPointF(near, 63.5), QPointF(near + side * 3, 66.5),
                                           QPointF(near, 69.5), QPointF(near - side * 3, 66.5)}));
        }
        hudCorners(painter, QRectF(8, 8, 226, 116), 8, withAlpha(kRed, 120));
    });
}

QImage pointerPage() {
    return page({242, 112}, [](QPainter& painter) {
        const QPointF centre(121, 91);
        QRadialGradient recess(centre, 86);
        recess.setColorAt(0.75, QColor(0, 0, 0, 130));
        recess.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(QRectF(30, 0, 182, 104), recess);
        painter.fillRect(QRectF(8, 104, 226, 1), QColor(255, 255, 255, 8));
    });
}

QImage scrollLines() {
    QImage image = canvas(QSize(50, 14), pageColour());
    QPainter painter(&image);
    smooth(painter);
    well(painter, QRectF(0, 0, 36, 14), 2);
    for (const auto& [top, direction] : {std::pair{0, Qt::UpArrow}, std::pair{8, Qt::DownArrow}}) {
        const QRectF plate(40, top, 10, 6);
        painter.fillPath(rounded(plate, 1.5), QColor(48, 22, 26));
        painter.strokePath(rounded(plate.adjusted(0.5, 0.5, -0.5, -0.5), 1.5),
                           QPen(QColor(110, 34, 40), 1));
        triangle(painter, plate.adjusted(2.5, 1.5, -2.5, -1.5), direction, kRedHot);
    }
    return image;
}

QImage scrollPage() {
    return page({242, 72}, [](QPainter& painter) {
        for (const int top : {14, 47}) {
            painter.fillPath(rounded(QRectF(2, top - 1, 232, 18), 3), QColor(255, 255, 255, 5));
        }
    });
}

QImage angleSnapPage() {
    return page({242, 60}, [](QPainter& painter) {
        for (const int left : {18, 133}) {
            painter.fillPath(rounded(QRectF(left, 22, 92, 26), 4), QColor(255, 255, 255, 6));
            painter.strokePath(rounded(QRectF(left + 0.5, 22.5, 91, 25), 4),
                               QPen(QColor(255, 255, 255, 12), 1));
        }
    });
}

// The scroll bar's cells: 13 × 16 each; columns up arrow, down arrow, thumb, track, four blank
// horizontal parts and a blank corner; rows normal, hover, pressed.
QImage scrollBarCells() {
    constexpr int kCell = 13;
    constexpr int kHeight = 16;
    const QColor background(20, 20, 20);
    const QColor arrow(255, 0, 0);
    const QColor pressed(204, 51, 0);
    QImage image = canvas(QSize(9 * kCell, 3 * kHeight), Qt::black);
    QPainter painter(&image);
    smooth(painter);
    for (int row = 0; row < 3; ++row) {
        const int top = row * kHeight;
        for (int column = 0; column < 4; ++column) {
            painter.fillRect(QRect(column * kCell, top, kCell, kHeight), background);
        }
        const QColor arrowColour = row == 2 ? pressed : arrow;
        for (const auto& [column, direction] :
             {std::pair{0, Qt::UpArrow}, std::pair{1, Qt::DownArrow}}) {
            const QRectF shape(column * kCell + 2.5, top + 5, 8, 6);
            if (row == 1) {
                QPainterPath halo;
                halo.addRect(shape);
                glow(painter, halo, QColor(255, 0, 0, 90), 3);
            }
            triangle(painter, shape, direction, arrowColour);
        }
        const QRectF bar(2 * kCell + 2, top, 9, kHeight);
        if (row == 0) {
            QLinearGradient shade(bar.topLeft(), bar.topRight());
            shade.setColorAt(0, QColor(255, 60, 50));
            shade.setColorAt(1, QColor(150, 0, 0));
            painter.fillRect(bar, shade);
        } else {
            painter.fillRect(bar, pressed);
        }
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        for (const int corner : {0, 1, kHeight - 2, kHeight - 1}) {
            const int inset = corner == 0 || corner == kHeight - 1 ? 2 : 1;
            painter.fillRect(QRect(2 * kCell + 2, top + corner, inset, 1), background);
            painter.fillRect(QRect(2 * kCell + 11 - inset, top + corner, inset, 1), background);
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    painter.end();
    return image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace

void paintSettingsPages(SkinWriter& writer) {
    writer.write("BK_MainRight.png", panelBackground());
    writer.write("ScrollBar.png", scrollBarCells());
    writer.write("Enable.png", choice({10, 9}, true));
    writer.write("Disable.png", choice({10, 9}, false));

    writer.write("DPISetting/BK_DPISetting.png", dpiPage());
    writer.write("DPISetting/BK-DPIValue.png", dpiValueBox());
    writer.write("DPISetting/DPIStage/0.png", verticalTrack(false));
    writer.write("DPISetting/DPIStage/164.png", verticalTrack(true));

    writer.write("Lighting/BK_Lighting.png", lightingPage());

    writer.write("USBReportRate/BK_USBReportRate.png", reportRatePage());
    for (const int rate : {125, 250, 500, 1000}) {
        writer.write("USBReportRate/" + std::to_string(rate) + "HZ.png", reportRateDial(rate));
    }

    writer.write("MouseAttribute/BK_MouseAttribute.png", pointerPage());
    for (int value = 1; value <= 11; ++value) {
        writer.write("MouseAttribute/Speed/" + std::to_string(value) + ".png", speedArc(value));
    }
    writer.write("MouseAttribute/BK_ScrollSpeed.png", scrollPage());
    writer.write("MouseAttribute/ScrollSpeed/Enable.png", choice({11, 12}, true));
    writer.write("MouseAttribute/ScrollSpeed/Disable.png", choice({11, 12}, false));
    writer.write("MouseAttribute/ScrollSpeed/ScrollLines.png", scrollLines());

    writer.write("AngleSnap/BK_AngleSnap.png", angleSnapPage());
}

}  // namespace gx508::skin
