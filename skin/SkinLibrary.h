// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

#include <utility>

#include "gui/ui/QtText.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::skin {

// The images of a generated skin folder, loaded once each, for previews.
class SkinLibrary {
  public:
    explicit SkinLibrary(QString folder) : m_folder(std::move(folder)) {}

    // A null image when the file is missing.
    const QImage& image(const QString& name) {
        auto found = m_images.find(name);
        if (found == m_images.end()) {
            found = m_images.insert(name, QImage(m_folder + QLatin1Char('/') + name));
        }
        return *found;
    }
    const QImage& image(const SkinFile& file) { return image(qText(file.name)); }

  private:
    QString m_folder;
    QHash<QString, QImage> m_images;
};

}  // namespace gx508::skin
