#pragma once

#include <windows.h>

// COM for the banner's decoder, and the common controls of the desktop's current look.
bool setUpApplication();
// Hands a message to its window, with the keys that move between controls (Tab, the arrows in
// the option group) handled as in a dialog box.
void processMessage(MSG &message);
