#pragma once

// The window of a TForm, for the files that make up TForm; nothing else needs it.

#include "framework/windows/application.h"
#include "framework/windows/form.h"

#include <utility>

namespace pellax {

// The form's window as hooks and caption painters see it.
class TForm::FormWindow final : public WindowHandle {
public:
    // Qt hands the window manager the program's name in place of an empty title;
    // a blank one is what every window list shows as no title.
    static QString platformTitle(const QString& caption) { return caption.isEmpty() ? QStringLiteral(" ") : caption; }

    explicit FormWindow(TForm& form) : form_(form) {
        // At the end of every chain: the main window's hooks, then the form's own handling.
        proc_ = [f = &form](WindowHandle&, unsigned msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (Application::exists() && Application::instance().MainForm() == f) {
                TMessage m{msg, wParam, lParam, 0};
                if (Application::instance().dispatchMainWindowHooks(m))
                    return m.Result;
            }
            return f->Perform(msg, wParam, lParam);
        };
    }

    bool windowExists() const override { return form_.handleAllocated_ && !form_.destroyed_; }
    bool windowVisible() const override { return form_.isVisible(); }
    bool windowMinimised() const override { return form_.isMinimized(); }
    // The window draws its own frame, so its rectangle is its geometry. Qt's
    // frame geometry adds the window manager's frame, which for a moment after
    // the window is mapped can be a 1 x 1 placeholder: a caption painted then
    // would be painted to no width.
    TRect windowRect() const override { return fromQRect(form_.geometry()); }
    std::uint32_t windowStyle() const override {
        std::uint32_t style = form_.styles().style;
        if (form_.isVisible())
            style |= WS_VISIBLE;
        if (form_.isMinimized())
            style |= WS_MINIMIZE;
        return style;
    }
    std::uint32_t windowExStyle() const override { return form_.styles().exStyle; }
    TWndProc windowProc() const override { return proc_; }
    void setWindowProc(TWndProc proc) override { proc_ = std::move(proc); }
    QPaintDevice* GetWindowDC() override { return form_.takeDC(); }
    void ReleaseDC() override { form_.giveBackDC(); }

private:
    TForm& form_;
    TWndProc proc_;
};

}  // namespace pellax
