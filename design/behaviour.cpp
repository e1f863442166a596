#include "behaviour.h"

#include <algorithm>
#include <cmath>

namespace design {

namespace {

using enum Form1Control;

// A label's caption without its trailing blanks, then a value: what a player who cannot see
// the window hears of it.
std::u16string spoken(Form1Control label, std::u16string_view value)
{
    const std::wstring_view caption = form1Controls[std::size_t(label)].caption;
    std::u16string text(caption.begin(), caption.begin() + long(caption.find_last_not_of(L' ') + 1));
    return text.append(u" ").append(value);
}

} // namespace

void calcul_Click(Form1Face &form)
{
    const std::u16string texts[] = {form.text(force),  form.text(endu),  form.text(dext),  form.text(sag),  form.text(intel),
                                    form.text(force2), form.text(endu2), form.text(dext2), form.text(sag2), form.text(intel2)};
    const calc::LevelResult result = calc::computeLevel({texts[0], texts[1], texts[2], texts[3], texts[4]},
                                                        {texts[5], texts[6], texts[7], texts[8], texts[9]}, form.numberFormat());
    if (result.status != calc::Status::Ok)
        return form.reportFailure(result.status);
    form.setText(final, result.level);
    form.setText(comp, result.skillPoints);
    form.announce(spoken(Label10, result.level) + u", " + spoken(Label11, result.skillPoints));
}

void aff(Form1Face &form, std::u16string_view level1Value)
{
    for (const Form1Control box : {endu, dext, sag, intel, force})
        form.setText(box, level1Value);
    form.announce(spoken(Label2, level1Value));
}

bool Typewriter::Timer1_Timer(AboutBoxFace &box)
{
    ++ticks;
    const std::size_t count = std::min(std::size_t(std::lround(ticks)), aboutText.size());
    std::u16string added;
    for (; typedCount < count; ++typedCount) {
        const char16_t c = aboutText[typedCount];
        if (!(c == u'\n' && typedCount > 0 && aboutText[typedCount - 1] == u'\r'))
            added += c == u'\r' || c == u'\n' ? lineBreak : c;
    }
    // What the tick adds takes the cursor's place, and the cursor goes behind it.
    if (!added.empty()) {
        const std::size_t cursor = typed.empty() ? 0 : typed.size() - 1;
        added += u'|';
        box.replace(cursor, typed.size(), added);
        typed.replace(cursor, typed.npos, added);
    }
    box.cursorToStart();
    return count == aboutText.size();
}

} // namespace design
