#include <QApplication>
#include <QLabel>

#include "gui/ui/FontMap.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("GX508"));
    window.setFont(gx508::mappedFont(QStringLiteral("Arial"), 13));
    window.show();
    return app.exec();
}
