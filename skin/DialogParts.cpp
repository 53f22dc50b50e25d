// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogParts.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>

#include "Paint.h"
#include "Palette.h"

namespace gx508::skin {

using namespace palette;

QImage dialogBase(QSize size, int titleHeight, unsigned seed) {
    QImage image = canvas(size, kBase);
    windowBody(image, titleHeight, seed);
    return image;
}

void headingPlate(QPainter& painter, const QRectF& rect) {
    const QPainterPath plate = rounded(rect, 3);
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, QColor(70, 20, 26));
    fill.setColorAt(1, QColor(34, 11, 14));
    painter.fillPath(plate, fill);
    painter.strokePath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), 3),
                       QPen(QColor(120, 28, 36), 1));
    painter.fillRect(QRectF(rect.left() + 3, rect.top() + 1, rect.width() - 6, 1),
                     QColor(255, 120, 120, 50));
    painter.fillRect(QRectF(rect.left() + 8, rect.bottom() - 1, rect.width() - 16, 1), kRedHot);
}

void commandStrip(QPainter& painter, const QRectF& rect) {
    painter.fillPath(rounded(rect, 4), kCommandBar);
    painter.strokePath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), 4), QPen(kEdge.darker(130), 1));
    redRule(painter, QPointF(rect.left() + 12, rect.top() + 0.5),
            QPointF(rect.right() - 12, rect.top() + 0.5), 0.6);
}

void fieldFrame(QPainter& painter, const QRectF& inside) {
    const QRectF outer = inside.adjusted(-3, -3, 3, 3);
    glow(painter, rounded(outer, 4), QColor(0, 0, 0, 170), 3);
    painter.fillPath(rounded(outer, 4), kBaseLow);
    painter.strokePath(rounded(outer.adjusted(0.5, 0.5, -0.5, -0.5), 4), QPen(kInk, 1));
    painter.strokePath(rounded(outer.adjusted(1.5, 1.5, -1.5, -1.5), 3),
                       QPen(QColor(110, 30, 38), 1));
}

void keycap(QPainter& painter, const QRectF& rect, bool lit) {
    const QPainterPath cap = rounded(rect, 3);
    const QPainterPath face = rounded(rect.adjusted(2, 1.5, -2, -3.5), 2);
    if (lit) {
        glow(painter, cap, withAlpha(kRedGlow, 120), 4);
        painter.fillPath(cap, QColor(120, 16, 24));
        fillVertical(painter, face, kRedHot, kRed);
    } else {
        painter.fillPath(cap, QColor(10, 10, 12));
        fillVertical(painter, face, QColor(48, 47, 54), QColor(30, 30, 35));
    }
    painter.strokePath(cap, QPen(lit ? kRedHot : QColor(62, 62, 70), 1));
}

void keyboard(QPainter& painter, const QRectF& rect) {
    const QPainterPath deck = rounded(rect, 8);
    fillVertical(painter, deck, QColor(30, 29, 34), QColor(14, 14, 16));
    painter.strokePath(deck, QPen(kEdge, 1));
    redRule(painter, QPointF(rect.left() + 14, rect.bottom() - 4.5),
            QPointF(rect.right() - 14, rect.bottom() - 4.5), 0.6);
    const int columns = std::clamp(static_cast<int>(rect.width() / 24), 6, 12);
    const qreal gap = 3;
    const qreal key = (rect.width() - 16 - gap * (columns - 1)) / columns;
    const qreal rowHeight = (rect.height() - 20 - 3 * gap) / 4;
    for (int row = 0; row < 4; ++row) {
        const qreal offset = row * key * 0.35;
        const qreal y = rect.top() + 8 + row * (rowHeight + gap);
        for (int column = 0; column < columns; ++column) {
            const qreal x = rect.left() + 8 + offset + column * (key + gap);
            if (x + key > rect.right() - 8) {
                break;
            }
            const bool lit = (row == 1 && column == 2) || (row == 2 && column >= 1 && column <= 3);
            keycap(painter, QRectF(x, y, key, rowHeight), lit);
        }
    }
}

void mousePictogram(QPainter& painter, const QRectF& rect, MousePart lit) {
    const QPainterPath body = mouseOutline(rect);
    glow(painter, body, QColor(0, 0, 0, 200), 4);
    fillVertical(painter, body, QColor(46, 46, 52), QColor(18, 18, 21));
    painter.strokePath(body, QPen(kEdgeLight, 1.2));

    const qreal split = rect.top() + rect.height() * 0.42;
    const qreal gap = rect.width() * 0.07;
    QPainterPath leftArea;
    leftArea.addRect(QRectF(rect.left() - 4, rect.top() - 4, rect.width() / 2 - gap + 4,
                            split - rect.top() + 4));
    QPainterPath rightArea;
    rightArea.addRect(QRectF(rect.center().x() + gap, rect.top() - 4, rect.width() / 2 + 4,
                             split - rect.top() + 4));
    const QPainterPath left = body.intersected(leftArea);
    const QPainterPath right = body.intersected(rightArea);
    const QPainterPath wheel =
        rounded(QRectF(rect.center().x() - gap * 0.7, rect.top() + rect.height() * 0.12, gap * 1.4,
                       rect.height() * 0.2),
                gap * 0.7);
    const qreal pillWidth = rect.width() * 0.1;
    const QPainterPath forward =
        rounded(QRectF(rect.left() - pillWidth * 0.4, rect.top() + rect.height() * 0.45, pillWidth,
                       rect.height() * 0.16),
                pillWidth / 2);
    const QPainterPath back =
        rounded(QRectF(rect.left() - pillWidth * 0.4, rect.top() + rect.height() * 0.64, pillWidth,
                       rect.height() * 0.16),
                pillWidth / 2);

    const struct {
        MousePart part;
        const QPainterPath& shape;
    } parts[] = {{MousePart::Left, left},
                 {MousePart::Right, right},
                 {MousePart::Middle, wheel},
                 {MousePart::Forward, forward},
                 {MousePart::Back, back}};
    for (const auto& part : parts) {
        if (part.part == lit) {
            glow(painter, part.shape, withAlpha(kRedGlow, 170), 5);
            fillVertical(painter, part.shape, kRedHot, kRed);
            painter.strokePath(part.shape, QPen(QColor(255, 180, 180), 1));
        } else {
            fillVertical(painter, part.shape, QColor(58, 58, 66), QColor(32, 32, 37));
            painter.strokePath(part.shape, QPen(kInk, 1));
        }
    }
}

}  // namespace gx508::skin
