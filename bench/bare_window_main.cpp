// The bare window on its own, for the benchmark to launch beside volvenda.

#include "bare_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BareWindow window;
    window.show();
    return QApplication::exec();
}
