#pragma once

#include "behaviour.h"

#include <QTimer>
#include <QWidget>

class QTextEdit;

// The about window types its text out, a character every 50 ms. Its button only hides it and
// the typing goes on; the close box destroys it, and the next one starts again from nothing.
class Form2 : public QWidget, private design::AboutBoxFace
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

private:
    void replace(std::size_t from, std::size_t to, std::u16string_view text) override;
    void cursorToStart() override;

    void OnSelectionChange();

    void Timer1_Timer();
    void Command1_Click();

    QTextEdit *rtf = nullptr;
    QTimer Timer1{this};
    design::Typewriter typewriter{u'\n'};

    // Reaching 2^24 ticks takes ten days at 50 ms a tick: the test sets the counter instead.
    friend class TestForm2;
};
