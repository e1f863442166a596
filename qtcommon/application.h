#pragma once

class QWidget;

// On a desktop that offers both Wayland and X, chooses X unless the user has chosen through
// QT_QPA_PLATFORM: Wayland lets no program place its windows, and there Qt draws a title bar
// of its own with buttons the windows must not have. Called before the QApplication is made.
void chooseWindowSystem();
// The name, version and fonts every window shares. Called before the first window is made.
void setUpApplication();
// Decoding the icon's sizes took longer than anything else the program adds to a bare Qt window
// before it appears, and a first frame does not show the icon: the windows get it once `window`
// has drawn its first.
void iconOnceDrawn(QWidget *window);
