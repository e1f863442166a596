#include "Form1.h"
#include "application.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show)
{
    if (!setUpApplication())
        return 1;
    Form1 window;
    if (!window.create())
        return 1;
    ShowWindow(window.hwnd(), show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        processMessage(message);
    return int(message.wParam);
}
