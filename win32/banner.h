#pragma once

#include <windows.h>

// The banner, decoded from the program's resources into a bitmap of premultiplied alpha
// at `width` × `height`: its one transparent colour lets the window's black show through.
// The double-size artwork serves screens of 1.5 times the base density and more.
HBITMAP loadBanner(int width, int height);

// Draws `banner` at its own size at (x, y) of `dc`.
void drawBanner(HDC dc, HBITMAP banner, int x, int y);
