#pragma once

#include "framework/widgets/filedialog.h"
#include "framework/windows/form.h"

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;

namespace pellax {

class TROTitleBar;

class TListBox;
class TROLabel;
class TemplateListModel;

// The template list manager: a tool window that edits a list of game-type file
// names, one per line, and opens and saves it as a template list file. It lives
// as long as the program; closing it only hides it.
class Ttemplateform final : public TForm {
    Q_OBJECT
public:
    explicit Ttemplateform(QWidget* parent = nullptr);
    ~Ttemplateform() override;

    // Add: the field's text in double quotes, as the last item.
    void Button1Click();
    // Delete the selected item.
    void Button3Click();
    // Rename the selected item through an input box.
    void gotlistDblClick();
    void Opentemplatefile1Click();
    // What "Open template file" does with the path its dialog returned; a list
    // named on the command line or dropped on a window is opened through here as well.
    // An MPQ archive shows its template lists to pick one from.
    void OpenChosenTemplatefile(const QString& fileName);
    void Savetemplatefile1Click();

    // Controls, named as in the window description.
    TROLabel* ROLabel1 = nullptr;
    TListBox* gotlist = nullptr;
    // The entries that gotlist shows.
    TemplateListModel* entries = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* curgot = nullptr;

    // Paints the caption bar.
    TROTitleBar* ROTitleBar1 = nullptr;

    QMenu* File1 = nullptr;
    QAction* Opentemplatefile1 = nullptr;
    QAction* Saveastemplatefile1 = nullptr;

    TOpenDialog& Opentemp;
    TSaveDialog& Savetemp;

private:
    void buildControls();
    void buildTitleBar();
    void buildMenu();
    void connectHandlers();

    QString location_;  // where the list was last opened from or saved to
};

}  // namespace pellax
