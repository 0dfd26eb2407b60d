#pragma once

#include "framework/paint/geometry.h"

#include <cstdint>
#include <functional>

class QPaintDevice;

namespace pellax {

// Message parameters and results, as wide as the desktop's.
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

// Messages a window procedure sees, with the desktop's numbers. For the text
// requests LPARAM points to a QString: the buffer that WM_GETTEXT fills with
// at most WPARAM - 1 characters, or the new text of WM_SETTEXT.
inline constexpr unsigned WM_DESTROY = 0x0002;
inline constexpr unsigned WM_SETTEXT = 0x000C;
inline constexpr unsigned WM_GETTEXT = 0x000D;
inline constexpr unsigned WM_GETTEXTLENGTH = 0x000E;
inline constexpr unsigned WM_NCPAINT = 0x0085;
inline constexpr unsigned WM_NCACTIVATE = 0x0086;

// A message with its result, as hook components handle it.
struct TMessage {
    unsigned Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Window style bits.
inline constexpr std::uint32_t WS_POPUP = 0x80000000u;
inline constexpr std::uint32_t WS_CHILD = 0x40000000u;
inline constexpr std::uint32_t WS_MINIMIZE = 0x20000000u;
inline constexpr std::uint32_t WS_VISIBLE = 0x10000000u;
inline constexpr std::uint32_t WS_CLIPSIBLINGS = 0x04000000u;
inline constexpr std::uint32_t WS_CLIPCHILDREN = 0x02000000u;
inline constexpr std::uint32_t WS_BORDER = 0x00800000u;
inline constexpr std::uint32_t WS_DLGFRAME = 0x00400000u;
inline constexpr std::uint32_t WS_CAPTION = WS_BORDER | WS_DLGFRAME;
inline constexpr std::uint32_t WS_SYSMENU = 0x00080000u;
inline constexpr std::uint32_t WS_THICKFRAME = 0x00040000u;
inline constexpr std::uint32_t WS_MINIMIZEBOX = 0x00020000u;
inline constexpr std::uint32_t WS_MAXIMIZEBOX = 0x00010000u;

// Extended window style bits.
inline constexpr std::uint32_t WS_EX_DLGMODALFRAME = 0x00000001u;
inline constexpr std::uint32_t WS_EX_TOOLWINDOW = 0x00000080u;
inline constexpr std::uint32_t WS_EX_WINDOWEDGE = 0x00000100u;
inline constexpr std::uint32_t WS_EX_CONTEXTHELP = 0x00000400u;
inline constexpr std::uint32_t WS_EX_RTLREADING = 0x00002000u;

class WindowHandle;

// A window procedure: handles one message for `window` and gives its result.
using TWndProc = std::function<LRESULT(WindowHandle& window, unsigned msg, WPARAM wParam, LPARAM lParam)>;

// A window as the desktop sees it: the queries a caption painter makes, its
// replaceable window procedure, and a surface over the whole window, frame
// included. Forms have one; tests make fakes.
class WindowHandle {
public:
    virtual ~WindowHandle() = default;

    virtual bool windowExists() const = 0;
    virtual bool windowVisible() const = 0;
    virtual bool windowMinimised() const = 0;
    // The whole window, frame included, in screen coordinates.
    virtual TRect windowRect() const = 0;
    virtual std::uint32_t windowStyle() const = 0;
    virtual std::uint32_t windowExStyle() const = 0;

    // The procedure every message sent to the window goes through.
    virtual TWndProc windowProc() const = 0;
    virtual void setWindowProc(TWndProc proc) = 0;

    // Sends a message through the current procedure.
    LRESULT sendMessage(unsigned msg, WPARAM wParam = 0, LPARAM lParam = 0) {
        const TWndProc proc = windowProc();
        return proc ? proc(*this, msg, wParam, lParam) : 0;
    }

    // The surface of the whole window, origin at its top-left corner, or
    // nullptr when there is none; handed back with ReleaseDC so that the
    // window shows what was drawn.
    virtual QPaintDevice* GetWindowDC() = 0;
    virtual void ReleaseDC() = 0;
};

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

// What a component that hooks its owner's window needs of that owner: the
// window (created on demand), the client window of a multi-document frame,
// and the form style. Forms are such owners; tests make fakes.
class WindowOwner {
public:
    virtual ~WindowOwner() = default;
    // The owner's window, created when it does not exist yet. May raise, or
    // give nullptr, when it cannot be had.
    virtual WindowHandle* HandleNeeded() = 0;
    virtual bool HandleAllocated() const = 0;
    // The client window of a multi-document frame; nullptr for other forms.
    virtual WindowHandle* ClientHandle() = 0;
    virtual TFormStyle FormStyle() const = 0;
};

}  // namespace pellax
