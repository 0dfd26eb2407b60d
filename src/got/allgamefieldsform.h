#pragma once

#include "framework/windows/form.h"
#include "got/gametyperecord.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pellax {

class TBitBtn;
class TROTitleBar;
class TriggerFileRow;

// "All game fields": every field the game reads, by the game's own name, for
// the fields the editor's controls do not show exactly. A choice list where
// the game names the values (a value it does not name is listed by its number
// and kept), a number field at the game's width for the rest. What the game
// would make of the values is shown below them as they change. OK (or Enter)
// ends the show with mrOk; Cancel and Esc with mrCancel.
class TAllGameFieldsForm final : public TForm {
    Q_OBJECT
public:
    explicit TAllGameFieldsForm(QWidget* parent = nullptr);
    ~TAllGameFieldsForm() override;

    // Shows the game fields of `record`.
    void setRecord(const GameTypeRecord& record);
    // The record given, with the values the controls hold now.
    const GameTypeRecord& record() const noexcept { return record_; }

    // The control that shows the field: a QComboBox or a QLineEdit.
    QWidget* control(GameFieldId id) const;

    // The trigger file the game plays the values with; its button opens it
    // from the game type's archive (setSource) through the row's opener.
    TriggerFileRow* TriggerFile = nullptr;
    QListWidget* Findings = nullptr;
    TBitBtn* OK = nullptr;
    QPushButton* Cancel = nullptr;
    TROTitleBar* ROTitleBar1 = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    // The controls' values into the record; the findings and OK follow.
    void takeValues();

    GameTypeRecord record_;
    std::array<QComboBox*, kGameFields.size()> choices_{};
    std::array<QLineEdit*, kGameFields.size()> numbers_{};
    bool filling_ = false;
};

}  // namespace pellax
