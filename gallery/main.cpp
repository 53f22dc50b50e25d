// SPDX-License-Identifier: GPL-3.0-or-later
// The control gallery: renders every skinned control in each of its looks, drawn from a skin
// folder, into PNG files, so that the controls can be looked at as a user sees them.
//
//   gx508_gallerygen SKINS_FOLDER OUTPUT_FOLDER

#include <QApplication>
#include <QStringList>

#include <cstdio>

#include "Gallery.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: gx508_gallerygen SKINS_FOLDER OUTPUT_FOLDER\n");
        return 2;
    }
    gx508::gallery::Gallery gallery(arguments[1], arguments[2]);
    gallery.buttons();
    gallery.markers();
    gallery.menus();
    gallery.scrollBars();
    for (const QString& problem : gallery.problems()) {
        std::fprintf(stderr, "gallery: %s\n", qPrintable(problem));
    }
    return gallery.problems().isEmpty() ? 0 : 1;
}
