// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QPixmap>
#include <QTimer>

namespace gx508 {

class Skin;

// The borderless picture shown for three seconds at start. Clicks and keys cannot close or move
// it; only its timer ends it, with finished().
class CDlgSplash : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kShowMs = 3000;

    explicit CDlgSplash(const Skin& skin, QWidget* parent = nullptr);

    // Shows the picture centred on the screen and starts the timer. Without a picture nothing
    // is shown, and the timer still runs.
    void start();

    void reject() override;

  signals:
    // The picture is on screen (or, without one, the timer has started): work that can run while
    // the splash waits may begin.
    void pictureShown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void timeUp();
    void announceShown();

    QPixmap m_picture;
    QTimer m_timer;
    bool m_timeUp = false;
    bool m_shown = false;
};

}  // namespace gx508
