#pragma once

#include "behaviour.h"
#include "formbuilder.h"

#include <QMainWindow>
#include <QPointer>

class Form2;
class QKeyEvent;

// The calculator: the reborn presets fill the level-1 boxes, the player types the wanted
// values, and the button shows the level and the skill points it takes.
class Form1 : public QMainWindow, private design::Form1Face
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    // A test of thousands of failing computations records them rather than wait on message boxes.
    void reportFailure(calc::Status status) override;

private:
    std::u16string text(design::Form1Control box) const override;
    void setText(design::Form1Control box, std::u16string_view text) override;
    calc::NumberFormat numberFormat() const override;
    void announce(std::u16string_view text) override;

    bool calcul_KeyPress(const QKeyEvent &key);
    bool wanted_KeyPress(const QKeyEvent &key);
    void about_Click();
    void quit_Click();

    QWidget *control(design::Form1Control id) const { return controls[qsizetype(id)]; }

    Controls controls;
    QPointer<Form2> aboutWindow; // has no owner window, so it is ours to delete
};
