// Drives the Windows program's real windows with the messages a user's clicks and keys make,
// and checks what they show. Run under Wine by CTest: tst_win32 DPI PROGRAM, where DPI is the
// density the desktop is set to and PROGRAM the built d7aduzad.exe, which the last cases start
// and end as a user would. Prints each failure and "N passed, N failed".

#include "Form1.h"
#include "application.h"
#include "appinfo.h"
#include "texts.h"

#include <oleacc.h>
#include <richedit.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <array>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

int passed = 0;
int failed = 0;

void check(bool holds, const std::string &what)
{
    if (holds) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL: %s\n", what.c_str());
    }
}

std::string narrow(std::wstring_view text)
{
    std::string out(std::size_t(WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), int(out.size()), nullptr, nullptr);
    return out;
}

template<typename T>
void checkEqual(const T &actual, const T &expected, const std::string &what)
{
    if constexpr (std::is_same_v<T, std::wstring>)
        check(actual == expected, what + ": \"" + narrow(actual) + "\", expected \"" + narrow(expected) + "\"");
    else
        check(actual == expected, what + ": " + std::to_string(actual) + ", expected " + std::to_string(expected));
}

bool underWine()
{
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

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

RECT clientRectOnScreen(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
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

bool operator==(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b);
}

std::string describe(const RECT &r)
{
    return "(" + std::to_string(r.left) + ", " + std::to_string(r.top) + ") - (" + std::to_string(r.right) + ", "
           + std::to_string(r.bottom) + ")";
}

void checkRect(const RECT &actual, const RECT &expected, const std::string &what)
{
    check(actual == expected, what + ": " + describe(actual) + ", expected " + describe(expected));
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

void checkWindow(HWND window, const design::Window &design, UINT dpi)
{
    const std::string name = design.name;
    checkEqual(GetDpiForWindow(window), dpi, name + " density");
    checkEqual(textOf(window), std::wstring(design.title), name + " title");
    const auto style = DWORD(GetWindowLongPtrW(window, GWL_STYLE));
    check((style & (WS_SYSMENU | WS_CAPTION)) == (WS_SYSMENU | WS_CAPTION)
                  && !(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)),
          name + " has a caption, the system menu and the close box only, and a fixed border");
    checkRect(clientRectOnScreen(window),
              scaledRect(design.clientX, design.clientY, design.clientWidth, design.clientHeight, dpi),
              name + " client area on the screen");
}

void checkControls(HWND window, std::span<const design::Control> controls, UINT dpi)
{
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const design::Control &design = controls[i];
        const HWND control = GetDlgItem(window, firstControlId + int(i));
        const std::string name = design.name;
        checkRect(rectInParent(control), scaledRect(design.x, design.y, design.width, design.height, dpi),
                  name + " place");
        if (design.kind == design::Kind::Line)
            continue;
        if (design.kind != design::Kind::RichText)
            checkEqual(textOf(control), std::wstring(design.caption), name + " caption");
        check(bool(IsWindowEnabled(control)) == !(design.flags & design::Disabled), name + " enabled as designed");

        const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        GetObjectW(font, sizeof logFont, &logFont);
        if (design.kind == design::Kind::RichText) {
            // A rich-text box keeps its font as its default character format, in twips.
            CHARFORMAT2W format{};
            format.cbSize = sizeof format;
            SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
            checkEqual(std::wstring(format.szFaceName), std::wstring(design.font.face), name + " face");
            checkEqual(MulDiv(format.yHeight, int(dpi), 1440), int(std::lround(design.font.centipoints * dpi / 7200.0)),
                       name + " font height in pixels");
            checkEqual(bool(format.dwEffects & CFE_BOLD), design.font.bold, name + " weight");
        } else if (design.font.face) {
            checkEqual(std::wstring(logFont.lfFaceName), std::wstring(design.font.face), name + " face");
            checkEqual(int(logFont.lfHeight), -int(std::lround(design.font.centipoints * dpi / 7200.0)),
                       name + " font height");
            checkEqual(int(logFont.lfWeight), design.font.bold ? FW_BOLD : FW_NORMAL, name + " weight");
        }
        // A caption drawn in its font ends inside its control. Wine's own Tahoma runs up to
        // 3 pixels wider than Windows' on these captions.
        if (design.kind == design::Kind::Label) {
            const int slack = underWine() ? 3 : 0;
            const HDC dc = GetDC(control);
            const HGDIOBJ old = SelectObject(dc, font);
            SIZE extent{};
            GetTextExtentPoint32W(dc, design.caption, int(wcslen(design.caption)), &extent);
            SelectObject(dc, old);
            ReleaseDC(control, dc);
            check(extent.cx <= scaled(design.width, dpi) + slack && extent.cy <= scaled(design.height, dpi),
                  name + " caption fits: " + std::to_string(extent.cx) + " × " + std::to_string(extent.cy));
        }
    }
}

COLORREF pixelAt(HWND window, int x, int y)
{
    const HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void testDesign(Form1 &form1, UINT dpi)
{
    checkWindow(form1.hwnd(), design::form1, dpi);
    checkControls(form1.hwnd(), design::form1Controls, dpi);

    const HMENU bar = GetMenu(form1.hwnd());
    wchar_t text[64]{};
    GetMenuStringW(bar, 0, text, 64, MF_BYPOSITION);
    checkEqual(std::wstring(text), std::wstring(design::menuTitle), "menu title");
    checkEqual(GetMenuItemCount(bar), 1, "menu titles");
    GetMenuStringW(GetSubMenu(bar, 0), Form1::aboutCommand, text, 64, MF_BYCOMMAND);
    checkEqual(std::wstring(text), std::wstring(design::aboutItem), "first menu item");
    GetMenuStringW(GetSubMenu(bar, 0), Form1::quitCommand, text, 64, MF_BYCOMMAND);
    checkEqual(std::wstring(text), std::wstring(design::quitItem), "second menu item");

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
        const COLORREF seen = pixelAt(form1.hwnd(), scaled(sample.x, dpi), scaled(sample.y, dpi));
        check(seen == sample.expected, std::string(sample.what) + ": " + std::to_string(seen));
    }
    BITMAP banner{};
    GetObjectW(form1.bannerBitmap(), sizeof banner, &banner);
    checkEqual(int(banner.bmWidth), scaled(design::bannerWidth, dpi), "banner width");
    checkEqual(int(banner.bmHeight), scaled(design::bannerHeight, dpi), "banner height");
}

void testFocusOrder(Form1 &form1)
{
    SetForegroundWindow(form1.hwnd());
    SetFocus(form1.hwnd());
    pump();
    checkEqual(GetFocus() == form1.control("x1") ? 1 : 0, 1, "the focus starts on x1");
    check(SendMessageW(form1.control("x1"), BM_GETCHECK, 0, 0) == BST_UNCHECKED, "x1 is focused but not chosen");
    // Tab enters the option group once, passes the disabled boxes and the labels by.
    for (const char *next : {"force2", "endu2", "dext2", "sag2", "intel2", "calcul", "x1"}) {
        pressKey(VK_TAB);
        check(GetFocus() == form1.control(next), std::string("Tab reaches ") + next);
    }
    pressKey(VK_DOWN);
    check(GetFocus() == form1.control("x2"), "the down arrow moves within the option group");
}

// What an option button that is not chosen tells its window when it takes the focus, as
// Windows and Wine 10 send it and Wine 8 does not.
void focusNotification(Form1 &form1, const char *option)
{
    const HWND button = form1.control(option);
    SendMessageW(form1.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), LPARAM(button));
}

const char *chosenOption(Form1 &form1)
{
    for (const char *option : {"x1", "x2", "x3"}) {
        if (SendMessageW(form1.control(option), BM_GETCHECK, 0, 0) == BST_CHECKED)
            return option;
    }
    return "none";
}

const char *const allBoxes[] = {"force", "endu", "dext", "sag", "intel", "force2", "endu2", "dext2", "sag2", "intel2", "final", "comp"};

// The window opens as designed: the focus on x1, nothing chosen, every box empty.
void testOpening(Form1 &form1)
{
    SetForegroundWindow(form1.hwnd());
    SetFocus(form1.hwnd());
    pump();
    focusNotification(form1, "x1");
    check(GetFocus() == form1.control("x1"), "opening: the focus is on x1");
    check(std::string(chosenOption(form1)) == "none", "opening: no option is chosen");
    for (const char *box : allBoxes)
        checkEqual(textOf(form1.control(box)), std::wstring(), std::string("opening: empty box ") + box);
}

// A preset runs when its option is chosen by a click, Space or an arrow key, never because an
// option takes the focus. Starts where the tab order's test leaves x2 chosen and focused.
void testPresetsWhenChosen(Form1 &form1)
{
    struct Row
    {
        const char *name;
        std::function<void()> action;
        const char *chosen;
        std::wstring level1;
    };
    const Row rows[] = {
            {"x1 taking the focus changes nothing", [&form1] {
                 SetFocus(form1.control("x1"));
                 focusNotification(form1, "x1");
             }, "x2", L"30"},
            {"Space on the focused x1 chooses it", [] { pressKey(VK_SPACE); }, "x1", L"25"},
            {"the down arrow chooses x2", [] { pressKey(VK_DOWN); }, "x2", L"30"},
            {"a click on x3 chooses it", [&form1] { click(form1.control("x3")); }, "x3", L"35"},
            {"the up arrow from x3 chooses x2", [] { pressKey(VK_UP); }, "x2", L"30"},
    };
    for (const Row &row : rows) {
        row.action();
        const std::string chosen = chosenOption(form1);
        check(chosen == row.chosen, std::string(row.name) + ": " + chosen + " chosen");
        checkEqual(textOf(form1.control("force")), row.level1, std::string(row.name) + ": force");
        checkEqual(textOf(form1.control("intel")), row.level1, std::string(row.name) + ": intel");
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

// Screen readers name each box after the label on its row.
void testAccessibleNames(Form1 &form1)
{
    const wchar_t *rows[] = {L"Force:", L"Endurance:", L"Dextérité:", L"Sagesse:", L"Intelligence:",
                             L"Force:", L"Endurance:", L"Dextérité:", L"Sagesse:", L"Intelligence:",
                             L"Level Final : ", L"Pts de Compétences : "};
    for (std::size_t i = 0; i < std::size(rows); ++i)
        checkEqual(accessibleName(form1.control(allBoxes[i])), std::wstring(rows[i]),
                   std::string("screen readers name ") + allBoxes[i]);
}

// Enter on the focused button computes as a click does; in a wanted box it does nothing.
void testEnterOnButton(Form1 &form1)
{
    click(form1.control("x2"));
    for (const auto &[box, value] : {std::pair{"force2", L"50"}, {"endu2", L"45"}, {"dext2", L"30"}, {"sag2", L"30"}, {"intel2", L"40"}})
        SetWindowTextW(form1.control(box), value);
    SetFocus(form1.control("force2"));
    pressKey(VK_RETURN);
    checkEqual(textOf(form1.control("final")), std::wstring(), "Enter in a wanted box computes nothing");
    checkEqual(textOf(form1.control("force2")), std::wstring(L"50"), "Enter in a wanted box leaves it as it was");

    SetFocus(form1.control("intel2"));
    pressKey(VK_TAB);
    check(GetFocus() == form1.control("calcul"), "Tab reaches the button");
    check((GetWindowLongPtrW(form1.control("calcul"), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW,
          "the focused button keeps drawing itself in its colours");
    pressKey(VK_RETURN);
    checkEqual(textOf(form1.control("final")), std::wstring(L"9"), "Enter on the button: level");
    checkEqual(textOf(form1.control("comp")), std::wstring(L"135"), "Enter on the button: skill points");
    for (const char *box : allBoxes)
        SetWindowTextW(form1.control(box), L"");
}

void testKeyFilter(Form1 &form1)
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
    const HWND box = form1.control("force2");
    for (const Row &row : rows) {
        SetWindowTextW(box, L"");
        typeInto(box, row.typed);
        checkEqual(textOf(box), row.shown, std::string("wanted box: ") + row.name);
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
    checkEqual(textOf(box), std::wstring(L"12,5"), "wanted box: a paste goes in up to four characters");
    SetWindowTextW(box, L"");
}

void testCalculation(Form1 &form1)
{
    struct Row
    {
        const char *name;
        const char *option;
        std::wstring level1;
        std::vector<std::wstring> wanted; // force, endu, dext, sag, intel
        std::wstring level;
        std::wstring skillPoints;
    };
    const Row rows[] = {
            {"x2 and the typical wanted values", "x2", L"30", {L"50", L"45", L"30", L"30", L"40"}, L"9", L"135"},
            {"x1 with a total of 46 rounds up", "x1", L"25", {L"50", L"25", L"40", L"25", L"31"}, L"10", L"150"},
            {"x3 below its level-1 values", "x3", L"35", {L"35", L"35", L"35", L"35", L"23"}, L"-2", L"-30"},
            {"a pasted decimal comma", "x1", L"25", {L"25", L"25", L"25", L"25", L"37,5"}, L"3", L"45"},
    };
    const char *wantedBoxes[] = {"force2", "endu2", "dext2", "sag2", "intel2"};
    const char *baseBoxes[] = {"force", "endu", "dext", "sag", "intel"};
    for (const Row &row : rows) {
        click(form1.control(row.option));
        for (const char *box : baseBoxes)
            checkEqual(textOf(form1.control(box)), row.level1, std::string(row.name) + ": " + box);
        for (int i = 0; i < 5; ++i)
            SetWindowTextW(form1.control(wantedBoxes[i]), row.wanted[i].c_str());
        click(form1.control("calcul"));
        checkEqual(textOf(form1.control("final")), row.level, std::string(row.name) + ": level");
        checkEqual(textOf(form1.control("comp")), row.skillPoints, std::string(row.name) + ": skill points");
    }

    // A failure shows the French error, changes neither result, and the program goes on.
    struct Failure
    {
        const char *name;
        const char *box;
        std::wstring text;
    };
    const Failure failures[] = {
            {"an empty wanted box", "sag2", L""},
            {"a decimal point under French settings", "intel2", L"1.5"},
    };
    for (const Failure &failure : failures) {
        SetWindowTextW(form1.control(failure.box), failure.text.c_str());
        errorBoxText.clear();
        SetTimer(nullptr, 0, 50, dismissErrorBox);
        click(form1.control("calcul"));
        checkEqual(errorBoxText, std::wstring(L"Erreur d'exécution '13' :\n\nIncompatibilité de type"),
                   std::string(failure.name) + ": the error box");
        check(IsWindow(form1.hwnd()) && IsWindowVisible(form1.hwnd()), std::string(failure.name) + ": the program goes on");
        checkEqual(textOf(form1.control("final")), std::wstring(L"3"), std::string(failure.name) + ": level kept");
        checkEqual(textOf(form1.control("comp")), std::wstring(L"45"), std::string(failure.name) + ": points kept");
        SetWindowTextW(form1.control(failure.box), L"25");
    }
}

// The computation as this compiler and its library build it: where their number reader and
// writer could differ from the Linux ones, at the edges of what a double holds.
void testComputationEdges()
{
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
        const calc::LevelResult result = calc::computeLevel({u"0", u"0", u"0", u"0", u"0"},
                                                            {row.wanted, u"0", u"0", u"0", u"0"}, french);
        check(result.status == row.status && result.level == row.level, std::string("computation: ") + row.name);
    }
}

std::wstring boxText(HWND rtf)
{
    GETTEXTLENGTHEX lengthOf{GTL_DEFAULT, 1200};
    std::wstring text(std::size_t(SendMessageW(rtf, EM_GETTEXTLENGTHEX, WPARAM(&lengthOf), 0)), L'\0');
    GETTEXTEX get{DWORD((text.size() + 1) * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr, nullptr};
    SendMessageW(rtf, EM_GETTEXTEX, WPARAM(&get), LPARAM(text.data()));
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

bool allWhite(HWND rtf)
{
    CHARRANGE all{0, LONG(boxText(rtf).size())};
    SendMessageW(rtf, EM_EXSETSEL, 0, LPARAM(&all));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(rtf, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    SendMessageW(rtf, EM_SETSEL, 0, 0);
    return (format.dwMask & CFM_COLOR) && !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == RGB(255, 255, 255);
}

void tick(Form2 &about, int times)
{
    for (int i = 0; i < times; ++i)
        SendMessageW(about.hwnd(), WM_TIMER, Form2::Timer1, 0);
}

void testAboutWindow(Form1 &form1, UINT dpi)
{
    Form2 &about = form1.aboutWindow();
    SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
    const HWND first = about.hwnd();
    check(first && IsWindowVisible(first), "About shows the about window");
    checkWindow(first, design::form2, dpi);
    checkControls(first, design::form2Controls, dpi);
    check(GetWindow(first, GW_OWNER) == nullptr, "the about window has no owner");
    const HWND rtf = about.control("rtf");

    // Each tick adds one character behind the cursor, all in white.
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
        tick(about, row.ticks - ticked);
        ticked = row.ticks;
        checkEqual(boxText(rtf), typedText(row.typed), std::string(row.name));
        check(allWhite(rtf), std::string(row.name) + ": all white");
    }
    // Checking the colours selected the text: one more tick puts the cursor back.
    tick(about, 1);
    check(!about.ticking(), "a complete text left alone needs no timer");
    CHARRANGE selection{3, 9};
    SendMessageW(rtf, EM_EXSETSEL, 0, LPARAM(&selection));
    check(about.ticking(), "a selection starts the timer again");
    pump(200);
    SendMessageW(rtf, EM_EXGETSEL, 0, LPARAM(&selection));
    check(selection.cpMin == 0 && selection.cpMax == 0, "the next tick puts the cursor back at the start");
    check(!about.ticking(), "and the timer stops again");

    // Escape does not put the window away; Quitter hides it and typing goes on.
    SetFocus(rtf);
    pressKey(VK_ESCAPE);
    check(IsWindowVisible(first), "Escape leaves the about window shown");
    SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
    check(about.hwnd() == first, "About again makes no second window");
    checkEqual(boxText(rtf), typedText(256), "About again does not restart the text");

    // A window loaded afresh starts from nothing; hidden, it keeps typing.
    SendMessageW(first, WM_CLOSE, 0, 0);
    check(about.hwnd() == nullptr, "the close box unloads the about window");
    SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
    check(about.hwnd() != nullptr && boxText(about.control("rtf")).size() <= 2, "About loads it again, its text from nothing");
    SetWindowPos(about.hwnd(), nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    RECT moved;
    GetWindowRect(about.hwnd(), &moved);
    click(about.control("Command1"));
    check(!IsWindowVisible(about.hwnd()), "Quitter hides the about window");
    const std::size_t before = boxText(about.control("rtf")).size();
    pump(300);
    check(boxText(about.control("rtf")).size() > before, "hidden, the text goes on typing");
    SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
    RECT shownAgain;
    GetWindowRect(about.hwnd(), &shownAgain);
    check(IsWindowVisible(about.hwnd()) && shownAgain == moved, "About shows it again where it was");
    SendMessageW(about.hwnd(), WM_CLOSE, 0, 0);
    SendMessageW(form1.hwnd(), WM_COMMAND, Form1::aboutCommand, 0);
    checkRect(clientRectOnScreen(about.hwnd()),
              scaledRect(design::form2.clientX, design::form2.clientY, design::form2.clientWidth,
                         design::form2.clientHeight, dpi),
              "loaded afresh, it opens at its place again");
    SendMessageW(about.hwnd(), WM_CLOSE, 0, 0);
}

HWND calculatorOf(DWORD process)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, L"Form1", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process && IsWindowVisible(window))
                return window;
        }
        Sleep(50);
    }
    return nullptr;
}

// The program ends as soon as its calculator window goes, whatever the about window's state.
void testEndOfProgram(const wchar_t *program)
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
        STARTUPINFOW startup{sizeof startup};
        PROCESS_INFORMATION started{};
        std::wstring commandLine = std::wstring(L"\"") + program + L"\"";
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
            check(false, std::string(row.name) + ": the program starts");
            continue;
        }
        const HWND window = calculatorOf(started.dwProcessId);
        check(window != nullptr, std::string(row.name) + ": the program shows its window");
        for (const auto &[message, wParam] : row.messages) {
            if (message == 0) {
                // Quitter of the about window, found as the user finds it.
                Sleep(300);
                HWND about = nullptr;
                const int quitter = firstControlId + controlIndex(design::form2Controls, "Command1");
                while ((about = FindWindowExW(nullptr, about, L"Form2", nullptr))) {
                    DWORD owner = 0;
                    GetWindowThreadProcessId(about, &owner);
                    if (owner == started.dwProcessId)
                        PostMessageW(about, WM_COMMAND, MAKEWPARAM(quitter, BN_CLICKED),
                                     LPARAM(GetDlgItem(about, quitter)));
                }
            } else {
                PostMessageW(window, message, wParam, 0);
            }
            Sleep(200);
        }
        const bool ended = WaitForSingleObject(started.hProcess, 5000) == WAIT_OBJECT_0;
        check(ended, std::string(row.name) + ": the process ends");
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

RECT clientOf(HWND window)
{
    RECT client;
    GetClientRect(window, &client);
    return client;
}

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
std::pair<COLORREF, COLORREF> groundAndInk(HWND control, design::Kind kind, UINT dpi)
{
    RECT area = clientOf(control);
    if (kind == design::Kind::Option)
        area.left = scaled(12, dpi) + 2;
    else if (kind == design::Kind::Button)
        InflateRect(&area, -4, -4);
    else if (kind == design::Kind::RichText)
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
    SetFocus(about.control("Command1"));
    pump(100);
    return {pixelsOf(form1.hwnd(), clientOf(form1.hwnd())), pixelsOf(about.control("rtf"), clientOf(about.control("rtf")))};
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
void testContrastThemes(Form1 &form1, UINT dpi)
{
    Form2 &about = form1.aboutWindow();
    if (!about.hwnd())
        about.create();
    tick(about, 300);
    click(form1.control("x2"));
    for (const char *box : {"force2", "endu2", "dext2", "sag2", "intel2"})
        SetWindowTextW(form1.control(box), L"50");
    click(form1.control("calcul"));
    const auto designed = showBoth(form1, about);
    SchemeColours desktop;
    std::ranges::transform(schemeColourNumbers, desktop.begin(), GetSysColor);

    // Wine neither reports nor takes the setting: it comes on through the windows' own question,
    // after the first scheme and before the second, so that both kinds of change are followed.
    for (const auto &[scheme, colours] : highContrastSchemes) {
        SetSysColors(int(colours.size()), schemeColourNumbers, colours.data());
        if (highContrastOn == desktopHighContrast)
            switchHighContrast(form1, about, true);
        showBoth(form1, about);
        for (const auto &[window, controls] : {std::pair{form1.hwnd(), std::span<const design::Control>(design::form1Controls)},
                                               std::pair{about.hwnd(), std::span<const design::Control>(design::form2Controls)}}) {
            for (std::size_t i = 0; i < controls.size(); ++i) {
                const design::Control &design = controls[i];
                const HWND control = GetDlgItem(window, firstControlId + int(i));
                const std::string name = std::string(scheme) + ": " + design.name;
                if (design.kind == design::Kind::Line) {
                    const RECT line = clientOf(control);
                    checkEqual(pixelAt(control, line.right / 2, line.bottom / 2), GetSysColor(COLOR_HIGHLIGHT),
                               name + " in the highlight colour");
                } else if (design.kind != design::Kind::Picture) {
                    const auto [ground, ink] = groundAndInk(control, design.kind, dpi);
                    check(contrastRatio(ink, ground) >= 4.5, name + " reads at " + std::to_string(contrastRatio(ink, ground)) + ":1");
                    checkEqual(ground, GetSysColor(design.kind == design::Kind::Button ? COLOR_BTNFACE : COLOR_WINDOW),
                               name + " on the desktop's ground for it");
                }
            }
        }
        const RECT strip = clientOf(about.hwnd());
        checkEqual(pixelAt(about.hwnd(), 2, strip.bottom - 2), GetSysColor(COLOR_BTNFACE),
                   std::string(scheme) + ": the about window's ground in the button face colour");
    }

    switchHighContrast(form1, about, false);
    SetSysColors(int(desktop.size()), schemeColourNumbers, desktop.data());
    const auto restored = showBoth(form1, about);
    check(restored.first == designed.first, "the setting off: the calculator in its designed colours again");
    check(restored.second == designed.second, "the setting off: the about text in its designed colours again");
    SendMessageW(about.hwnd(), WM_CLOSE, 0, 0);
}

// Windows reads the program's version from the numbered resource it looks for.
void testVersion(const wchar_t *program)
{
    DWORD ignored = 0;
    std::vector<BYTE> info(GetFileVersionInfoSizeW(program, &ignored));
    check(!info.empty() && GetFileVersionInfoW(program, 0, DWORD(info.size()), info.data()),
          "version: GetFileVersionInfoW reads it");
    const std::wstring name(appinfo::name, appinfo::name + std::strlen(appinfo::name));
    const std::wstring version(appinfo::version, appinfo::version + std::strlen(appinfo::version));
    const std::pair<const wchar_t *, std::wstring> strings[] = {
            {L"FileVersion", version}, {L"ProductVersion", version}, {L"ProductName", name},
            {L"InternalName", name},   {L"OriginalFilename", name + L".exe"},
    };
    for (const auto &[key, expected] : strings) {
        void *value = nullptr;
        UINT length = 0;
        const std::wstring path = std::wstring(L"\\StringFileInfo\\040C04B0\\") + key;
        const bool found = !info.empty() && VerQueryValueW(info.data(), path.c_str(), &value, &length);
        checkEqual(found ? std::wstring(static_cast<const wchar_t *>(value)) : std::wstring(), expected,
                   "version: " + narrow(key));
    }
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 3 || !setUpApplication()) {
        std::printf("usage: tst_win32 DPI PROGRAM\n");
        return 2;
    }
    const auto dpi = UINT(std::wcstoul(argv[1], nullptr, 10));

    Form1 form1;
    check(form1.create(), "the calculator window opens");
    ShowWindow(form1.hwnd(), SW_SHOW);
    pump(100);
    testComputationEdges();
    testDesign(form1, dpi);
    testOpening(form1);
    testFocusOrder(form1);
    testPresetsWhenChosen(form1);
    testAccessibleNames(form1);
    testEnterOnButton(form1);
    testKeyFilter(form1);
    testCalculation(form1);
    testAboutWindow(form1, dpi);
    testContrastThemes(form1, dpi);
    testVersion(argv[2]);
    testEndOfProgram(argv[2]);

    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
