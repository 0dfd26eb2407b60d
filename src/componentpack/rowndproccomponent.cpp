#include "componentpack/rowndproccomponent.h"

#include "framework/windows/application.h"

#include <exception>

namespace pellax {

// What the installed procedure calls. It outlives the component when the hook
// could not be taken off again; then it hands every message to the procedure
// it replaced instead of calling into a component that is gone.
struct TROWndProcComponent::ThunkState {
    TROWndProcComponent* target = nullptr;
    TWndProc previous;
};

TROWndProcComponent::TROWndProcComponent(TComponent* owner, QString name) : TROComponent(owner, std::move(name)) {
    if (auto* form = dynamic_cast<WindowOwner*>(owner)) {
        switch (form->FormStyle()) {
        case TFormStyle::fsMDIChild: ownerKind_ = 1; break;
        case TFormStyle::fsMDIForm: ownerKind_ = 2; break;
        default: break;
        }
    }
}

TROWndProcComponent::~TROWndProcComponent() { UnhookOwner(); }

void TROWndProcComponent::SetEnabled(bool value) {
    if (value == enabled_)
        return;
    enabled_ = value;
    if (isDesigning())
        return;
    if (value)
        Activate();
    else
        Deactivate();
}

WindowHandle* TROWndProcComponent::OwnerWindow() {
    auto* owner = dynamic_cast<WindowOwner*>(Owner());
    if (!owner)
        return nullptr;
    try {
        if (ownerKind_ == 2 && !hookMDIFrame_)
            return owner->ClientHandle();
        return owner->HandleNeeded();
    } catch (...) {
        return nullptr;
    }
}

bool TROWndProcComponent::CanPaint() const {
    const auto* owner = dynamic_cast<const WindowOwner*>(Owner());
    return owner && owner->HandleAllocated() && !isLoading() && !isDestroying();
}

bool TROWndProcComponent::HookOwner() {
    WindowHandle* window = OwnerWindow();
    if (!window || previousProc_ || isDesigning())
        return false;
    try {
        ownerDestroyed_ = false;
        if (hookMainWindow_ && Application::exists()) {
            Application::instance().HookMainWindow(this, [this](TMessage& m) { return MainWindowHook(m); });
            mainWindowHooked_ = true;
        }
        thunkState_ = std::make_shared<ThunkState>();
        thunkState_->target = this;
        windowThunk_ = [state = thunkState_](WindowHandle& w, unsigned msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (state->target)
                return state->target->dispatch(w, msg, wParam, lParam);
            return state->previous ? state->previous(w, msg, wParam, lParam) : 0;
        };
        previousProc_ = window->windowProc();
        if (!previousProc_)
            previousProc_ = [](WindowHandle&, unsigned, WPARAM, LPARAM) -> LRESULT { return 0; };
        thunkState_->previous = previousProc_;
        window->setWindowProc(windowThunk_);
        return true;
    } catch (const std::exception&) {
        UnhookOwner();
        return false;
    }
}

bool TROWndProcComponent::UnhookOwner() {
    if (previousProc_) {
        // Detaching runs in destructors too, so it never raises; a window that
        // refuses leaves the hook, which then only passes messages on.
        try {
            if (WindowHandle* window = OwnerWindow())
                window->setWindowProc(previousProc_);
        } catch (...) {
        }
    }
    previousProc_ = nullptr;
    if (thunkState_) {
        thunkState_->target = nullptr;
        thunkState_.reset();
    }
    windowThunk_ = nullptr;
    if (hookMainWindow_ && mainWindowHooked_) {
        if (Application::exists())
            Application::instance().UnhookMainWindow(this);
        mainWindowHooked_ = false;
    }
    ownerDestroyed_ = false;
    return true;
}

bool TROWndProcComponent::MainWindowHook(TMessage&) { return true; }

void TROWndProcComponent::Activate() {
    if (enabled_ && !windowThunk_)
        HookOwner();
}

void TROWndProcComponent::Deactivate() {}

void TROWndProcComponent::WindowProc(TMessage& m) {
    if (ownerDestroyed_)
        return;
    if (m.Msg == WM_DESTROY) {
        ownerDestroyed_ = true;
        if (ownerKind_ == 1) {
            UnhookOwner();
            return;
        }
    }
    PassOn(m);
}

void TROWndProcComponent::Loaded() {
    TROComponent::Loaded();
    if (!isDesigning())
        Activate();
}

void TROWndProcComponent::PassOn(TMessage& m) {
    if (!previousProc_)
        return;
    // Held here: the call may end with this component detached.
    const TWndProc previous = previousProc_;
    WindowHandle* window = current_ ? current_ : OwnerWindow();
    if (window)
        m.Result = previous(*window, m.Msg, m.WParam, m.LParam);
}

LRESULT TROWndProcComponent::dispatch(WindowHandle& window, unsigned msg, WPARAM wParam, LPARAM lParam) {
    TMessage m{msg, wParam, lParam, 0};
    WindowHandle* outer = current_;
    current_ = &window;
    try {
        WindowProc(m);
    } catch (...) {
        current_ = outer;
        throw;
    }
    current_ = outer;
    return m.Result;
}

}  // namespace pellax
