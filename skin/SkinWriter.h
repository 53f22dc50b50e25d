// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <set>
#include <string_view>

namespace gx508::skin {

// Saves the generated images into the skin folder under the names and sizes of the skin file
// list, and reports every image that is missing, unlisted or of another size.
class SkinWriter {
  public:
    explicit SkinWriter(QString folder);

    // Opaque images are stored without an alpha channel, so windows copy them as they are.
    void write(std::string_view name, const QImage& image);

    // The problems found so far plus every listed file that was never written.
    QStringList problems() const;

  private:
    QString m_folder;
    QStringList m_problems;
    std::set<std::string_view> m_written;
};

}  // namespace gx508::skin
