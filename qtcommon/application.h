#pragma once

// What every window of the program shares: its name, version, icon and fonts. Called once
// before the first window is made.
void setUpApplication();

class QPoint;
class QWidget;

// Gives `window`, whose size its form fixes, a title bar with the system menu and the close box
// only (no minimise, no maximise), and puts the top-left corner of its client area at
// `clientOrigin` on the primary screen.
void makeFixedWindow(QWidget *window, QPoint clientOrigin);
