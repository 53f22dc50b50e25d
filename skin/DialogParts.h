// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// Pieces shared by the skinned dialogs.
namespace gx508::skin {

// A dialog image with its body and title band; finish it with windowFrame once drawn on.
QImage dialogBase(QSize size, int titleHeight, unsigned seed);

// The bar behind a column heading (the dialog draws the heading's text on it).
void headingPlate(QPainter& painter, const QRectF& rect);

// A flat strip for command buttons, with a red rule along its top.
void commandStrip(QPainter& painter, const QRectF& rect);

// A recessed frame around a list or an edit field that the dialog places inside it.
void fieldFrame(QPainter& painter, const QRectF& inside);

// A keyboard key seen from above; lit keys glow red.
void keycap(QPainter& painter, const QRectF& rect, bool lit);

// A small keyboard of keycaps filling the rectangle, a few gaming keys lit.
void keyboard(QPainter& painter, const QRectF& rect);

// Which button a mouse pictogram lights.
enum class MousePart { Left, Right, Middle, Forward, Back, None };

// A mouse outline seen from above with one part lit.
void mousePictogram(QPainter& painter, const QRectF& rect, MousePart lit);

}  // namespace gx508::skin
