#pragma once

#include "forms.h"

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

// What the design tells screen readers beyond the controls themselves goes as annotations through
// the desktop's IAccPropServices, for which a test may put its own: Wine implements no setter.
Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices();
inline Microsoft::WRL::ComPtr<IAccPropServices> (*accPropServices)() = desktopAccPropServices;

// The services through which `annotate` hands screen readers what the design says of a window's
// controls: one set for the whole window, asked for only where the design says something.
Microsoft::WRL::ComPtr<IAccPropServices> annotationServices(std::span<const design::Control> controls);
// Names `control` as the design says, where its text changes all the time, and describes it.
void annotate(IAccPropServices *services, HWND control, const design::Control &design);

// Takes back what `annotate` handed over for the controls of `parent`, as it is destroyed.
void clearAnnotations(HWND parent, std::span<const design::Control> controls);
