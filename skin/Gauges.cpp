// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gauges.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Paint.h"
#include "Palette.h"

namespace gx508::skin {

using namespace palette;

namespace {

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a)};
}

// The part of a ring between two angles (degrees counter-clockwise from the right).
QPainterPath sector(QPointF centre, qreal inner, qreal outer, qreal from, qreal to) {
    QPainterPath path;
    path.arcMoveTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), from);
    path.arcTo(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer), from,
               to - from);
    path.arcTo(QRectF(centre.x() - inner, centre.y() - inner, 2 * inner, 2 * inner), to, from - to);
    path.closeSubpath();
    return path;
}

void paintSegment(QPainter& painter, const QPainterPath& shape, QPointF centre, bool lit,
                  const QColor& litColour) {
    if (lit) {
        glow(painter, shape, withAlpha(kRedGlow, 150), 6);
        QRadialGradient fill(centre, 72);
        fill.setColorAt(0.45, litColour.darker(150));
        fill.setColorAt(1, litColour);
        painter.fillPath(shape, fill);
        painter.strokePath(shape, QPen(QColor(255, 170, 170, 150), 0.8));
    } else {
        QRadialGradient fill(centre, 72);
        fill.setColorAt(0.45, QColor(16, 14, 16));
        fill.setColorAt(1, QColor(40, 26, 29));
        painter.fillPath(shape, fill);
        painter.strokePath(shape, QPen(QColor(92, 34, 39), 0.8));
    }
}

}  // namespace

QImage reportRateDial(int rate) {
    QImage image = canvas(QSize(128, 123));
    QPainter painter(&image);
    smooth(painter);
    const QPointF centre(64, 61);
    constexpr qreal kInner = 37;
    constexpr qreal kOuter = 57;

    QPainterPath face;
    face.addEllipse(centre, 60, 60);
    glow(painter, face, QColor(0, 0, 0, 200), 3);
    painter.strokePath(face, QPen(QColor(70, 24, 28), 1));

    // Quarters counter-clockwise from the upper right, with their rates and tick counts.
    const struct {
        int rate;
        qreal from;
        int ticks;
    } quarters[] = {{1000, 0, 8}, {125, 90, 1}, {250, 180, 2}, {500, 270, 4}};
    for (const auto& quarter : quarters) {
        const bool lit = quarter.rate == rate;
        const qreal from = quarter.from + 4;
        const qreal to = quarter.from + 86;
        paintSegment(painter, sector(centre, kInner, kOuter, from, to), centre, lit, kRedBright);
        const qreal step = (to - from) / quarter.ticks;
        for (int i = 0; i < quarter.ticks; ++i) {
            const qreal angle = from + step * (i + 0.5);
            painter.setPen(QPen(lit ? QColor(255, 236, 236) : QColor(150, 54, 60), 2.2,
                                Qt::SolidLine, Qt::RoundCap));
            painter.drawLine(polar(centre, kInner + 6, angle), polar(centre, kOuter - 6, angle));
        }
    }

    QPainterPath hub;
    hub.addEllipse(centre, 30, 30);
    QRadialGradient hubFill(centre - QPointF(8, 10), 40);
    hubFill.setColorAt(0, QColor(44, 40, 46));
    hubFill.setColorAt(1, QColor(12, 12, 14));
    painter.fillPath(hub, hubFill);
    painter.strokePath(hub, QPen(QColor(90, 30, 36), 1.2));

    const int level = rate >= 1000 ? 4 : rate >= 500 ? 3 : rate >= 250 ? 2 : 1;
    for (int bar = 0; bar < 4; ++bar) {
        const qreal height = 7 + bar * 5;
        const QRectF shape(centre.x() - 15 + bar * 8, centre.y() + 11 - height, 5, height);
        const QPainterPath body = rounded(shape, 1.5);
        if (bar < level) {
            glow(painter, body, withAlpha(kRedGlow, 140), 3);
            fillVertical(painter, body, kRedHot, kRed);
        } else {
            painter.fillPath(body, QColor(46, 30, 33));
        }
    }
    return image;
}

QImage speedArc(int value) {
    QImage image = canvas(QSize(142, 83));
    QPainter painter(&image);
    smooth(painter);
    const QPointF centre(71, 71);
    constexpr qreal kInner = 45;
    constexpr qreal kOuter = 69;

    // Sector k covers the angles a click turns into k: 18° each from the fast end, the last two
    // sharing the slow end (175° and beyond is 1).
    const auto range = [](int k) -> std::pair<qreal, qreal> {
        if (k == 1) {
            return {175, 180};
        }
        if (k == 2) {
            return {162, 175};
        }
        return {18.0 * (11 - k), 18.0 * (12 - k)};
    };
    QPainterPath track = sector(centre, kInner - 3, kOuter + 1, 0, 180);
    painter.fillPath(track, QColor(8, 8, 10, 220));
    for (int k = 1; k <= 11; ++k) {
        const auto [from, to] = range(k);
        const QColor colour = mix(kRedDark, kRedHot, (k - 1) / 10.0);
        paintSegment(painter, sector(centre, kInner, kOuter, from + 0.9, to - 0.9), centre,
                     k <= value, k == value ? QColor(255, 96, 96) : colour);
    }
    for (int k = 1; k <= 11; ++k) {
        const auto [from, to] = range(k);
        painter.fillPath(rounded(QRectF(polar(centre, kInner - 7, (from + to) / 2) - QPointF(1, 1),
                                        QSizeF(2, 2)),
                                 1),
                         k <= value ? kRedHot : QColor(90, 40, 44));
    }

    const auto [from, to] = range(std::clamp(value, 1, 11));
    const qreal angle = (from + to) / 2;
    QPainterPath needle;
    needle.moveTo(polar(centre, 36, angle));
    needle.lineTo(polar(centre, 5, angle + 90));
    needle.lineTo(polar(centre, 9, angle + 180));
    needle.lineTo(polar(centre, 5, angle - 90));
    needle.closeSubpath();
    glow(painter, needle, withAlpha(kRedGlow, 170), 4);
    QLinearGradient steel(centre, polar(centre, 36, angle));
    steel.setColorAt(0, kRedDark);
    steel.setColorAt(1, QColor(255, 150, 150));
    painter.fillPath(needle, steel);

    QPainterPath hub;
    hub.addEllipse(centre, 8, 8);
    QRadialGradient hubFill(centre - QPointF(2, 3), 10);
    hubFill.setColorAt(0, QColor(70, 64, 70));
    hubFill.setColorAt(1, QColor(16, 16, 18));
    painter.fillPath(hub, hubFill);
    painter.strokePath(hub, QPen(kRedBright, 1.2));
    return image;
}

}  // namespace gx508::skin
