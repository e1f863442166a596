#include "Form2.h"

#include "application.h"
#include "formdesign.h"
#include "texts.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QtMath>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

// Written once for both programs, in design/texts.h.
const QString Form2::aboutText = QStringView(design::aboutText.data(), qsizetype(design::aboutText.size())).toString();

namespace {

// Where the window's client area opens on the screen, each time it is created.
constexpr QPoint clientOrigin{454, 210};

constexpr int tickMs = 50;

// Adding one to a float no longer changes it from 2^24 on.
constexpr float lastTick = 16777216.0f;

// What the box holds for the first `typed` characters of the text: each CR LF, and a CR typed
// alone, is one line break, as setting the text would make it.
QString asShown(qsizetype typed)
{
    return Form2::aboutText.left(typed).replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
}

// Where each line of `block` begins, from the block's start.
QList<int> lineStarts(const QTextBlock &block)
{
    QList<int> starts;
    const QTextLayout *layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i)
        starts.append(layout->lineAt(i).textStart());
    return starts;
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
    Timer1.setInterval(tickMs);
    connect(&Timer1, &QTimer::timeout, this, &Form2::Timer1_Timer);
    connect(ui.Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(ui.rtf, &QTextEdit::selectionChanged, this, &Form2::boxTouched);
    connect(ui.rtf, &QTextEdit::cursorPositionChanged, this, &Form2::boxTouched);
    ui.rtf->viewport()->installEventFilter(this);

    Form_Load();
    Timer1.start();
}

void Form2::Form_Load()
{
    ticks = 0;
}

void Form2::Timer1_Timer()
{
    qint64 count = 1;
    if (hiddenClock.isValid()) {
        // The timer slept through the ticks since the window was hidden: they count now.
        count = std::max(ticksSinceHidden() - countedWhileHidden, qint64(1));
        countedWhileHidden += count;
    } else if (Timer1.interval() != tickMs) {
        Timer1.setInterval(tickMs); // this tick came at the rest of one begun before a hide
    }
    countTicks(count);

    if (isVisible())
        bringBoxUpToDate();
    else if (Timer1.isActive())
        sleepUntilComplete();
}

void Form2::Command1_Click()
{
    hide();
}

// Nothing is drawn or laid out while the window is hidden, so the timer need not wake the
// program 20 times a second to count: it sleeps until the tick that completes the text, and a
// show before then counts the ticks slept through. The box catches up when it is shown.
void Form2::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous() && Timer1.isActive())
        sleepUntilComplete();
}

void Form2::showEvent(QShowEvent *event)
{
    if (hiddenClock.isValid()) {
        if (Timer1.isActive()) {
            const qint64 sinceTick = hiddenClock.elapsed() + hiddenPhaseMs;
            countTicks(std::max(sinceTick / tickMs - countedWhileHidden, qint64(0)));
            // The next tick comes when it would have, had the window stayed on screen.
            Timer1.start(tickMs - sinceTick % tickMs);
        }
        hiddenClock.invalidate();
    }
    // Before the first paint, which then shows the text as far as it has got.
    bringBoxUpToDate();
    QWidget::showEvent(event);
}

// As many ticks as the float counter takes one at a time.
void Form2::countTicks(qint64 count)
{
    ticks = std::min(ticks + float(count), lastTick);
}

qint64 Form2::ticksSinceHidden() const
{
    return (hiddenClock.elapsed() + hiddenPhaseMs) / tickMs;
}

void Form2::sleepUntilComplete()
{
    if (!hiddenClock.isValid()) {
        hiddenPhaseMs = tickMs - Timer1.remainingTime();
        countedWhileHidden = 0;
        hiddenClock.start();
    }
    const qint64 toType = aboutText.size() - qRound(ticks);
    if (toType <= 0) {
        // Nothing left to type; a selection or a moved cursor is put back when shown.
        Timer1.stop();
        hiddenClock.invalidate();
        return;
    }
    const qint64 wakeAt = (countedWhileHidden + toType) * tickMs - hiddenPhaseMs;
    Timer1.start(std::max(wakeAt - hiddenClock.elapsed(), qint64(0)));
}

void Form2::bringBoxUpToDate()
{
    const qsizetype typed = std::min(qsizetype(qRound(ticks)), aboutText.size());
    if (typed > typedInBox) {
        const QString held = asShown(typedInBox);
        QString added = asShown(typed).sliced(held.size());
        if (typedInBox == 0)
            added += u'|';
        typedInBox = typed;
        if (!added.isEmpty()) // a LF after its CR adds nothing
            typeIn(int(held.size()), added);
    }
    // A selection, or a click that moved the cursor, lasts until the next tick, as when each
    // tick set the whole text afresh.
    if (const QTextCursor cursor = ui.rtf->textCursor(); cursor.hasSelection() || cursor.position() != 0)
        ui.rtf->moveCursor(QTextCursor::Start);
    // Complete and untouched, the box has nothing left for a tick to do.
    if (typed == aboutText.size())
        Timer1.stop();
}

// Setting the whole text at each tick laid all of it out and repainted the whole box. Only
// what was typed since is inserted, before the bar and already white, so that the box lays out
// the one paragraph it goes in, and only the few pixels around it are painted again.
void Form2::typeIn(int position, const QString &text)
{
    QTextDocument *document = ui.rtf->document();
    QAbstractTextDocumentLayout *layout = document->documentLayout();
    const QSizeF sizeBefore = layout->documentSize();
    const int blocksBefore = document->blockCount();
    const QTextBlock block = document->lastBlock();
    const QList<int> linesBefore = lineStarts(block);
    // Painting a line shapes its text anew unless its block keeps the glyphs of its layout.
    block.layout()->setCacheEnabled(true);
    QTextCursor at(document);
    at.setPosition(position);
    const QRect before = ui.rtf->cursorRect(at);
    {
        // Else the layout has the box repaint everything from the line to its bottom.
        const QSignalBlocker quiet(layout);
        QTextCharFormat white;
        white.setForeground(Qt::white);
        at.insertText(text, white);
    }
    document->lastBlock().layout()->setCacheEnabled(true); // a line break made a new block
    at.movePosition(QTextCursor::End);
    const QRect after = ui.rtf->cursorRect(at);
    if (const QSizeF size = layout->documentSize(); size != sizeBefore)
        emit layout->documentSizeChanged(size); // for the scroll bars, which it was kept from

    // Repainted at once rather than at the next pass of the event loop, which would wake the
    // program once more. Glyphs may reach past the top or the bottom of their line, as the bar
    // does by a pixel in some fonts: so far again above and below.
    QWidget *page = ui.rtf->viewport();
    const int reach = inkBeyondLines();
    const QList<int> linesAfter = lineStarts(block);
    if (document->blockCount() == blocksBefore && linesAfter == linesBefore) {
        // Only the end of the last line changed: the old bar, what was typed over it and the
        // new bar, with a line's height either side for glyphs that reach beyond their advance.
        const int margin = before.height();
        typingArea = QRect(QPoint(before.left() - margin, before.top() - reach),
                           QPoint(after.right() + margin, after.bottom() + reach));
        page->repaint(typingArea);
        typingArea = QRect();
        return;
    }
    // A word went down to a new line, or back up, or a line break began a paragraph: every line
    // from the first that changed, whole. A line ends where the next begins, so the line before
    // the first that begins elsewhere changed too.
    const auto moved = std::mismatch(linesAfter.cbegin(), linesAfter.cend(), linesBefore.cbegin(),
                                     linesBefore.cend()).first;
    int top = before.top();
    if (moved != linesAfter.cbegin() && moved != linesAfter.cend()) {
        at.setPosition(block.position() + *std::prev(moved));
        top = std::min(top, ui.rtf->cursorRect(at).top());
    }
    page->repaint(QRect(QPoint(0, top - reach), QPoint(page->width(), after.bottom() + reach)));
}

// How far any glyph of the text, or the bar, reaches above or below the lines of the box.
int Form2::inkBeyondLines()
{
    if (inkReach < 0) {
        const QFontMetricsF metrics(ui.rtf->font());
        const QRectF ink = metrics.boundingRect(QString(aboutText).remove(u'\r').remove(u'\n') + u'|');
        inkReach = qCeil(std::max({-ink.top() - metrics.ascent(), ink.bottom() - metrics.descent(), 0.0}));
    }
    return inkReach;
}

bool Form2::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && typingArea.isValid() && watched == ui.rtf->viewport()
        && typingArea.contains(static_cast<QPaintEvent *>(event)->rect())
        && !ui.rtf->textCursor().hasSelection()) {
        paintTyping();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// The box draws, and looks up in the font's cache, every glyph of each line that the repaint
// reaches, some fifty, for the three that changed. The same glyph runs are drawn here, the same
// way, over the background Qt has already filled in, but only those of the lines that reach
// the repainted area: those of the last paragraph, and of the ones above it if they reach down
// that far.
void Form2::paintTyping()
{
    QWidget *page = ui.rtf->viewport();
    const QTextDocument *document = ui.rtf->document();
    const QAbstractTextDocumentLayout *layout = document->documentLayout();
    const QPointF scrolled(ui.rtf->horizontalScrollBar()->value(),
                           ui.rtf->verticalScrollBar()->value());
    QPainter painter(page);
    painter.setPen(Qt::white);
    for (QTextBlock block = document->lastBlock(); block.isValid(); block = block.previous()) {
        const QTextLayout *text = block.layout();
        const QPointF origin = layout->blockBoundingRect(block).topLeft() - text->boundingRect().topLeft()
                - scrolled;
        for (int i = text->lineCount() - 1; i >= 0; --i) {
            const QTextLine line = text->lineAt(i);
            const QRectF lineRect = line.rect().translated(origin);
            if (lineRect.bottom() < typingArea.top())
                return;
            if (!lineRect.intersects(typingArea))
                continue;
            const QList<QGlyphRun> runs = line.glyphRuns();
            for (const QGlyphRun &run : runs)
                painter.drawGlyphRun(origin, run);
        }
    }
}

// Once the text is complete the timer stops; a selection, or a click that moved the cursor,
// starts it again so that the next tick puts them back.
void Form2::boxTouched()
{
    const QTextCursor cursor = ui.rtf->textCursor();
    if (!Timer1.isActive() && (cursor.hasSelection() || cursor.position() != 0))
        Timer1.start(tickMs);
}
