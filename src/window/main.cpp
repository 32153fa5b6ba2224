#include "main_window.h"

#include <QApplication>

#include <cstdio>

namespace {

// Without a display the toolkit would abort with a message about plugins;
// say plainly what is missing instead.
bool hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    if (!hasDisplay()) {
        std::fputs("volvenda: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                   "to run it without a screen, use a virtual X server: xvfb-run volvenda\n",
            stderr);
        return 1;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Volvenda"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.volvenda.Volvenda"));

    volvenda::MainWindow window;
    window.show();
    return QApplication::exec();
}
