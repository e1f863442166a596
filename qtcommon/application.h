#pragma once

// On a desktop that offers both Wayland and X, chooses X unless the user has chosen through
// QT_QPA_PLATFORM: Wayland lets no program place its windows, and there Qt draws a title bar
// of its own with buttons the windows must not have. Called before the QApplication is made.
void chooseWindowSystem();

// What every window of the program shares: its name, version, icon and fonts. Called once
// before the first window is made.
void setUpApplication();

class QPoint;
class QWidget;

// Gives `window`, whose size its form fixes, a title bar with the system menu and the close box
// only (no minimise, no maximise), and puts the top-left corner of its client area at
// `clientOrigin` on the primary screen.
void makeFixedWindow(QWidget *window, QPoint clientOrigin);
