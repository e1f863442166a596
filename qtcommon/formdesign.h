#pragma once

class QWidget;

// Designer stores colours only as fixed RGB values and font sizes only in whole points. Our
// forms give the rest as dynamic properties on each widget, and this puts them into effect:
//   foreground, background: "#rrggbb", or a QPalette::ColorRole name such as "Highlight",
//                           which follows the desktop's colour scheme ("WindowFrame": black);
//   pointSizeF:             a fractional point size for the widget's font.
// Call it again when the desktop's palette changes.
void applyFormDesign(QWidget *form);
