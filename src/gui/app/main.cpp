#include <QApplication>

#include <cstdio>
#include <cstring>

#include "gui/app/CMouseConfigurationApp.h"
#include "gui/app/SingleInstance.h"

int main(int argc, char** argv) {
    gx508::DeviceMode mode = gx508::DeviceMode::Real;
    if (argc == 2 && std::strcmp(argv[1], "--virtual-mouse") == 0) {
        mode = gx508::DeviceMode::Virtual;
    } else if (argc != 1) {
        std::fprintf(
            stderr,
            "usage: gx508 [--virtual-mouse]\n"
            "  --virtual-mouse  run on the built-in virtual mouse: the wire trace and the\n"
            "                   balloons go to standard output, commands (notice KIND\n"
            "                   VALUE, unplug, plug) come from standard input\n");
        return 2;
    }
    QApplication app(argc, argv);
    // The program lives on in the notification area with no window shown; only "Exit" ends it.
    QApplication::setQuitOnLastWindowClosed(false);
    gx508::SingleInstance instance;
    if (!instance.acquire()) {
        return 0;
    }
    gx508::CMouseConfigurationApp program(mode);
    if (!program.start()) {
        return 1;
    }
    return QApplication::exec();
}
