// The annotation ids come as GUIDs that no library of mingw-w64 defines: they are defined here.
#include <initguid.h>

#include "accessibility.h"

#include "controls.h"

Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices()
{
    Microsoft::WRL::ComPtr<IAccPropServices> services;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                     reinterpret_cast<void **>(services.GetAddressOf()));
    return services;
}

void annotate(HWND control, const design::Control &design)
{
    if (!design.accessibleName && !design.description)
        return;
    const Microsoft::WRL::ComPtr<IAccPropServices> services = accPropServices();
    if (!services)
        return;
    if (design.accessibleName)
        services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, design.accessibleName);
    if (design.description)
        services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION,
                                 design.description);
}

void clearAnnotations(HWND parent, std::span<const design::Control> controls)
{
    const Microsoft::WRL::ComPtr<IAccPropServices> services = accPropServices();
    if (!services)
        return;
    const MSAAPROPID annotated[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION};
    for (std::size_t row = 0; row < controls.size(); ++row) {
        if (controls[row].accessibleName || controls[row].description)
            services->ClearHwndProps(GetDlgItem(parent, controlId(controls[row].id)), DWORD(OBJID_CLIENT), CHILDID_SELF,
                                     annotated, int(std::size(annotated)));
    }
}
