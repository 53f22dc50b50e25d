// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QDirIterator>
#include <QPainter>
#include <QPixmap>
#include <QPixmapCache>
#include <QStringList>
#include <QWidget>

// The pictures a full repaint of the main window draws besides its background, in round figures:
// the floor paints as many.
inline constexpr int kFloorPictures = 40;

// The floor the benchmarks measure the program against: a plain Qt window of the main window's
// shape with no logic. It paints the main background and `pictureCount` other pictures of the
// skin folder, each looked up in the pixmap cache on every paint.
class FloorWindow : public QWidget {
  public:
    static constexpr int kWidth = 1000;
    static constexpr int kHeight = 642;
    static constexpr int kCacheKb = 64 * 1024;

    FloorWindow(const QString& skins, int pictureCount)
        : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
        setFixedSize(kWidth, kHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
        // Room for every picture, so that no paint has to load one again.
        QPixmapCache::setCacheLimit(kCacheKb);
        m_files.append(skins + QStringLiteral("/main.png"));
        QStringList others;
        QDirIterator found(skins, {QStringLiteral("*.png")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (found.hasNext()) {
            const QString path = found.next();
            if (!path.endsWith(QStringLiteral("/main.png")) &&
                !path.endsWith(QStringLiteral("/splash.png"))) {
                others.append(path);
            }
        }
        others.sort();
        for (int i = 0; i < pictureCount && !others.isEmpty(); ++i) {
            m_files.append(others.at(i % others.size()));
        }
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        for (qsizetype i = 0; i < m_files.size(); ++i) {
            QPixmap picture;
            if (!QPixmapCache::find(m_files.at(i), &picture)) {
                picture.load(m_files.at(i));
                QPixmapCache::insert(m_files.at(i), picture);
            }
            // The background at the origin, the others on a grid over it.
            const int column = static_cast<int>(i % 8);
            const int row = static_cast<int>(i / 8);
            painter.drawPixmap(i == 0 ? 0 : column * 120, i == 0 ? 0 : row * 100, picture);
        }
    }

  private:
    QStringList m_files;
};

// The floor's splash: one picture of the skin folder in a borderless window.
class FloorSplash : public QWidget {
  public:
    explicit FloorSplash(const QString& file)
        : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(file) {
        setFixedSize(m_picture.size());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(0, 0, m_picture);
    }

  private:
    QPixmap m_picture;
};
