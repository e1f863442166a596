// What a plain Win32 program costs before doing anything of its own: one top-level window with
// the calculator's frame, client area and place, a menu bar with one menu and a black
// background, nothing in it. bench/run-wine measures the Windows program's start-up against it.

#include <windows.h>

namespace {

// The calculator's frame: a caption, the system menu and the close box, no resizing.
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr RECT client{387, 190, 387 + 476, 190 + 276};

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"Baseline";
    if (!RegisterClassExW(&windowClass))
        return 1;

    // An empty menu still takes its place in the bar, as the calculator's "Plus" does.
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(CreatePopupMenu()), L"Plus");

    RECT frame = client;
    AdjustWindowRectEx(&frame, style, TRUE, 0);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Baseline", style, frame.left, frame.top,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr, bar,
                                        instance, nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
