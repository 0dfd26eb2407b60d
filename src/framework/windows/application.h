#pragma once

#include "framework/windows/dialogs.h"
#include "framework/windows/shell.h"
#include "framework/windows/ticker.h"
#include "framework/windows/windowhandle.h"

#include <QObject>
#include <QString>

#include <exception>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

class QWidget;

namespace pellax {

// The program-wide application object: its title, the services behind the
// dialogs and the shell, and the top-level handler that every event handler is
// entered through, so that no exception ever reaches Qt.
class Application {
public:
    // `executablePath` gives the title; the services default to the real ones.
    explicit Application(const QString& executablePath);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // The one instance; it must exist.
    static Application& instance();
    static bool exists() noexcept;

    const QString& Title() const noexcept { return title_; }
    // "pellax" gives "Pellax": no folder, cut before the first full stop, lower case after the first letter.
    static QString titleFromExecutable(const QString& path);

    Dialogs& dialogs() noexcept { return *dialogs_; }
    std::unique_ptr<Dialogs> setDialogs(std::unique_ptr<Dialogs> dialogs);
    Shell& shell() noexcept { return *shell_; }
    std::unique_ptr<Shell> setShell(std::unique_ptr<Shell> shell);

    // Where timers get their clock.
    TickerSource& tickers() noexcept { return *tickers_; }
    std::unique_ptr<TickerSource> setTickers(std::unique_ptr<TickerSource> tickers);

    QWidget* MainForm() const noexcept { return mainForm_; }
    void setMainForm(QWidget* form) noexcept { mainForm_ = form; }

    // Hooks that see every message of the main window before the window
    // itself; a hook that returns true has handled the message. `key`
    // identifies the hook for UnhookMainWindow; hooking a key twice keeps one.
    using MainWindowHookFn = std::function<bool(TMessage& message)>;
    void HookMainWindow(const void* key, MainWindowHookFn hook);
    void UnhookMainWindow(const void* key);
    // Offers `message` to the hooks in the order they came; true when one handled it.
    bool dispatchMainWindowHooks(TMessage& message);

    // Shows the exception's text in an error box titled with the application title.
    void HandleException(std::exception_ptr error) noexcept;
    // The text the handler shows: the message with a full stop added when it has none.
    static QString errorBoxText(std::exception_ptr error);

    // Runs `handler`; whatever it throws goes to HandleException.
    template <class F>
    void guard(F&& handler) noexcept {
        try {
            std::forward<F>(handler)();
        } catch (...) {
            HandleException(std::current_exception());
        }
    }

    // Handles the events already waiting.
    void ProcessMessages();
    // Ends the event loop; the program exits when control returns to it.
    void Terminate();
    bool Terminated() const noexcept { return terminated_; }

private:
    QString title_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Shell> shell_;
    std::unique_ptr<TickerSource> tickers_;
    QWidget* mainForm_ = nullptr;
    std::vector<std::pair<const void*, MainWindowHookFn>> mainWindowHooks_;
    bool terminated_ = false;
};

// Runs `handler` through the application's guard; where no application runs
// (a form or control on its own, as tests build them) whatever it throws passes on.
template <class F>
void guarded(F&& handler) {
    if (Application::exists())
        Application::instance().guard(std::forward<F>(handler));
    else
        std::forward<F>(handler)();
}

// Connects `signal` of `sender` to a handler without arguments, entered through the guard.
template <class Sender, class Signal, class F>
QMetaObject::Connection onSignal(Sender* sender, Signal signal, QObject* context, F handler) {
    return QObject::connect(sender, signal, context, [h = std::move(handler)]() { Application::instance().guard(h); });
}

}  // namespace pellax
