#include "Form2.h"

#include "accessibility.h"

#include <commctrl.h>

using enum design::Form2Control;

constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// The read-only box wants the arrows and leaves Tab, Enter and Escape to the window: left to
// itself, it closes a window that moves the focus as dialog boxes do on Escape.
static LRESULT CALLBACK rtfProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETDLGCODE)
        return DLGC_WANTARROWS;
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(box, rtfProc, 0);
    return DefSubclassProc(box, message, wParam, lParam);
}

bool Form2::create()
{
    static const HMODULE richEdit = LoadLibraryW(L"msftedit.dll");
    return richEdit && createWindow(L"Form2", design::form2, style, nullptr, HBRUSH(COLOR_BTNFACE + 1));
}

LRESULT Form2::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (reinterpret_cast<const NMHDR *>(lParam)->code == EN_SELCHANGE)
            OnSelectionChange(reinterpret_cast<const SELCHANGE *>(lParam)->chrg);
        return 0;
    case WM_TIMER:
        if (wParam == Timer1)
            Timer1_Timer();
        return 0;
    case WM_DPICHANGED:
        layOutControls(hwnd(), design::form2, design::form2Controls, HIWORD(wParam));
        return 0;
    case WM_SYSCOLORCHANGE:
        OnSysColorChange();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    }
    return DefWindowProcW(hwnd(), message, wParam, lParam);
}

void Form2::OnCreate()
{
    createControls(hwnd(), design::form2, design::form2Controls, GetDpiForWindow(hwnd()));
    // The colours after the font: the end of the empty box takes both, and what is typed, theirs.
    OnSysColorChange();
    SendMessageW(control(rtf), EM_SETEVENTMASK, 0, ENM_SELCHANGE);
    SetWindowSubclass(control(rtf), rtfProc, 0, 0);
    typewriter.Form_Load();
    startTimer();
}

// The box's ground, and the colour of all its text and of whatever is typed after it: the
// design's, or the desktop's window colours.
void Form2::OnSysColorChange()
{
    followDesktopColours(hwnd(), design::form2Controls);
    const Colours colours = coloursOf(design::form2Controls[std::size_t(rtf)]);
    SendMessageW(control(rtf), EM_SETBKGNDCOLOR, 0, LPARAM(colourRef(colours.background)));
    CHARFORMAT2W format{sizeof format, CFM_COLOR, 0, 0, 0, colourRef(colours.text)};
    SendMessageW(control(rtf), EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

void Form2::OnCommand(int id, int code)
{
    if (id == controlId(Command1) && code == BN_CLICKED)
        Command1_Click();
}

void Form2::OnDestroy()
{
    stopTimer();
    clearAnnotations(hwnd(), design::form2Controls);
}

void Form2::OnSelectionChange(CHARRANGE selection)
{
    // A selection, or a click that moved the cursor, lasts until the next tick, which puts the
    // cursor back: a complete text needs the timer again for that one tick.
    if (selection.cpMin != 0 || selection.cpMax != 0)
        startTimer();
}

void Form2::Timer1_Timer()
{
    if (typewriter.Timer1_Timer(*this))
        stopTimer();
}

void Form2::Command1_Click()
{
    ShowWindow(hwnd(), SW_HIDE);
}

// The cursor gives way to what the tick adds and the cursor, which take its colour: the box
// shows what setting the whole text afresh would.
void Form2::replace(std::size_t from, std::size_t to, std::u16string_view text)
{
    SendMessageW(control(rtf), EM_SETSEL, from, LPARAM(to));
    SendMessageW(control(rtf), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void Form2::cursorToStart()
{
    SendMessageW(control(rtf), EM_SETSEL, 0, 0);
}

void Form2::startTimer()
{
    if (!timerRunning)
        timerRunning = SetTimer(hwnd(), Timer1, UINT(design::typingInterval.count()), nullptr) != 0;
}

void Form2::stopTimer()
{
    KillTimer(hwnd(), Timer1);
    timerRunning = false;
}
