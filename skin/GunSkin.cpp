// SPDX-License-Identifier: GPL-3.0-or-later
// The gun macro manager and its three step dialogs: keyboard key, mouse event and cursor
// displacement.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "DialogParts.h"
#include "Families.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"

namespace gx508::skin {

using namespace palette;

namespace {

constexpr int kTitleHeight = 36;

// A crosshair reticle, the gun dialogs' motif.
void reticle(QPainter& painter, QPointF centre, qreal radius, int alpha) {
    painter.save();
    painter.setPen(QPen(withAlpha(kRedBright, alpha), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, radius, radius);
    painter.drawEllipse(centre, radius * 0.45, radius * 0.45);
    for (const QPointF& direction :
         {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)}) {
        painter.drawLine(centre + direction * radius * 0.25, centre + direction * radius * 1.2);
    }
    painter.restore();
}

QImage gunManager() {
    QImage image = dialogBase({420, 428}, kTitleHeight, 61);
    QPainter painter(&image);
    smooth(painter);
    reticle(painter, QPointF(392, 18), 11, 150);
    for (const QRectF& heading :
         {QRectF(18, 58, 120, 24), QRectF(150, 58, 120, 24), QRectF(280, 58, 120, 24)}) {
        headingPlate(painter, heading);
    }
    for (const QRectF& list : {QRectF(19, 85, 113, 285), QRectF(151, 85, 113, 285)}) {
        fieldFrame(painter, list);
        painter.fillRect(list, kListGrey);
    }
    const QRectF options(280, 84, 120, 270);
    painter.fillPath(rounded(options, 4), pageColour());
    painter.strokePath(rounded(options.adjusted(0.5, 0.5, -0.5, -0.5), 4), QPen(kEdge, 1));
    painter.fillRect(QRectF(290, 285, 100, 1), QColor(255, 255, 255, 12));
    fieldFrame(painter, QRectF(298, 333, 82, 13));
    painter.fillRect(QRectF(298, 333, 82, 13), kFieldBrown);
    commandStrip(painter, QRectF(8, 358, 404, 64));
    painter.end();
    windowFrame(image);
    return image;
}

QImage selection(bool on) {
    QImage image = canvas({14, 14}, pageColour());
    QPainter painter(&image);
    smooth(painter);
    tickBox(painter, QRectF(0, 0, 14, 14), on);
    return image;
}

QImage keyDialog() {
    QImage image = dialogBase({390, 412}, 31, 67);
    QPainter painter(&image);
    smooth(painter);
    fieldFrame(painter, QRectF(52, 86, 308, 34));
    painter.fillRect(QRectF(52, 86, 308, 34), kListGrey);
    keyboard(painter, QRectF(40, 160, 310, 150));
    commandStrip(painter, QRectF(10, 366, 370, 42));
    painter.end();
    windowFrame(image);
    return image;
}

// Event areas of the mouse event dialog, in the order of the events they stand for.
const QRectF kEventAreas[] = {{20, 50, 114, 118},
                              {155, 50, 114, 118},
                              {285, 50, 114, 118},
                              {20, 185, 114, 118},
                              {155, 185, 114, 118}};

QImage mouseEventDialog() {
    QImage image = dialogBase({420, 428}, kTitleHeight, 71);
    QPainter painter(&image);
    smooth(painter);
    const MousePart parts[] = {MousePart::Left, MousePart::Right, MousePart::Middle,
                               MousePart::Forward, MousePart::Back};
    for (int i = 0; i < 5; ++i) {
        const QRectF area = kEventAreas[i];
        raisedPanel(painter, area.adjusted(3, 3, -3, -3), 5);
        mousePictogram(painter, QRectF(area.center().x() - 22, area.top() + 12, 44, 66), parts[i]);
        painter.fillPath(
            rounded(QRectF(area.left() + 10, area.bottom() - 39, area.width() - 20, 17), 3),
            QColor(0, 0, 0, 90));
    }
    reticle(painter, QPointF(342, 244), 34, 70);
    commandStrip(painter, QRectF(8, 379, 404, 44));
    painter.end();
    windowFrame(image);
    return image;
}

QImage eventSelector() {
    QImage image = canvas({114, 118});
    QPainter painter(&image);
    smooth(painter);
    const QPainterPath frame = rounded(QRectF(2, 2, 110, 114), 6);
    glowStroke(painter, frame, withAlpha(kRedGlow, 220), 3, 4);
    painter.strokePath(frame, QPen(kRedHot, 1.6));
    painter.fillPath(frame, QColor(255, 40, 50, 26));
    hudCorners(painter, QRectF(5, 5, 104, 108), 12, QColor(255, 200, 200));
    return image;
}

QImage cursorDialog() {
    QImage image = dialogBase({420, 432}, kTitleHeight, 73);
    QPainter painter(&image);
    smooth(painter);
    const QRectF pad(80, 76, 255, 255);
    fieldFrame(painter, pad);
    QRadialGradient floor(QPointF(207.5, 203.5), 180);
    floor.setColorAt(0, QColor(40, 10, 14));
    floor.setColorAt(1, QColor(10, 9, 11));
    painter.fillRect(pad, floor);
    painter.save();
    painter.setClipRect(pad);
    for (int i = 1; i < 10; ++i) {
        const qreal offset = i * 25.5;
        const QColor line(255, 255, 255, i == 5 ? 0 : 12);
        painter.fillRect(QRectF(pad.left() + offset, pad.top(), 1, pad.height()), line);
        painter.fillRect(QRectF(pad.left(), pad.top() + offset, pad.width(), 1), line);
    }
    for (const qreal radius : {42.0, 85.0, 127.0}) {
        painter.setPen(QPen(QColor(255, 60, 60, 30), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(207.5, 203.5), radius, radius);
    }
    painter.fillRect(QRectF(207, pad.top(), 1, pad.height()), withAlpha(kRedBright, 150));
    painter.fillRect(QRectF(pad.left(), 203, pad.width(), 1), withAlpha(kRedBright, 150));
    triangle(painter, QRectF(203.5, 79, 8, 7), Qt::UpArrow, kRedHot);
    triangle(painter, QRectF(325, 199.5, 7, 8), Qt::RightArrow, kRedHot);
    painter.restore();
    hudCorners(painter, pad.adjusted(-8, -8, 8, 8), 14, withAlpha(kRedBright, 200));
    for (const QRectF& box : {QRectF(75, 380, 55, 13), QRectF(75, 400, 55, 13)}) {
        fieldFrame(painter, box);
        painter.fillRect(box, kListGrey);
    }
    commandStrip(painter, QRectF(8, 370, 404, 58));
    painter.end();
    windowFrame(image);
    return image;
}

// The displacement mark: a pointer whose tip is the image's top-left pixel, the mark position.
QImage cursorMark() {
    QImage image = canvas({11, 16});
    QPainter painter(&image);
    smooth(painter);
    QPainterPath arrow;
    arrow.moveTo(0.5, 0.5);
    arrow.lineTo(0.5, 13.5);
    arrow.lineTo(3.8, 10.4);
    arrow.lineTo(6.2, 15.3);
    arrow.lineTo(8.2, 14.3);
    arrow.lineTo(5.9, 9.6);
    arrow.lineTo(10.3, 9.6);
    arrow.closeSubpath();
    fillVertical(painter, arrow, kRedHot, kRed);
    painter.strokePath(arrow, QPen(Qt::white, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    return image;
}

}  // namespace

void paintGunDialogs(SkinWriter& writer) {
    writer.write("MacroGunMan/main.png", gunManager());
    writer.write("MacroGunMan/Record-normal.png",
                 opaqueButton({96, 26}, Look::Normal, pageColour()));
    writer.write("MacroGunMan/Record-over.png", opaqueButton({96, 26}, Look::Hover, pageColour()));
    writer.write("MacroGunMan/Record-down.png",
                 opaqueButton({96, 26}, Look::Pressed, pageColour()));
    writer.write("MacroGunMan/Sel-normal.png", selection(false));
    writer.write("MacroGunMan/Sel-down.png", selection(true));
    writer.write("MacroGunMan/Btn-normal.png", opaqueButton({52, 27}, Look::Normal, kCommandBar));
    writer.write("MacroGunMan/Btn-down.png", opaqueButton({52, 27}, Look::Hover, kCommandBar));
    writer.write("MacroGunMan/box.png", keyDialog());
    writer.write("MacroGunMan/Insert Mouse/main.png", mouseEventDialog());
    writer.write("MacroGunMan/Insert Mouse/Selector.png", eventSelector());
    writer.write("MacroGunMan/Insert Cursor/main.png", cursorDialog());
    writer.write("MacroGunMan/Insert Cursor/Select.png", cursorMark());
}

}  // namespace gx508::skin
