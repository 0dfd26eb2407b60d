#pragma once

#include "app/mainmenu.h"

#include <QString>

#include <memory>

namespace pellax {

class Taboutform;
class Tmainform;
class Ttemplateform;

// The maker's and the community's home pages, opened from the About menu.
inline const QString kMakerHomePage = QStringLiteral("http://www.quorvane.example/");
inline const QString kCommunityHomePage = QStringLiteral("http://www.harrowmere.example/");

// The program's windows, created at start-up and living until it ends, and the
// main menu wired to their commands. Needs the Application object.
class Program {
public:
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Tmainform& mainform() const noexcept { return *mainform_; }
    Ttemplateform& templateform() const noexcept { return *templateform_; }
    Taboutform& aboutform() const noexcept { return *aboutform_; }
    const MainMenu& menu() const noexcept { return menu_; }

    // Shows the main window; the caller then runs the event loop.
    void Show();
    // A warning for the user about how the program started (a malformed
    // setting, say), shown once the main window is on screen.
    void SetStartupNotice(const QString& text) { startupNotice_ = text; }

    void Edittemplatelist1Click();
    void Credits1Click();
    // The main window's first-run timer: once; the start-up notice if there is
    // one, then the About window when the settings store has no record of an
    // earlier run.
    void Timer1Timer();
    void Quit1Click();
    void Quorvane1Click();
    void Harrowmere1Click();

private:
    void wireMenu();

    std::unique_ptr<Tmainform> mainform_;
    // Children of the main window, so that the tool windows stay with it; Qt frees them.
    Ttemplateform* templateform_ = nullptr;
    Taboutform* aboutform_ = nullptr;
    MainMenu menu_;
    QString startupNotice_;
};

}  // namespace pellax
