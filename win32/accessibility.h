#pragma once

#include "forms.h"

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

// What the design tells screen readers beyond the controls themselves goes as annotations through
// the desktop's IAccPropServices, for which a test may put its own: Wine implements no setter.
Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices();
inline Microsoft::WRL::ComPtr<IAccPropServices> (*accPropServices)() = desktopAccPropServices;

// Names `control` as the design says, where its text changes all the time, and describes it,
// through `services`: one set, asked for once, serves all of a window's controls.
void annotate(IAccPropServices *services, HWND control, const design::Control &design);

// Takes back what `annotate` handed over for the controls of `parent`, as it is destroyed.
void clearAnnotations(HWND parent, std::span<const design::Control> controls);
