#pragma once

#include "support/fixtures.h"
#include "templatelist/templateform.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace pellax::test {

// A fresh template list window for each test, with scripted dialogs.
class TemplateFormTest : public AppTest {
protected:
    QStringList items() const {
        QStringList out;
        for (int i = 0; i < form.gotlist->count(); ++i)
            out.append(form.gotlist->item(i)->text());
        return out;
    }

    void setItems(const QStringList& entries) {
        form.gotlist->clear();
        form.gotlist->addItems(entries);
    }

    void select(int row) { form.gotlist->setCurrentRow(row); }

    int selectedRow() const {
        const auto selected = form.gotlist->selectedItems();
        return selected.isEmpty() ? -1 : form.gotlist->row(selected.constFirst());
    }

    void add(const QString& text) {
        form.curgot->setText(text);
        form.Button1->click();
    }

    // The menu commands, entered the way the menu enters them.
    void open(std::optional<QString> answer) {
        dialogs->answerFile(std::move(answer));
        form.Opentemplatefile1->trigger();
    }
    void save(std::optional<QString> answer) {
        dialogs->answerFile(std::move(answer));
        form.Saveastemplatefile1->trigger();
    }

    Ttemplateform form;
};

}  // namespace pellax::test
