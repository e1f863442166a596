#pragma once

// What both programs do alike, whatever draws them: the calculator's handlers, the about box's
// typewriter and the texts they show. Each program answers a face's questions with its own
// widgets and wires its events to these handlers.

#include "appinfo.h"
#include "forms.h"
#include "level.h"

#include <chrono>
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
        u"Email : " APPINFO_EMAIL u"\r\n"
        u"Enjoy ! :)";
static_assert(aboutText.size() == 256, "the contact address takes 19 characters of the about text");

// A failure worded as the run-time error that players already know: "Erreur d'exécution '13' :",
// a blank line, then its description.
inline std::u16string_view runTimeErrorMessage(calc::Status failure)
{
    return failure == calc::Status::TypeMismatch ? u"Erreur d'exécution '13' :\n\nIncompatibilité de type"
                                                 : u"Erreur d'exécution '6' :\n\nDépassement de capacité";
}

class Form1Face
{
public:
    virtual std::u16string text(Form1Control box) const = 0;
    virtual void setText(Form1Control box, std::u16string_view text) = 0;
    // Read at each press, so that a change in the desktop's settings counts from the next one.
    virtual calc::NumberFormat numberFormat() const = 0;
    virtual void reportFailure(calc::Status failure) = 0;
    // Hands screen readers a text to say once they are done with what they are saying.
    virtual void announce(std::u16string_view text) = 0;

protected:
    ~Form1Face() = default;
};

// The level and the skill points from the ten boxes, announced as "Level Final : 9, Pts de
// Compétences : 135"; or the failure, with both results left as they were.
void calcul_Click(Form1Face &form);
// The presets write 25, 30 or 35 into the five base boxes, announced as "Stat de base: (lvl 1) 30".
void aff(Form1Face &form, std::u16string_view level1Value);
inline void x1_Click(Form1Face &form) { aff(form, u"25"); }
inline void x2_Click(Form1Face &form) { aff(form, u"30"); }
inline void x3_Click(Form1Face &form) { aff(form, u"35"); }

// Which control's click runs which handler.
struct Click { Form1Control control; void (*handler)(Form1Face &); };
inline constexpr Click form1Clicks[] = {
        {Form1Control::calcul, calcul_Click}, {Form1Control::x1, x1_Click}, {Form1Control::x2, x2_Click}, {Form1Control::x3, x3_Click}};

class AboutBoxFace
{
public:
    // Replaces the characters from `from` to `to` with `text`, in the box's text colour.
    virtual void replace(std::size_t from, std::size_t to, std::u16string_view text) = 0;
    // Leaves nothing selected and the cursor at the start.
    virtual void cursorToStart() = 0;

protected:
    ~AboutBoxFace() = default;
};

// The typewriter's pace: a character every tick.
inline constexpr std::chrono::milliseconds typingInterval{50};

// Types the about text, a character a tick, behind a "|" cursor, telling the box only what
// each tick adds. A rich-text box keeps each line break as the one character
// `lineBreak`, whether the text brought a CR LF or, half-way through one, a CR alone.
class Typewriter
{
public:
    explicit Typewriter(char16_t lineBreak) : lineBreak(lineBreak) {}

    // Each load of the window starts from nothing.
    void Form_Load() { *this = Typewriter(lineBreak); }
    // Returns whether the text is complete: later ticks change nothing but the cursor.
    bool Timer1_Timer(AboutBoxFace &box);

    float ticks = 0; // stops growing at 2^24 ticks, long after the text is complete

private:
    char16_t lineBreak;
    std::size_t typedCount = 0; // of the about text's characters, a CR LF counting two
    std::u16string typed;
};

} // namespace design
