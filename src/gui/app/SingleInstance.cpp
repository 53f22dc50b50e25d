// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace gx508 {

SingleInstance::SingleInstance(const QString& folder)
    : m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(QString::fromLatin1(kLockName)))) {
    // Held for the whole run: only a lock whose process is gone is stale, never an old one.
    m_lock->setStaleLockTime(0);
}

bool SingleInstance::acquire() {
    return m_lock->tryLock(0);
}

QString SingleInstance::defaultFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder;
}

}  // namespace gx508
