#include "Form2.h"

#include "application.h"
#include "formdesign.h"

#include <QTextCursor>

using namespace Qt::StringLiterals;

const QString Form2::aboutText = u"R7V Lumo Vareroro :) By Vek\r\n"
                                 u"Entrez simplement vos stats souhaitées et le programme calculera :\r\n"
                                 u"- Le level auquel les stats sont atteintes,\r\n"
                                 u"- Et le nombre de points de compétences disponibles.\r\n"
                                 u"Sa sert toujours :p\r\n"
                                 u"Email : vek@r7v.example.org\r\n"
                                 u"Enjoy ! :)"_s;

namespace {

// Where the window's client area opens on the screen, each time it is created.
constexpr QPoint clientOrigin{454, 210};

void paintWhite(QTextCursor cursor, int from, int to)
{
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QTextCharFormat white;
    white.setForeground(Qt::white);
    cursor.mergeCharFormat(white);
}

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

    Form_Load();
    Timer1.start();
}

void Form2::Form_Load()
{
    ticks = 0;
}

void Form2::Timer1_Timer()
{
    ++ticks;
    const int typed = qRound(ticks);
    // Once the text is complete the last tick has written it all: writing it again would
    // change nothing on screen but would lay the box out anew twenty times a second, for as
    // long as the window stays open. Only a selection or a moved cursor, which a tick puts
    // back, is worth the work.
    const QTextCursor cursor = ui.rtf->textCursor();
    if (typed > aboutText.size() && !cursor.hasSelection() && cursor.position() == 0)
        return;
    ui.rtf->setPlainText(aboutText.left(typed) + u'|');

    // A line break counts as one position in the box, so the cursor is found from the end.
    const int bar = ui.rtf->document()->characterCount() - 2;
    paintWhite(ui.rtf->textCursor(), 0, bar);
    paintWhite(ui.rtf->textCursor(), bar, bar + 1);
    ui.rtf->moveCursor(QTextCursor::Start);
}

void Form2::Command1_Click()
{
    hide();
}
