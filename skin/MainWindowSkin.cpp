// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its background, the left and middle columns, the section headers, the
// command, window and view buttons, the button assignment and axis sensitivity panels.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <functional>

#include "Families.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"
#include "core/assign/AssignmentPanel.h"
#include "gui/assign/MouseViewLayout.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::skin {

using namespace palette;

namespace {

constexpr int kTitleHeight = 31;

// Window coordinates of the regions the column images and buttons cover.
const QRect kCommandArea{10, 598, 980, 38};
const QRect kLeftColumn{20, 32, 242, 561};
const QRect kMiddleColumn{262, 32, 472, 561};
const QRect kRightColumn{735, 32, 260, 561};
// The rail under the view buttons, in the middle column's own coordinates.
const QRect kViewRail{165, 489, 148, 41};

QImage mainBackground() {
    QImage image = canvas(QSize(1000, 642), kBase);
    windowBody(image, kTitleHeight, 1);
    QPainter painter(&image);
    smooth(painter);
    emblem(painter, QRectF(7, 3, 24, 24));
    redRule(painter, QPointF(36, 15.5), QPointF(140, 15.5), 0.5);
    for (const QRect& column : {kLeftColumn, kMiddleColumn, kRightColumn}) {
        glow(painter, rounded(column, 6), QColor(0, 0, 0, 160), 6);
        painter.strokePath(rounded(QRectF(column).adjusted(-1.5, -1.5, 1.5, 1.5), 7),
                           QPen(QColor(30, 30, 35), 1));
    }
    const QPainterPath bar = rounded(kCommandArea, 5);
    painter.fillPath(bar, kCommandBar);
    painter.strokePath(rounded(QRectF(kCommandArea).adjusted(0.5, 0.5, -0.5, -0.5), 5),
                       QPen(kEdge.darker(130), 1));
    redRule(painter, QPointF(kCommandArea.left() + 20, kCommandArea.top() + 0.5),
            QPointF(kCommandArea.right() - 20, kCommandArea.top() + 0.5), 0.7);
    painter.end();
    windowFrame(image);
    return image;
}

void columnPanel(QPainter& painter, const QRectF& rect, qreal radius, bool roundTop) {
    const QRectF body = roundTop ? rect : rect.adjusted(0, -radius, 0, 0);
    painter.save();
    painter.setClipRect(rect);
    painter.fillPath(rounded(body, radius), pageColour());
    painter.strokePath(rounded(body.adjusted(0.5, 0.5, -0.5, -0.5), radius), QPen(kEdge, 1));
    painter.restore();
}

QImage leftColumn() {
    QImage image = canvas(QSize(242, 486));
    {
        QPainter painter(&image);
        smooth(painter);
        columnPanel(painter, QRectF(0, 0, 242, 486), 6, false);
    }
    grain(image, 1, 21);
    QPainter painter(&image);
    smooth(painter);
    QLinearGradient fade(0, 380, 0, 486);
    fade.setColorAt(0, QColor(120, 14, 22, 0));
    fade.setColorAt(1, QColor(120, 14, 22, 40));
    painter.fillPath(rounded(QRectF(1, 300, 240, 184), 5), fade);
    return image;
}

QImage middleColumn() {
    const QSize size = kMiddleColumnFile.size();
    QImage image =
        grainedPanel(size, QRectF(QPointF(0, 0), size), QColor(20, 19, 23), QColor(11, 11, 13), 31);
    QPainter painter(&image);
    smooth(painter);
    const QPainterPath body = rounded(QRectF(0, 0, 472, 561), 6);
    painter.setClipPath(body);
    QRadialGradient spot(QPointF(272, 236), 250);
    spot.setColorAt(0, QColor(130, 16, 24, 90));
    spot.setColorAt(0.55, QColor(70, 10, 16, 40));
    spot.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(image.rect(), spot);

    // A floor grid in perspective under the mouse.
    const QPointF vanish(236, 150);
    for (int i = -9; i <= 9; ++i) {
        QLinearGradient fade(vanish, QPointF(236 + i * 60, 470));
        fade.setColorAt(0, QColor(255, 40, 50, 0));
        fade.setColorAt(1, QColor(255, 40, 50, 34));
        painter.setPen(QPen(QBrush(fade), 1));
        painter.drawLine(QPointF(236 + i * 14, 330), QPointF(236 + i * 60, 470));
    }
    for (int j = 0; j < 6; ++j) {
        const qreal y = 330 + std::pow(j / 5.0, 1.6) * 140;
        painter.setPen(QPen(QColor(255, 40, 50, 10 + 4 * j), 1));
        painter.drawLine(QPointF(20, y), QPointF(452, y));
    }
    hudCorners(painter, QRectF(10, 10, 452, 470), 16, withAlpha(kRedBright, 170));
    for (int i = 0; i < 9; ++i) {
        painter.fillRect(QRectF(12, 60 + i * 40, 4, 1), withAlpha(kRedBright, 90));
        painter.fillRect(QRectF(456, 60 + i * 40, 4, 1), withAlpha(kRedBright, 90));
    }

    const QPainterPath rail = rounded(kViewRail, 6);
    painter.fillPath(rail, kCommandBar);
    painter.strokePath(rounded(QRectF(kViewRail).adjusted(0.5, 0.5, -0.5, -0.5), 6),
                       QPen(kEdge, 1));
    redRule(painter, QPointF(kViewRail.left() - 60, kViewRail.bottom() + 8.5),
            QPointF(kViewRail.right() + 60, kViewRail.bottom() + 8.5), 0.6);
    painter.setClipping(false);
    painter.strokePath(rounded(QRectF(0.5, 0.5, 471, 560), 6), QPen(kEdge, 1));
    return image;
}

QImage windowButton(Look look, const std::function<void(QPainter&, const QRectF&, QColor)>& glyph,
                    const QColor& hoverFill) {
    QImage image = canvas(QSize(15, 15), kTitle);
    QPainter painter(&image);
    smooth(painter);
    const QPainterPath plate = rounded(QRectF(0.5, 0.5, 14, 14), 3);
    if (look == Look::Normal) {
        fillVertical(painter, plate, QColor(52, 34, 38), QColor(34, 22, 25));
        painter.strokePath(plate, QPen(QColor(90, 52, 56), 1));
        glyph(painter, QRectF(4, 4, 7, 7), QColor(214, 200, 202));
    } else {
        fillVertical(painter, plate, hoverFill.lighter(130), hoverFill);
        painter.strokePath(plate, QPen(kRedHot, 1));
        glyph(painter, QRectF(4, 4, 7, 7), Qt::white);
    }
    return image;
}

// A section header: a dark red bar with a lit left edge and a small mark at its right end.
QImage header(const std::function<void(QPainter&)>& mark) {
    QImage image = canvas(QSize(242, 20), pageColour());
    QPainter painter(&image);
    smooth(painter);
    QLinearGradient fill(0, 0, 0, 20);
    fill.setColorAt(0, QColor(66, 20, 26));
    fill.setColorAt(0.5, QColor(44, 14, 18));
    fill.setColorAt(1, QColor(30, 11, 14));
    painter.fillRect(QRect(0, 0, 242, 20), fill);
    QLinearGradient sweep(0, 0, 242, 0);
    sweep.setColorAt(0, QColor(255, 60, 60, 40));
    sweep.setColorAt(1, QColor(255, 60, 60, 0));
    painter.fillRect(QRect(0, 0, 242, 20), sweep);
    painter.fillRect(QRect(0, 0, 242, 1), QColor(255, 110, 110, 50));
    painter.fillRect(QRect(0, 19, 242, 1), kRedDark);
    painter.fillRect(QRect(0, 0, 2, 20), kRedBright);
    painter.fillRect(QRect(2, 0, 1, 20), withAlpha(kRedGlow, 90));
    mark(painter);
    return image;
}

QImage dropdown(Look look) {
    QImage image = canvas(QSize(130, 16), pageColour());
    QPainter painter(&image);
    smooth(painter);
    const QPainterPath field = rounded(QRectF(0.5, 0.5, 129, 15), 2.5);
    if (look == Look::Normal) {
        fillVertical(painter, field, QColor(9, 9, 11), QColor(24, 23, 27));
        painter.strokePath(field, QPen(QColor(74, 34, 38), 1));
        triangle(painter, QRectF(120, 6, 6, 4), Qt::DownArrow, kRed);
    } else {
        fillVertical(painter, field, QColor(86, 16, 22), QColor(46, 10, 14));
        painter.strokePath(field, QPen(kRedBright, 1));
        triangle(painter, QRectF(120, 6, 6, 4), Qt::DownArrow, kRedHot);
    }
    return image;
}

// A panel that opens under a header of the left column, shaded where the header casts its
// shadow.
QImage shadedColumnPanel(int height, int shadeHeight) {
    QImage image = canvas(QSize(242, height));
    QPainter painter(&image);
    smooth(painter);
    columnPanel(painter, QRectF(0, 0, 242, height), 5, false);
    QLinearGradient shade(0, 0, 0, shadeHeight);
    shade.setColorAt(0, QColor(0, 0, 0, 120));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    painter.fillRect(QRectF(1, 0, 240, shadeHeight), shade);
    return image;
}

// The panel under the "Button Assignment" header with one slot per row of its view, each slot
// under the row's label.
QImage assignmentPanel(int rows, const SkinFile& file) {
    QImage image = shadedColumnPanel(file.height, 12);
    QPainter painter(&image);
    smooth(painter);
    redRule(painter, QPointF(14, 14.5), QPointF(228, 14.5), 0.35);
    const auto rowTop = [](int row) {
        return layout::panelLabelPosition(row).y() - layout::kPanelArea.top();
    };
    for (int r = 0; r < rows; ++r) {
        const qreal top = rowTop(r);
        painter.fillRect(QRectF(6, top + 3, 2, 10), kRedBright);
        glow(painter, rounded(QRectF(6, top + 3, 2, 10), 1), withAlpha(kRedGlow, 90), 3);
        painter.fillPath(rounded(QRectF(11, top + 1, 85, 14), 2), QColor(255, 255, 255, 6));
        if (r + 1 < rows) {
            painter.fillRect(QRectF(10, top + 18, 222, 1), QColor(255, 255, 255, 9));
        }
    }
    if (rows < kFrontPanelRows) {
        const QRectF rest(12, rowTop(rows) + 6, 218, file.height - rowTop(rows) - 16);
        painter.fillPath(rounded(rest, 4), QColor(0, 0, 0, 50));
        hudCorners(painter, rest, 8, withAlpha(kRed, 110));
    }
    return image;
}

QImage axisPanel() {
    QImage image = shadedColumnPanel(106, 10);
    QPainter painter(&image);
    smooth(painter);
    for (int row = 0; row < 2; ++row) {
        const qreal top = row * 45;
        painter.fillRect(QRectF(8, top + 10, 4, 10), kRedBright);
        glow(painter, rounded(QRectF(8, top + 10, 4, 10), 1), withAlpha(kRedGlow, 90), 3);
        for (int mark = 0; mark < 10; ++mark) {
            painter.fillRect(QRectF(27 + 21 * mark, top + 35, 1, 3), kEdgeLight);
        }
    }
    painter.fillRect(QRectF(14, 45, 214, 1), QColor(255, 255, 255, 9));
    return image;
}

// Horizontal slider tracks: rows 0..7 hold the groove, the rows below are page colour, so a
// slider shorter than the image (the lighting page's) still shows a whole groove.
QImage horizontalTrack(bool full) {
    QImage image = canvas(QSize(208, 14), pageColour());
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, 208, 1), full ? QColor(44, 6, 9) : kInk);
    if (full) {
        QLinearGradient fill(0, 1, 0, 7);
        fill.setColorAt(0, kRedHot);
        fill.setColorAt(0.35, kRedBright);
        fill.setColorAt(1, kRedDark);
        painter.fillRect(QRect(0, 1, 208, 6), fill);
        painter.fillRect(QRect(0, 2, 208, 1), QColor(255, 170, 170, 110));
        painter.fillRect(QRect(0, 7, 208, 1), QColor(88, 14, 20));
    } else {
        QLinearGradient fill(0, 1, 0, 7);
        fill.setColorAt(0, QColor(6, 6, 8));
        fill.setColorAt(1, QColor(24, 24, 28));
        painter.fillRect(QRect(0, 1, 208, 6), fill);
        painter.fillRect(QRect(0, 7, 208, 1), QColor(44, 44, 50));
    }
    return image;
}

}  // namespace

void paintMainWindow(SkinWriter& writer) {
    writer.write(kMainBackgroundFile.name, mainBackground());
    writer.write(kLeftColumnFile.name, leftColumn());
    writer.write(kMiddleColumnFile.name, middleColumn());

    const auto diamond = [](QPainter& painter) {
        QPolygonF shape({QPointF(230, 6), QPointF(234, 10), QPointF(230, 14), QPointF(226, 10)});
        painter.setPen(Qt::NoPen);
        painter.setBrush(kRedHot);
        painter.drawPolygon(shape);
    };
    const auto opens = [](QPainter& painter) {
        for (int i = 0; i < 2; ++i) {
            QPainterPath chevron;
            chevron.moveTo(224 + 5 * i, 6);
            chevron.lineTo(228 + 5 * i, 10);
            chevron.lineTo(224 + 5 * i, 14);
            painter.strokePath(chevron, QPen(i == 0 ? kRedBright : kRedHot, 1.6, Qt::SolidLine,
                                             Qt::RoundCap, Qt::RoundJoin));
        }
    };
    writer.write(kHeaderFile.name, header(diamond));
    writer.write(kMacroHeaderFile.name, header(opens));

    const auto help = [](QPainter& p, const QRectF& r, QColor c) { helpGlyph(p, r, c, 1.4); };
    const auto minimise = [](QPainter& p, const QRectF& r, QColor c) {
        minimiseGlyph(p, r, c, 1.6);
    };
    const auto close = [](QPainter& p, const QRectF& r, QColor c) { closeGlyph(p, r, c, 1.5); };
    writer.write(kHelpNormalFile.name, windowButton(Look::Normal, help, kRed));
    writer.write(kHelpOverFile.name, windowButton(Look::Hover, help, kRed));
    writer.write(kMinimiseNormalFile.name, windowButton(Look::Normal, minimise, kRed));
    writer.write(kMinimiseOverFile.name, windowButton(Look::Hover, minimise, kRed));
    writer.write(kCloseNormalFile.name, windowButton(Look::Normal, close, kRedBright));
    writer.write(kCloseOverFile.name, windowButton(Look::Hover, close, kRedBright));

    // The profile button, the command buttons and the view tabs, each at its listed size.
    const struct {
        const SkinFile& normal;
        const SkinFile& over;
        const SkinFile& leave;
    } buttons[] = {{kConfigNormalFile, kConfigOverFile, kConfigLeaveFile},
                   {kCommandNormalFile, kCommandOverFile, kCommandLeaveFile},
                   {kViewTabNormalFile, kViewTabOverFile, kViewTabLeaveFile}};
    for (const auto& button : buttons) {
        const QSize size = button.normal.size();
        writer.write(button.normal.name, opaqueButton(size, Look::Normal, kCommandBar));
        writer.write(button.over.name, opaqueButton(size, Look::Hover, kCommandBar));
        writer.write(button.leave.name, opaqueButton(size, Look::Pressed, kCommandBar));
    }

    writer.write(kFrontPanelFile.name, assignmentPanel(kFrontPanelRows, kFrontPanelFile));
    writer.write(kSidePanelFile.name, assignmentPanel(kSidePanelRows, kSidePanelFile));
    writer.write(kLabelNormalFile.name, dropdown(Look::Normal));
    writer.write(kLabelOverFile.name, dropdown(Look::Hover));
    writer.write(kAxisPanelFile.name, axisPanel());
    writer.write(kSliderEmptyFile.name, horizontalTrack(false));
    writer.write(kSliderFullFile.name, horizontalTrack(true));
}

}  // namespace gx508::skin
