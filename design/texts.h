#pragma once

// The program's own texts that both front ends show, written once.

#include "level.h"

#include <cmath>
#include <string>
#include <string_view>

namespace design {

// Seven lines joined by CR LF, 256 characters; the about window types it out.
inline constexpr std::u16string_view aboutText =
        u"R7V Lumo Vareroro :) By Vek\r\n"
        u"Entrez simplement vos stats souhaitées et le programme calculera :\r\n"
        u"- Le level auquel les stats sont atteintes,\r\n"
        u"- Et le nombre de points de compétences disponibles.\r\n"
        u"Sa sert toujours :p\r\n"
        u"Email : vek@r7v.example.org\r\n"
        u"Enjoy ! :)";

// What the about box shows after `ticks` ticks of its timer: the text as far as it is typed,
// one character a tick, then the bar. A rich-text box keeps each line break as the one
// character `lineBreak`, whether the text brought a CR LF or, half-way through one, a CR alone.
template<typename Char>
std::basic_string<Char> aboutTyped(float ticks, Char lineBreak)
{
    const std::u16string_view typed = aboutText.substr(0, std::size_t(std::lround(ticks)));
    std::basic_string<Char> shown;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == u'\n' && i > 0 && typed[i - 1] == u'\r')
            continue;
        shown += typed[i] == u'\r' || typed[i] == u'\n' ? lineBreak : Char(typed[i]);
    }
    return shown + Char(u'|');
}

// From this tick on, every tick shows the same.
inline bool aboutComplete(float ticks)
{
    return std::lround(ticks) >= long(aboutText.size());
}

// A failure of the computation, numbered and worded as the run-time error that players
// already know: "Erreur d'exécution '13' :", a blank line, then its description.
inline std::u16string runTimeErrorMessage(calc::Status failure)
{
    if (failure == calc::Status::TypeMismatch)
        return u"Erreur d'exécution '13' :\n\nIncompatibilité de type";
    return u"Erreur d'exécution '6' :\n\nDépassement de capacité";
}

} // namespace design
