#pragma once

#include <windows.h>

// The banner from the program's resources for a screen of `dpi`, as design::bannerArt chooses
// it, at the picture's size there: premultiplied, its one transparent colour clear, so that the
// black behind it shows. Null if the artwork cannot be read.
HBITMAP loadBanner(UINT dpi);
