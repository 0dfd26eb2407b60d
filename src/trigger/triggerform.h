#pragma once

#include "framework/widgets/filedialog.h"
#include "framework/windows/form.h"
#include "trigger/triggerrecord.h"
#include "trigger/triggertext.h"

#include <QtGlobal>

#include <vector>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
template <typename T>
class QFutureWatcher;

namespace pellax {

class TROTitleBar;

// The trigger editor: the triggers of one trigger file as text in an editor,
// compiled and written back by Save. The count of triggers follows the text
// as it is edited. A text that does not compile is never written: its errors
// are listed with their lines, and choosing one puts the cursor there. The
// file comes from a file, a member of an archive, a map's triggers or nothing
// (a new file); closing the window only hides it.
class Ttriggerform final : public TForm {
    Q_OBJECT
public:
    explicit Ttriggerform(QWidget* parent = nullptr);
    ~Ttriggerform() override;

    // Shows the trigger file at `location` (filelocation.h). A file that is
    // not a trigger file raises its message, and the window stays as it was.
    void openTriggerFile(const QString& location);
    // What Open does with the name its dialog returned: an MPQ archive shows
    // its trigger files to pick one from. False when the user cancels.
    bool OpenChosenTriggerfile(const QString& fileName);
    // A new file without triggers, saved where Save as says.
    void Newfile1Click();
    // The open dialog over `parent`, then the file; false when cancelled.
    bool Openfile1Click(QWidget* parent);
    // A map (.scm, .scx or a bare .chk) chosen over `parent`: its triggers,
    // as a new file that Save as writes where the user says. False when
    // cancelled; a map that cannot be read raises its message.
    bool Importfrommap1Click(QWidget* parent);
    void importMapTriggers(const QString& map);
    // Compiles the text and writes it where the file came from (as Save as
    // does for a file not yet saved anywhere). True when the file was written.
    bool Savefile1Click();
    bool Saveasfile1Click();
    // The find bar, and the next or previous place of its text; the search
    // wraps round the end. False when the text is nowhere.
    void Find1Click();
    bool findNext(bool backwards = false);

    // Where the file was read from or last written; empty for a new file.
    const QString& location() const noexcept { return location_; }
    // The errors of the last Save that found any, as the list shows them.
    const std::vector<TriggerTextError>& errors() const noexcept { return errors_; }
    // Puts the cursor on the error in row `row` of the list.
    void goToError(int row);

    QPlainTextEdit* Text = nullptr;
    QListWidget* Errors = nullptr;
    QLabel* Count = nullptr;
    QLabel* Position = nullptr;
    QPushButton* Save = nullptr;
    QPushButton* SaveAs = nullptr;
    QWidget* FindBar = nullptr;
    QLineEdit* FindText = nullptr;
    QCheckBox* MatchCase = nullptr;
    QPushButton* FindPrevious = nullptr;
    QPushButton* FindNextButton = nullptr;
    QPushButton* CloseFind = nullptr;
    QLabel* FindStatus = nullptr;
    TROTitleBar* ROTitleBar1 = nullptr;

    QMenu* File1 = nullptr;
    QAction* Newfile1 = nullptr;
    QAction* Openfile1 = nullptr;
    QAction* Importfrommap1 = nullptr;
    QAction* Savefile1 = nullptr;
    QAction* Saveasfile1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* Redo1 = nullptr;
    QAction* Cut1 = nullptr;
    QAction* Copy1 = nullptr;
    QAction* Paste1 = nullptr;
    QAction* Selectall1 = nullptr;
    QAction* Find1 = nullptr;
    QAction* Findnext1 = nullptr;
    QAction* Findprevious1 = nullptr;

    TOpenDialog& Opentriggers;
    TSaveDialog& Savetriggers;
    TOpenDialog& Openmap;

private:
    void buildMenu();
    void buildControls();
    void connectHandlers();
    // Puts the triggers in the editor as the file from `location`, or as a
    // new file when it is empty; `origin` names it in the caption.
    void showTriggers(const TriggerList& triggers, const QString& location, const QString& origin);
    // Writes the compiled text to `location`; false with the errors listed when it does not compile.
    bool saveTo(const QString& location, const CompiledTriggers& compiled);
    // Compiles, listing the errors; nothing when there are any.
    bool compileForSave(CompiledTriggers& compiled);
    void showErrors(std::vector<TriggerTextError> errors);
    void showCount(const CompiledTriggers& compiled);
    void textChanged();
    void startRecount();
    void recountFinished();
    void showPosition();
    void closeFindBar();

    QString location_;
    std::vector<TriggerTextError> errors_;
    // The text is counted on a worker as it changes, after a pause; a count
    // that arrives for an older text is dropped, and the newest one taken.
    QTimer* recountTimer_ = nullptr;
    QFutureWatcher<CompiledTriggers>* recount_ = nullptr;
    quint64 textVersion_ = 0;
    quint64 countingVersion_ = 0;
    bool counting_ = false;
    bool recountPending_ = false;
    bool settingText_ = false;
};

}  // namespace pellax
