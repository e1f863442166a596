// The least the calculator's window can cost on the Windows API: the same window, menu, icon and
// manifest, and the same 36 controls from the design (classes, styles, places, fonts, colours,
// the owner-drawn button, the option group, the subclassed boxes), each made once at its place
// in its font by a plain CreateWindowExW loop, under the same IsDialogMessage loop. It leaves
// out what no bare window has: the banner, what screen readers are told beyond the controls,
// the ink measured to widen labels. bench/run-wine reads the program's start-up against it.

#include "forms.h"

#include <windows.h>
#include <commctrl.h>
#include <uxtheme.h>

#include <cmath>
#include <cstddef>
#include <map>
#include <tuple>

namespace {

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr int firstId = 100;
const auto &controls = design::tables::form1;

COLORREF colourRef(design::Colour colour)
{
    return colour & design::systemFlag ? GetSysColor(int(colour & ~design::systemFlag)) : COLORREF(colour);
}

HBRUSH dcBrush(HDC dc, design::Colour colour)
{
    SetDCBrushColor(dc, colourRef(colour));
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

HFONT fontFor(const design::Font &font, UINT dpi)
{
    static std::map<std::tuple<const wchar_t *, int, bool>, HFONT> made;
    HFONT &handle = made[{font.face, font.centipoints, font.bold}];
    if (handle)
        return handle;
    LOGFONTW logFont{};
    if (font.face) {
        logFont.lfHeight = -LONG(std::lround(font.centipoints * double(dpi) / 7200.0));
        logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        logFont.lfCharSet = ANSI_CHARSET;
        lstrcpynW(logFont.lfFaceName, font.face, LF_FACESIZE);
    } else {
        NONCLIENTMETRICSW metrics{sizeof metrics};
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
        logFont = metrics.lfMessageFont;
    }
    return handle = CreateFontIndirectW(&logFont);
}

std::tuple<const wchar_t *, DWORD, DWORD> windowKind(const design::Control &control)
{
    using design::Kind;
    const DWORD readOnly = control.flags & design::ReadOnly ? ES_READONLY : 0;
    const DWORD focus = control.flags & design::Disabled ? WS_DISABLED : WS_TABSTOP;
    switch (control.kind) {
    case Kind::Picture:
        return {WC_STATICW, SS_OWNERDRAW, 0};
    case Kind::Label:
        return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::Option:
        return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case Kind::TextBox:
        return {WC_EDITW, ES_AUTOHSCROLL | readOnly | focus, WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {WC_BUTTONW, BS_OWNERDRAW | WS_TABSTOP, 0};
    default:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    }
}

LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_CHAR && wParam != VK_BACK && (wParam < L'0' || wParam > L'9'))
        return 0;
    return DefSubclassProc(box, message, wParam, lParam);
}

void createControls(HWND window)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const UINT dpi = GetDpiForWindow(window);
    bool groupOpen = false;
    for (std::size_t i = 0; i < std::size(controls); ++i) {
        const design::Control &control = controls[i];
        const auto [className, kindStyle, exStyle] = windowKind(control);
        const bool option = control.kind == design::Kind::Option;
        const DWORD group = option != groupOpen || i == 0 ? WS_GROUP : 0;
        groupOpen = option;
        const DWORD firstOption = option && group ? WS_TABSTOP : 0;
        const HWND child = CreateWindowExW(exStyle, className, control.caption,
                                           WS_CHILD | WS_VISIBLE | kindStyle | group | firstOption,
                                           MulDiv(control.x, int(dpi), 96), MulDiv(control.y, int(dpi), 96),
                                           MulDiv(control.width, int(dpi), 96), MulDiv(control.height, int(dpi), 96),
                                           window, reinterpret_cast<HMENU>(INT_PTR(firstId + int(i))), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(control.font, dpi)), FALSE);
        if (option)
            SetWindowTheme(child, L"", L"");
        if (control.kind == design::Kind::TextBox) {
            if (control.flags & design::FourCharacters)
                SendMessageW(child, EM_LIMITTEXT, 4, 0);
            SetWindowSubclass(child, boxProc, 0, 0);
        }
    }
}

void drawButton(const DRAWITEMSTRUCT &item)
{
    const design::Control &button = controls[item.CtlID - firstId];
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, dcBrush(item.hDC, button.background));
    DrawEdge(item.hDC, &face, EDGE_RAISED, BF_RECT | BF_ADJUST);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colourRef(button.foreground));
    DrawTextW(item.hDC, button.caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        createControls(window);
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN: {
        const int row = GetDlgCtrlID(HWND(lParam)) - firstId;
        if (row < 0 || row >= int(std::size(controls)) || controls[row].background == design::noColour)
            break;
        const HDC dc = HDC(wParam);
        if (controls[row].foreground != design::noColour)
            SetTextColor(dc, colourRef(controls[row].foreground));
        SetBkColor(dc, colourRef(controls[row].background));
        return reinterpret_cast<LRESULT>(dcBrush(dc, controls[row].background));
    }
    case WM_DRAWITEM: {
        const auto &item = *reinterpret_cast<const DRAWITEMSTRUCT *>(lParam);
        if (item.CtlType == ODT_BUTTON)
            drawButton(item);
        else
            FillRect(item.hDC, &item.rcItem, dcBrush(item.hDC, design::black));
        return TRUE;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    const INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&common);

    WNDCLASSEXW windowClass{sizeof windowClass};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                                        LR_SHARED));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = L"Floor";
    if (!RegisterClassExW(&windowClass))
        return 1;

    const HMENU plus = CreatePopupMenu();
    AppendMenuW(plus, MF_STRING, 1, design::aboutItem);
    AppendMenuW(plus, MF_STRING, 2, design::quitItem);
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plus), design::menuTitle);

    const UINT dpi = GetDpiForSystem();
    const design::Window &form = design::form1;
    RECT frame{MulDiv(form.clientX, int(dpi), 96), MulDiv(form.clientY, int(dpi), 96),
               MulDiv(form.clientX + form.clientWidth, int(dpi), 96), MulDiv(form.clientY + form.clientHeight, int(dpi), 96)};
    AdjustWindowRectExForDpi(&frame, style, TRUE, 0, dpi);
    const HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Floor", style, frame.left, frame.top,
                                        frame.right - frame.left, frame.bottom - frame.top, nullptr, bar, instance,
                                        nullptr);
    if (!window)
        return 1;
    ShowWindow(window, show);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
