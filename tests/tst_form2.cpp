#include "Form1.h"
#include "Form2.h"
#include "guitest.h"
#include "qtstrings.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

Form2 *triggerAbout(Form1 &window)
{
    window.findChild<QAction *>(u"about"_s)->trigger();
    const QList<Form2 *> windows = aboutWindows();
    return windows.size() == 1 ? windows.constFirst() : nullptr;
}

QTimer *timerOf(Form2 *about);

// The about window as the menu opens it, its timer stopped at once: its own ticks, during any
// wait for the screen, would make the counts depend on the machine's speed. Tests tick by hand.
Form2 *openAbout(Form1 &window)
{
    Form2 *about = triggerAbout(window);
    if (about)
        timerOf(about)->stop();
    return about;
}

QTimer *timerOf(Form2 *about)
{
    return about->findChild<QTimer *>(u"Timer1"_s);
}

void tick(Form2 *about, int times)
{
    for (int i = 0; i < times; ++i)
        QMetaObject::invokeMethod(timerOf(about), "timeout");
}

QTextEdit *box(Form2 *about)
{
    return about->findChild<QTextEdit *>(u"rtf"_s);
}

bool allWhite(const QTextDocument *document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (fragment.fragment().charFormat().foreground().color() != Qt::white)
                return false;
        }
    }
    return true;
}

// What the box shows: each CR LF, or a lone CR just typed, is a line break.
QString shown(int typed)
{
    QString text = qtText(design::aboutText).left(typed);
    text.replace(u"\r\n"_s, u"\n"_s).replace(u'\r', u'\n');
    return text + u'|';
}

// What the box should show after `typed` ticks, drawn another way: the text set in one go,
// white through the box's palette rather than through the characters' formats.
void setAfresh(QTextEdit *box, int typed)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, Qt::white);
    box->setPalette(palette);
    box->setPlainText(qtText(design::aboutText).left(typed) + u'|');
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void aboutText_isSevenLinesOf256Characters();
    void ticks_typeTheTextBehindAWhiteCursor_data();
    void ticks_typeTheTextBehindAWhiteCursor();
    void counterNear2To24_ticks_textStaysAndCounterStops_data();
    void counterNear2To24_ticks_textStaysAndCounterStops();
    void ticks_lookAsTheTextSetAfresh();
    void selection_lastsUntilTheNextTick_data();
    void selection_lastsUntilTheNextTick();
    void completeText_timerStopsUntilTheBoxIsTouched_data();
    void completeText_timerStopsUntilTheBoxIsTouched();
    void hidden_textCompletes_timerStops();
    void completeText_fitsWithoutScrolling();
    void about_opened_atItsPlaceWithAnEmptyBox();
    void typing_boxKeepsItsNameAndReadsAsTyped();
    void aboutTwice_onlyOneWindowAndTextGoesOn();
    void quitterButton_hides_typingGoesOnAndAboutShowsItAgain();
    void escape_leavesTheWindowOpen();
    void closeBox_unloads_nextAboutStartsAfresh();
    void calculatorClosed_withAboutLoaded_programEnds_data();
    void calculatorClosed_withAboutLoaded_programEnds();
    void quitMenu_withAboutLoaded_programEnds();
};

void TestForm2::cleanup()
{
    qDeleteAll(aboutWindows());
}

void TestForm2::aboutText_isSevenLinesOf256Characters()
{
    QCOMPARE(qtText(design::aboutText).size(), 256);
    QList<qsizetype> lengths;
    for (const QStringView line : QStringView(qtText(design::aboutText)).split(u"\r\n"))
        lengths.append(line.size());
    QCOMPARE(lengths, (QList<qsizetype>{27, 66, 43, 52, 19, 27, 10}));
}

void TestForm2::ticks_typeTheTextBehindAWhiteCursor_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("text");

    QTest::newRow("first tick: first letter") << 1 << u"R|"_s;
    QTest::newRow("tick 27: the whole first line") << 27 << u"R7V Lumo Vareroro :) By Vek|"_s;
    QTest::newRow("tick 28: carriage return, no stray glyph") << 28 << u"R7V Lumo Vareroro :) By Vek\n|"_s;
    QTest::newRow("tick 29: line break complete") << 29 << u"R7V Lumo Vareroro :) By Vek\n|"_s;
    QTest::newRow("tick 30: second line begins") << 30 << u"R7V Lumo Vareroro :) By Vek\nE|"_s;
    QTest::newRow("tick 256: the whole text") << 256 << shown(256);
    QTest::newRow("tick 300: stays complete") << 300 << shown(256);
}

void TestForm2::ticks_typeTheTextBehindAWhiteCursor()
{
    QFETCH(int, ticks);
    QFETCH(QString, text);

    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(about);
    tick(about, ticks);
    QCOMPARE(box(about)->toPlainText(), text);
    QVERIFY(allWhite(box(about)->document()));
    QCOMPARE(box(about)->textCursor().position(), 0);
}

void TestForm2::counterNear2To24_ticks_textStaysAndCounterStops_data()
{
    QTest::addColumn<float>("counter");
    QTest::newRow("three ticks below 2^24") << 16777213.0f;
    QTest::newRow("at 2^24, where adding one changes nothing") << 16777216.0f;
}

void TestForm2::counterNear2To24_ticks_textStaysAndCounterStops()
{
    QFETCH(float, counter);

    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(about);
    tick(about, 256);
    about->typewriter.ticks = counter;
    tick(about, 5);
    QCOMPARE(about->typewriter.ticks, 16777216.0f);
    QCOMPARE(box(about)->toPlainText(), shown(256));
    QVERIFY(allWhite(box(about)->document()));
}

void TestForm2::ticks_lookAsTheTextSetAfresh()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    Form2 reference;
    timerOf(&reference)->stop();
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));

    // Every tick, through the line breaks and past the end, since each builds on the one before.
    for (int typed = 1; typed <= 260; ++typed) {
        tick(about, 1);
        setAfresh(box(&reference), typed);
        QVERIFY2(box(about)->grab().toImage() == box(&reference)->grab().toImage(),
                 qPrintable(u"tick %1"_s.arg(typed)));
    }
}

void TestForm2::selection_lastsUntilTheNextTick_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("while typing, dragged forwards") << 100 << QPoint(4, 4) << QPoint(120, 20);
    QTest::newRow("text complete, dragged forwards") << 300 << QPoint(4, 4) << QPoint(120, 20);
    // The cursor ends where it already stands between ticks: only the selection tells.
    QTest::newRow("text complete, dragged back to the start") << 300 << QPoint(120, 20) << QPoint(1, 1);
}

void TestForm2::selection_lastsUntilTheNextTick()
{
    QFETCH(int, ticks);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    tick(about, ticks);
    QWidget *page = box(about)->viewport();
    QTest::mousePress(page, Qt::LeftButton, {}, from);
    QTest::mouseMove(page, to);
    QTest::mouseRelease(page, Qt::LeftButton, {}, to);
    QVERIFY(box(about)->textCursor().hasSelection());

    tick(about, 1);
    QVERIFY(!box(about)->textCursor().hasSelection());
    QCOMPARE(box(about)->textCursor().position(), 0);
    QCOMPARE(box(about)->toPlainText(), shown(ticks + 1));
}

void TestForm2::completeText_timerStopsUntilTheBoxIsTouched_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");

    QTest::newRow("a click moves the cursor") << QPoint(120, 20) << QPoint(120, 20);
    QTest::newRow("a drag selects") << QPoint(4, 4) << QPoint(120, 20);
}

void TestForm2::completeText_timerStopsUntilTheBoxIsTouched()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);

    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    tick(about, 255);
    timerOf(about)->start();
    tick(about, 1);
    QVERIFY(!timerOf(about)->isActive());

    QWidget *page = box(about)->viewport();
    QTest::mousePress(page, Qt::LeftButton, {}, from);
    QTest::mouseMove(page, to);
    QTest::mouseRelease(page, Qt::LeftButton, {}, to);
    QVERIFY(timerOf(about)->isActive());
    QTRY_VERIFY(!timerOf(about)->isActive());
    QVERIFY(!box(about)->textCursor().hasSelection());
    QCOMPARE(box(about)->textCursor().position(), 0);
}

// Hidden, the window goes on typing until the text is complete; then its timer stops, and the
// box looks, when shown, as if set afresh.
void TestForm2::hidden_textCompletes_timerStops()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    about->typewriter.ticks = 250;
    timerOf(about)->start();
    QTest::mouseClick(about->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);
    QTRY_VERIFY(!timerOf(about)->isActive());
    QCOMPARE(qRound(about->typewriter.ticks), 256);

    window.findChild<QAction *>(u"about"_s)->trigger();
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(box(about)->toPlainText(), shown(256));
    QVERIFY(allWhite(box(about)->document()));
    QVERIFY(!timerOf(about)->isActive());
    Form2 reference;
    timerOf(&reference)->stop();
    reference.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reference));
    setAfresh(box(&reference), 256);
    QVERIFY(box(about)->grab().toImage() == box(&reference)->grab().toImage());
}

void TestForm2::completeText_fitsWithoutScrolling()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    tick(about, 256);
    QApplication::processEvents();
    QCOMPARE(box(about)->verticalScrollBar()->maximum(), 0);
    QCOMPARE(box(about)->horizontalScrollBar()->maximum(), 0);
}

void TestForm2::about_opened_atItsPlaceWithAnEmptyBox()
{
    Form1 window;
    Form2 *about = triggerAbout(window);
    QVERIFY(about);
    QVERIFY(box(about)->toPlainText().isEmpty());
    QVERIFY(timerOf(about)->isActive());
    QCOMPARE(timerOf(about)->interval(), 50);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QCOMPARE(about->windowTitle(), u"About !"_s);
    QCOMPARE(about->mapToGlobal(QPoint(0, 0)), QPoint(454, 210));
    QCOMPARE(about->size(), QSize(247, 167));
    QCOMPARE(about->minimumSize(), about->maximumSize());
    QVERIFY(!(about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(!about->parentWidget());
    QVERIFY(box(about)->isReadOnly());
}

// Screen readers call the box by a name that stays, and read what it has typed as its text.
void TestForm2::typing_boxKeepsItsNameAndReadsAsTyped()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box(about));
    QVERIFY(accessible && accessible->textInterface());
    for (const int ticks : {0, 12, 256}) {
        tick(about, ticks - qRound(about->typewriter.ticks));
        QCOMPARE(accessible->text(QAccessible::Name), u"About !"_s);
        QCOMPARE(accessible->textInterface()->text(0, accessible->textInterface()->characterCount()),
                 box(about)->toPlainText());
    }
}

void TestForm2::aboutTwice_onlyOneWindowAndTextGoesOn()
{
    Form1 window;
    Form2 *about = openAbout(window);
    tick(about, 10);
    QCOMPARE(openAbout(window), about);
    QCOMPARE(aboutWindows().size(), 1);
    QCOMPARE(box(about)->toPlainText(), shown(10));
}

void TestForm2::quitterButton_hides_typingGoesOnAndAboutShowsItAgain()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    about->move(about->pos() + QPoint(30, 20));
    const QPoint movedTo = about->pos();
    tick(about, 10);
    timerOf(about)->start();

    QTest::mouseClick(about->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    QVERIFY(timerOf(about)->isActive());
    timerOf(about)->stop();
    tick(about, 5);

    QCOMPARE(openAbout(window), about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->pos(), movedTo);
    QCOMPARE(box(about)->toPlainText(), shown(15));
}

void TestForm2::escape_leavesTheWindowOpen()
{
    Form1 window;
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QTest::keyClick(box(about), Qt::Key_Escape);
    QTest::keyClick(about->findChild<QWidget *>(u"Command1"_s), Qt::Key_Escape);
    QVERIFY(about->isVisible());
}

void TestForm2::closeBox_unloads_nextAboutStartsAfresh()
{
    Form1 window;
    QPointer<Form2> about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    about->move(about->pos() + QPoint(30, 20));
    tick(about, 40);

    about->close();
    QTRY_VERIFY(about.isNull()); // its timer went with it
    QVERIFY(aboutWindows().isEmpty());

    Form2 *again = openAbout(window);
    QVERIFY(again);
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QCOMPARE(again->mapToGlobal(QPoint(0, 0)), QPoint(454, 210));
    QVERIFY(box(again)->toPlainText().isEmpty());
    tick(again, 1);
    QCOMPARE(box(again)->toPlainText(), u"R|"_s);
}

void TestForm2::calculatorClosed_withAboutLoaded_programEnds_data()
{
    QTest::addColumn<bool>("aboutHidden");
    QTest::newRow("about window shown") << false;
    QTest::newRow("about window hidden by its button") << true;
}

void TestForm2::calculatorClosed_withAboutLoaded_programEnds()
{
    QFETCH(bool, aboutHidden);

    Form1 window;
    window.show();
    Form2 *about = openAbout(window);
    QVERIFY(QTest::qWaitForWindowExposed(about));
    if (aboutHidden)
        QTest::mouseClick(about->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);

    QTimer::singleShot(0, &window, &QWidget::close);
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

void TestForm2::quitMenu_withAboutLoaded_programEnds()
{
    Form1 window;
    window.show();
    QVERIFY(openAbout(window));
    QTimer::singleShot(0, &window, [&window] { window.findChild<QAction *>(u"quit"_s)->trigger(); });
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

GUI_TEST_MAIN(TestForm2)

#include "tst_form2.moc"
