// Drives the Windows program's real windows with the messages a user's clicks and keys make,
// and checks what they show. Run under Wine by CTest: tst_win32 DPI PROGRAM [doctest options],
// where DPI is the density the desktop is set to and PROGRAM the built d7aduzad.exe, which
// the last cases start and end as a user would. Each case opens its own calculator window and
// closes it at its end, so that a failure stays within its case.

#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest.h>

#include "Form1.h"
#include "accessibility.h"
#include "application.h"
#include "appinfo.h"
#include "behaviour.h"

#include <oleacc.h>
#include <richedit.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string narrow(std::wstring_view text)
{
    std::string out(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

} // namespace

bool operator==(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b);
}

namespace doctest {
template<>
struct StringMaker<std::wstring>
{
    static String convert(const std::wstring &text) { return ("\"" + narrow(text) + "\"").c_str(); }
};
template<>
struct StringMaker<RECT>
{
    static String convert(const RECT &r)
    {
        return ("(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") - (" + std::to_string(r.right) + ", "
                + std::to_string(r.bottom) + ")")
                .c_str();
    }
};
} // namespace doctest

namespace {

using enum design::Form1Control;
using enum design::Form2Control;
using design::Kind;

// The density the desktop is set to, and the program the last cases start: from the command line.
UINT dpi = 96;
std::wstring program;

std::wstring textOf(HWND window)
{
    std::wstring text(std::size_t(GetWindowTextLengthW(window)), L'\0');
    GetWindowTextW(window, text.data(), int(text.size()) + 1);
    return text;
}

// Runs the program's own message handling for `milliseconds`, timers included.
void pump(DWORD milliseconds = 0)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            processMessage(message);
        if (milliseconds)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < end);
}

// A key pressed on the control with the focus, through the same path as the program's own loop.
void pressKey(UINT key)
{
    MSG down{GetFocus(), WM_KEYDOWN, key, 1};
    processMessage(down);
    MSG up{GetFocus(), WM_KEYUP, key, LPARAM(0xC0000001)};
    processMessage(up);
    pump();
}

void typeInto(HWND box, std::wstring_view characters)
{
    SetFocus(box);
    for (const wchar_t c : characters)
        SendMessageW(box, WM_CHAR, c, 1);
}

void click(HWND button)
{
    SendMessageW(button, BM_CLICK, 0, 0);
    pump();
}

RECT clientOf(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return client;
}

RECT clientRectOnScreen(HWND window)
{
    RECT client = clientOf(window);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT *>(&client), 2);
    return client;
}

RECT rectInParent(HWND control)
{
    RECT place;
    GetWindowRect(control, &place);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT *>(&place), 2);
    return place;
}

COLORREF pixelAt(HWND window, int x, int y)
{
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

// Puts a variable back as it was at the end of a case, however the case ends.
template<typename T>
struct Restored
{
    T &variable;
    T saved = variable;
    ~Restored() { variable = saved; }
};

// The calculator window, opened and shown for one case and closed with the about window at
// its end.
struct Calculator
{
    Calculator()
    {
        REQUIRE_MESSAGE(form1.create(), "the calculator window opens");
        ShowWindow(form1.hwnd(), SW_SHOW);
        pump(100);
    }
    ~Calculator()
    {
        for (const HWND window : {form1.aboutWindow().hwnd(), form1.hwnd()}) {
            if (window)
                DestroyWindow(window);
        }
        pump();
    }

    HWND control(design::Form1Control id) const { return form1.control(id); }
    // x2 and the wanted values 50 45 30 30 40, which come to level 9 and 135 points.
    void enterTypicalUse()
    {
        click(control(x2));
        for (const auto &[box, value] : {std::pair{force2, L"50"}, {endu2, L"45"}, {dext2, L"30"}, {sag2, L"30"}, {intel2, L"40"}})
            SetWindowTextW(control(box), value);
    }
    // The about window, loaded and shown as the menu's About does.
    Form2 &openAbout()
    {
        SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
        return form1.aboutWindow();
    }

    Form1 form1;
};

// Both windows with their tables.
struct WindowUnderTest
{
    HWND window;
    const design::Window &design;
    std::span<const design::Control> controls;
};

std::array<WindowUnderTest, 2> bothWindows(Calculator &calculator)
{
    Form2 &about = calculator.openAbout();
    return {{{calculator.form1.hwnd(), design::form1, design::form1Controls},
             {about.hwnd(), design::form2, design::form2Controls}}};
}

HWND controlOf(const WindowUnderTest &window, std::size_t row)
{
    return GetDlgItem(window.window, firstControlId + int(row));
}

// The error box a failed calculation opens is modal: a timer that its own message loop runs
// reads it and presses OK, as the user would.
std::wstring errorBoxText;

void CALLBACK dismissErrorBox(HWND, UINT, UINT_PTR timer, DWORD)
{
    const HWND box = FindWindowW(L"#32770", appinfo::wideName);
    if (!box)
        return;
    KillTimer(nullptr, timer);
    wchar_t text[256]{};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    errorBoxText = text;
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}

void checkWindow(HWND window, const design::Window &design)
{
    INFO(std::string(design.name));
    CHECK(GetDpiForWindow(window) == dpi);
    CHECK(textOf(window) == std::wstring(design.title));
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    // A caption, the system menu and the close box only, and a fixed border.
    CHECK(((style & (WS_SYSMENU | WS_CAPTION)) == (WS_SYSMENU | WS_CAPTION)
           && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))));
    CHECK(clientRectOnScreen(window)
          == scaledRect(design.clientX, design.clientY, design.clientWidth, design.clientHeight, dpi));
}

void checkControls(HWND window, const design::Window &windowDesign, std::span<const design::Control> controls)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const design::Control &design = controls[i];
        const HWND control = GetDlgItem(window, firstControlId + int(i));
        INFO(std::string(design.name));
        const RECT place = rectInParent(control);
        const RECT designed = scaledRect(design.x, design.y, design.width, design.height, dpi);
        if (design.kind == Kind::Label) {
            // A label keeps its place and height, and grows to its caption's ink only into the
            // free space on its right.
            CHECK(place.left == designed.left);
            CHECK(place.top == designed.top);
            CHECK(place.bottom - place.top == designed.bottom - designed.top);
            CHECK(place.right - place.left >= designed.right - designed.left);
            CHECK(place.right - place.left <= scaled(design::roomFor(controls, i, windowDesign.clientWidth), dpi));
        } else {
            CHECK(place == designed);
        }
        if (design.kind == Kind::Line)
            continue;
        if (design.kind != Kind::RichText)
            CHECK(textOf(control) == std::wstring(design.caption));
        CHECK(bool(IsWindowEnabled(control)) == !(design.flags & design::Disabled));

        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        GetObjectW(font, sizeof logFont, &logFont);
        if (design.kind == Kind::RichText) {
            // A rich-text box keeps its font as its default character format, in twips.
            CHARFORMAT2W format{};
            format.cbSize = sizeof format;
            SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
            CHECK(std::wstring(format.szFaceName) == std::wstring(design.font.face));
            CHECK(MulDiv(format.yHeight, int(dpi), 1440) == int(std::lround(design.font.centipoints * dpi / 7200.0)));
            CHECK(bool(format.dwEffects & CFE_BOLD) == design.font.bold);
        } else if (design.font.face) {
            CHECK(std::wstring(logFont.lfFaceName) == std::wstring(design.font.face));
            CHECK(int(logFont.lfHeight) == -int(std::lround(design.font.centipoints * dpi / 7200.0)));
            CHECK(int(logFont.lfWeight) == (design.font.bold ? FW_BOLD : FW_NORMAL));
        }
    }
}

TEST_CASE("the computation at the edges of what a double holds")
{
    // As this compiler and its library build it: where their number reader and writer could
    // differ from the Linux ones.
    struct Row
    {
        const char *name;
        std::u16string wanted;
        calc::Status status;
        std::u16string level;
    };
    const Row rows[] = {
            {"a subnormal number keeps its value", u"0," + std::u16string(309, u'0') + u"1", calc::Status::Ok, u"1"},
            {"a number below the smallest double counts as 0", u"0," + std::u16string(400, u'0') + u"1", calc::Status::Ok, u"0"},
            {"a number beyond a double overflows", std::u16string(400, u'9'), calc::Status::Overflow, u""},
            {"a large result is written in full", u"5" + std::u16string(20, u'0'), calc::Status::Ok, u"1" + std::u16string(20, u'0')},
            {"an exponent is not a number", u"1e3", calc::Status::TypeMismatch, u""},
    };
    const calc::NumberFormat french{u",", u"-", u"+"};
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        const calc::LevelResult result = calc::computeLevel({u"0", u"0", u"0", u"0", u"0"},
                                                            {row.wanted, u"0", u"0", u"0", u"0"}, french);
        CHECK((result.status == row.status && result.level == row.level));
    }
}

TEST_CASE_FIXTURE(Calculator, "the calculator as designed: window, controls, menu and what shows")
{
    checkWindow(form1.hwnd(), design::form1);
    checkControls(form1.hwnd(), design::form1, design::form1Controls);

    const HMENU bar = GetMenu(form1.hwnd());
    wchar_t text[64]{};
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    CHECK(std::wstring(text) == std::wstring(design::menuTitle));
    CHECK(GetMenuItemCount(bar) == 1);
    GetMenuStringW(GetSubMenu(bar, 0), Form1::aboutCommand, text, 64, MF_BYCOMMAND);
    CHECK(std::wstring(text) == std::wstring(design::aboutItem));
    GetMenuStringW(GetSubMenu(bar, 0), Form1::quitCommand, text, 64, MF_BYCOMMAND);
    CHECK(std::wstring(text) == std::wstring(design::quitItem));

    // What shows: the lines in their colours, the banner at the screen's density with the
    // black window through its transparent colour.
    RedrawWindow(form1.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump(100);
    struct Sample
    {
        const char *what;
        int x, y; // at 96 dpi, in the client area
        COLORREF expected;
    };
    const Sample samples[] = {
            {"Line1 in the highlight colour", 144, 100, GetSysColor(COLOR_HIGHLIGHT)},
            {"Line2 in the highlight colour", 296, 100, GetSysColor(COLOR_HIGHLIGHT)},
            {"Line3 in white", 200, 200, RGB(255, 255, 255)},
            {"the window in black", 5, 5, RGB(0, 0, 0)},
            {"the banner's corner transparent", 121, 1, RGB(0, 0, 0)},
            {"the calculate button's face in the selected-text colour", 131, 251, GetSysColor(COLOR_HIGHLIGHTTEXT)},
    };
    for (const Sample &sample : samples) {
        INFO(std::string(sample.what));
        CHECK(pixelAt(form1.hwnd(), scaled(sample.x, dpi), scaled(sample.y, dpi)) == sample.expected);
    }
    BITMAP banner{};
    GetObjectW(form1.bannerBitmap(), sizeof banner, &banner);
    const design::Control &image = design::form1Controls[std::size_t(design::Form1Control::Image1)];
    CHECK(int(banner.bmWidth) == scaled(image.width, dpi));
    CHECK(int(banner.bmHeight) == scaled(image.height, dpi));
}

// The banner's artwork as the imaging component decodes it, premultiplied and brought to the
// size the banner rule gives for this density, top-down.
std::vector<std::uint32_t> bannerThroughWic(const design::BannerArt &art)
{
    using Microsoft::WRL::ComPtr;
    const HRSRC found = FindResourceW(nullptr, art.doubleSize ? L"BANNER2X_GIF" : L"BANNER_GIF", RT_RCDATA);
    REQUIRE(found);
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    ComPtr<IWICBitmapScaler> scaler;
    std::vector<std::uint32_t> pixels(std::size_t(art.width) * std::size_t(art.height));
    const UINT stride = UINT(art.width) * 4;
    REQUIRE((SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                        IID_PPV_ARGS(factory.GetAddressOf())))
             && SUCCEEDED(factory->CreateStream(&stream))
             && SUCCEEDED(stream->InitializeFromMemory(static_cast<BYTE *>(LockResource(LoadResource(nullptr, found))),
                                                       SizeofResource(nullptr, found)))
             && SUCCEEDED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder))
             && SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(factory->CreateFormatConverter(&converter))
             && SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone,
                                                nullptr, 0, WICBitmapPaletteTypeCustom))
             && SUCCEEDED(factory->CreateBitmapScaler(&scaler))
             && SUCCEEDED(scaler->Initialize(converter.Get(), UINT(art.width), UINT(art.height),
                                             WICBitmapInterpolationModeFant))
             && SUCCEEDED(scaler->CopyPixels(nullptr, stride, stride * UINT(art.height),
                                             reinterpret_cast<BYTE *>(pixels.data())))));
    return pixels;
}

TEST_CASE_FIXTURE(Calculator, "the banner holds the very pixels the imaging component decodes from its artwork")
{
    const design::BannerArt art = design::bannerArt(dpi / 96.0);
    DIBSECTION banner{};
    REQUIRE(GetObjectW(form1.bannerBitmap(), sizeof banner, &banner) == sizeof banner);
    REQUIRE((banner.dsBm.bmWidth == art.width && banner.dsBm.bmHeight == art.height && banner.dsBm.bmBitsPixel == 32));
    const auto *shown = static_cast<const std::uint32_t *>(banner.dsBm.bmBits);
    const std::vector<std::uint32_t> decoded = bannerThroughWic(art);
    std::size_t differing = 0, first = decoded.size();
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        if (shown[i] != decoded[i] && differing++ == 0)
            first = i;
    }
    INFO("first at (" << first % std::size_t(art.width) << ", " << first / std::size_t(art.width) << ")");
    CHECK(differing == 0);
}

// The controls Tab stops at, in table order: the boxes that take input, the buttons, the
// rich-text box, and the option group once, at its first option while none is chosen.
std::vector<std::size_t> tabStops(std::span<const design::Control> controls)
{
    std::vector<std::size_t> stops;
    for (std::size_t row = 0; row < controls.size(); ++row) {
        const design::Control &control = controls[row];
        const bool groupStart = control.kind == Kind::Option && (row == 0 || controls[row - 1].kind != Kind::Option);
        if (groupStart || control.kind == Kind::Button || control.kind == Kind::RichText
            || (control.kind == Kind::TextBox && !(control.flags & design::Disabled)))
            stops.push_back(row);
    }
    return stops;
}

TEST_CASE_FIXTURE(Calculator, "both windows make their controls in table order, and Tab follows it")
{
    for (const WindowUnderTest &window : bothWindows(*this)) {
        INFO(std::string(window.design.name));
        // Creation order is z-order: screen readers name a box after the label just before it.
        HWND child = GetWindow(window.window, GW_CHILD);
        for (std::size_t row = 0; row < window.controls.size(); ++row) {
            INFO(std::string(window.controls[row].name));
            REQUIRE(child != nullptr);
            CHECK(GetDlgCtrlID(child) == controlId(window.controls[row].id));
            child = GetWindow(child, GW_HWNDNEXT);
        }
        CHECK(child == nullptr);

        // The focus starts on the first stop, Tab goes round them all and back to it.
        const std::vector<std::size_t> stops = tabStops(window.controls);
        REQUIRE(!stops.empty());
        SetForegroundWindow(window.window);
        SetFocus(window.window);
        pump();
        CHECK(GetFocus() == controlOf(window, stops.front()));
        if (window.window == form1.hwnd())
            CHECK(SendMessageW(control(x1), BM_GETCHECK, 0, 0) == BST_UNCHECKED); // focused but not chosen
        for (std::size_t i = 1; i <= stops.size(); ++i) {
            pressKey(VK_TAB);
            INFO("Tab reaches " << std::string(window.controls[stops[i % stops.size()]].name));
            CHECK(GetFocus() == controlOf(window, stops[i % stops.size()]));
        }
        if (window.window == form1.hwnd()) {
            pressKey(VK_DOWN);
            CHECK(GetFocus() == control(x2)); // the down arrow moves within the option group
        }
    }
}

// What an option button that is not chosen tells its window when it takes the focus, as
// Windows and Wine 10 send it and Wine 8 does not.
void focusNotification(const Calculator &calculator, design::Form1Control option)
{
    const HWND button = calculator.control(option);
    SendMessageW(calculator.form1.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
}

std::string chosenOption(const Calculator &calculator)
{
    for (const auto option : {x1, x2, x3}) {
        if (SendMessageW(calculator.control(option), BM_GETCHECK, 0, 0) == BST_CHECKED)
            return design::form1Controls[std::size_t(option)].name;
    }
    return "none";
}

const design::Form1Control allBoxes[] = {force, endu, dext, sag, intel, force2, endu2, dext2, sag2, intel2, final, comp};

TEST_CASE_FIXTURE(Calculator, "the calculator opens with the focus on x1, nothing chosen and every box empty")
{
    SetForegroundWindow(form1.hwnd());
    SetFocus(form1.hwnd());
    pump();
    focusNotification(*this, x1);
    CHECK(GetFocus() == control(x1));
    CHECK(chosenOption(*this) == "none");
    for (const auto box : allBoxes) {
        INFO(std::string(design::form1Controls[std::size_t(box)].name));
        CHECK(textOf(control(box)) == std::wstring());
    }
}

// A preset runs when its option is chosen by a click, Space or an arrow key, never because an
// option takes the focus.
TEST_CASE_FIXTURE(Calculator, "a preset runs when its option is chosen, never when it takes the focus")
{
    click(control(x2));
    SetFocus(control(x2));
    struct Row
    {
        const char *name;
        std::function<void()> action;
        const char *chosen;
        std::wstring level1;
    };
    const Row rows[] = {
            {"x1 taking the focus changes nothing", [this] {
                 SetFocus(control(x1));
                 focusNotification(*this, x1);
             }, "x2", L"30"},
            {"Space on the focused x1 chooses it", [] { pressKey(VK_SPACE); }, "x1", L"25"},
            {"the down arrow chooses x2", [] { pressKey(VK_DOWN); }, "x2", L"30"},
            {"a click on x3 chooses it", [this] { click(control(x3)); }, "x3", L"35"},
            {"the up arrow from x3 chooses x2", [] { pressKey(VK_UP); }, "x2", L"30"},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        row.action();
        CHECK(chosenOption(*this) == row.chosen);
        CHECK(textOf(control(force)) == row.level1);
        CHECK(textOf(control(intel)) == row.level1);
    }
}

std::wstring accessibleName(HWND control)
{
    IAccessible *accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, DWORD(OBJID_CLIENT), __uuidof(IAccessible),
                                          reinterpret_cast<void **>(&accessible))))
        return L"(no accessible object)";
    VARIANT self{}; // CHILDID_SELF
    self.vt = VT_I4;
    BSTR name = nullptr;
    std::wstring result;
    if (accessible->get_accName(self, &name) == S_OK && name)
        result.assign(name, SysStringLen(name));
    SysFreeString(name);
    accessible->Release();
    return result;
}

TEST_CASE_FIXTURE(Calculator, "screen readers name each box after the label on its row")
{
    const wchar_t *rows[] = {L"Force:", L"Endurance:", L"Dextérité:", L"Sagesse:", L"Intelligence:",
                             L"Force:", L"Endurance:", L"Dextérité:", L"Sagesse:", L"Intelligence:",
                             L"Level Final : ", L"Pts de Compétences : "};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        INFO(std::string(design::form1Controls[std::size_t(allBoxes[i])].name));
        CHECK(accessibleName(control(allBoxes[i])) == std::wstring(rows[i]));
    }
}

TEST_CASE_FIXTURE(Calculator, "Enter on the focused button computes as a click does; in a wanted box it does nothing")
{
    enterTypicalUse();
    SetFocus(control(force2));
    pressKey(VK_RETURN);
    CHECK(textOf(control(final)) == std::wstring()); // nothing computed
    CHECK(textOf(control(force2)) == std::wstring(L"50")); // the box left as it was

    SetFocus(control(intel2));
    pressKey(VK_TAB);
    REQUIRE(GetFocus() == control(calcul));
    // The focused button keeps drawing itself in its colours.
    CHECK((GetWindowLongPtrW(control(calcul), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW);
    pressKey(VK_RETURN);
    CHECK(textOf(control(final)) == std::wstring(L"9"));
    CHECK(textOf(control(comp)) == std::wstring(L"135"));
}

TEST_CASE_FIXTURE(Calculator, "a wanted box takes up to four digits typed, and a paste up to four characters")
{
    struct Row
    {
        const char *name;
        std::wstring typed;
        std::wstring shown;
    };
    const Row rows[] = {
            {"digits go in", L"1234", L"1234"},
            {"a fifth digit is refused", L"98765", L"9876"},
            {"backspace deletes", L"12\b3", L"13"},
            {"signs, separators, blanks, letters and Enter are refused", L"-+,. a\r\x1b" L"5", L"5"},
            {"other scripts' digits are refused", L"\x0663\x00b2" L"7", L"7"},
            {"Ctrl+C, Ctrl+V, Ctrl+X and Ctrl+Z are swallowed", L"4\x03\x16\x18\x1a", L"4"},
            {"Ctrl+Backspace's DEL is not inserted", L"1\x7f", L"1"},
    };
    const HWND box = control(force2);
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        SetWindowTextW(box, L"");
        typeInto(box, row.typed);
        CHECK(textOf(box) == row.shown);
    }

    // A paste is not filtered, but the four characters still bind.
    if (OpenClipboard(form1.hwnd())) {
        EmptyClipboard();
        const wchar_t pasted[] = L"12,5x";
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
        std::memcpy(GlobalLock(memory), pasted, sizeof pasted);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
    }
    SetWindowTextW(box, L"");
    SendMessageW(box, WM_PASTE, 0, 0);
    CHECK(textOf(box) == std::wstring(L"12,5"));
}

TEST_CASE_FIXTURE(Calculator, "the button computes the level and the skill points, or shows the French error")
{
    struct Row
    {
        const char *name;
        design::Form1Control option;
        std::wstring level1;
        std::vector<std::wstring> wanted; // force, endu, dext, sag, intel
        std::wstring level;
        std::wstring skillPoints;
    };
    const Row rows[] = {
            {"x2 and the typical wanted values", x2, L"30", {L"50", L"45", L"30", L"30", L"40"}, L"9", L"135"},
            {"x1 with a total of 46 rounds up", x1, L"25", {L"50", L"25", L"40", L"25", L"31"}, L"10", L"150"},
            {"x3 below its level-1 values", x3, L"35", {L"35", L"35", L"35", L"35", L"23"}, L"-2", L"-30"},
            {"a pasted decimal comma", x1, L"25", {L"25", L"25", L"25", L"25", L"37,5"}, L"3", L"45"},
    };
    const design::Form1Control wantedBoxes[] = {force2, endu2, dext2, sag2, intel2};
    const design::Form1Control baseBoxes[] = {force, endu, dext, sag, intel};
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        click(control(row.option));
        for (const auto box : baseBoxes) {
            INFO(std::string(design::form1Controls[std::size_t(box)].name));
            CHECK(textOf(control(box)) == row.level1);
        }
        for (int i = 0; i < 5; ++i)
            SetWindowTextW(control(wantedBoxes[i]), row.wanted[i].c_str());
        click(control(calcul));
        CHECK(textOf(control(final)) == row.level);
        CHECK(textOf(control(comp)) == row.skillPoints);
    }

    // A failure shows the French error, changes neither result, and the program goes on.
    struct Failure
    {
        const char *name;
        design::Form1Control box;
        std::wstring text;
    };
    const Failure failures[] = {
            {"an empty wanted box", sag2, L""},
            {"a decimal point under French settings", intel2, L"1.5"},
    };
    for (const Failure &failure : failures) {
        INFO(std::string(failure.name));
        SetWindowTextW(control(failure.box), failure.text.c_str());
        errorBoxText.clear();
        SetTimer(nullptr, 0, 50, dismissErrorBox);
        click(control(calcul));
        CHECK(errorBoxText == std::wstring(L"Erreur d'exécution '13' :\n\nIncompatibilité de type"));
        CHECK((IsWindow(form1.hwnd()) && IsWindowVisible(form1.hwnd())));
        CHECK(textOf(control(final)) == std::wstring(L"3"));
        CHECK(textOf(control(comp)) == std::wstring(L"45"));
        SetWindowTextW(control(failure.box), L"25");
    }
}

std::wstring boxText(HWND box)
{
    GETTEXTLENGTHEX lengthOf{GTL_DEFAULT, 1200};
    std::wstring text(std::size_t(SendMessageW(box, EM_GETTEXTLENGTHEX, WPARAM(&lengthOf), 0)), L'\0');
    GETTEXTEX get{DWORD((text.size() + 1) * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    SendMessageW(box, EM_GETTEXTEX, WPARAM(&get), LPARAM(text.data()));
    return text;
}

// What the box holds after n characters of the about text: its line breaks are one CR each.
std::wstring typedText(std::size_t n)
{
    std::wstring text;
    const std::u16string_view typed = design::aboutText.substr(0, n);
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (!(typed[i] == u'\n' && i > 0 && typed[i - 1] == u'\r'))
            text += typed[i] == u'\n' ? L'\r' : wchar_t(typed[i]);
    }
    return text + L'|';
}

// All the typed text in white, in the box's own font.
bool allWhiteInTheBoxFont(HWND box)
{
    CHARRANGE all{0, LONG(boxText(box).size())};
    SendMessageW(box, EM_EXSETSEL, 0, LPARAM(&all));
    CHARFORMAT2W format{}, boxFont{};
    format.cbSize = boxFont.cbSize = sizeof format;
    SendMessageW(box, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    SendMessageW(box, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&boxFont));
    SendMessageW(box, EM_SETSEL, 0, 0);
    const DWORD same = CFM_COLOR | CFM_FACE | CFM_SIZE | CFM_BOLD;
    return (format.dwMask & same) == same && !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == RGB(255, 255, 255)
           && std::wstring(format.szFaceName) == boxFont.szFaceName && format.yHeight == boxFont.yHeight
           && (format.dwEffects & CFE_BOLD) == (boxFont.dwEffects & CFE_BOLD);
}

void tick(Form2 &about, int times)
{
    for (int i = 0; i < times; ++i)
        SendMessageW(about.hwnd(), WM_TIMER, Form2::Timer1, 0);
}

TEST_CASE_FIXTURE(Calculator, "the about window types its text, hides, shows again and loads afresh")
{
    Form2 &about = openAbout();
    const HWND first = about.hwnd();
    REQUIRE((first && IsWindowVisible(first)));
    checkWindow(first, design::form2);
    checkControls(first, design::form2, design::form2Controls);
    CHECK(GetWindow(first, GW_OWNER) == nullptr);
    const HWND box = about.control(rtf);

    // Each tick adds one character behind the cursor, all in white in the box's font.
    struct Row
    {
        const char *name;
        int ticks; // in all since loading
        std::size_t typed;
    };
    const Row rows[] = {
            {"tick 1: the first letter", 1, 1},
            {"tick 27: the first line", 27, 27},
            {"tick 28: the line and its CR, one break", 28, 28},
            {"tick 29: the break complete, no second one", 29, 29},
            {"tick 256: the whole text", 256, 256},
            {"tick 300: still the whole text", 300, 300},
    };
    int ticked = 0;
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        tick(about, row.ticks - ticked);
        ticked = row.ticks;
        CHECK(boxText(box) == typedText(row.typed));
        CHECK(allWhiteInTheBoxFont(box));
    }
    // Checking the colours selected the text: one more tick puts the cursor back.
    tick(about, 1);
    CHECK_FALSE(about.ticking()); // a complete text left alone needs no timer
    CHARRANGE selection{3, 9};
    SendMessageW(box, EM_EXSETSEL, 0, LPARAM(&selection));
    CHECK(about.ticking()); // a selection starts the timer again
    pump(200);
    SendMessageW(box, EM_EXGETSEL, 0, LPARAM(&selection));
    CHECK((selection.cpMin == 0 && selection.cpMax == 0)); // the next tick puts the cursor back
    CHECK_FALSE(about.ticking()); // and the timer stops again

    // Escape does not put the window away; Quitter hides it and typing goes on.
    SetFocus(box);
    pressKey(VK_ESCAPE);
    CHECK(IsWindowVisible(first));
    openAbout();
    CHECK(about.hwnd() == first); // no second window
    CHECK(boxText(box) == typedText(256)); // nor a new start of the text

    // A window loaded afresh starts from nothing; hidden, it keeps typing.
    SendMessageW(first, WM_CLOSE, 0, 0);
    CHECK(about.hwnd() == nullptr); // the close box unloads it
    openAbout();
    REQUIRE(about.hwnd() != nullptr);
    CHECK(boxText(about.control(rtf)).size() <= 2); // its text from nothing
    SetWindowPos(about.hwnd(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT moved;
    GetWindowRect(about.hwnd(), &moved);
    click(about.control(Command1));
    CHECK_FALSE(IsWindowVisible(about.hwnd())); // Quitter hides it
    const std::size_t before = boxText(about.control(rtf)).size();
    pump(300);
    CHECK(boxText(about.control(rtf)).size() > before); // hidden, the text goes on typing
    openAbout();
    RECT shownAgain;
    GetWindowRect(about.hwnd(), &shownAgain);
    CHECK((IsWindowVisible(about.hwnd()) && shownAgain == moved)); // shown again where it was
    SendMessageW(about.hwnd(), WM_CLOSE, 0, 0);
    openAbout();
    // Loaded afresh, it opens at its place again.
    CHECK(clientRectOnScreen(about.hwnd())
          == scaledRect(design::form2.clientX, design::form2.clientY, design::form2.clientWidth,
                        design::form2.clientHeight, dpi));
}

// Annotation services that only note what the windows ask of them, and whether they ask it of
// a window's own client object.
class NotedServices final : public IAccPropServices
{
public:
    std::vector<std::tuple<HWND, bool, MSAAPROPID, std::wstring>> sets;
    std::vector<std::tuple<HWND, bool, MSAAPROPID>> clears;
    std::vector<std::tuple<HWND, bool, MSAAPROPID, VARIANT>> values;

    HRESULT WINAPI QueryInterface(REFIID iid, void **out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IAccPropServices ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 1; } // lives as long as its case
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI SetHwndPropStr(HWND window, DWORD object, DWORD child, MSAAPROPID property, LPCWSTR value) override
    {
        sets.emplace_back(window, isClient(object, child), property, value);
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND window, DWORD object, DWORD child, const MSAAPROPID *properties, int count) override
    {
        for (int i = 0; i < count; ++i)
            clears.emplace_back(window, isClient(object, child), properties[i]);
        return S_OK;
    }
    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property, VARIANT value) override
    {
        values.emplace_back(window, isClient(object, child), property, value);
        return S_OK;
    }
    HRESULT WINAPI SetPropValue(const BYTE *, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetPropServer(const BYTE *, DWORD, const MSAAPROPID *, int, IAccPropServer *, AnnoScope) override { return E_NOTIMPL; }
    HRESULT WINAPI ClearProps(const BYTE *, DWORD, const MSAAPROPID *, int) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID *, int, IAccPropServer *, AnnoScope) override { return E_NOTIMPL; }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE **, DWORD *) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE *, DWORD, HWND *, DWORD *, DWORD *) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID *, int, IAccPropServer *, AnnoScope) override { return E_NOTIMPL; }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID *, int) override { return E_NOTIMPL; }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE **, DWORD *) override { return E_NOTIMPL; }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE *, DWORD, HMENU *, DWORD *) override { return E_NOTIMPL; }

    bool asked(HWND window, MSAAPROPID property, const wchar_t *value) const
    {
        return std::ranges::find(sets, std::tuple{window, true, property, std::wstring(value)}) != sets.end();
    }
    bool cleared(HWND window, MSAAPROPID property) const
    {
        return std::ranges::find(clears, std::tuple{window, true, property}) != clears.end();
    }

private:
    static bool isClient(DWORD object, DWORD child) { return object == DWORD(OBJID_CLIENT) && child == CHILDID_SELF; }
};

NotedServices *notedServices = nullptr;

TEST_CASE("screen readers get the about box's fixed name and the statistic boxes' descriptions, and lose them with the window")
{
    NotedServices services;
    Restored restored{accPropServices};
    notedServices = &services;
    accPropServices = [] { return Microsoft::WRL::ComPtr<IAccPropServices>(notedServices); };

    Calculator calculator;
    const auto windows = bothWindows(calculator);
    std::size_t annotations = 0;
    for (const WindowUnderTest &window : windows) {
        for (std::size_t row = 0; row < window.controls.size(); ++row) {
            const design::Control &design = window.controls[row];
            INFO(std::string(design.name));
            if (design.accessibleName) {
                CHECK(services.asked(controlOf(window, row), PROPID_ACC_NAME, design.accessibleName));
                ++annotations;
            }
            if (design.description) {
                CHECK(services.asked(controlOf(window, row), PROPID_ACC_DESCRIPTION, design.description));
                ++annotations;
            }
        }
    }
    CHECK(services.sets.size() == annotations);
    // Spelt out once: the name is the window's title.
    const HWND box = calculator.form1.aboutWindow().control(rtf);
    CHECK(services.asked(box, PROPID_ACC_NAME, L"About !"));
    // The announcing text is a polite live region: LiveSetting_Property_GUID, Polite.
    const GUID liveSetting{0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
    REQUIRE(services.values.size() == 1);
    const auto &[window, client, property, value] = services.values[0];
    CHECK((window == calculator.control(annonce) && client));
    CHECK(property == liveSetting);
    CHECK((value.vt == VT_I4 && value.lVal == 1));

    SendMessageW(windows[1].window, WM_CLOSE, 0, 0);
    CHECK(calculator.form1.aboutWindow().hwnd() == nullptr);
    CHECK(services.cleared(box, PROPID_ACC_NAME));
}

// An option's caption alone, "x1", says nothing of what it counts: screen readers hear the
// label that heads the group, as the window shows it, as its description, and still its
// caption as its name.
TEST_CASE("each option button is described by the label heading its group, and named by its caption")
{
    NotedServices services;
    Restored restored{accPropServices};
    notedServices = &services;
    accPropServices = [] { return Microsoft::WRL::ComPtr<IAccPropServices>(notedServices); };

    Calculator calculator;
    const std::wstring heading = textOf(calculator.control(Label1));
    REQUIRE(heading == L"Nbre de Reborn:");
    const std::pair<design::Form1Control, const wchar_t *> options[] = {{x1, L"x1"}, {x2, L"x2"}, {x3, L"x3"}};
    for (const auto &[option, caption] : options) {
        INFO(narrow(caption));
        CHECK(services.asked(calculator.control(option), PROPID_ACC_DESCRIPTION, heading.c_str()));
        CHECK_FALSE(std::ranges::any_of(services.sets, [&](const auto &set) {
            return std::get<0>(set) == calculator.control(option) && std::get<2>(set) == PROPID_ACC_NAME;
        }));
        CHECK(accessibleName(calculator.control(option)) == caption);
    }
}

// What screen readers are told to announce: the control each live-region event comes from,
// and its name as oleacc reads it then.
std::vector<std::pair<HWND, std::wstring>> liveRegionEvents;

void CALLBACK noteLiveRegion(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD)
{
    if (object == OBJID_CLIENT && child == CHILDID_SELF)
        liveRegionEvents.emplace_back(window, accessibleName(window));
}

TEST_CASE_FIXTURE(Calculator, "each preset and each good press is announced from the live text, a failure not")
{
    liveRegionEvents.clear();
    const HWINEVENTHOOK hook = SetWinEventHook(EVENT_OBJECT_LIVEREGIONCHANGED, EVENT_OBJECT_LIVEREGIONCHANGED, nullptr,
                                               noteLiveRegion, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    REQUIRE(hook);
    enterTypicalUse();
    click(control(calcul));
    click(control(calcul));
    SetWindowTextW(control(sag2), L"");
    SetTimer(nullptr, 0, 50, dismissErrorBox);
    click(control(calcul));
    pump(100);
    UnhookWinEvent(hook);

    const std::wstring preset = L"Stat de base: (lvl 1) 30";
    const std::wstring results = L"Level Final : 9, Pts de Compétences : 135";
    REQUIRE(liveRegionEvents.size() == 3);
    for (std::size_t i = 0; i < 3; ++i) {
        CHECK(liveRegionEvents[i].first == control(annonce));
        CHECK(liveRegionEvents[i].second == (i == 0 ? preset : results));
    }
}

// A caption drawn whole in a font, into a bitmap of its own: its advance, and its inked
// columns and rows with the advance starting at 0 and the line's top at 0.
struct DrawnCaption
{
    int advance = 0;
    int digitWidth = 0; // of a "0" in the same font
    RECT ink{};
};

DrawnCaption draw(const wchar_t *caption, HFONT font)
{
    DrawnCaption drawn;
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    const int length = lstrlenW(caption);
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption, length, &extent);
    drawn.advance = extent.cx;
    GetCharWidth32W(dc, L'0', L'0', &drawn.digitWidth);
    // Room enough around it for whatever hangs over the advance or the line.
    const int margin = int(extent.cy);
    const int width = extent.cx + 2 * margin;
    const int height = extent.cy + 2 * margin;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, width, height, WHITENESS);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, margin, margin, caption, length);
    GdiFlush();
    RECT ink{width, height, 0, 0};
    const auto *pixels = static_cast<const DWORD *>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
        }
    }
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    if (ink.right > ink.left)
        drawn.ink = {ink.left - margin, ink.top - margin, ink.right - margin, ink.bottom - margin};
    return drawn;
}

// Where a control starts its caption's advance, and the columns the ink must keep within.
struct CaptionRoom
{
    int origin;
    int left, right;
};

CaptionRoom captionRoom(const design::Control &design, HWND control, const DrawnCaption &caption)
{
    const int width = clientOf(control).right;
    switch (design.kind) {
    case Kind::Option: {
        // Right of the circle, 13 pixels wide at 96 dpi, and half a digit from it.
        const int circle = scaled(12, dpi) + 1;
        return {circle + caption.digitWidth / 2, circle, width};
    }
    case Kind::Button: {
        // Centred inside the edges.
        const int edge = GetSystemMetricsForDpi(SM_CXEDGE, dpi);
        return {(width - caption.advance) / 2, edge, width - edge};
    }
    default:
        return {0, 0, width};
    }
}

// Every pixel of every caption shows: each label, option button and button of both windows
// holds its caption's ink, with no allowance, the label's also from top to bottom, drawn in its
// own font at the desktop's density.
TEST_CASE_FIXTURE(Calculator, "every caption shows whole, to its last inked column")
{
    for (const WindowUnderTest &window : bothWindows(*this)) {
        for (std::size_t row = 0; row < window.controls.size(); ++row) {
            const design::Control &design = window.controls[row];
            if (design.kind != Kind::Label && design.kind != Kind::Option && design.kind != Kind::Button)
                continue;
            const HWND control = controlOf(window, row);
            const DrawnCaption caption = draw(design.caption, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            const CaptionRoom room = captionRoom(design, control, caption);
            INFO(std::string(design.name) << ": advance " << caption.advance << ", ink from " << caption.ink.left
                                          << " to " << caption.ink.right << " after its origin at " << room.origin
                                          << ", room from " << room.left << " to " << room.right);
            REQUIRE(caption.ink.right > caption.ink.left); // drawn at all
            CHECK(room.origin + caption.ink.left >= room.left);
            CHECK(room.origin + caption.ink.right <= room.right);
            if (design.kind == Kind::Label)
                CHECK((caption.ink.top >= 0 && caption.ink.bottom <= clientOf(control).bottom));
        }
    }
}

// The window of `className` that `process` shows, once it shows it.
HWND shownWindowOf(DWORD process, const wchar_t *className)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, className, nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window))
                return window;
        }
        Sleep(50);
    }
    return nullptr;
}

TEST_CASE("the program ends as soon as its calculator window goes, whatever the about window's state")
{
    struct Row
    {
        const char *name;
        std::vector<std::pair<UINT, WPARAM>> messages; // posted to the calculator window in turn
    };
    const Row rows[] = {
            {"closing the calculator ends the program", {{WM_CLOSE, 0}}},
            {"closing it with the about window shown", {{WM_COMMAND, Form1::aboutCommand}, {WM_CLOSE, 0}}},
            {"menu Quitter with the about window shown", {{WM_COMMAND, Form1::aboutCommand}, {WM_COMMAND, Form1::quitCommand}}},
            {"closing it with the about window hidden", {{WM_COMMAND, Form1::aboutCommand}, {0, 0}, {WM_CLOSE, 0}}},
    };
    for (const Row &row : rows) {
        INFO(std::string(row.name));
        STARTUPINFOW startup{sizeof startup};
        PROCESS_INFORMATION started{};
        std::wstring commandLine = L"\"" + program + L"\"";
        const bool starts = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                           &startup, &started);
        CHECK(starts);
        if (!starts)
            continue;
        const HWND window = shownWindowOf(started.dwProcessId, L"Form1");
        CHECK(window != nullptr); // the program shows its window
        for (const auto &[message, wParam] : row.messages) {
            if (message == 0) {
                // Quitter of the about window, found as the user finds it.
                const HWND about = shownWindowOf(started.dwProcessId, L"Form2");
                const int quitter = controlId(Command1);
                PostMessageW(about, WM_COMMAND, MAKEWPARAM(quitter, BN_CLICKED), LPARAM(GetDlgItem(about, quitter)));
            } else {
                PostMessageW(window, message, wParam, 0);
            }
            Sleep(200);
        }
        const bool ended = WaitForSingleObject(started.hProcess, 5000) == WAIT_OBJECT_0;
        CHECK(ended);
        if (!ended)
            TerminateProcess(started.hProcess, 1);
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
    }
}

// The desktop colours the windows draw with under high contrast, in Windows' two schemes.
const int schemeColourNumbers[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT, COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_GRAYTEXT};
using SchemeColours = std::array<COLORREF, std::size(schemeColourNumbers)>;
const std::pair<const char *, SchemeColours> highContrastSchemes[] = {
        {"High Contrast Black", {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x1A, 0xEB, 0xFF), RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x3F, 0xF2, 0x3F)}},
        {"High Contrast White", {RGB(255, 255, 255), RGB(0, 0, 0), RGB(0x37, 0x00, 0x6E), RGB(255, 255, 255), RGB(0, 0, 0), RGB(0x60, 0x00, 0x00)}},
};

// The desktop's colours as a case found them, given back at its end.
struct DesktopColours
{
    DesktopColours() { std::ranges::transform(schemeColourNumbers, colours.begin(), GetSysColor); }
    ~DesktopColours() { restore(); }
    void restore() const { SetSysColors(int(colours.size()), schemeColourNumbers, colours.data()); }

    SchemeColours colours;
};

// The pixels of `area` of a window's client area, as 0x00RRGGBB.
std::vector<DWORD> pixelsOf(HWND window, RECT area)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *bits = nullptr;
    const HDC dc = GetDC(window);
    const HDC memory = CreateCompatibleDC(dc);
    const HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, dc, area.left, area.top, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD *>(bits), static_cast<const DWORD *>(bits) + width * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return pixels;
}

// Where a control shows its caption or value (an option right of its circle, a button inside
// its edges, the rich-text box left of its scroll bar): its commonest colour, the ground, and
// the one that stands out most from it, the core of the strokes.
std::pair<COLORREF, COLORREF> groundAndInk(HWND control, Kind kind)
{
    RECT area = clientOf(control);
    if (kind == Kind::Option)
        area.left = scaled(12, dpi) + 2;
    else if (kind == Kind::Button)
        InflateRect(&area, -4, -4);
    else if (kind == Kind::RichText)
        area.right = area.right * 3 / 4;
    std::map<COLORREF, int> counts;
    for (const DWORD pixel : pixelsOf(control, area))
        ++counts[RGB(GetBValue(pixel), GetGValue(pixel), GetRValue(pixel))];
    const COLORREF ground = std::ranges::max_element(counts, {}, &std::pair<const COLORREF, int>::second)->first;
    COLORREF ink = ground;
    for (const auto &[colour, count] : counts) {
        if (contrastRatio(colour, ground) > contrastRatio(ink, ground))
            ink = colour;
    }
    return {ground, ink};
}

// Both windows side by side, the about window in front with the focus on its button, so that
// no caret blinks; returns what they show.
std::pair<std::vector<DWORD>, std::vector<DWORD>> showBoth(Form1 &form1, Form2 &about)
{
    SetWindowPos(about.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(about.hwnd(), SW_SHOW);
    SetForegroundWindow(about.hwnd());
    SetFocus(about.control(Command1));
    pump(100);
    return {pixelsOf(form1.hwnd(), clientOf(form1.hwnd())), pixelsOf(about.control(rtf), clientOf(about.control(rtf)))};
}

void switchHighContrast(Form1 &form1, Form2 &about, bool on)
{
    highContrastOn = on ? +[] { return true; } : desktopHighContrast;
    for (const HWND window : {form1.hwnd(), about.hwnd()})
        SendMessageW(window, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
}

// Under the desktop's high-contrast setting every caption and value reads at 4.5:1 or more,
// in the desktop's own pairs, as soon as the setting or the scheme changes; without the
// setting, the designed colours come back to the pixel.
TEST_CASE_FIXTURE(Calculator, "under high contrast everything reads in the desktop's pairs, and the design comes back")
{
    const DesktopColours desktop;
    const Restored restored{highContrastOn};
    Form2 &about = form1.aboutWindow();
    REQUIRE(about.create());
    tick(about, 300);
    click(control(x2));
    for (const auto box : {force2, endu2, dext2, sag2, intel2})
        SetWindowTextW(control(box), L"50");
    click(control(calcul));
    const auto designed = showBoth(form1, about);

    // Wine neither reports nor takes the setting: it comes on through the windows' own question,
    // after the first scheme and before the second, so that both kinds of change are followed.
    for (const auto &[scheme, colours] : highContrastSchemes) {
        INFO(std::string(scheme));
        SetSysColors(int(colours.size()), schemeColourNumbers, colours.data());
        if (highContrastOn == desktopHighContrast)
            switchHighContrast(form1, about, true);
        showBoth(form1, about);
        for (const WindowUnderTest &window : {WindowUnderTest{form1.hwnd(), design::form1, design::form1Controls},
                                              WindowUnderTest{about.hwnd(), design::form2, design::form2Controls}}) {
            for (std::size_t i = 0; i < window.controls.size(); ++i) {
                const design::Control &design = window.controls[i];
                const HWND control = controlOf(window, i);
                INFO(std::string(design.name));
                if (design.kind == Kind::Line) {
                    const RECT line = clientOf(control);
                    CHECK(pixelAt(control, line.right / 2, line.bottom / 2) == GetSysColor(COLOR_HIGHLIGHT));
                } else if (design.kind != Kind::Picture && design.kind != Kind::LiveText) {
                    const auto [ground, ink] = groundAndInk(control, design.kind);
                    CHECK(contrastRatio(ink, ground) >= 4.5);
                    // On the desktop's ground for it.
                    CHECK(ground == GetSysColor(design.kind == Kind::Button ? COLOR_BTNFACE : COLOR_WINDOW));
                }
            }
        }
        // The about window's ground in the button face colour.
        const RECT strip = clientOf(about.hwnd());
        CHECK(pixelAt(about.hwnd(), 2, strip.bottom - 2) == GetSysColor(COLOR_BTNFACE));
    }

    switchHighContrast(form1, about, false);
    desktop.restore();
    const auto restoredLook = showBoth(form1, about);
    CHECK(restoredLook.first == designed.first); // the calculator in its designed colours again
    CHECK(restoredLook.second == designed.second); // the about text in its designed colours again
}

TEST_CASE("Windows reads the program's version from the numbered resource it looks for")
{
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(program.c_str(), &ignored));
    REQUIRE((!info.empty() && GetFileVersionInfoW(program.c_str(), 0, DWORD(info.size()), info.data())));
    const std::wstring name(appinfo::name, appinfo::name + std::strlen(appinfo::name));
    const std::wstring version(appinfo::version, appinfo::version + std::strlen(appinfo::version));
    const std::pair<const wchar_t *, std::wstring> strings[] = {
            {L"FileVersion", version}, {L"ProductVersion", version}, {L"ProductName", name},
            {L"InternalName", name},   {L"OriginalFilename", name + L".exe"},
    };
    for (const auto &[key, expected] : strings) {
        INFO(narrow(key));
        void *value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040C04B0\\") + key;
        const bool found = VerQueryValueW(info.data(), path.c_str(), &value, &length);
        CHECK((found ? std::wstring(static_cast<const wchar_t *>(value)) : std::wstring()) == expected);
    }
}

} // namespace

// tst_win32 DPI PROGRAM [doctest options]: the density the desktop is set to, the program the
// last cases start; doctest's own options after them. Every case is listed with its time.
int wmain(int argc, wchar_t *argv[])
{
    if (argc < 3 || !setUpApplication()) {
        std::fputs("usage: tst_win32 DPI PROGRAM [doctest options]\n", stderr);
        return 2;
    }
    dpi = UINT(std::wcstoul(argv[1], nullptr, 10));
    program = argv[2];

    std::vector<std::string> options{narrow(argv[0])};
    for (int i = 3; i < argc; ++i)
        options.push_back(narrow(argv[i]));
    std::vector<const char *> optionPointers;
    for (const std::string &option : options)
        optionPointers.push_back(option.c_str());

    doctest::Context context;
    context.setOption("duration", true);
    context.applyCommandLine(int(optionPointers.size()), optionPointers.data());
    return context.run();
}
