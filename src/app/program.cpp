#include "app/program.h"

#include "app/aboutform.h"
#include "app/appicon.h"
#include "app/firstrun.h"
#include "app/openplan.h"
#include "framework/files/exception.h"
#include "framework/windows/application.h"
#include "framework/windows/filedrop.h"
#include "framework/windows/firstpaint.h"
#include "framework/windows/timer.h"
#include "got/mainform.h"
#include "templatelist/templateform.h"
#include "trigger/triggercommands.h"
#include "trigger/triggerform.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>

#include <utility>

namespace pellax {

HiddenWindowMakers HiddenWindowMakers::standard() {
    return {[](QWidget* parent) { return std::make_unique<Ttemplateform>(parent); },
            [](QWidget* parent) { return std::make_unique<Taboutform>(parent); }};
}

Program::Program(HiddenWindowMakers makers) : makers_(std::move(makers)) {
    // Set before the first window exists, so that every window carries it.
    QGuiApplication::setWindowIcon(appIcon());
    // Wayland compositors find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(PELLAX_APP_ID));
    mainform_ = std::make_unique<Tmainform>();
    Application::instance().setMainForm(mainform_.get());
    menu_ = buildMainMenu(mainform_->menuBar());
    wireMenu();
    // Its first tick comes from the event loop, once the main window exists.
    mainform_->Timer1.SetOnTimer([this] { Timer1Timer(); });
    onFileDrop(mainform_.get(), [this](const QStringList& paths) { openFiles(paths); });
    // Nothing of the hidden windows shows: they need not hold up the first frame.
    afterFirstPaint(*mainform_, [this] { hiddenWindowsReady(); });
}

bool Program::hiddenWindowsReady() {
    if (templateform_)
        return true;
    if (hiddenWindowsFailed_)
        return false;
    try {
        // Kept only once both are made: a window made before the failure goes with it.
        std::unique_ptr<Ttemplateform> templateform = makers_.templateform(mainform_.get());
        std::unique_ptr<Taboutform> aboutform = makers_.aboutform(mainform_.get());
        onFileDrop(templateform.get(), [this](const QStringList& paths) { openFiles(paths); });
        // Children of the main window from here on, which frees them.
        templateform_ = templateform.release();
        aboutform_ = aboutform.release();
        return true;
    } catch (...) {
        hiddenWindowsFailed_ = true;
        menu_.Edittemplatelist1->setEnabled(false);
        menu_.Credits1->setEnabled(false);
        const QString reason = Application::errorBoxText(std::current_exception());
        Application::instance().HandleException(std::make_exception_ptr(
            Exception(QStringLiteral("The template list and About windows could not be made: ") + reason)));
        return false;
    }
}

Ttemplateform& Program::templateform() {
    if (!hiddenWindowsReady())
        throw EInvalidOperation(QStringLiteral("The template list window could not be made"));
    return *templateform_;
}

Taboutform& Program::aboutform() {
    if (!hiddenWindowsReady())
        throw EInvalidOperation(QStringLiteral("The About window could not be made"));
    return *aboutform_;
}

Program::~Program() {
    if (Application::instance().MainForm() == mainform_.get())
        Application::instance().setMainForm(nullptr);
}

void Program::wireMenu() {
    Tmainform* main = mainform_.get();
    onSignal(menu_.NewGOTFile1, &QAction::triggered, main, [main] { main->NewGOTFile1Click(); });
    onSignal(menu_.LoadGotfile1, &QAction::triggered, main, [main] { main->LoadGotfile1Click(); });
    onSignal(menu_.SaveGOTfile1, &QAction::triggered, main, [main] { main->SaveGOTfile1Click(); });
    onSignal(menu_.AllGameFields1, &QAction::triggered, main, [main] { main->AllGameFields1Click(); });
    onSignal(menu_.Quit1, &QAction::triggered, main, [this] { Quit1Click(); });
    onSignal(menu_.Stripheader1, &QAction::triggered, main, [main] { Stripheader1Click(main->opentrigs, main); });
    onSignal(menu_.Addheader1, &QAction::triggered, main, [main] { Addheader1Click(main->opentrigs, main); });
    onSignal(menu_.Edittriggers1, &QAction::triggered, main, [this] { Edittriggers1Click(); });
    onSignal(menu_.Newtriggerfile1, &QAction::triggered, main, [this] { Newtriggerfile1Click(); });
    onSignal(menu_.Importtriggers1, &QAction::triggered, main, [this] { Importtriggers1Click(); });
    main->editTriggerFile = &Program::editTriggerFileOver;
    onSignal(menu_.Edittemplatelist1, &QAction::triggered, main, [this] { Edittemplatelist1Click(); });
    onSignal(menu_.Credits1, &QAction::triggered, main, [this] { Credits1Click(); });
    onSignal(menu_.Quorvane1, &QAction::triggered, main, [this] { Quorvane1Click(); });
    onSignal(menu_.Harrowmere1, &QAction::triggered, main, [this] { Harrowmere1Click(); });
}

void Program::Show() { mainform_->Show(); }

void Program::Edittemplatelist1Click() {
    if (hiddenWindowsReady())
        templateform().Show();
}

Ttriggerform& Program::triggerform() {
    if (!triggerform_) {
        auto window = std::make_unique<Ttriggerform>(mainform_.get());
        onFileDrop(window.get(), [this](const QStringList& paths) { openFiles(paths); });
        // A child of the main window from here on, which frees it.
        triggerform_ = window.release();
    }
    return *triggerform_;
}

void Program::Edittriggers1Click() {
    Ttriggerform& window = triggerform();
    if (window.Openfile1Click(mainform_.get()))
        window.Show();
}

void Program::Newtriggerfile1Click() {
    Ttriggerform& window = triggerform();
    window.Newfile1Click();
    window.Show();
}

void Program::Importtriggers1Click() {
    Ttriggerform& window = triggerform();
    if (window.Importfrommap1Click(mainform_.get()))
        window.Show();
}

void Program::editTriggerFileOver(const QString& location, QWidget* over) {
    Ttriggerform window(over);
    window.openTriggerFile(location);
    window.ShowModal();
}

void Program::Credits1Click() {
    if (hiddenWindowsReady())
        aboutform().ShowModal();
}

void Program::Timer1Timer() {
    mainform_->Timer1.SetEnabled(false);
    if (!startupNotice_.isEmpty()) {
        Application& app = Application::instance();
        app.dialogs().showMessage(app.Title(), std::exchange(startupNotice_, QString()), MessageIcon::Warning,
                                  mainform_.get());
    }
    // A failed check has its box and ends there; the files still open. Without
    // the About window (already reported) the run is not recorded as seen.
    Application::instance().guard([this] {
        if (hiddenWindowsReady() && firstRunShowsAbout())
            aboutform().ShowModal();
    });
    openFiles(std::exchange(startFiles_, {}));
}

void Program::openFiles(const QStringList& paths) {
    for (const OpenStep& step : planOpening(paths)) {
        Application::instance().guard([this, &step] {
            switch (step.target) {
            case OpenTarget::Editor: mainform_->LoadChosenGotfile(step.path); break;
            case OpenTarget::TemplateList:
                // Without the window (already reported) the list has nowhere to open.
                if (!hiddenWindowsReady())
                    return;
                // Shown first, so that a failure is reported over the window it concerns.
                templateform().Show();
                templateform().OpenChosenTemplatefile(step.path);
                break;
            case OpenTarget::Triggers:
                triggerform().Show();
                triggerform().OpenChosenTriggerfile(step.path);
                break;
            case OpenTarget::Refused: throw Exception(step.refusal);
            }
        });
    }
}

void Program::Quit1Click() {
    Application& app = Application::instance();
    app.ProcessMessages();
    app.Terminate();
}

void Program::Quorvane1Click() { Application::instance().shell().open(kMakerHomePage, mainform_.get()); }

void Program::Harrowmere1Click() { Application::instance().shell().open(kCommunityHomePage, mainform_.get()); }

}  // namespace pellax
