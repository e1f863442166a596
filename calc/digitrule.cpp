#include "digitrule.h"

namespace calc {

bool wantedBoxTakes(QStringView keyText)
{
    // Tab moves the focus and Delete edits; neither makes a character, though the desktop
    // reports them with the codes TAB and DEL.
    if (keyText.isEmpty() || keyText == u"\t" || keyText == u"\x7f")
        return true;
    for (const QChar c : keyText) {
        if (c != u'\b' && !(c >= u'0' && c <= u'9'))
            return false;
    }
    return true;
}

} // namespace calc
