// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <utility>

namespace gx508::gallery {

// A widget that paints an image as its background, standing in for the window a control lives
// on.
class Backdrop : public QWidget {
  public:
    explicit Backdrop(QImage image, QWidget* parent = nullptr)
        : QWidget(parent), m_image(std::move(image)) {
        resize(m_image.size());
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(24, 24, 24));
        painter.drawImage(0, 0, m_image);
    }

  private:
    QImage m_image;
};

}  // namespace gx508::gallery
