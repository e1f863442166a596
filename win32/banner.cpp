#include "banner.h"

#include "forms.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

// The picture brought to another size, smoothly, by the imaging component: loaded only where
// the screen needs it, since its COM activation loads five libraries.
static bool rescale(const BYTE *picture, int width, int height, const design::BannerArt &art, BYTE *pixels)
{
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> source;
    ComPtr<IWICBitmapScaler> scaler;
    const UINT stride = UINT(art.width) * 4;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(factory.GetAddressOf())))
           && SUCCEEDED(factory->CreateBitmapFromMemory(UINT(width), UINT(height), GUID_WICPixelFormat32bppPBGRA,
                                                        UINT(width) * 4, UINT(width * height * 4),
                                                        const_cast<BYTE *>(picture), &source))
           && SUCCEEDED(factory->CreateBitmapScaler(&scaler))
           && SUCCEEDED(scaler->Initialize(source.Get(), UINT(art.width), UINT(art.height), WICBitmapInterpolationModeFant))
           && SUCCEEDED(scaler->CopyPixels(nullptr, stride, stride * UINT(art.height), pixels));
}

HBITMAP loadBanner(UINT dpi)
{
    const design::BannerArt art = design::bannerArt(dpi / 96.0);
    const design::Control &image = design::form1Controls[std::size_t(design::Form1Control::Image1)];
    const int factor = art.doubleSize ? 2 : 1;
    const int width = image.width * factor, height = image.height * factor;
    // The artwork's pixels as the resources keep them, decoded already.
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, art.doubleSize ? L"BANNER2X" : L"BANNER", RT_RCDATA);
    if (!found || SizeofResource(module, found) != DWORD(width * height * 4))
        return nullptr;
    const auto *picture = static_cast<const BYTE *>(LockResource(LoadResource(module, found)));

    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), art.width, -art.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        return nullptr;
    if (!art.rescaled)
        std::memcpy(pixels, picture, std::size_t(width * height * 4));
    else if (!rescale(picture, width, height, art, static_cast<BYTE *>(pixels))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
