#include "framework/widgets/accessiblecombo.h"

#include "framework/widgets/accessiblefactory.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace pellax {

namespace {

class NamedComboBox final : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}
    // Editable ones only; the others keep Qt's own interface.
    static bool serves(const QComboBox& combo) { return combo.isEditable(); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return combo()->accessibleName().isEmpty() ? value() : combo()->accessibleName();
        case QAccessible::Value: return value();
        default: return QAccessibleWidget::text(t);
        }
    }

    // The edit field first, then the list of items, as Qt's own interface has them.
    int childCount() const override { return static_cast<int>(parts().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QObject*> p = parts();
        return index >= 0 && index < p.size() ? QAccessible::queryAccessibleInterface(p[index]) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child ? static_cast<int>(parts().indexOf(child->object())) : -1;
    }

    QStringList actionNames() const override {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == showMenuAction() || action == pressAction())
            combo()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* combo() const { return static_cast<QComboBox*>(object()); }
    QString value() const { return combo()->currentText(); }
    QList<QObject*> parts() const {
        QList<QObject*> p;
        if (QLineEdit* edit = combo()->lineEdit())
            p << edit;
        if (QAbstractItemView* view = combo()->view())
            p << view;
        return p;
    }
};

}  // namespace

void installComboBoxNames() {
    installAccessibleOnce<QComboBox, NamedComboBox>();
}

}  // namespace pellax
