// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTimer>
#include <QWidget>

namespace gx508 {

// Covers its parent while a device sequence runs: dims it, shows a moving progress bar and takes
// every pointer press and key, so that nothing can be changed until the sequence has ended. The
// parent keeps painting underneath.
class BusyOverlay : public QWidget {
    Q_OBJECT

  public:
    static constexpr QSize kBarSize{300, 14};
    static constexpr int kFrameMs = 40;

    explicit BusyOverlay(QWidget& parent);

    // Shows (and starts the bar) or hides the overlay.
    void setBusy(bool busy);

    QRect barRect() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    QTimer m_frames;
    int m_phase = 0;
};

}  // namespace gx508
