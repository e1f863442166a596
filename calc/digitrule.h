#pragma once

#include <string_view>

namespace calc {

// Whether a wanted-value box lets typed characters in: digits and backspace only. Each program
// decides which of its keys make characters; pasted text never comes this way.
bool wantedBoxTakes(std::u16string_view characters);

} // namespace calc
