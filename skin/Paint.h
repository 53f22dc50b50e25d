// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Drawing helpers shared by every image of the skin, so that surfaces, edges, glows and
// buttons look the same in every window.
namespace gx508::skin {

enum class Look { Normal, Hover, Pressed };

// A transparent (or filled) premultiplied image and an antialiased painter setup.
QImage canvas(QSize size, const QColor& fill = Qt::transparent);
void smooth(QPainter& painter);

QColor mix(const QColor& from, const QColor& to, qreal amount);
QColor withAlpha(QColor colour, int alpha);
QPainterPath rounded(const QRectF& rect, qreal radius);

// Light: the shape painted in a colour, softened by a box blur of the radius and laid over the
// painter's device. Used for every red glow.
QImage blurred(const QImage& image, int radius);
void glow(QPainter& painter, const QPainterPath& shape, const QColor& colour, int radius);
void glowStroke(QPainter& painter, const QPainterPath& shape, const QColor& colour, qreal width,
                int radius);

// Fine noise over the opaque pixels of an image, so large dark areas do not band.
void grain(QImage& image, int strength, unsigned seed);

// A canvas of `size` holding the rounded rectangle `panel` (which may reach past the canvas),
// shaded from `top` at the canvas's top edge to `bottom` at its bottom edge, then grained.
QImage grainedPanel(QSize size, const QRectF& panel, const QColor& top, const QColor& bottom,
                    unsigned seed);

// Surfaces.
void fillVertical(QPainter& painter, const QPainterPath& shape, const QColor& top,
                  const QColor& bottom);
void raisedPanel(QPainter& painter, const QRectF& rect, qreal radius);
void well(QPainter& painter, const QRectF& rect, qreal radius);
void redRule(QPainter& painter, QPointF from, QPointF to, qreal strength = 1.0);
void titleBand(QPainter& painter, int width, int height);
void windowFrame(QImage& image);
void windowBody(QImage& image, int titleHeight, unsigned seed);
void hudCorners(QPainter& painter, const QRectF& rect, qreal arm, const QColor& colour);

// Controls.
void buttonPlate(QPainter& painter, const QRectF& rect, Look look, qreal radius);
QImage opaqueButton(QSize size, Look look, const QColor& backdrop, qreal radius = 3);
void tickBox(QPainter& painter, const QRectF& rect, bool ticked);
void choiceBox(QPainter& painter, const QRectF& rect, bool chosen);

// Glyphs, drawn inside the rectangle.
void closeGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width);
void minimiseGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width);
void helpGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width);
void tickGlyph(QPainter& painter, const QRectF& rect, const QColor& colour, qreal width);
void triangle(QPainter& painter, const QRectF& rect, Qt::ArrowType direction, const QColor& colour);

// The product mark: a mouse seen from above inside an angular badge.
QPainterPath mouseOutline(const QRectF& rect);
void emblem(QPainter& painter, const QRectF& rect);

}  // namespace gx508::skin
