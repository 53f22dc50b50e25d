// SPDX-License-Identifier: GPL-3.0-or-later
// The mouse pictures of the main window's mouse view and the button overlays drawn over them.
//
// Every shape is laid out in main-window coordinates. The base picture of a view and each
// button's overlay are cut from the same drawing at the window positions of the mouse view's
// table, so an overlay covers its button on the base picture exactly.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPathStroker>
#include <QRadialGradient>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <vector>

#include "Families.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"
#include "core/assign/AssignmentPanel.h"
#include "gui/assign/MouseViewLayout.h"

namespace gx508::skin {

using namespace palette;

namespace {

// Room an overlay leaves right of and below its button for the highlight's glow.
constexpr int kOverlayMargin = 6;

enum class Surface { Shell, Wheel, Key, Pill };

// How a button looks on the mouse: its outline in window coordinates and its surface.
struct Look {
    QPainterPath shape;
    Surface surface;
};

// A button of a view: its overlay in the mouse view's table and its look.
struct Button {
    const layout::ButtonOverlay& overlay;
    Look look;
};

const layout::MouseViewPicture& picture(int view) {
    return *layout::mouseViewPicture(view);
}

// The view's overlays in drawing order, each with the look of its button (looks by button
// index). An overlay without a look is left out, and the writer reports its files as not drawn.
std::vector<Button> buttonsOf(int view, const std::map<int, Look>& looks) {
    std::vector<Button> buttons;
    for (const layout::ButtonOverlay& overlay : picture(view).overlays) {
        if (const auto look = looks.find(overlay.button); look != looks.end()) {
            buttons.push_back({overlay, look->second});
        }
    }
    return buttons;
}

QPainterPath pill(const QRectF& rect) {
    return rounded(rect, std::min(rect.width(), rect.height()) / 2);
}

QPainterPath inset(const QPainterPath& shape, qreal by) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * by);
    stroker.setJoinStyle(Qt::RoundJoin);
    return shape.subtracted(stroker.createStroke(shape));
}

QPainterPath grown(const QPainterPath& shape, qreal by) {
    QPainterPathStroker stroker;
    stroker.setWidth(2 * by);
    stroker.setJoinStyle(Qt::RoundJoin);
    return shape.united(stroker.createStroke(shape)).simplified();
}

// The surface of one button as the base picture shows it.
void paintSurface(QPainter& painter, const QPainterPath& shape, Surface surface) {
    const QRectF box = shape.boundingRect();
    switch (surface) {
        case Surface::Shell: {
            QLinearGradient fill(box.topLeft(), box.bottomRight());
            fill.setColorAt(0, QColor(50, 50, 57));
            fill.setColorAt(0.45, QColor(33, 33, 38));
            fill.setColorAt(1, QColor(22, 22, 26));
            painter.fillPath(shape, fill);
            QRadialGradient sheen(QPointF(box.center().x(), box.top() + box.height() * 0.25),
                                  box.width() * 0.6);
            sheen.setColorAt(0, QColor(255, 255, 255, 22));
            sheen.setColorAt(1, QColor(255, 255, 255, 0));
            painter.fillPath(shape, sheen);
            break;
        }
        case Surface::Wheel: {
            QLinearGradient fill(box.topLeft(), box.topRight());
            fill.setColorAt(0, QColor(14, 14, 16));
            fill.setColorAt(0.5, QColor(44, 44, 50));
            fill.setColorAt(1, QColor(14, 14, 16));
            painter.fillPath(shape, fill);
            painter.save();
            painter.setClipPath(shape);
            painter.setPen(QPen(QColor(8, 8, 10), 1.2));
            for (qreal y = box.top() + 3; y < box.bottom() - 1; y += 4) {
                painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
            }
            painter.fillRect(QRectF(box.center().x() - 1, box.top(), 2, box.height()),
                             withAlpha(kRedBright, 150));
            painter.restore();
            break;
        }
        case Surface::Key:
        case Surface::Pill: {
            QLinearGradient fill(box.topLeft(), box.bottomLeft());
            fill.setColorAt(0, QColor(58, 58, 66));
            fill.setColorAt(1, QColor(26, 26, 31));
            painter.fillPath(shape, fill);
            painter.strokePath(inset(shape, 1.5), QPen(QColor(255, 255, 255, 26), 1));
            break;
        }
    }
    painter.strokePath(shape, QPen(kInk, 1.2));
}

// The look of a button under the pointer or with its menu open: the surface lit red, a hot rim
// and a glow around it.
void paintLit(QPainter& painter, const QPainterPath& shape, Surface surface) {
    glow(painter, shape, withAlpha(kRedGlow, 150), 5);
    paintSurface(painter, shape, surface);
    const QRectF box = shape.boundingRect();
    QLinearGradient tint(box.topLeft(), box.bottomLeft());
    tint.setColorAt(0, QColor(255, 60, 66, 190));
    tint.setColorAt(1, QColor(170, 16, 26, 200));
    painter.fillPath(shape, tint);
    painter.strokePath(shape, QPen(kRedHot, 1.4));
    painter.strokePath(inset(shape, 2), QPen(QColor(255, 200, 200, 90), 1));
}

// The idle overlay: the surface again with a faint red edge that marks it as a button.
void paintIdle(QPainter& painter, const QPainterPath& shape, Surface surface) {
    paintSurface(painter, shape, surface);
    painter.strokePath(inset(shape, 0.6), QPen(withAlpha(kRed, 120), 1));
}

// The braided cable, fading out towards its far end where the picture's edge cuts it.
void paintCable(QPainter& painter, const QPainterPath& cable) {
    const auto faded = [&cable](const QColor& colour) {
        QLinearGradient fade(cable.pointAtPercent(0), cable.pointAtPercent(1));
        fade.setColorAt(0, colour);
        fade.setColorAt(0.55, colour);
        fade.setColorAt(1, withAlpha(colour, 0));
        return QBrush(fade);
    };
    painter.strokePath(cable, QPen(faded(QColor(6, 6, 7)), 7, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(cable, QPen(faded(QColor(40, 20, 22)), 5, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(cable, QPen(faded(QColor(120, 40, 44, 120)), 1, Qt::DashLine, Qt::RoundCap));
}

void paintShadow(QPainter& painter, const QPainterPath& body, QPointF offset) {
    glow(painter, body.translated(offset), QColor(0, 0, 0, 200), 8);
}

void paintShell(QPainter& painter, const QPainterPath& body, QPointF light) {
    const QRectF box = body.boundingRect();
    QRadialGradient shell(light, std::max(box.width(), box.height()) * 0.8);
    shell.setColorAt(0, QColor(40, 40, 46));
    shell.setColorAt(0.6, QColor(20, 20, 24));
    shell.setColorAt(1, QColor(11, 11, 13));
    painter.fillPath(body, shell);
    QLinearGradient rim(box.topLeft(), box.bottomRight());
    rim.setColorAt(0, QColor(110, 110, 122));
    rim.setColorAt(0.5, QColor(48, 48, 54));
    rim.setColorAt(1, QColor(20, 20, 24));
    painter.strokePath(body, QPen(QBrush(rim), 1.5));
}

void paintLedLine(QPainter& painter, const QPainterPath& line, qreal width) {
    glowStroke(painter, line, withAlpha(kRedGlow, 200), width + 2, 5);
    painter.strokePath(line, QPen(kRedBright, width, Qt::SolidLine, Qt::RoundCap));
    painter.strokePath(line,
                       QPen(QColor(255, 170, 170, 200), width / 3, Qt::SolidLine, Qt::RoundCap));
}

QImage cut(const QPoint& origin, QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image = canvas(size);
    QPainter painter(&image);
    smooth(painter);
    painter.translate(-origin);
    paint(painter);
    return image;
}

// The view's base picture, cut at its window position to its listed size.
QImage basePicture(int view, const std::function<void(QPainter&)>& paint) {
    const layout::MouseViewPicture& shown = picture(view);
    return cut(shown.at, shown.base->size(), paint);
}

void writeOverlays(SkinWriter& writer, const std::vector<Button>& buttons) {
    for (const Button& button : buttons) {
        const QPoint at = button.overlay.at;
        const QRectF box = button.look.shape.boundingRect();
        const QSize size(static_cast<int>(std::ceil(box.right())) + kOverlayMargin - at.x(),
                         static_cast<int>(std::ceil(box.bottom())) + kOverlayMargin - at.y());
        writer.write(button.overlay.files->normal.name, cut(at, size, [&](QPainter& painter) {
                         paintIdle(painter, button.look.shape, button.look.surface);
                     }));
        writer.write(button.overlay.files->over.name, cut(at, size, [&](QPainter& painter) {
                         paintLit(painter, button.look.shape, button.look.surface);
                     }));
    }
}

// ---- Front view: the mouse from above, its nose at the top. -------------------------------

constexpr qreal kCx = 531;

QPainterPath frontBody() {
    QPainterPath half;
    half.moveTo(kCx, 86);
    half.cubicTo(kCx + 52, 84, kCx + 92, 92, kCx + 96, 134);
    half.cubicTo(kCx + 100, 166, kCx + 91, 192, kCx + 91, 222);
    half.cubicTo(kCx + 91, 256, kCx + 106, 282, kCx + 105, 330);
    half.cubicTo(kCx + 104, 392, kCx + 68, 432, kCx, 432);
    const QTransform mirror = QTransform::fromTranslate(2 * kCx, 0).scale(-1, 1);
    QPainterPath body = half;
    body.connectPath(mirror.map(half).toReversed());
    body.closeSubpath();
    return body;
}

QPainterPath frontSidePill(qreal top) {
    return pill(QRectF(430, top, 13, 50));
}

std::vector<Button> frontButtons() {
    const QPainterPath body = frontBody();
    const QPainterPath inner = inset(body, 3);
    const QPainterPath pills = grown(frontSidePill(172).united(frontSidePill(230)), 2.5);

    QPainterPath leftArea;
    leftArea.moveTo(380, 60);
    leftArea.lineTo(517, 60);
    leftArea.lineTo(517, 284);
    leftArea.quadTo(470, 290, 400, 304);
    leftArea.closeSubpath();
    const QTransform mirror = QTransform::fromTranslate(2 * kCx, 0).scale(-1, 1);
    const QPainterPath left = inner.intersected(leftArea).subtracted(pills);
    const QPainterPath right = inner.intersected(mirror.map(leftArea));

    const std::map<int, Look> looks = {
        {0, {left, Surface::Shell}},
        {1, {right, Surface::Shell}},
        {2, {rounded(QRectF(521, 166, 20, 48), 8), Surface::Wheel}},
        {3, {rounded(QRectF(522, 254, 18, 15), 5), Surface::Key}},
        {4, {frontSidePill(230), Surface::Pill}},
        {5, {frontSidePill(172), Surface::Pill}},
        {6, {rounded(QRectF(522, 224, 18, 15), 5), Surface::Key}},
    };
    return buttonsOf(kFrontView, looks);
}

void paintFront(QPainter& painter, const std::vector<Button>& buttons) {
    const QPainterPath body = frontBody();
    QPainterPath cable;
    cable.moveTo(kCx, 88);
    cable.cubicTo(kCx, 70, kCx + 6, 62, kCx + 4, 50);
    paintCable(painter, cable);
    paintShadow(painter, body, QPointF(4, 8));
    glowStroke(painter, body, withAlpha(kRedGlow, 90), 3, 9);
    paintShell(painter, body, QPointF(kCx - 40, 150));

    QPainterPath spine;
    spine.moveTo(kCx, 96);
    spine.lineTo(kCx, 156);
    paintLedLine(painter, spine, 1.6);
    for (const Button& button : buttons) {
        paintSurface(painter, button.look.shape, button.look.surface);
    }

    QPainterPath leftStrip;
    leftStrip.moveTo(kCx - 97, 300);
    leftStrip.cubicTo(kCx - 101, 340, kCx - 96, 380, kCx - 72, 408);
    paintLedLine(painter, leftStrip, 1.8);
    paintLedLine(painter, QTransform::fromTranslate(2 * kCx, 0).scale(-1, 1).map(leftStrip), 1.8);

    const QPointF mark(kCx, 372);
    QPainterPath chevron;
    chevron.moveTo(mark + QPointF(-18, 6));
    chevron.lineTo(mark + QPointF(0, -10));
    chevron.lineTo(mark + QPointF(18, 6));
    paintLedLine(painter, chevron, 2.2);
    QPainterPath lower;
    lower.moveTo(mark + QPointF(-11, 16));
    lower.lineTo(mark + QPointF(0, 6));
    lower.lineTo(mark + QPointF(11, 16));
    paintLedLine(painter, lower, 1.6);
}

// ---- Side view: the left flank, nose to the left. -----------------------------------------

QPainterPath sideBody() {
    QPainterPath body;
    body.moveTo(360, 414);
    body.cubicTo(338, 410, 334, 372, 350, 346);
    body.cubicTo(380, 300, 480, 272, 590, 268);
    body.cubicTo(670, 266, 716, 300, 721, 356);
    body.cubicTo(724, 394, 712, 414, 688, 414);
    body.closeSubpath();
    return body;
}

// The line between the main button's flank and the grip below it.
QPainterPath sideSeam() {
    QPainterPath seam;
    seam.moveTo(344, 364);
    seam.cubicTo(390, 318, 480, 298, 580, 292);
    seam.cubicTo(640, 289, 690, 298, 720, 324);
    return seam;
}

std::vector<Button> sideButtons() {
    const auto key = [](qreal x, qreal y, qreal width) {
        QPainterPath shape;
        shape.moveTo(x + 6, y);
        shape.lineTo(x + width, y);
        shape.quadTo(x + width + 2, y + 8, x + width - 4, y + 16);
        shape.lineTo(x + 2, y + 16);
        shape.quadTo(x - 3, y + 8, x + 6, y);
        shape.closeSubpath();
        return shape;
    };
    const std::map<int, Look> looks = {
        {7, {key(590, 335, 70), Surface::Key}},  {8, {key(590, 310, 38), Surface::Key}},
        {9, {key(534, 310, 38), Surface::Key}},  {10, {key(505, 335, 70), Surface::Key}},
        {11, {key(478, 310, 38), Surface::Key}},
    };
    return buttonsOf(kSideView, looks);
}

// Rubber texture: fine diagonal ridges clipped to the shape.
void ridges(QPainter& painter, const QPainterPath& shape) {
    painter.save();
    painter.setClipPath(shape);
    const QRectF box = shape.boundingRect();
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1.4));
    for (qreal x = box.left() - box.height(); x < box.right(); x += 5) {
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    }
    painter.setPen(QPen(QColor(255, 255, 255, 10), 1));
    for (qreal x = box.left() - box.height() + 2; x < box.right(); x += 5) {
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    }
    painter.restore();
}

void paintSide(QPainter& painter, const std::vector<Button>& buttons) {
    const QPainterPath body = sideBody();
    QPainterPath cable;
    cable.moveTo(350, 360);
    cable.cubicTo(330, 368, 322, 392, 305, 398);
    paintCable(painter, cable);
    glow(painter, QPainterPath(rounded(QRectF(364, 408, 350, 10), 5)), QColor(0, 0, 0, 220), 6);
    glowStroke(painter, body, withAlpha(kRedGlow, 80), 3, 9);
    paintShell(painter, body, QPointF(520, 320));

    // The main button's flank above the seam catches more light than the grip below it.
    QPainterPath below = sideSeam();
    below.lineTo(730, 430);
    below.lineTo(330, 430);
    below.closeSubpath();
    paintSurface(painter, body.subtracted(below), Surface::Shell);
    painter.strokePath(sideSeam(), QPen(kInk, 1.6));

    // The thumb grip: a concave rubber pad around the side buttons.
    const QPainterPath grip = rounded(QRectF(452, 300, 236, 78), 26).intersected(body);
    QRadialGradient dip(QPointF(570, 338), 120);
    dip.setColorAt(0, QColor(6, 6, 8, 210));
    dip.setColorAt(1, QColor(6, 6, 8, 40));
    painter.fillPath(grip, dip);
    ridges(painter, grip);

    QPainterPath wheel;
    wheel.addEllipse(QRectF(394, 290, 24, 24));
    wheel = wheel.subtracted(body);
    fillVertical(painter, wheel, QColor(60, 60, 66), QColor(20, 20, 24));
    painter.save();
    painter.setClipPath(wheel);
    painter.setPen(QPen(QColor(8, 8, 10), 1.4));
    for (const qreal angle : {-50.0, -20.0, 10.0, 40.0}) {
        const QPointF centre(406, 302);
        const qreal a = angle * std::numbers::pi / 180.0;
        painter.drawLine(centre, centre + QPointF(std::sin(a), -std::cos(a)) * 14);
    }
    painter.restore();
    painter.strokePath(wheel, QPen(kRedBright, 1.2));

    for (const Button& button : buttons) {
        paintSurface(painter, button.look.shape, button.look.surface);
    }
    QPainterPath skirt;
    skirt.moveTo(372, 399);
    skirt.cubicTo(480, 402, 620, 402, 708, 394);
    paintLedLine(painter, skirt, 1.8);
    painter.fillRect(QRectF(370, 412, 330, 2), QColor(4, 4, 5));
}

// ---- Back view: the mouse from behind (created hidden by the main window). ----------------

QPainterPath backBody() {
    QPainterPath body;
    body.moveTo(430, 330);
    body.cubicTo(418, 280, 450, 214, 531, 212);
    body.cubicTo(612, 214, 644, 280, 632, 330);
    body.closeSubpath();
    return body;
}

std::vector<Button> backButtons() {
    const std::map<int, Look> looks = {
        {3, {pill(QRectF(626, 252, 12, 22)), Surface::Pill}},
        {4, {pill(QRectF(626, 280, 12, 22)), Surface::Pill}},
    };
    return buttonsOf(kBackView, looks);
}

void paintBack(QPainter& painter, const std::vector<Button>& buttons) {
    const QPainterPath body = backBody();
    glow(painter, QPainterPath(rounded(QRectF(436, 324, 190, 10), 5)), QColor(0, 0, 0, 220), 6);
    glowStroke(painter, body, withAlpha(kRedGlow, 80), 3, 9);
    paintShell(painter, body, QPointF(500, 240));
    QPainterPath split;
    split.moveTo(531, 213);
    split.lineTo(531, 246);
    painter.strokePath(split, QPen(kInk, 1.6));
    QPainterPath shoulders;
    shoulders.moveTo(452, 262);
    shoulders.cubicTo(490, 246, 572, 246, 610, 262);
    painter.strokePath(shoulders, QPen(QColor(0, 0, 0, 150), 1.4));
    QPainterPath strip;
    strip.moveTo(446, 316);
    strip.cubicTo(500, 322, 562, 322, 616, 316);
    paintLedLine(painter, strip, 1.8);
    for (const Button& button : buttons) {
        paintSurface(painter, button.look.shape, button.look.surface);
    }
}

}  // namespace

QImage mouseTopView() {
    const std::vector<Button> buttons = frontButtons();
    return basePicture(kFrontView, [&](QPainter& painter) { paintFront(painter, buttons); });
}

void paintMouseViews(SkinWriter& writer) {
    const std::vector<Button> front = frontButtons();
    writer.write(kMouseFrontFile.name, mouseTopView());
    writeOverlays(writer, front);

    const std::vector<Button> side = sideButtons();
    writer.write(kMouseSideFile.name,
                 basePicture(kSideView, [&](QPainter& painter) { paintSide(painter, side); }));
    writeOverlays(writer, side);

    const std::vector<Button> back = backButtons();
    writer.write(kMouseBackFile.name,
                 basePicture(kBackView, [&](QPainter& painter) { paintBack(painter, back); }));
    writeOverlays(writer, back);
}

}  // namespace gx508::skin
