#pragma once

// Builds the Qt windows from the design that both programs share.

#include "forms.h"

#include <QList>

class QColor;
class QPalette;
class QWidget;

// A window's controls in the order of its design table, which is also their focus order.
using Controls = QList<QWidget *>;

// Makes the controls of `table` on `client`, each with its name, caption, place, size, font and
// flags; each label is the buddy of the box it names, and grows to its caption's ink where
// the design leaves it room. `clientWidth` bounds that growth.
Controls buildControls(QWidget *client, std::span<const design::Control> table, int clientWidth);

// Gives the client area and its controls their design colours in the desktop's palette of the
// moment: call again when it changes.
void applyColours(QWidget *client, design::Colour background, const Controls &controls,
                  std::span<const design::Control> table);

// A design colour in the toolkit's terms: RGB as it stands, a desktop colour number as the
// palette role that plays its part.
QColor qtColour(design::Colour colour, const QPalette &desktop);

// Gives `window` a title bar with the system menu and the close box only (no minimise, no
// maximise), and puts the top-left corner of its client area, `menuBarHeight` below the
// window's own, where the design says on the primary screen.
void placeWindow(QWidget *window, const design::Window &design, int menuBarHeight = 0);
