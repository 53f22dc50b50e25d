// SPDX-License-Identifier: GPL-3.0-or-later
// The profile manager, the macro manager, the macro selector (shared with the gun macro
// selector) and the single key dialog, with their buttons and tick boxes.

#include <QLinearGradient>
#include <QPainter>

#include <cmath>
#include <string>

#include "DialogParts.h"
#include "Families.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"

namespace gx508::skin {

using namespace palette;

namespace {

constexpr int kTitleHeight = 31;

QImage profileManager() {
    QImage image = dialogBase({263, 600}, kTitleHeight, 41);
    QPainter painter(&image);
    smooth(painter);
    painter.fillRect(QRect(0, 31, 263, 544), kListDark);
    painter.fillRect(QRect(0, 31, 263, 6), QColor(0, 0, 0, 60));
    const QRectF bar(0, 575, 263, 25);
    painter.fillRect(bar, kCommandBar);
    redRule(painter, QPointF(10, 575.5), QPointF(253, 575.5), 0.6);
    for (const QRectF& plate : {QRectF(4, 578, 94, 19), QRectF(112, 578, 116, 19)}) {
        buttonPlate(painter, plate, Look::Normal, 3);
    }
    painter.end();
    windowFrame(image);
    return image;
}

QImage profileGlyph(bool add) {
    QImage image = canvas({12, 12});
    QPainter painter(&image);
    smooth(painter);
    QPainterPath disc;
    disc.addEllipse(QRectF(0.5, 0.5, 11, 11));
    fillVertical(painter, disc, add ? kRedBright : QColor(70, 66, 74),
                 add ? kRedDark : QColor(36, 34, 40));
    painter.strokePath(disc, QPen(add ? kRedHot : kEdgeLight, 1));
    painter.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(3.5, 6), QPointF(8.5, 6));
    if (add) {
        painter.drawLine(QPointF(6, 3.5), QPointF(6, 8.5));
    }
    return image;
}

// The macro manager's right margin carries a sequence motif: key events on a time line.
void sequenceMotif(QPainter& painter, const QRectF& rect) {
    const qreal x = rect.center().x();
    QPainterPath line;
    line.moveTo(x, rect.top());
    line.lineTo(x, rect.bottom());
    glowStroke(painter, line, withAlpha(kRedGlow, 60), 2, 4);
    painter.strokePath(line, QPen(withAlpha(kRedDark, 220), 1));
    const int nodes = 6;
    for (int i = 0; i < nodes; ++i) {
        const qreal y = rect.top() + 14 + i * (rect.height() - 28) / (nodes - 1);
        keycap(painter, QRectF(x - 13, y - 11, 26, 22), i % 3 == 0);
        triangle(painter, QRectF(x + 17, y - 3, 6, 6), i % 2 == 0 ? Qt::DownArrow : Qt::UpArrow,
                 i % 2 == 0 ? kRedBright : kEdgeLight);
    }
}

QImage macroManager() {
    QImage image = dialogBase({492, 436}, 50, 43);
    QPainter painter(&image);
    smooth(painter);
    for (const QRectF& heading :
         {QRectF(16, 60, 118, 18), QRectF(148, 60, 118, 18), QRectF(279, 60, 124, 18)}) {
        headingPlate(painter, heading);
    }
    fieldFrame(painter, QRectF(21, 82, 109, 271));
    fieldFrame(painter, QRectF(153, 82, 109, 271));
    painter.fillRect(QRectF(21, 82, 109, 271), kListGrey);
    painter.fillRect(QRectF(153, 82, 109, 271), kListGrey);

    const QRectF options(279, 81, 124, 274);
    painter.fillPath(rounded(options, 4), pageColour());
    painter.strokePath(rounded(options.adjusted(0.5, 0.5, -0.5, -0.5), 4), QPen(kEdge, 1));
    painter.fillRect(QRectF(288, 126, 106, 1), QColor(255, 255, 255, 12));
    painter.fillRect(QRectF(288, 292, 106, 1), QColor(255, 255, 255, 12));
    fieldFrame(painter, QRectF(298, 333, 81, 12));
    painter.fillRect(QRectF(298, 333, 81, 12), kFieldBrown);

    sequenceMotif(painter, QRectF(416, 84, 60, 268));
    commandStrip(painter, QRectF(10, 362, 472, 66));
    painter.end();
    windowFrame(image);
    return image;
}

QImage drawnButton(QSize size, Look look) {
    QImage image = canvas(size);
    QPainter painter(&image);
    smooth(painter);
    buttonPlate(painter, QRectF(QPointF(0, 0), QSizeF(size)), look, 3);
    return image;
}

QImage macroClose(Look look) {
    QImage image = drawnButton({51, 24}, look);
    QPainter painter(&image);
    smooth(painter);
    closeGlyph(painter, QRectF(20.5, 7.5, 9, 9),
               look == Look::Normal ? QColor(220, 205, 208) : QColor(Qt::white), 1.8);
    return image;
}

QImage tick(int size, bool ticked) {
    QImage image = canvas({size, size});
    QPainter painter(&image);
    smooth(painter);
    tickBox(painter, QRectF(0, 0, size, size), ticked);
    return image;
}

// A drop-down field frame: the dialog shows the chosen name in its left part.
void dropdownField(QPainter& painter, const QRectF& rect) {
    fieldFrame(painter, rect);
    painter.fillRect(rect, kListDark);
    const QRectF button(rect.right() - 15, rect.top(), 15, rect.height());
    painter.fillRect(button, QColor(70, 16, 22));
    painter.fillRect(QRectF(button.left(), rect.top(), 1, rect.height()), kRed);
    triangle(painter, button.adjusted(4, 6, -4, -6), Qt::DownArrow, kRedHot);
}

QImage macroSelector() {
    QImage image = dialogBase({400, 290}, kTitleHeight, 47);
    QPainter painter(&image);
    smooth(painter);
    const QRectF picture(52, 42, 90, 46);
    for (int i = 0; i < 3; ++i) {
        keycap(painter, QRectF(picture.left() + i * 32, picture.top(), 26, 24), i == 1);
    }
    QPainterPath loop;
    loop.moveTo(picture.left() + 6, picture.top() + 34);
    loop.cubicTo(picture.left() + 30, picture.top() + 46, picture.right() - 30, picture.top() + 46,
                 picture.right() - 6, picture.top() + 34);
    glowStroke(painter, loop, withAlpha(kRedGlow, 90), 2, 3);
    painter.strokePath(loop, QPen(kRedBright, 1.6, Qt::SolidLine, Qt::RoundCap));
    triangle(painter, QRectF(picture.right() - 9, picture.top() + 28, 7, 8), Qt::UpArrow,
             kRedBright);
    dropdownField(painter, QRectF(42, 128, 109, 16));

    painter.fillRect(QRectF(200, 52, 1, 170), QColor(255, 255, 255, 14));
    for (const int top : {68, 118, 168}) {
        painter.fillPath(rounded(QRectF(212, top, 182, 36), 4), QColor(255, 255, 255, 6));
        painter.fillRect(QRectF(212, top, 2, 36), withAlpha(kRed, 170));
    }
    commandStrip(painter, QRectF(10, 240, 380, 42));
    painter.end();
    windowFrame(image);
    return image;
}

QImage singleKey() {
    QImage image = dialogBase({382, 290}, kTitleHeight, 53);
    QPainter painter(&image);
    smooth(painter);
    const QRectF cap(58, 118, 108, 40);
    glow(painter, rounded(cap, 6), withAlpha(kRedGlow, 90), 6);
    painter.fillPath(rounded(cap, 6), QColor(12, 12, 14));
    fillVertical(painter, rounded(cap.adjusted(4, 3, -4, -7), 4), QColor(70, 68, 76),
                 QColor(38, 37, 43));
    painter.strokePath(rounded(cap.adjusted(0.5, 0.5, -0.5, -0.5), 6), QPen(kRedBright, 1));
    painter.fillRect(QRectF(74, 129, 76, 14), Qt::white);
    redRule(painter, QPointF(34, 96.5), QPointF(220, 96.5), 0.5);
    keyboard(painter, QRectF(236, 70, 132, 104));
    commandStrip(painter, QRectF(10, 240, 362, 42));
    painter.end();
    windowFrame(image);
    return image;
}

}  // namespace

void paintDialogs(SkinWriter& writer) {
    writer.write("Config/Config.png", profileManager());
    writer.write("Config/New-Config.png", profileGlyph(true));
    writer.write("Config/Del-Config.png", profileGlyph(false));

    writer.write("MacroManagement/MacroManagement.png", macroManager());
    writer.write("macro-button-close-normal.png", macroClose(Look::Normal));
    writer.write("macro-button-close-over.png", macroClose(Look::Hover));
    writer.write("MacroManagement/Record-normal.png",
                 opaqueButton({89, 24}, Look::Normal, pageColour()));
    writer.write("MacroManagement/Record-over.png",
                 opaqueButton({89, 24}, Look::Hover, pageColour()));
    writer.write("MacroManagement/Pane.png", tick(14, false));
    writer.write("MacroManagement/PaneMakingTick.png", tick(14, true));
    writer.write("MacroManagement/button-new-normal.png", drawnButton({58, 25}, Look::Normal));
    writer.write("MacroManagement/button-new-over.png", drawnButton({58, 25}, Look::Hover));
    writer.write("MacroManagement/button-cancel-normal.png", drawnButton({54, 26}, Look::Normal));
    writer.write("MacroManagement/button-cancel-over.png", drawnButton({54, 26}, Look::Hover));

    writer.write("macro-key.png", macroSelector());
    writer.write("Pane.png", tick(16, false));
    writer.write("PaneMakingTick.png", tick(16, true));
    writer.write("single-key.png", singleKey());
}

}  // namespace gx508::skin
