#pragma once

#include <windows.h>

// The banner from the program's resources at `width` × `height`, premultiplied: its one
// transparent colour lets the black behind it show. Screens of 1.5 times the base density and
// more get it from the double-size artwork.
HBITMAP loadBanner(int width, int height);
