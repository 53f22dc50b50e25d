// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TrayNotifier.h"

#include <QAction>

#include <algorithm>

#include "gui/ui/CExMenu.h"

namespace gx508 {

namespace {

constexpr int kMenuItemWidth = 100;

}  // namespace

TrayNotifier::TrayNotifier(const QIcon& icon, const QString& tip, const QString& exitText,
                           const QFont& menuFont, Availability available)
    : m_icon(icon), m_menu(std::make_unique<CExMenu>(menuFont)), m_available(std::move(available)) {
    m_icon.setToolTip(tip);
    m_menu->setItemWidth(kMenuItemWidth);
    m_menu->appendItem(kExitCommand, exitText);
    m_icon.setContextMenu(m_menu.get());
    connect(m_menu.get(), &QMenu::aboutToShow, this, &TrayNotifier::menuOpening);
    connect(m_menu.get(), &CExMenu::commandChosen, this, [this](int command) {
        if (command == kExitCommand) {
            emit exitRequested();
        } else if (command == kStartAtLoginCommand && m_startAtLogin != nullptr) {
            emit startAtLoginToggled(m_startAtLogin->isChecked());
        }
    });
    connect(&m_icon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::DoubleClick || reason == QSystemTrayIcon::Trigger) {
                    emit restoreRequested();
                }
            });
    m_removal.setSingleShot(true);
    connect(&m_removal, &QTimer::timeout, this, [this] { m_icon.hide(); });
}

TrayNotifier::~TrayNotifier() {
    m_icon.setContextMenu(nullptr);
}

void TrayNotifier::addIcon() {
    m_removal.stop();
    if (available()) {
        m_icon.show();
    }
}

void TrayNotifier::removeIcon() {
    m_removal.stop();
    m_icon.hide();
}

void TrayNotifier::removeIconAfterBalloon() {
    m_removal.start(kMinimumBalloonMs);
}

void TrayNotifier::addStartAtLogin(const QString& text, bool checked) {
    m_startAtLogin = m_menu->appendItem(kStartAtLoginCommand, text);
    m_startAtLogin->setCheckable(true);
    m_startAtLogin->setChecked(checked);
    const QList<QAction*> items = m_menu->actions();
    const auto exit = std::find_if(items.begin(), items.end(), [this](const QAction* item) {
        return m_menu->commandOf(item) == kExitCommand;
    });
    if (exit != items.end()) {
        m_menu->insertAction(*exit, m_startAtLogin);
    }
}

void TrayNotifier::showBalloon(const Balloon& balloon) {
    if (m_echo) {
        m_echo(balloon);
    }
    if (m_icon.isVisible() && QSystemTrayIcon::supportsMessages()) {
        m_icon.showMessage(QString::fromStdString(balloon.title),
                           QString::fromStdString(balloon.text), QSystemTrayIcon::Information,
                           std::max(balloon.displayMs, kMinimumBalloonMs));
    }
}

}  // namespace gx508
