#include "Form1.h"

#include "accessibility.h"
#include "appinfo.h"

#include <commctrl.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

using enum design::Form1Control;

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;

static HMENU makeMenu()
{
    const HMENU plus = CreatePopupMenu();
    AppendMenuW(plus, MF_STRING, Form1::aboutCommand, design::aboutItem);
    AppendMenuW(plus, MF_STRING, Form1::quitCommand, design::quitItem);
    const HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(plus), design::menuTitle);
    return bar;
}

// How the user's regional settings write numbers; most leave the positive sign empty: "+".
static std::u16string localeText(LCTYPE item, std::u16string_view fallback)
{
    wchar_t text[LOCALE_NAME_MAX_LENGTH]{};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, item, text, LOCALE_NAME_MAX_LENGTH);
    return *text ? std::u16string(reinterpret_cast<const char16_t *>(text)) : std::u16string(fallback);
}

// The colours a label, option button, text box or line paints itself with.
static LRESULT controlColours(HWND control, HDC dc)
{
    const std::size_t row = std::size_t(GetDlgCtrlID(control) - firstControlId);
    if (row >= design::form1Controls.size() || design::form1Controls[row].background == design::noColour)
        return 0;
    const Colours colours = coloursOf(design::form1Controls[row]);
    if (colours.text != design::noColour)
        SetTextColor(dc, colourRef(colours.text));
    SetBkColor(dc, colourRef(colours.background));
    return reinterpret_cast<LRESULT>(dcBrush(dc, colours.background));
}

// The picture brought to another size, smoothly, by the imaging component: loaded only where
// the screen needs it, since its COM activation loads five libraries.
static bool rescale(const BYTE *picture, int width, int height, const design::BannerArt &art, BYTE *pixels)
{
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> source;
    ComPtr<IWICBitmapScaler> scaler;
    const UINT stride = UINT(art.width) * 4;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(factory.GetAddressOf())))
           && SUCCEEDED(factory->CreateBitmapFromMemory(UINT(width), UINT(height), GUID_WICPixelFormat32bppPBGRA,
                                                        UINT(width) * 4, UINT(width * height * 4),
                                                        const_cast<BYTE *>(picture), &source))
           && SUCCEEDED(factory->CreateBitmapScaler(&scaler))
           && SUCCEEDED(scaler->Initialize(source.Get(), UINT(art.width), UINT(art.height), WICBitmapInterpolationModeFant))
           && SUCCEEDED(scaler->CopyPixels(nullptr, stride, stride * UINT(art.height), pixels));
}

// The banner from the program's resources for a screen of `dpi`, as design::bannerArt chooses
// it, at the picture's size there: premultiplied, its one transparent colour clear, so that the
// black behind it shows. Null if the artwork cannot be read.
static HBITMAP loadBanner(UINT dpi)
{
    const design::BannerArt art = design::bannerArt(dpi / 96.0);
    const int width = art.artWidth, height = art.artHeight;
    // The artwork's pixels as the resources keep them, decoded already.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, art.doubleSize ? L"BANNER2X" : L"BANNER", RT_RCDATA);
    if (!found || SizeofResource(module, found) != DWORD(width * height * 4))
        return nullptr;
    const auto *picture = static_cast<const BYTE *>(LockResource(LoadResource(module, found)));
    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), art.width, -art.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (bitmap && !art.rescaled)
        std::memcpy(pixels, picture, std::size_t(width * height * 4));
    else if (bitmap && !rescale(picture, width, height, art, static_cast<BYTE *>(pixels))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

// Only keys that type come here: Tab and the Delete key never come as characters.
static LRESULT CALLBACK wantedBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_CHAR && !calc::wantedBoxTakes(std::u16string(1, char16_t(wParam))))
        return 0;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, wantedBoxProc, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

Form1::~Form1()
{
    DeleteObject(banner);
}

bool Form1::create()
{
    return createWindow(L"Form1", design::form1, style, makeMenu(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        if (const LRESULT brush = controlColours(HWND(lParam), HDC(wParam)))
            return brush;
        break;
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
        return TRUE;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam));
        return 0;
    case WM_ERASEBKGND:
        OnEraseBackground(reinterpret_cast<HDC>(wParam));
        return TRUE;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

void Form1::OnCreate()
{
    const UINT dpi = GetDpiForWindow(hwnd());
    createControls(hwnd(), design::form1, design::form1Controls, dpi);
    for (const auto box : {force2, endu2, dext2, sag2, intel2})
        SetWindowSubclass(control(box), wantedBoxProc, 0, 0);
    banner = loadBanner(dpi);
}

void Form1::OnCommand(int id, int code)
{
    if (id == aboutCommand)
        return about_Click();
    if (id == quitCommand)
        return quit_Click();
    if (code != BN_CLICKED)
        return;
    // Enter on the button, which draws itself and so is no push button to the dialog manager,
    // comes as IDOK, as wherever no push button is the default.
    const auto source = id == IDOK && GetFocus() == control(calcul) ? calcul : design::Form1Control(id - firstControlId);
    // An option that is not chosen reports a click too when it takes the focus (on Windows and Wine 10,
    // the first one as soon as the window opens): a preset runs only for the chosen option.
    if (source != calcul && IsDlgButtonChecked(hwnd(), id) != BST_CHECKED)
        return;
    for (const auto &[button, handler] : design::form1Clicks)
        if (button == source)
            handler(*this);
}

// The button's face is painted in its design colour, which a themed push button would not do.
static void drawButton(const DRAWITEMSTRUCT &item)
{
    const design::Control &button = design::form1Controls[item.CtlID - firstControlId];
    const Colours colours = coloursOf(button);
    RECT face = item.rcItem;
    FillRect(item.hDC, &face, dcBrush(item.hDC, colours.background));
    DrawEdge(item.hDC, &face, item.itemState & ODS_SELECTED ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_ADJUST);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, colourRef(colours.text));
    if (item.itemState & ODS_SELECTED)
        OffsetRect(&face, 1, 1);
    DrawTextW(item.hDC, button.caption, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(item.hDC, &face);
    }
}

void Form1::OnDrawItem(const DRAWITEMSTRUCT &item)
{
    if (item.hwndItem != control(Image1))
        return drawButton(item);
    FillRect(item.hDC, &item.rcItem, dcBrush(item.hDC, design::form1.background));
    // The banner was made at the picture's size.
    const HDC memory = CreateCompatibleDC(item.hDC);
    const HGDIOBJ old = SelectObject(memory, banner);
    const SIZE size{item.rcItem.right - item.rcItem.left, item.rcItem.bottom - item.rcItem.top};
    AlphaBlend(item.hDC, 0, 0, size.cx, size.cy, memory, 0, 0, size.cx, size.cy, {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA});
    SelectObject(memory, old);
    DeleteDC(memory);
}

// Under high contrast the window's ground is the desktop's window colour, as behind its
// labels; the banner keeps its black.
void Form1::OnEraseBackground(HDC dc)
{
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, dcBrush(dc, highContrastOn() ? design::windowBackground : design::form1.background));
}

void Form1::OnSysColorChange()
{
    followDesktopColours(hwnd(), design::form1Controls);
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Form1::OnDestroy()
{
    clearAnnotations(hwnd(), design::form1Controls);
    // Closing the calculator ends the program, whether the about window is shown, hidden or
    // not loaded: nothing may keep running without a window.
    PostQuitMessage(0);
}

std::u16string Form1::text(design::Form1Control box) const
{
    // The box's UTF-16 as it stands, read straight into the computation's string.
    std::u16string text(std::size_t(GetWindowTextLengthW(control(box))), u'\0');
    GetWindowTextW(control(box), reinterpret_cast<wchar_t *>(text.data()), int(text.size()) + 1);
    return text;
}

void Form1::setText(design::Form1Control box, std::u16string_view text)
{
    SetWindowTextW(control(box), wide(text).c_str());
}

calc::NumberFormat Form1::numberFormat() const
{
    return {localeText(LOCALE_SDECIMAL, u"."), localeText(LOCALE_SNEGATIVESIGN, u"-"),
            localeText(LOCALE_SPOSITIVESIGN, u"+")};
}

void Form1::reportFailure(calc::Status status)
{
    MessageBoxW(hwnd(), wide(design::runTimeErrorMessage(status)).c_str(), appinfo::wideName, MB_OK | MB_ICONERROR);
}

// The live text's name is its text: a screen reader says it when told that it changed.
void Form1::announce(std::u16string_view text)
{
    SetWindowTextW(control(annonce), wide(text).c_str());
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, control(annonce), OBJID_CLIENT, CHILDID_SELF);
}

void Form1::about_Click()
{
    // One about window at most: shown again as it is, hidden or not, with its text as far
    // as it has got. Its close box unloads it, and then it loads afresh from nothing.
    if (!about.hwnd() && !about.create())
        return;
    ShowWindow(about.hwnd(), SW_SHOW);
    SetForegroundWindow(about.hwnd());
}

void Form1::quit_Click()
{
    // At once: nothing to save, nothing to ask.
    DestroyWindow(hwnd());
}

void Form1::OnDpiChanged(UINT dpi)
{
    layOutControls(hwnd(), design::form1, design::form1Controls, dpi);
    DeleteObject(banner);
    banner = loadBanner(dpi);
    InvalidateRect(hwnd(), nullptr, TRUE);
}
