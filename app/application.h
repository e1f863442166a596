#pragma once

// What every window of the program shares: its name, version, icon and fonts. Called once
// before the first window is made.
void setUpApplication();

class QPoint;
class QWidget;

// Makes `window` one the user can move but not resize, minimise or maximise, and puts the
// top-left corner of its client area at `clientOrigin` on the screen.
void makeFixedWindow(QWidget *window, QPoint clientOrigin);
