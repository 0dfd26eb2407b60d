#include "controls/titleraccessible.h"

#include "controls/titler.h"
#include "framework/widgets/accessiblefactory.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace pellax {

namespace {

// The panel's lines, read afresh at every request: what the panel holds now.
class TitlerAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit TitlerAccessible(TTitler* titler) : QAccessibleWidget(titler, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }

    using QAccessibleWidget::text;

    // Read-only text: no selection, no caret to move.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}

    QString text(int startOffset, int endOffset) const override {
        const QString all = lines();
        if (startOffset < 0 || endOffset < startOffset || startOffset > all.size())
            return {};
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(lines().size()); }

    // The lines move all the time, most of them out of sight: no character has
    // a place a reader could point at.
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        return {};
    }

private:
    QString lines() const { return static_cast<TTitler*>(widget())->Titles().lines().join(u'\n'); }
};

}  // namespace

void installTitlerAccessibility() {
    installAccessibleOnce<TTitler, TitlerAccessible>();
}

}  // namespace pellax
