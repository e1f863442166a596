#include "digitrule.h"

namespace calc {

bool wantedBoxTakes(std::u16string_view keyText)
{
    // Tab moves the focus and Delete edits; neither makes a character, though the desktop
    // reports them with the codes TAB and DEL.
    if (keyText.empty() || keyText == u"\t" || keyText == u"\x7f")
        return true;
    for (const char16_t c : keyText) {
        if (c != u'\b' && !(c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

} // namespace calc
