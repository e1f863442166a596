#pragma once

#include <string_view>

namespace calc {

// Whether a wanted-value box lets a key's text in: digits and backspace only. Keys that make
// no character (arrows, Home, End, Delete, Tab) have nothing to filter and always pass; pasted text
// never comes this way.
bool wantedBoxTakes(std::u16string_view keyText);

} // namespace calc
