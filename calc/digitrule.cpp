#include "digitrule.h"

#include <algorithm>

namespace calc {

bool wantedBoxTakes(std::u16string_view characters)
{
    return std::ranges::all_of(characters, [](char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); });
}

} // namespace calc
