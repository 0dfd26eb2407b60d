#pragma once

#include "componentpack/roobject.h"
#include "framework/windows/windowhandle.h"

#include <cstdint>
#include <memory>

namespace pellax {

// A non-visual component that, once its owner form has loaded, takes over the
// window procedure of the owner's window: every message for that window goes
// through WindowProc first, which passes it on to the procedure it replaced.
//
// States: detached (no saved procedure) -> attached -> attached with the
// owner's window destroyed (inert: messages are swallowed) -> detached.
class TROWndProcComponent : public TROComponent {
public:
    explicit TROWndProcComponent(TComponent* owner, QString name = {});
    ~TROWndProcComponent() override;

    // False makes the component inert without taking the hook off.
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool value);
    // Attaching also registers MainWindowHook with the application.
    bool HookMainWindow() const noexcept { return hookMainWindow_; }
    void SetHookMainWindow(bool value) noexcept { hookMainWindow_ = value; }
    bool MainWindowHooked() const noexcept { return mainWindowHooked_; }
    // 0 ordinary owner, 1 multi-document child, 2 multi-document frame.
    std::uint8_t OwnerKind() const noexcept { return ownerKind_; }
    // Hook a multi-document frame's own window rather than its client window.
    bool HookMDIFrame() const noexcept { return hookMDIFrame_; }
    void SetHookMDIFrame(bool value) noexcept { hookMDIFrame_ = value; }
    bool OwnerDestroyed() const noexcept { return ownerDestroyed_; }
    bool Attached() const noexcept { return static_cast<bool>(previousProc_); }
    bool HasThunk() const noexcept { return static_cast<bool>(windowThunk_); }

    // The window that is (or would be) hooked, created when it does not exist
    // yet; nullptr without an owner window or when it cannot be had.
    WindowHandle* OwnerWindow();
    // The owner's window exists and this component is neither loading nor going away.
    bool CanPaint() const;

    bool HookOwner();
    bool UnhookOwner();

    // A message of the application's main window, while registered; true
    // tells the application that it has been handled.
    virtual bool MainWindowHook(TMessage& message);
    // Attaches, when enabled and not attached yet.
    virtual void Activate();
    virtual void Deactivate();
    // The hook. This one ends with the owner's destroy message; a subclass may
    // replace it entirely.
    virtual void WindowProc(TMessage& message);

protected:
    void Loaded() override;
    // The message's result from the procedure that was replaced.
    void PassOn(TMessage& message);

private:
    struct ThunkState;
    LRESULT dispatch(WindowHandle& window, unsigned msg, WPARAM wParam, LPARAM lParam);

    bool enabled_ = true;
    bool hookMainWindow_ = false;
    bool mainWindowHooked_ = false;
    std::uint8_t ownerKind_ = 0;
    std::shared_ptr<ThunkState> thunkState_;
    TWndProc windowThunk_;
    TWndProc previousProc_;
    bool ownerDestroyed_ = false;
    bool hookMDIFrame_ = false;
    // The window of the message being handled, for passing it on.
    WindowHandle* current_ = nullptr;
};

}  // namespace pellax
