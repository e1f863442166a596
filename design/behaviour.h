#pragma once

// What both programs do alike, whatever draws them: the presets, the step from the ten boxes
// to the results or the failure, and the typewriter of the about box. Each program answers
// the few questions below with its own widgets and wires its events to these.

#include "forms.h"
#include "level.h"

#include <string>
#include <string_view>

namespace design {

// What the calculator's handlers need of the window that shows it.
class Form1Face
{
public:
    virtual std::u16string text(Form1Control box) const = 0;
    virtual void setText(Form1Control box, std::u16string_view text) = 0;
    // Read at each press, so that a change in the desktop's settings counts from the next one.
    virtual calc::NumberFormat numberFormat() const = 0;
    virtual void reportFailure(calc::Status failure) = 0;

protected:
    ~Form1Face() = default;
};

// Reads the ten statistics and shows the level and the skill points, or reports the failure
// and leaves both results as they were.
void calcul_Click(Form1Face &form);
// The presets: each writes its level-1 value into the five base boxes.
void aff(Form1Face &form);  // x1: 25
void aff2(Form1Face &form); // x2: 30
void aff3(Form1Face &form); // x3: 35

// What the typewriter needs of the box it types into.
class AboutBoxFace
{
public:
    // Replaces the characters from `from` to `to` with `text`, painted white.
    virtual void replace(std::size_t from, std::size_t to, std::u16string_view text) = 0;
    // Leaves nothing selected and the cursor at the start of the text.
    virtual void cursorToStart() = 0;

protected:
    ~AboutBoxFace() = default;
};

// Types the about text, one character a tick, behind a "|" cursor. A rich-text box keeps each
// line break as one character, `lineBreak`, whether the text brought a CR LF or, half-way
// through one, a CR alone: the box is told only what differs from what it holds.
class Typewriter
{
public:
    explicit Typewriter(char16_t lineBreak) : lineBreak(lineBreak) {}

    void Form_Load();
    // Returns whether the text is complete with the cursor back at the start: later ticks
    // change nothing until a selection needs putting back.
    bool Timer1_Timer(AboutBoxFace &box);
    // What the box holds.
    const std::u16string &shown() const { return typed; }

    float ticks = 0; // stops growing at 2^24 ticks, long after the text is complete

private:
    char16_t lineBreak;
    std::u16string typed;
};

} // namespace design
