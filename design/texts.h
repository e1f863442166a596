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

// The failures of the computation, numbered and worded as the run-time errors that players
// already know.
struct RunTimeError
{
    int number;
    std::u16string_view description;
};

inline RunTimeError runTimeError(calc::Status failure)
{
    if (failure == calc::Status::TypeMismatch)
        return {13, u"Incompatibilité de type"};
    return {6, u"Dépassement de capacité"};
}

// "Erreur d'exécution '13' :", a blank line, then the description.
inline std::u16string runTimeErrorMessage(calc::Status failure)
{
    const RunTimeError error = runTimeError(failure);
    std::u16string message = u"Erreur d'exécution '";
    for (const char digit : std::to_string(error.number))
        message += char16_t(digit);
    return message + u"' :\n\n" + std::u16string(error.description);
}

} // namespace design
