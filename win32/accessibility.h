#pragma once

#include "forms.h"

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

// Screen readers read most of what they say off the controls themselves. What the design says
// beyond that, the windows hand them as annotations of the control, through the desktop's
// IAccPropServices. A test may put services of its own in their place: Wine implements none
// of their setters.
Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices();
inline Microsoft::WRL::ComPtr<IAccPropServices> (*accPropServices)() = desktopAccPropServices;

// Names `control` as the design says, where its text changes all the time, and describes it.
void annotate(HWND control, const design::Control &design);
// Takes back what annotate handed over for the controls of `parent`, as it is destroyed.
void clearAnnotations(HWND parent, std::span<const design::Control> controls);
