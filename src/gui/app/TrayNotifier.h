// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

#include <functional>
#include <memory>

#include "core/device/StatusNotice.h"

class QAction;

namespace gx508 {

class CExMenu;

// The notification-area icon: its menu with "Start at login" and "Exit", restoring the window from
// it, and the balloons of the status notices. Where the desktop has no notification area the icon
// never shows and the window stays reachable without it.
class TrayNotifier : public QObject {
    Q_OBJECT

  public:
    // A balloon stays at least this long, so that the short connection notices can be read.
    static constexpr int kMinimumBalloonMs = 4000;
    static constexpr int kExitCommand = 2;
    static constexpr int kStartAtLoginCommand = 3;

    using Availability = std::function<bool()>;
    using Echo = std::function<void(const Balloon&)>;

    // `available` says whether the desktop has a notification area right now.
    TrayNotifier(const QIcon& icon, const QString& tip, const QString& exitText,
                 const QFont& menuFont,
                 Availability available = &QSystemTrayIcon::isSystemTrayAvailable);
    ~TrayNotifier() override;

    // Every balloon is also handed to `echo` (the virtual mouse's console prints it).
    void setEcho(Echo echo) { m_echo = std::move(echo); }

    bool available() const { return m_available(); }

    void addIcon();
    void removeIcon();
    // Removes the icon once a balloon just shown has had its time.
    void removeIconAfterBalloon();
    bool iconShown() const { return m_icon.isVisible(); }
    QIcon icon() const { return m_icon.icon(); }

    void showBalloon(const Balloon& balloon);

    // Puts the checkable "Start at login" item above "Exit", checked as given.
    void addStartAtLogin(const QString& text, bool checked);
    // The item, once added (nullptr before).
    QAction* startAtLoginItem() const { return m_startAtLogin; }

  signals:
    // A double-click on the icon (or the single activation of desktops that have no other).
    void restoreRequested();
    // The icon's menu is about to open (a right click on the icon).
    void menuOpening();
    void exitRequested();
    // The user checked or cleared "Start at login"; `checked` is the item's new state.
    void startAtLoginToggled(bool checked);

  private:
    QSystemTrayIcon m_icon;
    std::unique_ptr<CExMenu> m_menu;
    QAction* m_startAtLogin = nullptr;
    Availability m_available;
    Echo m_echo;
    QTimer m_removal;
};

}  // namespace gx508
