#include "banner.h"

#include "forms.h"

#include <wincodec.h>
#include <wrl/client.h>

HBITMAP loadBanner(int width, int height)
{
    const wchar_t *resource = width * 2 >= 3 * design::bannerWidth ? L"BANNER2X" : L"BANNER";
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, resource, RT_RCDATA);
    if (!found)
        return nullptr;
    auto *bytes = static_cast<BYTE *>(LockResource(LoadResource(module, found)));
    const DWORD size = SizeofResource(module, found);

    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    ComPtr<IWICBitmapScaler> scaler;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.GetAddressOf())))
        || FAILED(factory->CreateStream(&stream)) || FAILED(stream->InitializeFromMemory(bytes, size))
        || FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder))
        || FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter))
        || FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                        0, WICBitmapPaletteTypeCustom))
        || FAILED(factory->CreateBitmapScaler(&scaler))
        || FAILED(scaler->Initialize(converter.Get(), UINT(width), UINT(height), WICBitmapInterpolationModeFant)))
        return nullptr;

    // Top-down, as WIC writes rows.
    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        return nullptr;
    const UINT stride = UINT(width) * 4;
    if (FAILED(scaler->CopyPixels(nullptr, stride, stride * UINT(height), static_cast<BYTE *>(pixels)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
