#include "banner.h"

#include "forms.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace {

struct Picture
{
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgra; // premultiplied, top-down
};

// The first image of a GIF, its transparent colour clear. The banners are one image each, with
// one transparent colour, interlaced: this reads that much, and gives nothing for what it cannot.
// It spares the banner shown at its own size the imaging component, whose COM activation loads
// five libraries.
Picture decodeGif(std::span<const BYTE> gif)
{
    std::size_t at = 0;
    bool bad = false;
    const auto byte = [&]() -> unsigned {
        if (at < gif.size())
            return gif[at++];
        bad = true;
        return 0;
    };
    const auto word = [&] {
        const unsigned low = byte();
        return low | byte() << 8;
    };
    const auto skip = [&](std::size_t count) {
        at += count;
        bad = bad || at > gif.size();
    };
    const auto skipBlocks = [&] {
        while (const unsigned length = byte())
            skip(length);
    };
    if (gif.size() < 13 || std::memcmp(gif.data(), "GIF8", 4) != 0)
        return {};
    std::size_t palette = 0, colours = 0;
    if (const unsigned packed = gif[10]; packed & 0x80) {
        palette = 13;
        colours = std::size_t(2) << (packed & 7);
    }
    skip(13 + 3 * colours);
    int transparent = -1;
    for (unsigned block = byte(); !bad && block != 0x2C; block = byte()) {
        if (block != 0x21)
            return {};
        if (byte() == 0xF9 && byte() == 4) {
            const unsigned flags = byte();
            skip(2);
            const unsigned index = byte();
            if (flags & 1)
                transparent = int(index);
        }
        skipBlocks();
    }
    skip(4);
    Picture picture{int(word()), int(word()), {}};
    const unsigned packed = byte();
    if (packed & 0x80) {
        palette = at;
        colours = std::size_t(2) << (packed & 7);
        skip(3 * colours);
    }
    const unsigned minimum = byte();
    std::vector<BYTE> data;
    while (const unsigned length = byte()) {
        if (at + length > gif.size())
            return {};
        data.insert(data.end(), gif.begin() + at, gif.begin() + at + length);
        at += length;
    }
    if (bad || !palette || minimum < 2 || minimum > 8 || picture.width <= 0 || picture.height <= 0)
        return {};

    // LZW, codes packed from the lowest bit up, growing to 12 bits.
    const std::size_t total = std::size_t(picture.width) * std::size_t(picture.height);
    std::vector<BYTE> indices;
    indices.reserve(total);
    const int clear = 1 << minimum, end = clear + 1;
    std::uint16_t prefix[4096];
    BYTE suffix[4096], string[4097];
    for (int i = 0; i < clear; ++i)
        suffix[i] = BYTE(i);
    int size = int(minimum) + 1, next = end + 1, previous = -1;
    BYTE first = 0;
    std::size_t bit = 0;
    while (indices.size() < total && bit + std::size_t(size) <= data.size() * 8) {
        int code = 0;
        for (int i = 0; i < size; ++i, ++bit)
            code |= (data[bit / 8] >> (bit % 8) & 1) << i;
        if (code == clear) {
            size = int(minimum) + 1;
            next = end + 1;
            previous = -1;
            continue;
        }
        if (code == end || code > next || (previous < 0 && code > clear))
            break;
        if (previous < 0) {
            indices.push_back(first = BYTE(code));
            previous = code;
            continue;
        }
        // A code not yet in the table is the previous string and its own first byte.
        int length = 0, walk = code;
        if (code == next) {
            string[length++] = first;
            walk = previous;
        }
        for (; walk >= clear; walk = prefix[walk])
            string[length++] = suffix[walk];
        string[length++] = first = BYTE(walk);
        if (next < 4096) {
            prefix[next] = std::uint16_t(previous);
            suffix[next] = first;
            if (++next == 1 << size && size < 12)
                ++size;
        }
        while (length > 0 && indices.size() < total)
            indices.push_back(string[--length]);
        previous = code;
    }
    if (indices.size() < total)
        return {};

    // Interlaced rows come every 8th from 0, every 8th from 4, every 4th from 2, every 2nd from 1.
    picture.bgra.resize(total);
    const bool interlaced = packed & 0x40;
    int row = 0, pass = 0;
    for (int line = 0; line < picture.height; ++line) {
        for (int x = 0; x < picture.width; ++x) {
            const BYTE index = indices[std::size_t(line) * std::size_t(picture.width) + std::size_t(x)];
            if (int(index) == transparent || index >= colours)
                continue; // left clear
            const BYTE *rgb = gif.data() + palette + 3 * index;
            picture.bgra[std::size_t(row) * std::size_t(picture.width) + std::size_t(x)] =
                    0xFF000000u | std::uint32_t(rgb[0]) << 16 | std::uint32_t(rgb[1]) << 8 | rgb[2];
        }
        if (!interlaced) {
            ++row;
            continue;
        }
        static constexpr int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        row += step[pass];
        while (row >= picture.height && ++pass < 4)
            row = start[pass];
    }
    return picture;
}

// The picture brought to another size, smoothly, by the imaging component.
bool rescale(const Picture &picture, int width, int height, BYTE *pixels)
{
    using Microsoft::WRL::ComPtr;
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmap> source;
    ComPtr<IWICBitmapScaler> scaler;
    const UINT stride = UINT(width) * 4;
    return SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_PPV_ARGS(factory.GetAddressOf())))
           && SUCCEEDED(factory->CreateBitmapFromMemory(
                   UINT(picture.width), UINT(picture.height), GUID_WICPixelFormat32bppPBGRA, UINT(picture.width) * 4,
                   UINT(picture.bgra.size() * 4),
                   reinterpret_cast<BYTE *>(const_cast<std::uint32_t *>(picture.bgra.data())), &source))
           && SUCCEEDED(factory->CreateBitmapScaler(&scaler))
           && SUCCEEDED(scaler->Initialize(source.Get(), UINT(width), UINT(height), WICBitmapInterpolationModeFant))
           && SUCCEEDED(scaler->CopyPixels(nullptr, stride, stride * UINT(height), pixels));
}

} // namespace

HBITMAP loadBanner(UINT dpi)
{
    const design::BannerArt art = design::bannerArt(dpi / 96.0);
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, art.doubleSize ? L"BANNER2X" : L"BANNER", RT_RCDATA);
    if (!found)
        return nullptr;
    const auto *bytes = static_cast<const BYTE *>(LockResource(LoadResource(module, found)));
    const Picture picture = decodeGif({bytes, SizeofResource(module, found)});
    if (picture.bgra.empty() || (!art.rescaled && (picture.width != art.width || picture.height != art.height)))
        return nullptr;

    const BITMAPINFO info{{sizeof(BITMAPINFOHEADER), art.width, -art.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void *pixels = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    if (!bitmap)
        return nullptr;
    if (!art.rescaled)
        std::memcpy(pixels, picture.bgra.data(), picture.bgra.size() * 4);
    else if (!rescale(picture, art.width, art.height, static_cast<BYTE *>(pixels))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
