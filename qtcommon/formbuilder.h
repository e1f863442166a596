#pragma once

// Builds the Qt windows from the design that both programs share.

#include "forms.h"

#include <QList>

#include <functional>

class QColor;
class QPalette;
class QWidget;

// A window's controls in the order of its design table, which is also their focus order.
using Controls = QList<QWidget *>;

// A design colour as the desktop's palette shows it.
QColor qtColour(design::Colour colour, const QPalette &desktop);

// Sizes `client` as the window's client area and makes the controls of `table` on it. Each label
// is the buddy of the box it names and, before the window's first frame, grows to its caption's
// ink where the design leaves it room: `table` must last until then.
Controls buildControls(QWidget *client, const design::Window &window, std::span<const design::Control> table);
// Calls `work` once `window`, a top-level widget not shown yet, is first exposed: just before its
// first frame, after the window system has mapped it.
void beforeFirstFrame(QWidget *window, std::function<void()> work);
// The design colours in the desktop's palette of the moment: again whenever it changes.
void applyColours(QWidget *client, const design::Window &window, const Controls &controls,
                  std::span<const design::Control> table);

// Gives `window` a title bar with the system menu and the close box only, and puts the top-left
// corner of its client area, `menuBarHeight` below the window's own, where the design says.
void placeWindow(QWidget *window, const design::Window &design, int menuBarHeight = 0);
