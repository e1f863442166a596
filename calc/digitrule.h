#pragma once

#include <algorithm>
#include <string_view>

namespace calc {

// Whether a wanted-value box lets typed characters in: digits and backspace only. Each program
// decides which of its keys make characters; pasted text never comes this way.
inline bool wantedBoxTakes(std::u16string_view characters)
{
    return std::ranges::all_of(characters, [](char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); });
}

} // namespace calc
