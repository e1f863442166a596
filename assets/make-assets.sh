#!/bin/bash
# Regenerates every bitmap in this folder from banner.svg and icon.svg.
#
#   bash assets/make-assets.sh
#
# Needs (Debian 12): imagemagick, librsvg2-bin (rsvg-convert) and
# fonts-liberation2 (the banner lettering is set in Liberation Sans Bold).
set -euo pipefail

cd "$(dirname "$0")"

for tool in rsvg-convert convert identify; do
    command -v "$tool" >/dev/null || { echo "make-assets.sh: $tool is missing" >&2; exit 1; }
done
if [[ -z "$(fc-list 'Liberation Sans:style=Bold' family 2>/dev/null)" ]]; then
    echo "make-assets.sh: font Liberation Sans Bold not found (install fonts-liberation2)" >&2
    exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# ---------------------------------------------------------------- banner
# The banner sits on a black window. GIF only knows fully transparent or
# fully opaque pixels, so the anti-aliased edges are blended onto black and
# made opaque; only pixels the drawing does not touch at all stay transparent.
# Result: 256-colour palette (one entry of which is the transparent colour),
# interlaced.
make_banner() {   # make_banner WIDTH HEIGHT OUTPUT
    local w=$1 h=$2 out=$3
    rsvg-convert -w "$w" -h "$h" banner.svg -o "$tmp/banner-$w.png"
    convert "$tmp/banner-$w.png" \
        \( -clone 0 -background black -alpha remove -alpha off \) \
        \( -clone 0 -alpha extract -threshold 1% \) \
        -delete 0 -compose CopyOpacity -composite \
        -dither None -colors 256 \
        -strip -interlace GIF "GIF:$out"
}
make_banner 220 33 banner.gif
make_banner 440 66 banner@2x.gif
# The same pixels decoded for the Windows program, which draws them at its screen's size without
# a decoder: blue, green, red, alpha, top-down. Transparent pixels are black, so they come
# premultiplied as the drawing wants them.
for name in banner banner@2x; do
    convert "$name.gif" -background black -alpha background -depth 8 "BGRA:$name.bgra"
done

# ----------------------------------------------------------------- icons
# PNGs for Linux desktops, straight from the SVG, at the sizes CMakeLists.txt ships.
for size in $(sed -n 's/^set(APP_ICON_SIZES \(.*\))$/\1/p' ../CMakeLists.txt); do
    rsvg-convert -w "$size" -h "$size" icon.svg -o "icon-$size.png"
done

# Black-and-white line drawing for the 2-colour entry: white shield with a
# black rim and a black sword, readable on both light and dark grounds.
sed 's|</svg>|<style>.shield{fill:#fff;stroke:#000} .sword{fill:#000} .shine,.detail{display:none}</style></svg>|' \
    icon.svg > "$tmp/icon-mono.svg"
rsvg-convert -w 32 -h 32 "$tmp/icon-mono.svg" -o "$tmp/icon-mono-32.png"

# Windows icon, five entries. ImageMagick chooses each entry's bit depth from
# its colour count, so every image is quantised to the wanted number of
# colours. Palette entries only have an on/off transparency mask: alpha is
# cut at 50 % and the masked pixels are made black, as Windows expects.
# The colour entries keep one palette slot for the transparent black. The
# black-and-white entry must end up with exactly two palette colours, so it
# is quantised with alpha switched off (the mask survives untouched) and
# labelled sRGB again, since ImageMagick turns two-colour images into Gray.
binary_alpha=(-channel A -threshold 50% +channel -background black -alpha background)
convert \
    \( icon-48.png "${binary_alpha[@]}" +dither -colors 256 \) \
    \( icon-32.png "${binary_alpha[@]}" +dither -colors 256 \) \
    \( icon-32.png "${binary_alpha[@]}" +dither -colors 16 \) \
    \( icon-16.png "${binary_alpha[@]}" +dither -colors 16 \) \
    \( "$tmp/icon-mono-32.png" "${binary_alpha[@]}" -channel RGB -threshold 50% +channel \
       -alpha off +dither -colors 2 -set colorspace sRGB -alpha on \) \
    d7aduzad.ico

identify d7aduzad.ico banner.gif banner@2x.gif icon-*.png
