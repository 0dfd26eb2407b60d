#include "framework/windows/application.h"

#include "framework/files/exception.h"
#include "framework/windows/qtdialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QWidget>

namespace pellax {

namespace {
Application* g_instance = nullptr;
}

Application::Application(const QString& executablePath)
    : title_(titleFromExecutable(executablePath)),
      dialogs_(std::make_unique<QtDialogs>()),
      shell_(std::make_unique<DesktopShell>()),
      tickers_(std::make_unique<QtTickerSource>()) {
    g_instance = this;
}

Application::~Application() {
    if (g_instance == this)
        g_instance = nullptr;
}

Application& Application::instance() { return *g_instance; }

bool Application::exists() noexcept { return g_instance != nullptr; }

QString Application::titleFromExecutable(const QString& path) {
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    if (name.isEmpty())
        return name;
    return name.left(1).toUpper() + name.mid(1).toLower();
}

std::unique_ptr<Dialogs> Application::setDialogs(std::unique_ptr<Dialogs> dialogs) {
    std::swap(dialogs_, dialogs);
    return dialogs;
}

std::unique_ptr<Shell> Application::setShell(std::unique_ptr<Shell> shell) {
    std::swap(shell_, shell);
    return shell;
}

std::unique_ptr<TickerSource> Application::setTickers(std::unique_ptr<TickerSource> tickers) {
    std::swap(tickers_, tickers);
    return tickers;
}

void Application::HookMainWindow(const void* key, MainWindowHookFn hook) {
    UnhookMainWindow(key);
    mainWindowHooks_.emplace_back(key, std::move(hook));
}

void Application::UnhookMainWindow(const void* key) {
    std::erase_if(mainWindowHooks_, [key](const auto& entry) { return entry.first == key; });
}

bool Application::dispatchMainWindowHooks(TMessage& message) {
    // A copy: a hook may unhook itself or another while it runs.
    const auto hooks = mainWindowHooks_;
    for (const auto& [key, hook] : hooks) {
        if (hook(message))
            return true;
    }
    return false;
}

QString Application::errorBoxText(std::exception_ptr error) { return errorText(error); }

void Application::HandleException(std::exception_ptr error) noexcept {
    try {
        QWidget* parent = QApplication::activeWindow();
        dialogs_->showMessage(title_, errorBoxText(error), MessageIcon::Error, parent ? parent : mainForm_);
    } catch (...) {
        // Nothing sensible is left to report to; the program carries on.
    }
}

void Application::ProcessMessages() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void Application::Terminate() {
    terminated_ = true;
    // Queued, so that the handler that asked returns before the loop ends.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace pellax
