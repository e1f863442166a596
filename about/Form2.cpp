#include "Form2.h"

#include "application.h"
#include "formdesign.h"
#include "texts.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

// Written once for both programs, in design/texts.h.
const QString Form2::aboutText = QStringView(design::aboutText.data(), qsizetype(design::aboutText.size())).toString();

namespace {

// Where the window's client area opens on the screen, each time it is created.
constexpr QPoint clientOrigin{454, 210};

} // namespace

Form2::Form2(QWidget *parent)
    : QWidget(parent)
{
    ui.setupUi(this);
    applyFormDesign(this);
    makeFixedWindow(this, clientOrigin);
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the calculator ends the program, even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);

    Timer1.setObjectName(u"Timer1"_s);
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(ui.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(ui.rtf, &QTextEdit::selectionChanged, this, &Form2::OnSelectionChange);
    connect(ui.rtf, &QTextEdit::cursorPositionChanged, this, &Form2::OnSelectionChange);

    Form_Load();
    Timer1.start();
}

void Form2::OnSelectionChange()
{
    // A selection, or a click that moved the cursor, lasts until the next tick, which puts the
    // cursor back: a complete text needs the timer again for that one tick.
    const QTextCursor cursor = ui.rtf->textCursor();
    if (!Timer1.isActive() && (cursor.hasSelection() || cursor.position() != 0))
        Timer1.start();
}

void Form2::Form_Load()
{
    ticks = 0;
    shown.clear();
}

void Form2::Timer1_Timer()
{
    ++ticks;
    showInBox(QString::fromStdU16String(design::aboutTyped(ticks, u'\n')));
    // Complete, with the cursor back at the start: later ticks would change nothing, so none
    // comes until a selection needs putting back.
    if (design::aboutComplete(ticks))
        Timer1.stop();
}

void Form2::Command1_Click()
{
    hide();
}

// Only what differs from what the box holds is replaced, one character and the cursor at a
// tick, and painted white: the box shows what setting the whole text afresh would.
void Form2::showInBox(const QString &text)
{
    const auto same = int(std::mismatch(shown.cbegin(), shown.cend(), text.cbegin(), text.cend()).first
                          - shown.cbegin());
    if (same != shown.size() || same != text.size()) {
        QTextCursor replaced(ui.rtf->document());
        // Outside an edit block, each move of a cursor works out where on its line it stands,
        // which shapes the line's text anew: for a cursor thrown away at once.
        replaced.beginEditBlock();
        replaced.setPosition(same);
        replaced.setPosition(int(shown.size()), QTextCursor::KeepAnchor);
        QTextCharFormat white;
        white.setForeground(Qt::white);
        replaced.insertText(text.sliced(same), white);
        replaced.endEditBlock();
        // Else painting the paragraph shapes its text again, as laying it out just did.
        ui.rtf->document()->lastBlock().layout()->setCacheEnabled(true);
        shown = text;
    }
    if (const QTextCursor cursor = ui.rtf->textCursor(); cursor.hasSelection() || cursor.position() != 0)
        ui.rtf->moveCursor(QTextCursor::Start);
}
