// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSet>
#include <QSize>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <filesystem>

#include "gui/ui/SkinFiles.h"
#include "platform/FolderWatch.h"

class QPainter;

namespace gx508 {

// The skin folder and the drawing of its images.
//
// Windows repaint often, so the images drawn (decoded once, and kept only in the form they are
// drawn in), the files that stored names resolve to and folder listings are kept; images handed
// out for a window to keep its own copy, and sizes, of images not drawn are read without keeping
// anything. A file replaced or removed on disk shows so at the next paint:
// the folders of every kept file are watched, and any change in one drops what was kept. Where a
// folder cannot be watched, each use checks the file's modification time and size instead.
class Skin {
  public:
    explicit Skin(QString skinsFolder);

    QString folder() const { return m_folder; }

    // The file a stored name refers to. Stored names come in several spellings
    // ("Skins\\Logo.png", "/Skins/BK_MainLeft.png", "\\skins\\ItemBK.png",
    // "Mouse\\Front\\F-1-over.png"): the leading skin folder name is optional, letter case is
    // ignored, "/" and "\\" are alike and doubled separators count as one. Empty when there is
    // no such file.
    QString resolve(QStringView storedName) const;

    // DrawSkinImage: draws the image with its top-left corner at (x, y) at its own size. An image
    // with an alpha channel is premultiplied (integer division by 255) and blended over the
    // canvas with its per-pixel alpha; others are copied opaquely. A missing or damaged file
    // draws nothing. Returns whether it drew.
    bool draw(QPainter& painter, QStringView storedName, int x, int y) const;

    // LoadSkinBitmap: the image as an opaque pixmap for a button's looks; transparency in the
    // file is not honoured. Null when the file is missing or damaged.
    QPixmap loadBitmap(QStringView storedName) const;

    // The image as decoded from the file; null when the file is missing or damaged.
    QImage image(QStringView storedName) const;

    // The image's size, without keeping the image; invalid when the file is missing or damaged.
    QSize size(QStringView storedName) const;

    // The same for a file of the skin file list, by its listed name.
    bool draw(QPainter& painter, const SkinFile& file, int x, int y) const;
    // Draws the image at `area`'s top-left corner over `area` filled with `fill`; the fill is
    // left out where the image is opaque and covers the whole area, as it would not show.
    void drawOver(QPainter& painter, const SkinFile& file, const QRect& area,
                  const QColor& fill) const;
    QPixmap loadBitmap(const SkinFile& file) const;
    QImage image(const SkinFile& file) const;
    QSize size(const SkinFile& file) const;

  private:
    struct FileStamp {
        std::filesystem::file_time_type time;
        std::uintmax_t size = 0;
        bool operator==(const FileStamp&) const = default;
    };
    struct CachedImage {
        FileStamp stamp;
        // What draw() paints: the decoded image when it has no alpha channel; else premultiplied,
        // or opaque when every pixel is. Null when the file could not be decoded.
        QImage drawn;
        // Whether `drawn` is the image as decoded, which image() can hand out without reading.
        bool asDecoded = true;
    };
    struct CachedListing {
        FileStamp stamp;
        QSet<QString> names;
        QHash<QString, QString> byFoldedName;
    };

    // The image drawn under this name, when it is kept and its folders are watched.
    const CachedImage* keptImage(QStringView storedName) const;
    const CachedImage* cachedImage(QStringView storedName) const;
    QString matchEntry(const QString& directory, const QString& name) const;
    // Watches the folders from the skin folder down to the file's; false when one could not be.
    bool watchFoldersOf(const QString& path) const;
    void forgetOnChange() const;

    QString m_folder;
    mutable FolderWatch m_watch;
    mutable QHash<QString, CachedImage> m_images;
    mutable QHash<QString, CachedListing> m_listings;
    // Stored names whose file's folders are watched, with the file they resolve to.
    mutable QHash<QString, QString> m_resolved;
};

}  // namespace gx508
