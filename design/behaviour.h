#pragma once

// What both programs do alike, whatever draws them: the handlers of the calculator and the
// typewriter of the about box. Each program answers the questions of a face with its own
// widgets and wires its events to these handlers.

#include "forms.h"
#include "level.h"

#include <string>
#include <string_view>

namespace design {

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
// The presets: x1, x2 and x3 write 25, 30 and 35 into the five base boxes, announced as
// "Stat de base: (lvl 1) 30".
void x1_Click(Form1Face &form);
void x2_Click(Form1Face &form);
void x3_Click(Form1Face &form);
void aff(Form1Face &form, std::u16string_view level1Value);

class AboutBoxFace
{
public:
    // Replaces the characters from `from` to `to` with `text`, painted white.
    virtual void replace(std::size_t from, std::size_t to, std::u16string_view text) = 0;
    // Leaves nothing selected and the cursor at the start.
    virtual void cursorToStart() = 0;

protected:
    ~AboutBoxFace() = default;
};

// Types the about text, a character a tick, behind a "|" cursor, telling the box only what
// differs from what it holds. A rich-text box keeps each line break as the one character
// `lineBreak`, whether the text brought a CR LF or, half-way through one, a CR alone.
class Typewriter
{
public:
    explicit Typewriter(char16_t lineBreak) : lineBreak(lineBreak) {}

    void Form_Load();
    // Returns whether the text is complete: later ticks change nothing but the cursor.
    bool Timer1_Timer(AboutBoxFace &box);
    const std::u16string &shown() const { return typed; }

    float ticks = 0; // stops growing at 2^24 ticks, long after the text is complete

private:
    char16_t lineBreak;
    std::u16string typed;
};

} // namespace design
