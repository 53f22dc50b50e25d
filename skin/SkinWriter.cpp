// SPDX-License-Identifier: GPL-3.0-or-later
#include "SkinWriter.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <utility>

#include "gui/ui/QtText.h"
#include "gui/ui/SkinFiles.h"

namespace gx508::skin {

namespace {

bool isOpaque(const QImage& image) {
    if (!image.hasAlphaChannel()) {
        return true;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 255) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

SkinWriter::SkinWriter(QString folder) : m_folder(std::move(folder)) {}

void SkinWriter::write(std::string_view name, const QImage& image) {
    const auto* listed = std::find_if(kSkinFiles.begin(), kSkinFiles.end(),
                                      [name](const SkinFile& file) { return file.name == name; });
    if (listed == kSkinFiles.end()) {
        m_problems << QStringLiteral("%1 is not in the skin file list").arg(qText(name));
        return;
    }
    if (image.width() != listed->width || image.height() != listed->height) {
        m_problems << QStringLiteral("%1 is %2 x %3, listed as %4 x %5")
                          .arg(qText(name))
                          .arg(image.width())
                          .arg(image.height())
                          .arg(listed->width)
                          .arg(listed->height);
    }
    const QString path = m_folder + QLatin1Char('/') + qText(name);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QImage stored = isOpaque(image) ? image.convertToFormat(QImage::Format_RGB32)
                                          : image.convertToFormat(QImage::Format_ARGB32);
    if (!stored.save(path, "PNG")) {
        m_problems << QStringLiteral("cannot write %1").arg(path);
    }
    m_written.insert(listed->name);
}

QStringList SkinWriter::problems() const {
    QStringList all = m_problems;
    for (const SkinFile& file : kSkinFiles) {
        if (m_written.count(file.name) == 0) {
            all << QStringLiteral("%1 was not drawn").arg(qText(file.name));
        }
    }
    return all;
}

}  // namespace gx508::skin
