// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sheet.h"

#include <QColor>
#include <QPainter>

#include "gui/ui/FontMap.h"

namespace gx508::gallery {

Sheet::Sheet(QSize size) : m_image(size, QImage::Format_RGB32) {
    m_image.fill(QColor(24, 24, 24));
}

void Sheet::caption(QPoint at, const QString& text) {
    QPainter painter(&m_image);
    painter.setFont(mappedFont(QStringLiteral("Arial"), 11));
    painter.setPen(QColor(200, 200, 200));
    painter.drawText(at, text);
}

void Sheet::place(QPoint at, const QImage& piece) {
    QPainter painter(&m_image);
    painter.drawImage(at, piece);
}

void Sheet::place(QPoint at, QWidget& widget) {
    place(at, widget.grab().toImage());
}

bool Sheet::save(const QString& path) const {
    return m_image.save(path, "PNG");
}

}  // namespace gx508::gallery
