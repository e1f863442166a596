#include "Form2.h"

#include "application.h"
#include "formdesign.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

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

// What the box holds for a typed text: it turns each CR LF, and a CR typed alone, into one line
// break, as setting the text and inserting it both do.
QString asShown(QString typed)
{
    return typed.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
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
    showInBox(asShown(aboutText.left(typed)) + u'|');
}

// Setting the whole text and colouring it again at every tick laid the box out three times and
// repainted all of it, twenty times a second, and went on after the text was complete. Only what
// differs from what the box holds is replaced, in white, and a complete text left alone costs
// nothing: the box shows, tick after tick, what setting it afresh would.
void Form2::showInBox(const QString &text)
{
    QTextDocument *document = ui.rtf->document();
    const QString held = document->toPlainText();
    const auto [heldEnd, textEnd] = std::mismatch(held.cbegin(), held.cend(), text.cbegin(), text.cend());
    if (heldEnd != held.cend() || textEnd != text.cend()) {
        QTextCharFormat white;
        white.setForeground(Qt::white);
        const int from = int(heldEnd - held.cbegin());
        QTextCursor change(document);
        // Inside an edit block a cursor that moves does not work out where on its line it
        // stands, which costs as much as laying the line out, for a cursor thrown away at once.
        change.beginEditBlock();
        change.setPosition(from);
        change.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        change.insertText(QStringView(textEnd, text.cend()).toString(), white);
        change.endEditBlock();
        // Painting a line shapes its text anew unless its block kept the glyphs of its layout.
        for (QTextBlock block = document->findBlock(from); block.isValid(); block = block.next())
            block.layout()->setCacheEnabled(true);
    }
    // A selection, or a click that moved the cursor, lasts until the next tick, as when each
    // tick set the text afresh.
    if (ui.rtf->textCursor().hasSelection() || ui.rtf->textCursor().position() != 0)
        ui.rtf->moveCursor(QTextCursor::Start);
}

void Form2::Command1_Click()
{
    hide();
}
