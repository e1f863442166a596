#pragma once

// What every window of the program shares: its name, version, icon and fonts. Called once
// before the first window is made.
void setUpApplication();
