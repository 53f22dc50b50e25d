// SPDX-License-Identifier: GPL-3.0-or-later
// The floor program: FloorProgram SKINS PICTURES SPLASH_MS. It shows the skin's splash picture
// for SPLASH_MS milliseconds, then a FloorWindow with PICTURES pictures, and idles until killed,
// as the desktop program does with its splash and main window.
#include <QApplication>
#include <QTimer>

#include <memory>

#include "FloorWindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        return 2;
    }
    const QString skins = QString::fromLocal8Bit(argv[1]);
    const int pictures = QString::fromLocal8Bit(argv[2]).toInt();
    FloorSplash splash(skins + QStringLiteral("/splash.png"));
    std::unique_ptr<FloorWindow> window;
    splash.show();
    QTimer::singleShot(QString::fromLocal8Bit(argv[3]).toInt(), &splash, [&] {
        splash.hide();
        window = std::make_unique<FloorWindow>(skins, pictures);
        window->show();
    });
    return QApplication::exec();
}
