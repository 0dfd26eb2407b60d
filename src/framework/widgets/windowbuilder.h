#pragma once

#include <QString>
#include <QWidget>

#include <QHash>

#include <functional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace pellax {

class TForm;
struct ControlDescription;

// Makes a control that the framework does not know, for the layers above it:
// given its description, its Qt parent and the window that owns it. A factory
// that sets the control's properties marks it as loading first (BeginLoading)
// while the window loads, so that its Loaded() follows the window's loading.
// A TControl is then placed through SetBounds, in its parent's client area.
using ControlFactory = QWidget* (*)(const ControlDescription& description, QWidget* parent, TForm& owner);

enum class ControlKind { GroupBox, Label, Edit, ComboBox, CheckBox, UpDown, ListBox, Button, Custom };

// One control of a window description. An empty parent is the window itself;
// labels take their size from their text; tab -1 means not in the tab order.
// A Custom control is made by its factory, then placed and named like the others.
struct ControlDescription {
    const char* name;
    ControlKind kind;
    const char* parent;
    int left, top, width, height;
    int tab;
    const char* text;
    const char* hint;  // kept with the control; hints are not shown by these windows
    ControlFactory factory = nullptr;
};

// The controls built from a description, by name, and the resulting tab order.
class BuiltControls {
public:
    template <class T>
    T* get(const QString& name) const {
        const auto it = byName_.find(name);
        return it == byName_.end() ? nullptr : qobject_cast<T*>(it.value());
    }
    // The control, which must exist and be a T: a missing or mistyped name is a
    // fault in the window's own description, so it fails loudly.
    template <class T>
    T& require(const QString& name) const {
        T* control = get<T>(name);
        if (!control)
            throw std::logic_error("window description has no control " + name.toStdString() + " of the asked type");
        return *control;
    }
    const std::vector<QWidget*>& tabOrder() const noexcept { return tabOrder_; }

private:
    friend BuiltControls buildControls(TForm&, std::span<const ControlDescription>,
                                       const std::function<std::span<const char* const>(std::string_view)>&);
    QHash<QString, QWidget*> byName_;
    std::vector<QWidget*> tabOrder_;
};

// Creates the controls on the form's client area, each at its place with its
// text, and chains the tab order: within each parent by tab number, a parent's
// children right after it. `items` gives the items of combo and list boxes.
BuiltControls buildControls(TForm& form, std::span<const ControlDescription> controls,
                            const std::function<std::span<const char* const>(std::string_view)>& items);

}  // namespace pellax
