#pragma once

#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

// COM for the banner's decoder, and the common controls of the desktop's current look.
inline bool setUpApplication()
{
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    return SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))
           && InitCommonControlsEx(&controls);
}

// Hands a message to its window, with Tab and the option group's arrows handled as in a dialog box.
inline void processMessage(MSG &message)
{
    const HWND window = GetAncestor(message.hwnd, GA_ROOT);
    if (window && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}
