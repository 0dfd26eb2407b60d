#pragma once

#include "framework/widgets/filedialog.h"
#include "framework/windows/form.h"
#include "got/gametyperecord.h"
#include "got/mainformbinding.h"
#include "got/triggerfilerow.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace pellax {

class TTimer;
class TROTitleBar;
class TUpDown;

// The game-type editor: one fixed window whose controls show the fields of the
// record. displayinfo copies the record into the controls, getsettingsfromGUI
// copies them back; the digit filters keep the numeric fields to digits.
class Tmainform final : public TForm {
    Q_OBJECT
public:
    explicit Tmainform(QWidget* parent = nullptr);
    ~Tmainform() override;

    GameTypeRecord& record() noexcept { return record_; }
    const GameTypeRecord& record() const noexcept { return record_; }

    void displayinfo();
    void getsettingsfromGUI();
    void LoadGotfile(const QString& fileName);
    // What "Load Got file" does with the path its dialog returned; a file named
    // on the command line or dropped on a window is loaded through here as well.
    // An MPQ archive shows its game types to pick one from.
    void LoadChosenGotfile(const QString& fileName);
    void SaveGotfile(const QString& fileName);

    // Menu commands of the File menu.
    void NewGOTFile1Click();
    void LoadGotfile1Click();
    void SaveGOTfile1Click();
    // "All game fields...": every field of the game by its name, on the
    // controls' current values; OK puts them into the record and shows it.
    void AllGameFields1Click();

    // How "All game fields" opens the trigger file of a game type from an
    // archive; without it, its button stays disabled.
    TriggerFileOpener editTriggerFile;

    // Reactions of the controls.
    void mineralsChange();
    void defaultminClick();

    // Controls, named as in the window description.
    QGroupBox* GroupBox1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QGroupBox* GroupBox3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLineEdit* gametypename = nullptr;
    QComboBox* colorbox = nullptr;
    QLineEdit* descripname = nullptr;
    QLineEdit* varsetting = nullptr;
    QLineEdit* varnum = nullptr;
    QLineEdit* position = nullptr;
    QCheckBox* Canally = nullptr;
    QCheckBox* defaultmin = nullptr;
    QCheckBox* isenabled = nullptr;
    QComboBox* Gametype = nullptr;
    QComboBox* playability = nullptr;
    QLineEdit* numteams = nullptr;
    QLineEdit* minerals = nullptr;
    TUpDown* UpDown1 = nullptr;
    QLineEdit* Gametypesetting = nullptr;

    // Paints the caption bar.
    TROTitleBar* ROTitleBar1 = nullptr;

    // Non-visual parts.
    TOpenDialog& opengotdial;
    TSaveDialog& savegotdial;
    TOpenDialog& opentrigs;
    // The first-run timer: 10 ms, enabled from creation; its handler comes from start-up.
    TTimer& Timer1;

private:
    void buildControls();
    void buildTitleBar();
    void nameFieldsAfterLabels();
    void connectHandlers();
    // What the controls hold now.
    GameTypeFields controlValues() const;

    // The controls that show the record's fields, by their place in the tab order.
    std::array<QWidget*, kControlCount> bound_{};
    GameTypeRecord record_;
    QString location_;  // where the record was last loaded from or saved to
    bool displaying_ = false;
    // The controls as the record last left them (display, or the values last
    // taken into it): Save writes only the fields changed since. Empty until
    // the first display, when Save writes every field.
    std::optional<GameTypeFields> shown_;
};

}  // namespace pellax
