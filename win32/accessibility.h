#pragma once

#include "forms.h"

#include <windows.h>
#include <oleacc.h>
#include <wrl/client.h>

// What the design tells screen readers beyond the controls themselves goes as annotations, through
// the desktop's IAccPropServices; a test may put services of its own in their place, since Wine
// implements none of their setters.
Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices();
inline Microsoft::WRL::ComPtr<IAccPropServices> (*accPropServices)() = desktopAccPropServices;

// Hands screen readers what the design says of a window's controls, through one set of services
// for the whole window, asked for only where the design says something.
class Annotator
{
public:
    explicit Annotator(std::span<const design::Control> controls);
    // Names `control` as the design says, where its text changes all the time, and describes it.
    void annotate(HWND control, const design::Control &design) const;

private:
    Microsoft::WRL::ComPtr<IAccPropServices> services;
};

// Takes back what an Annotator handed over for the controls of `parent`, as it is destroyed.
void clearAnnotations(HWND parent, std::span<const design::Control> controls);
