#pragma once

#include "support/fixtures.h"
#include "templatelist/templateform.h"

#include <QAction>
#include <QLineEdit>
#include "framework/widgets/listbox.h"
#include "templatelist/templatelistfile.h"
#include "templatelist/templatelistmodel.h"
#include <QPushButton>

namespace pellax::test {

// A fresh template list window for each test, with scripted dialogs.
class TemplateFormTest : public AppTest {
protected:
    QStringList items() const { return form.entries->entries().toStringList(); }

    void setItems(const QStringList& entries) {
        form.entries->assign(TemplateEntries::parse(serialiseTemplateList(entries)));
    }

    void select(int row) { form.gotlist->selectRow(row); }

    int selectedRow() const { return form.gotlist->selectedRow(); }

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
