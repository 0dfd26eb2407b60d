// The yardstick: the least a Qt Widgets program does to show one window.

#include "firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QWidget window;
    pellax::bench::exitOnFirstFrame(window);
    window.show();
    return QApplication::exec();
}
