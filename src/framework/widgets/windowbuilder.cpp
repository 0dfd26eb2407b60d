#include "framework/widgets/windowbuilder.h"

#include "framework/widgets/listbox.h"
#include "framework/widgets/updown.h"
#include "framework/windows/control.h"
#include "framework/windows/form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QPushButton>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace pellax {

namespace {

QWidget* createControl(const ControlDescription& d, QWidget* parent, TForm& form,
                       const std::function<std::span<const char* const>(std::string_view)>& items) {
    const QString text = QString::fromUtf8(d.text ? d.text : "");
    QWidget* w = nullptr;
    switch (d.kind) {
    case ControlKind::GroupBox: w = new QGroupBox(text, parent); break;
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->move(d.left, d.top);
        label->adjustSize();
        w = label;
        break;
    }
    case ControlKind::Edit: w = new QLineEdit(text, parent); break;
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        for (const char* item : items(d.name))
            combo->addItem(QString::fromUtf8(item));
        combo->setCurrentIndex(-1);
        combo->setEditText(text);
        w = combo;
        break;
    }
    case ControlKind::CheckBox: w = new QCheckBox(text, parent); break;
    case ControlKind::UpDown: w = new TUpDown(parent); break;
    case ControlKind::ListBox: {
        auto* list = new TListBox(parent);
        QStringList texts;
        for (const char* item : items(d.name))
            texts.append(QString::fromUtf8(item));
        // A window that fills its list itself gives it a model of its own.
        if (!texts.isEmpty())
            list->setModel(new QStringListModel(texts, list));
        w = list;
        break;
    }
    case ControlKind::Button: w = new QPushButton(text, parent); break;
    case ControlKind::Custom:
        if (!d.factory)
            throw std::logic_error(std::string("custom control without a factory: ") + d.name);
        w = d.factory(d, parent, form);
        break;
    }
    if (auto* control = qobject_cast<TControl*>(w))
        control->SetBounds(d.left, d.top, d.width, d.height);
    else if (d.kind != ControlKind::Label)
        w->setGeometry(d.left, d.top, d.width, d.height);
    w->setObjectName(QString::fromUtf8(d.name));
    if (d.hint)
        w->setProperty("hint", QString::fromUtf8(d.hint));
    return w;
}

void appendTabOrder(std::span<const ControlDescription> controls, std::string_view parent,
                    const std::vector<QWidget*>& widgets, std::vector<QWidget*>& order) {
    std::vector<std::size_t> children;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].tab >= 0 && parent == controls[i].parent)
            children.push_back(i);
    }
    std::stable_sort(children.begin(), children.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].tab < controls[b].tab; });
    for (const std::size_t i : children) {
        if (widgets[i]->focusPolicy() != Qt::NoFocus && controls[i].kind != ControlKind::GroupBox)
            order.push_back(widgets[i]);
        if (controls[i].kind == ControlKind::GroupBox)
            appendTabOrder(controls, controls[i].name, widgets, order);
    }
}

}  // namespace

BuiltControls buildControls(TForm& form, std::span<const ControlDescription> controls,
                            const std::function<std::span<const char* const>(std::string_view)>& items) {
    BuiltControls built;
    std::vector<QWidget*> widgets;
    widgets.reserve(controls.size());
    for (const ControlDescription& d : controls) {
        QWidget* parent = form.client();
        if (d.parent && *d.parent) {
            parent = built.get<QWidget>(QString::fromUtf8(d.parent));
            Q_ASSERT(parent);
        }
        QWidget* w = createControl(d, parent, form, items);
        widgets.push_back(w);
        if (d.name && *d.name)
            built.byName_[QString::fromUtf8(d.name)] = w;
    }
    appendTabOrder(controls, "", widgets, built.tabOrder_);
    for (std::size_t i = 1; i < built.tabOrder_.size(); ++i)
        QWidget::setTabOrder(built.tabOrder_[i - 1], built.tabOrder_[i]);
    return built;
}

}  // namespace pellax
