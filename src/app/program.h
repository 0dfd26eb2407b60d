#pragma once

#include "app/mainmenu.h"

#include <QString>

#include <memory>

namespace pellax {

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
    const MainMenu& menu() const noexcept { return menu_; }

    // Shows the main window; the caller then runs the event loop.
    void Show();

    void Edittemplatelist1Click();
    void Quit1Click();
    void Quorvane1Click();
    void Harrowmere1Click();

private:
    void wireMenu();

    std::unique_ptr<Tmainform> mainform_;
    // A child of the main window, so that the tool window stays with it; Qt frees it.
    Ttemplateform* templateform_ = nullptr;
    MainMenu menu_;
};

}  // namespace pellax
