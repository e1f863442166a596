#pragma once

#include "controls.h"

// A top-level window owned by a C++ object, which the window procedure keeps in GWLP_USERDATA from
// WM_NCCREATE on. Derived classes answer in HandleMessage, whose switch only hands each message to a named handler.
template<typename Derived>
class BaseWindow
{
public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow &) = delete;
    BaseWindow &operator=(const BaseWindow &) = delete;
    ~BaseWindow()
    {
        // The derived object is gone by now: the window's last messages get the default handling.
        if (window) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            DestroyWindow(window);
        }
    }

    HWND hwnd() const { return window; }

protected:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        auto *self = reinterpret_cast<Derived *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_NCCREATE) {
            self = static_cast<Derived *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
            self->window = hwnd;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
        if (!self)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        if (self->moveFocus(message, wParam, lParam))
            return 0;
        // Of the settings, only high contrast changes what the windows show, as the colours do.
        if (message == WM_SETTINGCHANGE)
            return wParam == SPI_SETHIGHCONTRAST ? self->HandleMessage(WM_SYSCOLORCHANGE, 0, 0) : 0;
        // At another density the frame takes the place the desktop suggests; the handler lays out the rest.
        if (message == WM_DPICHANGED) {
            const RECT &frame = *reinterpret_cast<const RECT *>(lParam);
            SetWindowPos(hwnd, nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->window = nullptr;
        }
        return result;
    }

    // Registers the class with the program's icon unless it is already, then makes the window,
    // its client area where the design says on the primary screen.
    bool createWindow(const wchar_t *className, const design::Window &design, DWORD style, HMENU menu, HBRUSH background)
    {
        const UINT dpi = GetDpiForSystem();
        RECT frame = scaledRect(design.clientX, design.clientY, design.clientWidth, design.clientHeight, dpi);
        AdjustWindowRectExForDpi(&frame, style, menu != nullptr, 0, dpi);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        const auto icon = [instance](int size) {
            return static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, size, size, LR_SHARED));
        };
        WNDCLASSEXW windowClass{sizeof windowClass};
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = icon(GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = icon(GetSystemMetrics(SM_CXSMICON));
        windowClass.hbrBackground = background;
        windowClass.lpszClassName = className;
        RegisterClassExW(&windowClass);
        return CreateWindowExW(0, className, design.title, style, frame.left, frame.top, frame.right - frame.left,
                               frame.bottom - frame.top, nullptr, menu, instance, static_cast<Derived *>(this));
    }

private:
    // The focus moves as in a dialog box: Tab and Shift+Tab as IsDialogMessage asks, back to where
    // it was when the window was left, or else to the first tab stop. Returns whether it handled the message.
    bool moveFocus(UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE && IsChild(window, GetFocus()))
                focus = GetFocus();
            return false;
        case WM_SETFOCUS:
            if (!focus || !IsChild(window, focus))
                focus = GetNextDlgTabItem(window, nullptr, FALSE);
            if (focus)
                SetFocus(focus);
            return true;
        case WM_NEXTDLGCTL: {
            // WPARAM is the control to focus when LPARAM says so, otherwise whether to go back.
            const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                             : GetNextDlgTabItem(window, GetFocus(), wParam != 0);
            if (next) {
                SetFocus(next);
                if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    SendMessageW(next, EM_SETSEL, 0, -1);
            }
            return true;
        }
        }
        return false;
    }

    HWND window = nullptr;
    HWND focus = nullptr;
};
