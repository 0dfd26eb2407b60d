#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace pellax {

// Calls a handler, through the application's guard, each time a key is
// released while `widget` has the focus. The hook is a child of the widget.
void onKeyRelease(QWidget* widget, std::function<void()> handler);

}  // namespace pellax
