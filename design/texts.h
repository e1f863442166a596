#pragma once

// The program's own texts that both front ends show, written once.

#include "level.h"

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

// A failure of the computation, numbered and worded as the run-time error that players
// already know: "Erreur d'exécution '13' :", a blank line, then its description.
inline std::u16string runTimeErrorMessage(calc::Status failure)
{
    if (failure == calc::Status::TypeMismatch)
        return u"Erreur d'exécution '13' :\n\nIncompatibilité de type";
    return u"Erreur d'exécution '6' :\n\nDépassement de capacité";
}

} // namespace design
