#include "Form2.h"

#include "formbuilder.h"
#include "qtstrings.h"

#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextLayout>

using namespace Qt::StringLiterals;
using enum design::Form2Control;

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    const Controls controls = buildControls(this, design::form2, design::form2Controls);
    rtf = static_cast<QTextEdit *>(controls[qsizetype(design::Form2Control::rtf)]);
    placeWindow(this, design::form2);
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the calculator ends the program, even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    Timer1.setObjectName(u"Timer1"_s);
    Timer1.setInterval(design::typingInterval);
    connect(&Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(static_cast<QPushButton *>(controls[qsizetype(Command1)]), &QPushButton::clicked, this,
            &Form2::Command1_Click);
    connect(rtf, &QTextEdit::selectionChanged, this, &Form2::OnSelectionChange);
    connect(rtf, &QTextEdit::cursorPositionChanged, this, &Form2::OnSelectionChange);

    typewriter.Form_Load();
    Timer1.start();
}

void Form2::OnSelectionChange()
{
    // A selection, or a click that moved the cursor, lasts until the next tick, which puts the
    // cursor back: a complete text needs the timer again for that one tick.
    const QTextCursor cursor = rtf->textCursor();
    if (!Timer1.isActive() && (cursor.hasSelection() || cursor.position() != 0))
        Timer1.start();
}

void Form2::Timer1_Timer()
{
    if (typewriter.Timer1_Timer(*this))
        Timer1.stop();
}

void Form2::Command1_Click()
{
    hide();
}

// Only what differs from what the box holds is replaced, one character and the cursor at a
// tick, in the box's text colour: the box shows what setting the whole text afresh would.
void Form2::replace(std::size_t from, std::size_t to, std::u16string_view text)
{
    QTextCursor replaced(rtf->document());
    // Outside an edit block, each move of a cursor works out where on its line it stands,
    // which shapes the line's text anew: for a cursor thrown away at once.
    replaced.beginEditBlock();
    replaced.setPosition(int(from));
    replaced.setPosition(int(to), QTextCursor::KeepAnchor);
    QTextCharFormat typed;
    typed.setForeground(qtColour(design::form2Controls[std::size_t(design::Form2Control::rtf)].foreground, palette()));
    replaced.insertText(qtText(text), typed);
    replaced.endEditBlock();
    // Else painting the paragraph shapes its text again, as laying it out just did.
    rtf->document()->lastBlock().layout()->setCacheEnabled(true);
}

void Form2::cursorToStart()
{
    if (const QTextCursor cursor = rtf->textCursor(); cursor.hasSelection() || cursor.position() != 0)
        rtf->moveCursor(QTextCursor::Start);
}
