#pragma once

#include "app/mainmenu.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QWidget;

namespace pellax {

class Taboutform;
class Tmainform;
class Ttemplateform;
class Ttriggerform;

// How the windows that start hidden are made, each as a child of the main
// window; the program's own by default, a failing one in tests.
struct HiddenWindowMakers {
    std::function<std::unique_ptr<Ttemplateform>(QWidget* parent)> templateform;
    std::function<std::unique_ptr<Taboutform>(QWidget* parent)> aboutform;

    static HiddenWindowMakers standard();
};

// The maker's and the community's home pages, opened from the About menu.
inline const QString kMakerHomePage = QStringLiteral("http://www.quorvane.example/");
inline const QString kCommunityHomePage = QStringLiteral("http://www.harrowmere.example/");

// The program's windows, created at start-up and living until it ends, and the
// main menu wired to their commands. Needs the Application object.
class Program {
public:
    explicit Program(HiddenWindowMakers makers = HiddenWindowMakers::standard());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Tmainform& mainform() const noexcept { return *mainform_; }
    // The two windows that start hidden are made once the main window has
    // shown its first frame, or when they are first asked for before that,
    // both or neither. A failure is reported once, and the commands that need
    // them are disabled; asking for them then raises EInvalidOperation.
    Ttemplateform& templateform();
    Taboutform& aboutform();
    bool hiddenWindowsReady();
    // The trigger window, made when first asked for.
    Ttriggerform& triggerform();
    const MainMenu& menu() const noexcept { return menu_; }

    // Shows the main window; the caller then runs the event loop.
    void Show();
    // A warning for the user about how the program started (a malformed
    // setting, say), shown once the main window is on screen.
    void setStartupNotice(const QString& text) { startupNotice_ = text; }

    // Files named on the command line, set before the event loop runs. They open
    // on the first-run timer's tick, with the main window shown and after the
    // first-run check (and the About window it may show), so that their error
    // boxes have a window to sit on and never compete with that modal window.
    void setStartFiles(QStringList paths) { startFiles_ = std::move(paths); }
    // Files given together (named at start, dropped on a window): a game-type
    // file goes to the editor, a template list to the list window, which is
    // shown, and anything else is refused (see planOpening). Each file that
    // fails gets its own error box; the rest still open.
    void openFiles(const QStringList& paths);

    void Edittemplatelist1Click();
    // The Trigger files commands that show the trigger window: a file chosen,
    // a new file, a map's triggers. Each shows the window once it holds what
    // was asked for; a cancel or a failure leaves it as it was.
    void Edittriggers1Click();
    void Newtriggerfile1Click();
    void Importtriggers1Click();
    // A trigger file opened from a window that is shown modally ("All game
    // fields"): a trigger window of its own, modal over `over`, for as long as
    // the user keeps it open.
    static void editTriggerFileOver(const QString& location, QWidget* over);
    void Credits1Click();
    // The main window's first-run timer: once; the start-up notice if there is
    // one, then the About window when the settings store has no record of an
    // earlier run, then the start files.
    void Timer1Timer();
    void Quit1Click();
    void Quorvane1Click();
    void Harrowmere1Click();

private:
    void wireMenu();
    HiddenWindowMakers makers_;
    std::unique_ptr<Tmainform> mainform_;
    // Children of the main window, so that the tool windows stay with it; Qt frees them.
    Ttemplateform* templateform_ = nullptr;
    Taboutform* aboutform_ = nullptr;
    Ttriggerform* triggerform_ = nullptr;
    bool hiddenWindowsFailed_ = false;
    MainMenu menu_;
    QString startupNotice_;
    QStringList startFiles_;
};

}  // namespace pellax
