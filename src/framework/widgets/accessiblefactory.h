#pragma once

#include <QAccessible>
#include <QObject>

#include <concepts>

namespace pellax {

// Makes Qt give every `Widget` (and every subclass of it) an `Interface`, made
// from the widget, when screen readers ask for one. An Interface with a static
// `serves(const Widget&)` is given only the widgets it accepts; the others keep
// Qt's own interface. Installed once however often it is called.
template <class Widget, class Interface>
void installAccessibleOnce() {
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            auto* widget = qobject_cast<Widget*>(object);
            if (!widget)
                return nullptr;
            if constexpr (requires {
                              { Interface::serves(*widget) } -> std::convertible_to<bool>;
                          }) {
                if (!Interface::serves(*widget))
                    return nullptr;
            }
            return new Interface(widget);  // Qt's accessibility cache owns it
        });
        return true;
    }();
    (void)installed;
}

}  // namespace pellax
