#pragma once

#include "ui_Form1.h"

#include <QMainWindow>
#include <QPointer>

class Form2;
class QKeyEvent;

namespace calc {
enum class Status;
} // namespace calc

// The calculator: the reborn presets fill the level-1 boxes, the player types the wanted
// values, and the button shows the level and the skill points it takes.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Virtual so that a test running thousands of failing computations can record them
    // instead of waiting on a modal message box for each.
    virtual void reportFailure(calc::Status status);

private:
    void calcul_Click();
    bool calcul_KeyPress(const QKeyEvent &key);
    void x1_Click();
    void x2_Click();
    void x3_Click();
    void about_Click();
    void quit_Click();

    void aff(const QString &level1Value);

    Ui::Form1 ui;
    QPointer<Form2> aboutWindow; // has no owner window, so it is ours to delete
};
