// The annotation ids come as GUIDs that no library of mingw-w64 defines: they are defined here.
#include <initguid.h>

#include "accessibility.h"

#include "controls.h"

// What mingw-w64's headers lack of UI Automation: the live setting of an element, and how
// screen readers are to say its changes.
DEFINE_GUID(LiveSetting_Property_GUID, 0xc12bcd8e, 0x2a8e, 0x4950, 0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb);
constexpr LONG politeLiveSetting = 1;

Microsoft::WRL::ComPtr<IAccPropServices> desktopAccPropServices()
{
    Microsoft::WRL::ComPtr<IAccPropServices> services;
    CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices, &services);
    return services;
}

void annotate(IAccPropServices *services, HWND control, const design::Control &design)
{
    if (!services)
        return;
    if (design.accessibleName)
        services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME, design.accessibleName);
    if (design.description)
        services->SetHwndPropStr(control, DWORD(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_DESCRIPTION, design.description);
    if (design.kind == design::Kind::LiveText) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = politeLiveSetting;
        services->SetHwndProp(control, DWORD(OBJID_CLIENT), CHILDID_SELF, LiveSetting_Property_GUID, polite);
    }
}

void clearAnnotations(HWND parent, std::span<const design::Control> controls)
{
    const Microsoft::WRL::ComPtr<IAccPropServices> services = accPropServices();
    if (!services)
        return;
    const MSAAPROPID properties[] = {PROPID_ACC_NAME, PROPID_ACC_DESCRIPTION, LiveSetting_Property_GUID};
    // Clearing what was never set succeeds, and changes nothing.
    for (const design::Control &control : controls)
        services->ClearHwndProps(GetDlgItem(parent, controlId(control.id)), DWORD(OBJID_CLIENT), CHILDID_SELF,
                                 properties, int(std::size(properties)));
}
