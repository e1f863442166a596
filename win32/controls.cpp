#include "controls.h"

#include "accessibility.h"

#include <commctrl.h>
#include <richedit.h>
#include <uxtheme.h>

#include <cmath>
#include <map>
#include <tuple>

RECT scaledRect(int x, int y, int width, int height, UINT dpi)
{
    const int left = scaled(x, dpi), top = scaled(y, dpi);
    return {left, top, left + scaled(width, dpi), top + scaled(height, dpi)};
}

COLORREF colourRef(design::Colour colour)
{
    return colour & design::systemFlag ? GetSysColor(int(colour & ~design::systemFlag)) : COLORREF(colour);
}

double contrastRatio(COLORREF a, COLORREF b)
{
    const auto luminance = [](COLORREF colour) {
        const auto linear = [](BYTE value) {
            const double v = value / 255.0;
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(GetRValue(colour)) + 0.7152 * linear(GetGValue(colour)) + 0.0722 * linear(GetBValue(colour));
    };
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

HBRUSH dcBrush(HDC dc, design::Colour colour)
{
    SetDCBrushColor(dc, colourRef(colour));
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

bool desktopHighContrast()
{
    HIGHCONTRASTW setting{sizeof setting};
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0)
           && (setting.dwFlags & HCF_HIGHCONTRASTON);
}

Colours coloursOf(const design::Control &control)
{
    using design::Kind;
    if (!highContrastOn() || control.background == design::noColour || control.kind == Kind::Picture)
        return {control.foreground, control.background};
    switch (control.kind) {
    case Kind::Line:
        return {design::noColour, design::system(COLOR_HIGHLIGHT)};
    case Kind::Button:
        return {design::system(COLOR_BTNTEXT), design::system(COLOR_BTNFACE)};
    case Kind::TextBox:
        // Disabled text in the desktop's grey, as long as that grey stays readable on its window.
        if ((control.flags & design::Disabled)
            && contrastRatio(GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_WINDOW)) >= 4.5)
            return {design::system(COLOR_GRAYTEXT), design::system(COLOR_WINDOW)};
        [[fallthrough]];
    default:
        return {design::system(COLOR_WINDOWTEXT), design::system(COLOR_WINDOW)};
    }
}

void followDesktopColours(HWND parent, std::span<const design::Control> controls)
{
    // A themed push button keeps its theme's colours whatever the desktop's: under high contrast it
    // goes unthemed, in the desktop's. A blank theme name matches no theme; an empty one Wine ignores.
    const wchar_t *theme = highContrastOn() ? L" " : nullptr;
    for (const design::Control &control : controls) {
        const HWND child = GetDlgItem(parent, controlId(control.id));
        SendMessageW(child, WM_SYSCOLORCHANGE, 0, 0);
        if (control.kind == design::Kind::Button && control.background == design::noColour)
            SetWindowTheme(child, theme, theme);
    }
}

namespace {

// Made once per font and density, and kept for the run.
HFONT fontFor(const design::Font &font, UINT dpi)
{
    static std::map<std::tuple<std::wstring, int, bool, UINT>, HFONT> made;
    HFONT &handle = made[{font.face ? font.face : L"", font.centipoints, font.bold, dpi}];
    if (handle)
        return handle;
    LOGFONTW logFont{};
    if (font.face) {
        // Points to pixels at this density, rounded as the desktop rounds them.
        logFont.lfHeight = -LONG(std::lround(font.centipoints * double(dpi) / 7200.0));
        logFont.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
        logFont.lfCharSet = ANSI_CHARSET;
        lstrcpynW(logFont.lfFaceName, font.face, LF_FACESIZE);
    } else {
        // The desktop's message font, as its boxes and buttons show it everywhere.
        NONCLIENTMETRICSW metrics{sizeof metrics};
        SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi);
        logFont = metrics.lfMessageFont;
    }
    return handle = CreateFontIndirectW(&logFont);
}

// The window class, style and extended style of a control.
std::tuple<const wchar_t *, DWORD, DWORD> windowKind(const design::Control &control)
{
    using design::Kind;
    const DWORD readOnly = control.flags & design::ReadOnly ? ES_READONLY : 0;
    const DWORD focus = control.flags & design::Disabled ? WS_DISABLED : WS_TABSTOP;
    switch (control.kind) {
    case Kind::Picture:
        return {WC_STATICW, SS_OWNERDRAW, 0};
    case Kind::Line:
    case Kind::LiveText:
        return {WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
    case Kind::Label:
        return {WC_STATICW, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0};
    case Kind::Option:
        // Tab stops at the chosen one of the group, which the buttons keep up themselves.
        return {WC_BUTTONW, BS_AUTORADIOBUTTON, 0};
    case Kind::TextBox:
        return {WC_EDITW, ES_AUTOHSCROLL | readOnly | focus, WS_EX_CLIENTEDGE};
    case Kind::Button:
        return {WC_BUTTONW, DWORD(control.background == design::noColour ? BS_PUSHBUTTON : BS_OWNERDRAW) | WS_TABSTOP, 0};
    case Kind::RichText:
        return {MSFTEDIT_CLASS, ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP | readOnly, 0};
    }
    return {WC_STATICW, 0, 0};
}

// A disabled box draws its text in the desktop's disabled grey, which vanishes on the grey that
// Windows 10 gives the Force box's window-frame colour: these boxes draw it in their own colours.
LRESULT CALLBACK disabledBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_PAINT) {
        const Colours colours = coloursOf(*reinterpret_cast<const design::Control *>(data));
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(box, &paint);
        RECT area;
        GetClientRect(box, &area);
        FillRect(dc, &area, dcBrush(dc, colours.background));
        const HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        SetTextColor(dc, colourRef(colours.text));
        SetBkMode(dc, TRANSPARENT);
        area.left += LOWORD(SendMessageW(box, EM_GETMARGINS, 0, 0));
        wchar_t text[64]{};
        GetWindowTextW(box, text, 64);
        DrawTextW(dc, text, -1, &area, DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL);
        SelectObject(dc, oldFont);
        EndPaint(box, &paint);
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, disabledBoxProc, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

// How far a caption's ink reaches in `font`, drawn from 0 as a label draws it: past its advance
// where glyphs overhang, which no metric tells (Wine's Tahoma at 120 dpi draws "Intelligence:" 2
// pixels past its advance, its colon reporting no overhang). An overhang is less than the font's
// height: a caption whose advance leaves that much of `designed` free fits, and is not drawn.
int inkWidth(HFONT font, const wchar_t *caption, int designed)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    const int length = lstrlenW(caption);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption, length, &extent);
    int reach = extent.cx;
    // Black on white, with room on the right for whatever hangs over the advance.
    const int width = extent.cx + extent.cy;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -extent.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *bits = nullptr;
    const bool couldExceed = width > designed && extent.cy > 0;
    if (const HBITMAP bitmap = couldExceed ? CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr) {
        const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        PatBlt(dc, 0, 0, width, extent.cy, WHITENESS);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, 0, 0, caption, length);
        GdiFlush();
        const auto *pixels = static_cast<const DWORD *>(bits);
        for (int i = 0; i < width * extent.cy; ++i) {
            if ((pixels[i] & 0xFFFFFF) != 0xFFFFFF)
                reach = std::max(reach, i % width + 1);
        }
        DeleteObject(SelectObject(dc, oldBitmap));
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return reach;
}

// Where a control goes at `dpi`: a label grows to its caption's ink where the design leaves it room.
RECT placeOf(const design::Window &window, std::span<const design::Control> controls, std::size_t i, HFONT font, UINT dpi)
{
    const design::Control &control = controls[i];
    RECT place = scaledRect(control.x, control.y, control.width, control.height, dpi);
    if (control.kind == design::Kind::Label) {
        const int designed = place.right - place.left;
        const int room = scaled(design::roomFor(controls, i, window.clientWidth), dpi);
        place.right = place.left + design::captionWidth(designed, room, inkWidth(font, control.caption, designed));
    }
    return place;
}

} // namespace

void createControls(HWND parent, const design::Window &window, std::span<const design::Control> controls, UINT dpi)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const Microsoft::WRL::ComPtr<IAccPropServices> services = accPropServices();
    bool groupOpen = false;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const design::Control &control = controls[i];
        const auto [className, style, exStyle] = windowKind(control);
        // The option buttons make one group, which the arrow keys move in and Tab enters once;
        // whatever follows it starts the next.
        const bool option = control.kind == design::Kind::Option;
        const DWORD group = option != groupOpen || i == 0 ? WS_GROUP : 0;
        groupOpen = option;
        const DWORD firstOption = option && group ? WS_TABSTOP : 0;
        // Made where it stays, in its font: each later move or change of font is a round trip
        // to the window server and a redraw.
        const HFONT font = fontFor(control.font, dpi);
        const RECT place = placeOf(window, controls, i, font, dpi);
        const HWND child = CreateWindowExW(exStyle, className, control.caption,
                                           WS_CHILD | WS_VISIBLE | style | group | firstOption, place.left, place.top,
                                           place.right - place.left, place.bottom - place.top, parent,
                                           reinterpret_cast<HMENU>(INT_PTR(controlId(control.id))), instance, nullptr);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        // Themed option buttons ignore the colours their window gives them.
        if (option)
            SetWindowTheme(child, L"", L"");
        if (const int length = design::typedLength(control.flags))
            SendMessageW(child, EM_LIMITTEXT, WPARAM(length), 0);
        if (control.kind == design::Kind::TextBox && (control.flags & design::Disabled))
            SetWindowSubclass(child, disabledBoxProc, 0, reinterpret_cast<DWORD_PTR>(&control));
        annotate(services.Get(), child, control);
    }
}

void layOutControls(HWND parent, const design::Window &window, std::span<const design::Control> controls, UINT dpi)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const HWND child = GetDlgItem(parent, firstControlId + int(i));
        const HFONT font = fontFor(controls[i].font, dpi);
        const RECT place = placeOf(window, controls, i, font, dpi);
        SetWindowPos(child, nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    }
}
