#pragma once

#include "BaseWindow.h"
#include "controls.h"

#include <string>

// The about window: its text types itself out, one character every 50 ms, behind a "|" cursor.
// Its button only hides it and the typing goes on; the close box unloads it, and the next
// load starts the text again from nothing.
class Form2 : public BaseWindow<Form2>
{
public:
    // Loads the window, hidden: its controls, Form_Load, the timer.
    bool create();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND control(std::string_view name) const;
    bool ticking() const { return timerRunning; }

    static constexpr UINT_PTR Timer1 = 1;

private:
    void OnCreate();
    void OnSelectionChange();
    void OnSysColorChange();

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    void showInBox(const std::wstring &text);
    void startTimer();
    void stopTimer();
    void layOut(UINT dpi);
    static LRESULT CALLBACK rtfProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR);

    Fonts fonts;
    float ticks = 0;    // stops growing at 2^24 ticks, long after the text is complete
    std::wstring shown; // what the box holds, its line breaks as the box keeps them
    bool timerRunning = false;
    bool updating = false;
};
