// The fair floor: a plain Qt main window with the editor window's widgets and
// menus, built directly with Qt and the default style, none of the program's
// own code but its layout table.

#include "firstframe.h"
#include "got/mainformlayout.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolButton>

namespace {

QWidget* create(const pellax::ControlDescription& d, QWidget* parent) {
    const QString text = QString::fromUtf8(d.text);
    switch (d.kind) {
    case pellax::ControlKind::GroupBox: return new QGroupBox(text, parent);
    case pellax::ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->move(d.left, d.top);
        label->adjustSize();
        return label;
    }
    case pellax::ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        for (const char* item : pellax::mainformComboItems(d.name))
            combo->addItem(QString::fromUtf8(item));
        combo->setEditText(text);
        return combo;
    }
    case pellax::ControlKind::CheckBox: return new QCheckBox(text, parent);
    case pellax::ControlKind::UpDown: {
        auto* pair = new QWidget(parent);
        auto* up = new QToolButton(pair);
        auto* down = new QToolButton(pair);
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
        up->setGeometry(0, 0, d.width, d.height / 2);
        down->setGeometry(0, d.height / 2, d.width, d.height - d.height / 2);
        return pair;
    }
    default: return new QLineEdit(text, parent);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qtApp(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Pellax"));
    const char* const menus[][7] = {
        {"File", "New GOT File", "-", "Load Got file", "Save GOT file", "-", "Quit"},
        {"Trigger files", "Strip header", "Add header", nullptr},
        {"Template List", "Edit template list", nullptr},
        {"About", "About Pellax", "Quorvane", "Harrowmere", nullptr},
    };
    for (const auto& menu : menus) {
        QMenu* m = window.menuBar()->addMenu(QString::fromUtf8(menu[0]));
        for (int i = 1; i < 7 && menu[i]; ++i) {
            if (menu[i][0] == '-')
                m->addSeparator();
            else
                m->addAction(QString::fromUtf8(menu[i]));
        }
    }
    auto* client = new QWidget(&window);
    client->setFixedSize(581, 165);
    window.setCentralWidget(client);
    QHash<QString, QWidget*> byName;
    for (const pellax::ControlDescription& d : pellax::mainformControls()) {
        QWidget* parent = *d.parent ? byName.value(QString::fromUtf8(d.parent), client) : client;
        QWidget* w = create(d, parent);
        if (d.kind != pellax::ControlKind::Label)
            w->setGeometry(d.left, d.top, d.width, d.height);
        if (*d.name)
            byName.insert(QString::fromUtf8(d.name), w);
    }
    pellax::bench::exitOnFirstFrame(window);
    window.show();
    return QApplication::exec();
}
