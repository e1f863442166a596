#pragma once

#include "forms.h"

#include <windows.h>

#include <span>
#include <string>

// A control's id is its row in its table from 100 on, clear of the menu's commands and of the
// dialog manager's IDOK and IDCANCEL.
inline constexpr int firstControlId = 100;
constexpr int controlId(design::ControlId control) { return firstControlId + int(control.row); }

inline int scaled(int pixelsAt96, UINT dpi) { return MulDiv(pixelsAt96, int(dpi), 96); }
RECT scaledRect(int x, int y, int width, int height, UINT dpi);

inline std::wstring wide(std::u16string_view text) { return {text.begin(), text.end()}; }

COLORREF colourRef(design::Colour colour);
// How far apart two colours are to the eye, from 1 to 21, after the relative luminance of sRGB.
double contrastRatio(COLORREF a, COLORREF b);
// A brush of `colour` for painting on `dc`: the DC's own brush, in that colour.
HBRUSH dcBrush(HDC dc, design::Colour colour);

// Whether the desktop's high-contrast setting is on. The windows ask through highContrastOn,
// which a test may point at an answer of its own: Wine neither reports the setting nor sets it.
bool desktopHighContrast();
inline bool (*highContrastOn)() = desktopHighContrast;

// The design's colours, or under high contrast the desktop's own pairs, in which the design's
// black and selection colours vanish. The banner keeps its own.
struct Colours { design::Colour text, background; };
Colours coloursOf(const design::Control &control);

// The common controls keep the desktop's colours until told of a change, which only top-level
// windows hear of; themed push buttons give way to the desktop's colours under high contrast.
void followDesktopColours(HWND parent, std::span<const design::Control> controls);

// Creates the child controls of `parent` in table order, which is also the tab order, each at its
// place and in its font for `dpi`, and hands screen readers what the design says of them.
void createControls(HWND parent, const design::Window &window, std::span<const design::Control> controls, UINT dpi);
// Places and sizes every control anew for `dpi` and gives it its font, as createControls does.
void layOutControls(HWND parent, const design::Window &window, std::span<const design::Control> controls, UINT dpi);
