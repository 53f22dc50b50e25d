// SPDX-License-Identifier: GPL-3.0-or-later
#include "Paint.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "Palette.h"

namespace gx508::skin {

using namespace palette;

QImage canvas(QSize size, const QColor& fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor mix(const QColor& from, const QColor& to, qreal amount) {
    const auto blend = [amount](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * amount));
    };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()),
                  blend(from.blue(), to.blue()), blend(from.alpha(), to.alpha()));
}

QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

QPainterPath rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

namespace {

// One pass of a box blur along rows (or columns) of premultiplied pixels.
void boxPass(std::vector<int>& channels, int width, int height, int radius, bool alongRows) {
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    std::vector<int> line(static_cast<size_t>(length) * 4);
    const int span = 2 * radius + 1;
    for (int l = 0; l < lines; ++l) {
        const auto index = [&](int i) {
            const int x = alongRows ? i : l;
            const int y = alongRows ? l : i;
            return (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) *
                   4;
        };
        for (int c = 0; c < 4; ++c) {
            int sum = 0;
            for (int i = -radius; i <= radius; ++i) {
                sum += channels[index(std::clamp(i, 0, length - 1)) + static_cast<size_t>(c)];
            }
            for (int i = 0; i < length; ++i) {
                line[static_cast<size_t>(i) * 4 + static_cast<size_t>(c)] = sum / span;
                const int leaving = std::clamp(i - radius, 0, length - 1);
                const int entering = std::clamp(i + radius + 1, 0, length - 1);
                sum += channels[index(entering) + static_cast<size_t>(c)] -
                       channels[index(leaving) + static_cast<size_t>(c)];
            }
        }
        for (int i = 0; i < length; ++i) {
            for (size_t c = 0; c < 4; ++c) {
                channels[index(i) + c] = line[static_cast<size_t>(i) * 4 + c];
            }
        }
    }
}

}  // namespace

QImage blurred(const QImage& image, int radius) {
    QImage source = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius < 1) {
        return source;
    }
    const int width = source.width();
    const int height = source.height();
    std::vector<int> channels(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t at =
                (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
            channels[at] = qAlpha(line[x]);
            channels[at + 1] = qRed(line[x]);
            channels[at + 2] = qGreen(line[x]);
            channels[at + 3] = qBlue(line[x]);
        }
    }
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(channels, width, height, passRadius, true);
        boxPass(channels, width, height, passRadius, false);
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const size_t at =
                (static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)) * 4;
            const int alpha = channels[at];
            line[x] = qRgba(std::min(channels[at + 1], alpha), std::min(channels[at + 2], alpha),
                            std::min(channels[at + 3], alpha), alpha);
        }
    }
    return source;
}

namespace {

void layLight(QPainter& painter, const QPainterPath& shape, int radius,
              const std::function<void(QPainter&)>& paint) {
    const QRect area = shape.boundingRect().toAlignedRect().adjusted(
        -2 * radius - 2, -2 * radius - 2, 2 * radius + 2, 2 * radius + 2);
    QImage light = canvas(area.size());
    {
        QPainter lightPainter(&light);
        smooth(lightPainter);
        lightPainter.translate(-area.topLeft());
        paint(lightPainter);
    }
    painter.drawImage(area.topLeft(), blurred(light, radius));
}

}  // namespace

void glow(QPainter& painter, const QPainterPath& shape, const QColor& colour, int radius) {
    layLight(painter, shape, radius, [&](QPainter& light) { light.fillPath(shape, colour); });
}

void glowStroke(QPainter& painter, const QPainterPath& shape, const QColor& colour, qreal width,
                int radius) {
    layLight(painter, shape, radius, [&](QPainter& light) {
        light.strokePath(shape, QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    });
}

void grain(QImage& image, int strength, unsigned seed) {
    unsigned state = seed * 2654435761u + 1u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            if (qAlpha(line[x]) != 255) {
                continue;
            }
            const int delta =
                static_cast<int>(state % static_cast<unsigned>(2 * strength + 1)) - strength;
            const auto shift = [delta](int value) { return std::clamp(value + delta, 0, 255); };
            line[x] = qRgb(shift(qRed(line[x])), shift(qGreen(line[x])), shift(qBlue(line[x])));
        }
    }
}

QImage grainedPanel(QSize size, const QRectF& panel, const QColor& top, const QColor& bottom,
                    unsigned seed) {
    QImage image = canvas(size);
    {
        QPainter painter(&image);
        smooth(painter);
        QLinearGradient fill(0, 0, 0, size.height());
        fill.setColorAt(0, top);
        fill.setColorAt(1, bottom);
        painter.fillPath(rounded(panel, 6), fill);
    }
    grain(image, 2, seed);
    return image;
}

void fillVertical(QPainter& painter, const QPainterPath& shape, const QColor& top,
                  const QColor& bottom) {
    const QRectF box = shape.boundingRect();
    QLinearGradient gradient(box.topLeft(), box.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillPath(shape, gradient);
}

void raisedPanel(QPainter& painter, const QRectF& rect, qreal radius) {
    const QPainterPath body = rounded(rect, radius);
    fillVertical(painter, body, QColor(25, 25, 29), QColor(16, 16, 19));
    painter.strokePath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius),
                       QPen(kEdge.darker(115), 1));
    painter.strokePath(rounded(rect.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1),
                       QPen(QColor(255, 255, 255, 10), 1));
    QLinearGradient top(rect.left() + radius, 0, rect.right() - radius, 0);
    top.setColorAt(0, withAlpha(kEdgeLight, 0));
    top.setColorAt(0.5, withAlpha(kEdgeLight, 160));
    top.setColorAt(1, withAlpha(kEdgeLight, 0));
    painter.fillRect(QRectF(rect.left() + radius, rect.top() + 1, rect.width() - 2 * radius, 1),
                     top);
}

void well(QPainter& painter, const QRectF& rect, qreal radius) {
    const QPainterPath body = rounded(rect, radius);
    fillVertical(painter, body, QColor(8, 8, 10), QColor(14, 14, 17));
    painter.strokePath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius), QPen(kInk, 1));
    painter.fillRect(QRectF(rect.left() + radius, rect.bottom() - 1, rect.width() - 2 * radius, 1),
                     withAlpha(kEdgeLight, 70));
}

void redRule(QPainter& painter, QPointF from, QPointF to, qreal strength) {
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, withAlpha(kRedBright, 0));
    gradient.setColorAt(0.15, withAlpha(kRedBright, static_cast<int>(200 * strength)));
    gradient.setColorAt(0.5, withAlpha(kRedHot, static_cast<int>(255 * strength)));
    gradient.setColorAt(0.85, withAlpha(kRedBright, static_cast<int>(200 * strength)));
    gradient.setColorAt(1, withAlpha(kRedBright, 0));
    QPainterPath line;
    line.moveTo(from);
    line.lineTo(to);
    glowStroke(painter, line, withAlpha(kRedGlow, static_cast<int>(110 * strength)), 2, 4);
    painter.setPen(QPen(QBrush(gradient), 1));
    painter.drawLine(from, to);
}

void titleBand(QPainter& painter, int width, int height) {
    painter.fillRect(QRect(0, 0, width, height), kTitle);
    QLinearGradient shade(0, height - 8, 0, height);
    shade.setColorAt(0, withAlpha(kTitle, 0));
    shade.setColorAt(1, QColor(40, 10, 13));
    painter.fillRect(QRect(0, height - 8, width, 8), shade);
    painter.fillRect(QRect(0, height - 1, width, 1), kRedDark);
    redRule(painter, QPointF(8, height - 0.5), QPointF(width * 0.62, height - 0.5));
}

void hudCorners(QPainter& painter, const QRectF& rect, qreal arm, const QColor& colour) {
    painter.save();
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::SquareCap));
    const QRectF r = rect.adjusted(0.75, 0.75, -0.75, -0.75);
    painter.drawPolyline(
        QPolygonF({r.topLeft() + QPointF(0, arm), r.topLeft(), r.topLeft() + QPointF(arm, 0)}));
    painter.drawPolyline(
        QPolygonF({r.topRight() + QPointF(-arm, 0), r.topRight(), r.topRight() + QPointF(0, arm)}));
    painter.drawPolyline(QPolygonF(
        {r.bottomLeft() + QPointF(0, -arm), r.bottomLeft(), r.bottomLeft() + QPointF(arm, 0)}));
    painter.drawPolyline(QPolygonF(
        {r.bottomRight() + QPointF(-arm, 0), r.bottomRight(), r.bottomRight() + QPointF(0, -arm)}));
    painter.restore();
}

void windowBody(QImage& image, int titleHeight, unsigned seed) {
    {
        QPainter painter(&image);
        smooth(painter);
        const int width = image.width();
        const int height = image.height();
        QLinearGradient body(0, titleHeight, 0, height);
        body.setColorAt(0, QColor(20, 19, 22));
        body.setColorAt(1, QColor(13, 13, 15));
        painter.fillRect(QRect(0, titleHeight, width, height - titleHeight), body);
        QRadialGradient warmth(QPointF(width * 0.5, titleHeight), width * 0.7);
        warmth.setColorAt(0, QColor(90, 12, 18, 38));
        warmth.setColorAt(1, QColor(90, 12, 18, 0));
        painter.fillRect(QRect(0, titleHeight, width, height - titleHeight), warmth);
    }
    grain(image, 2, seed);
    QPainter painter(&image);
    smooth(painter);
    titleBand(painter, image.width(), titleHeight);
}

void windowFrame(QImage& image) {
    QPainter painter(&image);
    const QRectF outer(0, 0, image.width(), image.height());
    painter.setPen(QPen(kInk, 1));
    painter.drawRect(outer.adjusted(0.5, 0.5, -0.5, -0.5));
    QLinearGradient edge(0, 0, 0, image.height());
    edge.setColorAt(0, kRed);
    edge.setColorAt(0.3, kRedDeep);
    edge.setColorAt(1, QColor(44, 10, 13));
    painter.setPen(QPen(QBrush(edge), 1));
    painter.drawRect(outer.adjusted(1.5, 1.5, -1.5, -1.5));
    smooth(painter);
    hudCorners(painter, outer.adjusted(3, 3, -3, -3), 10, withAlpha(kRedBright, 200));
}

void buttonPlate(QPainter& painter, const QRectF& rect, Look look, qreal radius) {
    const QPainterPath body = rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), radius);
    const QRectF topLine(rect.left() + radius, rect.top() + 1.5, rect.width() - 2 * radius, 1);
    const QRectF bottomLine(rect.left() + radius + 2, rect.bottom() - 2,
                            rect.width() - 2 * radius - 4, 1);
    switch (look) {
        case Look::Normal:
            fillVertical(painter, body, QColor(48, 46, 52), QColor(26, 25, 29));
            painter.strokePath(body, QPen(QColor(70, 66, 74), 1));
            painter.fillRect(topLine, QColor(255, 255, 255, 28));
            painter.fillRect(bottomLine, withAlpha(kRed, 170));
            break;
        case Look::Hover:
            fillVertical(painter, body, QColor(112, 20, 28), QColor(58, 10, 14));
            painter.strokePath(body, QPen(kRedBright, 1));
            painter.fillRect(topLine, QColor(255, 150, 150, 70));
            painter.fillRect(bottomLine, withAlpha(kRedHot, 230));
            break;
        case Look::Pressed:
            fillVertical(painter, body, QColor(92, 12, 18), QColor(160, 20, 30));
            painter.strokePath(body, QPen(kRedHot, 1));
            painter.fillRect(topLine, QColor(0, 0, 0, 90));
            break;
    }
}

QImage opaqueButton(QSize size, Look look, const QColor& backdrop, qreal radius) {
    QImage image = canvas(size, backdrop);
    QPainter painter(&image);
    smooth(painter);
    buttonPlate(painter, QRectF(QPointF(0, 0), QSizeF(size)), look, radius);
    return image;
}

void tickBox(QPainter& painter, const QRectF& rect, bool ticked) {
    const QRectF box = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath body = rounded(box, 2);
    if (ticked) {
        fillVertical(painter, body, QColor(150, 18, 27), QColor(96, 12, 18));
        painter.strokePath(body, QPen(kRedHot, 1));
        tickGlyph(painter,
                  rect.adjusted(rect.width() * 0.2, rect.height() * 0.22, -rect.width() * 0.2,
                                -rect.height() * 0.22),
                  Qt::white, std::max(1.5, rect.width() / 8));
    } else {
        fillVertical(painter, body, QColor(10, 10, 12), QColor(22, 22, 26));
        painter.strokePath(body, QPen(QColor(96, 40, 44), 1));
    }
}

void choiceBox(QPainter& painter, const QRectF& rect, bool chosen) {
    const QRectF box = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const QPainterPath body = rounded(box, 1.5);
    if (chosen) {
        fillVertical(painter, body, kRedHot, kRed);
        painter.strokePath(body, QPen(QColor(255, 140, 140), 1));
        const QRectF core = rect.adjusted(rect.width() * 0.32, rect.height() * 0.32,
                                          -rect.width() * 0.32, -rect.height() * 0.32);
        painter.fillRect(core, QColor(255, 235, 235));
    } else {
        fillVertical(painter, body, QColor(8, 8, 10), QColor(26, 26, 30));
        painter.strokePath(body, QPen(QColor(110, 40, 46), 1));
    }
}

void closeGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(rect.topLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomLeft());
    painter.restore();
}

void minimiseGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(rect.left(), rect.bottom()), rect.bottomRight());
    painter.restore();
}

void helpGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    const qreal w = rect.width();
    const qreal h = rect.height();
    QPainterPath hook;
    hook.moveTo(rect.left() + w * 0.1, rect.top() + h * 0.3);
    hook.cubicTo(rect.left() + w * 0.1, rect.top() - h * 0.08, rect.right() - w * 0.05,
                 rect.top() - h * 0.05, rect.right() - w * 0.08, rect.top() + h * 0.28);
    hook.cubicTo(rect.right() - w * 0.1, rect.top() + h * 0.5, rect.center().x(),
                 rect.top() + h * 0.45, rect.center().x(), rect.top() + h * 0.68);
    painter.drawPath(hook);
    painter.setBrush(colour);
    painter.setPen(Qt::NoPen);
    const qreal dot = width * 0.75;
    painter.drawEllipse(QPointF(rect.center().x(), rect.bottom() - dot / 2), dot, dot);
    painter.restore();
}

void tickGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width) {
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF({QPointF(rect.left(), rect.top() + rect.height() * 0.55),
                                    QPointF(rect.left() + rect.width() * 0.38, rect.bottom()),
                                    QPointF(rect.right(), rect.top())}));
    painter.restore();
}

void triangle(QPainter& painter, const QRectF& rect, Qt::ArrowType direction,
              const QColor& colour) {
    QPolygonF points;
    switch (direction) {
        case Qt::UpArrow:
            points = {QPointF(rect.center().x(), rect.top()), rect.bottomRight(),
                      rect.bottomLeft()};
            break;
        case Qt::DownArrow:
            points = {rect.topLeft(), rect.topRight(), QPointF(rect.center().x(), rect.bottom())};
            break;
        case Qt::LeftArrow:
            points = {QPointF(rect.left(), rect.center().y()), rect.topRight(), rect.bottomRight()};
            break;
        default:
            points = {rect.topLeft(), QPointF(rect.right(), rect.center().y()), rect.bottomLeft()};
            break;
    }
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(points);
    painter.restore();
}

QPainterPath mouseOutline(const QRectF& rect) {
    const qreal l = rect.left();
    const qreal t = rect.top();
    const qreal w = rect.width();
    const qreal h = rect.height();
    QPainterPath path;
    path.moveTo(l + w * 0.5, t);
    path.cubicTo(l + w * 0.86, t, l + w, t + h * 0.14, l + w * 0.98, t + h * 0.36);
    path.cubicTo(l + w * 0.96, t + h * 0.52, l + w * 1.02, t + h * 0.66, l + w * 0.97, t + h * 0.8);
    path.cubicTo(l + w * 0.9, t + h * 0.98, l + w * 0.66, t + h, l + w * 0.5, t + h);
    path.cubicTo(l + w * 0.34, t + h, l + w * 0.1, t + h * 0.98, l + w * 0.03, t + h * 0.8);
    path.cubicTo(l - w * 0.02, t + h * 0.66, l + w * 0.04, t + h * 0.52, l + w * 0.02,
                 t + h * 0.36);
    path.cubicTo(l, t + h * 0.14, l + w * 0.14, t, l + w * 0.5, t);
    path.closeSubpath();
    return path;
}

void emblem(QPainter& painter, const QRectF& rect) {
    painter.save();
    smooth(painter);
    const QPointF c = rect.center();
    const qreal r = std::min(rect.width(), rect.height()) / 2;
    QPolygonF badge;
    for (int i = 0; i < 6; ++i) {
        const qreal angle = (60.0 * i - 90.0) * std::numbers::pi / 180.0;
        badge << QPointF(c.x() + r * 0.92 * std::cos(angle), c.y() + r * 0.92 * std::sin(angle));
    }
    QPainterPath badgePath;
    badgePath.addPolygon(badge);
    badgePath.closeSubpath();
    glow(painter, badgePath, withAlpha(kRedGlow, 70), static_cast<int>(r * 0.35) + 1);
    QRadialGradient fill(c, r);
    fill.setColorAt(0, QColor(52, 10, 14));
    fill.setColorAt(1, QColor(16, 8, 10));
    painter.fillPath(badgePath, fill);
    QLinearGradient rim(rect.topLeft(), rect.bottomRight());
    rim.setColorAt(0, kRedHot);
    rim.setColorAt(0.5, kRed);
    rim.setColorAt(1, kRedDeep);
    painter.strokePath(badgePath, QPen(QBrush(rim), std::max(1.0, r * 0.09)));

    const QRectF body(c.x() - r * 0.34, c.y() - r * 0.56, r * 0.68, r * 1.1);
    const QPainterPath mouse = mouseOutline(body);
    glow(painter, mouse, withAlpha(kRedGlow, 120), static_cast<int>(r * 0.2) + 1);
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, kRedHot);
    shell.setColorAt(1, kRedDark);
    painter.fillPath(mouse, shell);
    painter.setPen(QPen(QColor(20, 6, 8), std::max(1.0, r * 0.06)));
    painter.drawLine(QPointF(c.x(), body.top() + r * 0.02), QPointF(c.x(), body.top() + r * 0.42));
    painter.drawLine(QPointF(body.left() + r * 0.04, body.top() + r * 0.42),
                     QPointF(body.right() - r * 0.04, body.top() + r * 0.42));
    painter.restore();
}

}  // namespace gx508::skin
