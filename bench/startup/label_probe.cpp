// A floor between the empty window and the program: one window with one label,
// so that the font machinery starts as in any window that shows text.

#include "firstframe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QLabel window(QStringLiteral("Game type"));
    pellax::bench::exitOnFirstFrame(window);
    window.show();
    return QApplication::exec();
}
