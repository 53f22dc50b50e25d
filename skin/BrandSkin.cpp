// SPDX-License-Identifier: GPL-3.0-or-later
// The splash picture, the window and notification-area icons and the two logo marks.

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

#include "Families.h"
#include "Paint.h"
#include "Palette.h"
#include "SkinWriter.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::skin {

using namespace palette;

namespace {

// Sharp slanted blades, longest first: the motion streaks of the logos and the splash.
void blades(QPainter& painter, QPointF start, qreal length, qreal height, int count, qreal gap) {
    for (int i = 0; i < count; ++i) {
        const qreal y = start.y() + i * (height + gap);
        const qreal x = start.x() + i * height * 0.9;
        const qreal l = length * (1.0 - 0.22 * i);
        QPainterPath blade;
        blade.moveTo(x + height, y);
        blade.lineTo(x + l, y);
        blade.lineTo(x + l - height, y + height);
        blade.lineTo(x, y + height);
        blade.closeSubpath();
        QLinearGradient fill(QPointF(x, y), QPointF(x + l, y));
        fill.setColorAt(0, withAlpha(kRedHot, 230 - 40 * i));
        fill.setColorAt(0.6, withAlpha(kRed, 170 - 30 * i));
        fill.setColorAt(1, withAlpha(kRedDeep, 0));
        glow(painter, blade, withAlpha(kRedGlow, 60), 4);
        painter.fillPath(blade, fill);
    }
}

void hexGrid(QPainter& painter, const QRectF& area, qreal size, const QColor& colour) {
    painter.save();
    painter.setClipRect(area);
    painter.setPen(QPen(colour, 1));
    const qreal w = size * std::sqrt(3.0);
    for (int row = 0; row * size * 1.5 < area.height() + size; ++row) {
        const qreal y = area.top() + row * size * 1.5;
        const qreal shift = (row % 2) * w / 2;
        for (qreal x = area.left() - w + shift; x < area.right() + w; x += w) {
            QPolygonF hex;
            for (int i = 0; i < 6; ++i) {
                const qreal a = (60.0 * i - 30.0) * std::numbers::pi / 180.0;
                hex << QPointF(x + size * std::cos(a), y + size * std::sin(a));
            }
            painter.drawPolygon(hex);
        }
    }
    painter.restore();
}

QImage splash() {
    constexpr QSize kSize{600, 360};
    QImage image = canvas(kSize, kBaseLow);
    {
        QPainter painter(&image);
        smooth(painter);
        QLinearGradient base(0, 0, 0, kSize.height());
        base.setColorAt(0, QColor(18, 16, 20));
        base.setColorAt(1, QColor(6, 6, 8));
        painter.fillRect(image.rect(), base);
        QRadialGradient heat(QPointF(410, 190), 300);
        heat.setColorAt(0, QColor(150, 16, 26, 150));
        heat.setColorAt(0.45, QColor(80, 10, 16, 70));
        heat.setColorAt(1, QColor(0, 0, 0, 0));
        painter.fillRect(image.rect(), heat);
    }
    grain(image, 3, 11);
    QPainter painter(&image);
    smooth(painter);
    hexGrid(painter, QRectF(250, 0, 350, 360), 18, QColor(255, 60, 60, 14));

    for (int i = 0; i < 5; ++i) {
        QPainterPath streak;
        streak.moveTo(-20, 330 - i * 26);
        streak.cubicTo(180, 300 - i * 30, 360, 150 - i * 24, 640, 40 - i * 18);
        glowStroke(painter, streak, withAlpha(kRedGlow, 70 - 10 * i), 2, 6);
        painter.strokePath(streak, QPen(withAlpha(kRedHot, 150 - 24 * i), 1));
    }

    const QImage mouse = mouseTopView();
    painter.save();
    painter.translate(430, 180);
    painter.rotate(24);
    painter.scale(0.78, 0.78);
    painter.drawImage(QPointF(-mouse.width() / 2.0, -mouse.height() / 2.0), mouse);
    painter.restore();

    emblem(painter, QRectF(48, 84, 150, 150));
    blades(painter, QPointF(52, 262), 190, 7, 3, 6);
    redRule(painter, QPointF(40, 318.5), QPointF(300, 318.5), 0.9);
    painter.end();
    windowFrame(image);
    return image;
}

QImage icon(int size) {
    QImage image = canvas(QSize(size, size));
    QPainter painter(&image);
    smooth(painter);
    const qreal s = size;
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    const QPainterPath body = rounded(tile, s * 0.2);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, QColor(38, 30, 34));
    fill.setColorAt(1, QColor(10, 9, 11));
    painter.fillPath(body, fill);
    QLinearGradient rim(tile.topLeft(), tile.bottomRight());
    rim.setColorAt(0, kRedHot);
    rim.setColorAt(1, kRedDeep);
    painter.strokePath(body, QPen(QBrush(rim), std::max(1.0, s * 0.03)));
    if (size >= 48) {
        emblem(painter, tile.adjusted(s * 0.06, s * 0.06, -s * 0.06, -s * 0.06));
        return image;
    }
    const QRectF shell(s * 0.27, s * 0.14, s * 0.46, s * 0.74);
    const QPainterPath mouse = mouseOutline(shell);
    QLinearGradient red(shell.topLeft(), shell.bottomLeft());
    red.setColorAt(0, kRedHot);
    red.setColorAt(1, kRedDark);
    painter.fillPath(mouse, red);
    painter.setPen(QPen(QColor(24, 6, 8), std::max(1.0, s / 16)));
    painter.drawLine(QPointF(s / 2, shell.top() + 1), QPointF(s / 2, shell.top() + s * 0.3));
    return image;
}

QImage logo() {
    constexpr QSize kSize{242, 75};
    QImage image =
        grainedPanel(kSize, QRectF(0, 0, 242, 83), QColor(34, 16, 19), QColor(18, 17, 20), 5);
    QPainter painter(&image);
    smooth(painter);
    painter.setClipPath(rounded(QRectF(0, 0, 242, 83), 6));
    hexGrid(painter, QRectF(70, 0, 172, 75), 9, QColor(255, 70, 70, 12));
    painter.strokePath(rounded(QRectF(0.5, 0.5, 241, 82), 6), QPen(kEdge, 1));
    emblem(painter, QRectF(8, 7, 60, 60));
    blades(painter, QPointF(82, 20), 146, 6, 3, 5);
    redRule(painter, QPointF(74, 60.5), QPointF(236, 60.5), 0.8);
    painter.fillRect(QRectF(0, 74, 242, 1), kRedDeep);
    return image;
}

QImage markLogo() {
    constexpr QSize kSize{200, 56};
    QImage image = canvas(kSize);
    QPainter painter(&image);
    smooth(painter);
    const QPointF centre(100, 28);
    redRule(painter, QPointF(6, 28.5), QPointF(194, 28.5), 0.7);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            const qreal x = centre.x() + side * (34 + i * 12);
            QPainterPath chevron;
            chevron.moveTo(x + side * 6, 20);
            chevron.lineTo(x, 28);
            chevron.lineTo(x + side * 6, 36);
            painter.strokePath(chevron, QPen(withAlpha(kRedBright, 220 - 60 * i), 2.2,
                                             Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
    }
    emblem(painter, QRectF(centre.x() - 24, 4, 48, 48));
    return image;
}

}  // namespace

void paintBrand(SkinWriter& writer) {
    writer.write(kSplashFile.name, splash());
    for (const SkinFile& file : kIconFiles) {
        writer.write(file.name, icon(file.width));
    }
    writer.write(kLogoFile.name, logo());
    writer.write(kSmallLogoFile.name, markLogo());
}

}  // namespace gx508::skin
