#pragma once

#include "framework/files/exception.h"
#include "framework/windows/component.h"
#include "framework/windows/windowhandle.h"

#include <QImage>
#include <QString>

#include <vector>

namespace pellax::test {

// A window whose answers a test sets. Its own procedure records every message
// that reaches it; its surface is a picture the test can look at.
class FakeWindow : public WindowHandle {
public:
    FakeWindow() {
        proc = [this](WindowHandle&, unsigned msg, WPARAM, LPARAM lParam) -> LRESULT {
            received.push_back(msg);
            if (msg == WM_GETTEXTLENGTH)
                return text.size();
            if (msg == WM_GETTEXT) {
                *reinterpret_cast<QString*>(lParam) = text;
                return text.size();
            }
            return defaultResult;
        };
    }

    bool windowExists() const override { return exists; }
    bool windowVisible() const override { return visible; }
    bool windowMinimised() const override { return minimised; }
    TRect windowRect() const override { return rect; }
    std::uint32_t windowStyle() const override { return style; }
    std::uint32_t windowExStyle() const override { return exStyle; }
    TWndProc windowProc() const override { return proc; }
    void setWindowProc(TWndProc p) override {
        if (refuseProc)
            throw Exception(QStringLiteral("the window refuses a new procedure"));
        proc = std::move(p);
    }
    QPaintDevice* GetWindowDC() override {
        ++dcTaken;
        return surface.isNull() ? nullptr : &surface;
    }
    void ReleaseDC() override { ++dcReleased; }

    bool exists = true;
    bool visible = true;
    bool minimised = false;
    TRect rect;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    bool refuseProc = false;
    QString text;
    LRESULT defaultResult = 0;
    QImage surface;
    int dcTaken = 0;
    int dcReleased = 0;
    std::vector<unsigned> received;
    TWndProc proc;
};

// An owner form made of fake windows.
class FakeOwner : public TComponent, public WindowOwner {
public:
    explicit FakeOwner(TFormStyle formStyle = TFormStyle::fsNormal, bool designing = false)
        : TComponent(nullptr, QStringLiteral("FakeForm")), formStyle_(formStyle) {
        if (designing)
            setState(ComponentState::Designing, true);
    }

    WindowHandle* HandleNeeded() override {
        if (failHandle)
            throw Exception(QStringLiteral("no window to be had"));
        allocated = true;
        return &window;
    }
    bool HandleAllocated() const override { return allocated; }
    WindowHandle* ClientHandle() override { return formStyle_ == TFormStyle::fsMDIForm ? &client : nullptr; }
    TFormStyle FormStyle() const override { return formStyle_; }

    FakeWindow window;
    FakeWindow client;
    bool allocated = false;
    bool failHandle = false;

private:
    TFormStyle formStyle_;
};

}  // namespace pellax::test
