#pragma once

#include "BaseWindow.h"
#include "behaviour.h"

#include <richedit.h>

// The about window types its text out, a character every 50 ms. Its button only hides it and
// the typing goes on; the close box unloads it, and the next load starts again from nothing.
class Form2 : public BaseWindow<Form2>, private design::AboutBoxFace
{
public:
    // Loads the window, hidden: its controls, Form_Load, the timer.
    bool create();
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND control(design::Form2Control id) const { return GetDlgItem(hwnd(), controlId(id)); }
    bool ticking() const { return timerRunning; }

    static constexpr UINT_PTR Timer1 = 1;

private:
    void replace(std::size_t from, std::size_t to, std::u16string_view text) override;
    void cursorToStart() override;

    void OnCreate();
    void OnCommand(int id, int code);
    void OnSelectionChange(CHARRANGE selection);
    void OnSysColorChange();
    void OnDestroy();

    void Timer1_Timer();
    void Command1_Click();

    void startTimer();
    void stopTimer();

    // The box keeps each line break as one CR.
    design::Typewriter typewriter{u'\r'};
    bool timerRunning = false;
};
