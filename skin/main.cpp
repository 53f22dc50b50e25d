// SPDX-License-Identifier: GPL-3.0-or-later
// The skin generator: draws every image of the skin into a folder, or renders the contact sheet
// of a generated skin folder.
//
//   gx508_skingen SKINS_FOLDER
//   gx508_skingen --sheet SKINS_FOLDER SHEET.png

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

#include "ContactSheet.h"
#include "Families.h"
#include "SkinWriter.h"

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QStringLiteral("--sheet")) {
        if (!gx508::skin::contactSheet(arguments[2]).save(arguments[3], "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(arguments[3]));
            return 1;
        }
        return 0;
    }
    if (arguments.size() != 2) {
        std::fprintf(stderr,
                     "usage: gx508_skingen SKINS_FOLDER\n"
                     "       gx508_skingen --sheet SKINS_FOLDER SHEET.png\n");
        return 2;
    }
    gx508::skin::SkinWriter writer(arguments[1]);
    gx508::skin::paintBrand(writer);
    gx508::skin::paintMainWindow(writer);
    gx508::skin::paintMouseViews(writer);
    gx508::skin::paintSettingsPages(writer);
    gx508::skin::paintDialogs(writer);
    gx508::skin::paintGunDialogs(writer);
    const QStringList problems = writer.problems();
    for (const QString& problem : problems) {
        std::fprintf(stderr, "skin: %s\n", qPrintable(problem));
    }
    return problems.isEmpty() ? 0 : 1;
}
