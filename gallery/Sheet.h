// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

namespace gx508::gallery {

// One gallery picture: rendered pieces with captions, laid out by the caller.
class Sheet {
  public:
    explicit Sheet(QSize size);

    void caption(QPoint at, const QString& text);
    void place(QPoint at, const QImage& piece);
    void place(QPoint at, QWidget& widget);

    bool save(const QString& path) const;

  private:
    QImage m_image;
};

}  // namespace gx508::gallery
