#pragma once

#include "ui_Form2.h"

#include <QTimer>
#include <QWidget>

// The about window: its text types itself out, one character every 50 ms, behind a "|" cursor.
// Its button only hides it and the typing goes on; the close box destroys it, and the next one
// starts the text again from nothing.
class Form2 : public QWidget
{
    Q_OBJECT

public:
    explicit Form2(QWidget *parent = nullptr);

    static const QString aboutText;

private:
    void OnSelectionChange();

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    void showInBox(const QString &text);

    Ui::Form2 ui;
    QTimer Timer1{this};
    float ticks = 0; // stops growing at 2^24 ticks, long after the text is complete
    QString shown;   // what the box holds, its line breaks as the box keeps them

    // Reaching 2^24 ticks takes ten days at 50 ms a tick: the test sets the counter instead.
    friend class TestForm2;
};
