#pragma once

#include "ui_Form2.h"

#include <QElapsedTimer>
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

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();

    void countTicks(qint64 count);
    qint64 ticksSinceHidden() const;
    void sleepUntilComplete();
    void bringBoxUpToDate();
    void typeIn(int position, const QString &text);
    void paintTyping();
    int inkBeyondLines();
    void boxTouched();

    Ui::Form2 ui;
    QTimer Timer1{this};
    float ticks = 0; // stops growing at 2^24 ticks, long after the text is complete

    qsizetype typedInBox = 0; // characters of aboutText the box holds, before the bar
    QRect typingArea;         // of the box's page, while a tick repaints it
    int inkReach = -1;        // pixels, once worked out
    // While the window is hidden the timer sleeps until the text would be complete; the ticks
    // it sleeps through are counted from this clock: since the hide, plus the part of a tick
    // gone by then.
    QElapsedTimer hiddenClock;
    qint64 hiddenPhaseMs = 0;
    qint64 countedWhileHidden = 0;

    // Reaching 2^24 ticks takes ten days at 50 ms a tick: the test sets the counter instead.
    friend class TestForm2;
};
