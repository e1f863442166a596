#include "application.h"

#include <commctrl.h>
#include <objbase.h>

bool setUpApplication()
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
           && InitCommonControlsEx(&controls);
}

void processMessage(MSG &message)
{
    const HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}
