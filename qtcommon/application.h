#pragma once

// On a desktop that offers both Wayland and X, chooses X unless the user has chosen through
// QT_QPA_PLATFORM: Wayland lets no program place its windows, and there Qt draws a title bar
// of its own with buttons the windows must not have. Called before the QApplication is made.
void chooseWindowSystem();
// The name, version, icon and fonts every window shares. Called before the first window is made.
void setUpApplication();
