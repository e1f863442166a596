#include "Form1.h"
#include "guitest.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

// A key as the desktop reports it: Ctrl+V, say, arrives as Key_V with the control code 22.
struct KeyStroke
{
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using KeyStrokes = QList<KeyStroke>;

namespace {

KeyStrokes typed(const QString &characters)
{
    KeyStrokes strokes;
    for (const QChar c : characters)
        strokes.append({Qt::Key(c.toUpper().unicode()), QString(c)});
    return strokes;
}

const KeyStroke backspace{Qt::Key_Backspace, u"\b"_s};
const KeyStroke home{Qt::Key_Home, {}};
const KeyStroke deleteKey{Qt::Key_Delete, u"\x7f"_s};
const KeyStroke selectToEnd{Qt::Key_End, {}, Qt::ShiftModifier};
const KeyStroke shiftInsert{Qt::Key_Insert, {}, Qt::ShiftModifier};
const KeyStroke enter{Qt::Key_Return, u"\r"_s};

KeyStroke ctrl(char letter)
{
    return {Qt::Key(letter), QString(QChar(letter - 'A' + 1)), Qt::ControlModifier};
}

void press(QWidget *widget, const KeyStrokes &strokes)
{
    for (const KeyStroke &stroke : strokes)
        QTest::sendKeyEvent(QTest::Click, widget, stroke.key, stroke.text, stroke.modifiers);
}

struct Dialog
{
    QString title;
    QString text;
};

// Runs `action`, which should open a modal message box, and closes that box with its button.
Dialog dismissMessageBox(QWidget &context, const std::function<void()> &action)
{
    Dialog seen;
    QTimer::singleShot(0, &context, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = {box->windowTitle(), box->text()};
        QTest::mouseClick(box->buttons().constFirst(), Qt::LeftButton);
    });
    action();
    return seen;
}

// Where the keyboard goes: the control with the focus. Under Wayland the focus comes a moment
// after the window shows; if none comes, the window itself, whose name then fails the test.
QWidget *focusTarget(QWidget &window)
{
    if (!QTest::qWaitFor([] { return QApplication::focusWidget() != nullptr; }, 2000))
        return &window;
    return QApplication::focusWidget();
}

const QStringList wantedNames{u"force2"_s, u"endu2"_s, u"dext2"_s, u"sag2"_s, u"intel2"_s};
const QStringList baseNames{u"force"_s, u"endu"_s, u"dext"_s, u"sag"_s, u"intel"_s};

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void preset_thenCalculate_showsLevelAndSkillPoints_data();
    void preset_thenCalculate_showsLevelAndSkillPoints();
    void presetChosenAgain_replacesAllBaseValues();
    void badInput_calculate_reportsErrorAndKeepsEverything_data();
    void badInput_calculate_reportsErrorAndKeepsEverything();
    void wantedBox_keys_onlyDigitsGetIn_data();
    void wantedBox_keys_onlyDigitsGetIn();
    void wantedBox_inputMethodCommit_onlyDigitsGetIn_data();
    void wantedBox_inputMethodCommit_onlyDigitsGetIn();
    void boxesForTheProgram_clickAndType_takeNothing();
    void start_tab_visitsEnabledControlsInOrder();
    void focused_enter_computesOnlyOnTheButton_data();
    void focused_enter_computesOnlyOnTheButton();
    void captions_fitTheirControls();
    void captionsAndBanner_drawnAtScreenScale_wholeAndSharp();
    void accessibility_controls_announcedByTheirCaptions_data();
    void accessibility_controls_announcedByTheirCaptions();
    void presses_announcedPolitely_data();
    void presses_announcedPolitely();
    void window_opens_fixedSizeAtItsPlace();
    void desktopColours_change_controlsFollow();
    void quitMenu_triggered_endsProgram();
};

void TestForm1::preset_thenCalculate_showsLevelAndSkillPoints_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("skillPoints");

    QTest::newRow("x2, 50 45 30 30 40: level 9") << "x2" << QStringList{"50", "45", "30", "30", "40"} << "9" << "135";
    QTest::newRow("x1, one point more: rounded up") << "x1" << QStringList{"50", "25", "40", "25", "31"} << "10" << "150";
    QTest::newRow("x3, wanted equal to base: level 0") << "x3" << QStringList{"35", "35", "35", "35", "35"} << "0" << "0";
    QTest::newRow("x1, wanted below base: negative") << "x1" << QStringList{"25", "25", "25", "25", "13"} << "-2" << "-30";
}

void TestForm1::preset_thenCalculate_showsLevelAndSkillPoints()
{
    QFETCH(QString, preset);
    QFETCH(QStringList, wanted);
    QFETCH(QString, level);
    QFETCH(QString, skillPoints);

    Form1 window;
    QTest::mouseClick(child(window, qPrintable(preset)), Qt::LeftButton);
    for (qsizetype i = 0; i < wantedNames.size(); ++i)
        QTest::keyClicks(child(window, qPrintable(wantedNames[i])), wanted[i]);
    QTest::mouseClick(child(window, "calcul"), Qt::LeftButton);

    QCOMPARE(child<QLineEdit>(window, "final")->text(), level);
    QCOMPARE(child<QLineEdit>(window, "comp")->text(), skillPoints);
}

void TestForm1::presetChosenAgain_replacesAllBaseValues()
{
    Form1 window;
    QTest::mouseClick(child(window, "x2"), Qt::LeftButton);
    for (const QString &name : baseNames)
        QCOMPARE(child<QLineEdit>(window, qPrintable(name))->text(), u"30"_s);

    QTest::mouseClick(child(window, "x1"), Qt::LeftButton);
    QVERIFY(child<QRadioButton>(window, "x1")->isChecked());
    QVERIFY(!child<QRadioButton>(window, "x2")->isChecked());
    for (const QString &name : baseNames)
        QCOMPARE(child<QLineEdit>(window, qPrintable(name))->text(), u"25"_s);
}

void TestForm1::badInput_calculate_reportsErrorAndKeepsEverything_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("pastedIntoForce");
    QTest::addColumn<QString>("message");

    const QString mismatch = u"Erreur d'exécution '13' :\n\nIncompatibilité de type"_s;
    QTest::newRow("no preset chosen") << "" << "50" << mismatch;
    QTest::newRow("a wanted box left empty") << "x1" << "" << mismatch;
    QTest::newRow("decimal point pasted under French") << "x1" << "12.5" << mismatch;
    QTest::newRow("exponent pasted") << "x1" << "1e3" << mismatch;
}

void TestForm1::badInput_calculate_reportsErrorAndKeepsEverything()
{
    QFETCH(QString, preset);
    QFETCH(QString, pastedIntoForce);
    QFETCH(QString, message);

    Form1 window;
    // A first good result, which the failure must leave alone.
    QTest::mouseClick(child(window, "x3"), Qt::LeftButton);
    for (const QString &name : wantedNames)
        QTest::keyClicks(child(window, qPrintable(name)), u"40"_s);
    QTest::mouseClick(child(window, "calcul"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(window, "final")->text(), u"5"_s);

    Form1 fresh;
    Form1 &target = preset.isEmpty() ? fresh : window;
    if (!preset.isEmpty())
        QTest::mouseClick(child(target, qPrintable(preset)), Qt::LeftButton);
    else
        for (const QString &name : wantedNames)
            QTest::keyClicks(child(target, qPrintable(name)), u"40"_s);
    auto *force2 = child<QLineEdit>(target, "force2");
    force2->clear();
    QApplication::clipboard()->setText(pastedIntoForce);
    press(force2, {shiftInsert});
    const QString finalBefore = child<QLineEdit>(target, "final")->text();
    const QString compBefore = child<QLineEdit>(target, "comp")->text();

    const Dialog dialog = dismissMessageBox(target, [&] {
        QTest::mouseClick(child(target, "calcul"), Qt::LeftButton);
    });
    QCOMPARE(dialog.title, u"d7aduzad"_s);
    QCOMPARE(dialog.text, message);

    QCOMPARE(child<QLineEdit>(target, "final")->text(), finalBefore);
    QCOMPARE(child<QLineEdit>(target, "comp")->text(), compBefore);
    QCOMPARE(force2->text(), pastedIntoForce);
    QCOMPARE(child<QLineEdit>(target, "intel2")->text(), u"40"_s);

    // And the program goes on: a good input now computes as usual.
    QTest::mouseClick(child(target, "x3"), Qt::LeftButton);
    force2->setText(u"40"_s);
    QTest::mouseClick(child(target, "calcul"), Qt::LeftButton);
    QCOMPARE(child<QLineEdit>(target, "final")->text(), u"5"_s);
}

void TestForm1::wantedBox_keys_onlyDigitsGetIn_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<KeyStrokes>("keys");
    QTest::addColumn<QString>("text");

    QTest::newRow("digits get in") << "" << typed("1234") << "1234";
    QTest::newRow("a fifth digit is refused") << "" << typed("12345") << "1234";
    QTest::newRow("signs, separators, blanks and letters are swallowed") << "" << typed("-+,. aé") << "";
    QTest::newRow("digits among swallowed keys still get in") << "" << typed("1a2,3") << "123";
    QTest::newRow("Enter inserts nothing") << "" << typed("12") + KeyStrokes{enter} << "12";
    QTest::newRow("backspace deletes") << "" << typed("123") + KeyStrokes{backspace} << "12";
    QTest::newRow("Home and Delete still edit") << "" << typed("123") + KeyStrokes{home, deleteKey} << "23";
    QTest::newRow("Ctrl+V is swallowed") << "99" << KeyStrokes{ctrl('V')} << "";
    QTest::newRow("Ctrl+X is swallowed") << "" << typed("12") + KeyStrokes{home, selectToEnd, ctrl('X')} << "12";
    QTest::newRow("Ctrl+Z is swallowed") << "" << typed("12") + KeyStrokes{ctrl('Z')} << "12";
    QTest::newRow("Ctrl+C then Shift+Insert adds nothing copied")
            << "7" << typed("12") + KeyStrokes{home, selectToEnd, ctrl('C'), {Qt::Key_End, {}}, shiftInsert} << "127";
    QTest::newRow("Shift+Insert pastes unfiltered") << "1,5" << KeyStrokes{shiftInsert} << "1,5";
    QTest::newRow("pasted text is cut at four characters") << "12,5678" << KeyStrokes{shiftInsert} << "12,5";
}

void TestForm1::wantedBox_keys_onlyDigitsGetIn()
{
    QFETCH(QString, clipboard);
    QFETCH(KeyStrokes, keys);
    QFETCH(QString, text);

    QApplication::clipboard()->setText(clipboard);
    Form1 window;
    for (const QString &name : wantedNames) {
        auto *box = child<QLineEdit>(window, qPrintable(name));
        press(box, keys);
        QCOMPARE(box->text(), text);
    }
}

void TestForm1::wantedBox_inputMethodCommit_onlyDigitsGetIn_data()
{
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("text");

    QTest::newRow("digits from a compose key or on-screen keyboard") << "42" << "42";
    QTest::newRow("an accented letter from a dead key") << "é" << "";
    QTest::newRow("digits with a sign") << "-5" << "";
}

void TestForm1::wantedBox_inputMethodCommit_onlyDigitsGetIn()
{
    QFETCH(QString, commit);
    QFETCH(QString, text);

    Form1 window;
    auto *box = child<QLineEdit>(window, "sag2");
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(box, &event);
    QCOMPARE(box->text(), text);
}

void TestForm1::boxesForTheProgram_clickAndType_takeNothing()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (const QString &name : baseNames + QStringList{u"final"_s, u"comp"_s}) {
        auto *box = child<QLineEdit>(window, qPrintable(name));
        QTest::mouseClick(box, Qt::LeftButton);
        QVERIFY2(!box->hasFocus(), qPrintable(name));
        QTest::keyClicks(box, u"12"_s);
        QVERIFY2(box->text().isEmpty(), qPrintable(name));
    }
}

void TestForm1::start_tab_visitsEnabledControlsInOrder()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QStringList visited{focusTarget(window)->objectName()};
    for (int i = 0; i < 7; ++i) {
        QTest::keyClick(focusTarget(window), Qt::Key_Tab);
        visited.append(focusTarget(window)->objectName());
    }
    // The options are one group: Tab enters it once, the arrow keys move within it.
    QCOMPARE(visited, (QStringList{"x1", "force2", "endu2", "dext2", "sag2", "intel2", "calcul", "x1"}));
    QTest::keyClick(focusTarget(window), Qt::Key_Down);
    QCOMPARE(focusTarget(window)->objectName(), u"x2"_s);
}

void TestForm1::focused_enter_computesOnlyOnTheButton_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("level");

    QTest::newRow("Return on the button computes") << "calcul" << Qt::Key_Return << Qt::KeyboardModifiers() << "9";
    QTest::newRow("keypad Enter on the button computes") << "calcul" << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << "9";
    QTest::newRow("Return in a wanted box does nothing") << "intel2" << Qt::Key_Return << Qt::KeyboardModifiers() << "";
}

void TestForm1::focused_enter_computesOnlyOnTheButton()
{
    QFETCH(QString, focused);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, level);

    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(child(window, "x2"), Qt::LeftButton);
    const QStringList wanted{u"50"_s, u"45"_s, u"30"_s, u"30"_s, u"40"_s};
    for (qsizetype i = 0; i < wantedNames.size(); ++i)
        QTest::keyClicks(child(window, qPrintable(wantedNames[i])), wanted[i]);
    QWidget *target = child(window, qPrintable(focused));
    target->setFocus(Qt::TabFocusReason);
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, key, modifiers);

    QCOMPARE(child<QLineEdit>(window, "final")->text(), level);
    QCOMPARE(child<QLineEdit>(window, "intel2")->text(), u"40"_s);
}

void TestForm1::captions_fitTheirControls()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QList<QWidget *> captioned = window.centralWidget()->findChildren<QWidget *>();
    int checked = 0;
    for (QWidget *widget : captioned) {
        QString text;
        QRect room;
        if (auto *label = qobject_cast<QLabel *>(widget); label && !label->text().isEmpty()) {
            text = label->text();
            room = label->contentsRect();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            const bool radio = qobject_cast<QRadioButton *>(button);
            text = button->text();
            room = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonContents
                                                         : QStyle::SE_PushButtonContents,
                                                   &option, button);
        } else {
            continue;
        }
        const QFontMetrics metrics(widget->font());
        const QString where = widget->objectName() + u": "_s + QFontInfo(widget->font()).family();
        QVERIFY2(metrics.horizontalAdvance(text) <= room.width(), qPrintable(where));
        QVERIFY2(metrics.height() <= room.height() + 2, qPrintable(where));
        if (widget->font().family() == u"Tahoma"_s)
            QVERIFY2(QFontInfo(widget->font()).family() != u"DejaVu Sans"_s, qPrintable(where));
        ++checked;
    }
    QCOMPARE(checked, 15 + 3 + 1); // eleven label names, four of them twice; the options; the button
}

// Run at several QT_SCALE_FACTOR values by CTest: what the window draws at its real scale.
void TestForm1::captionsAndBanner_drawnAtScreenScale_wholeAndSharp()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const qreal ratio = window.devicePixelRatio();

    const QPixmap banner = child<QLabel>(window, "Image1")->pixmap();
    QCOMPARE(banner.deviceIndependentSize().toSize(), QSize(220, 33));
    QCOMPARE(banner.devicePixelRatio(), ratio);

    // Each caption is drawn once more with all the room it wants: its ink must end within
    // the control as the window has it, and must not touch the control's bottom row.
    for (QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        if (!(label && !label->text().isEmpty()) && !qobject_cast<QRadioButton *>(widget))
            continue;
        const QImage placed = widget->grab().toImage();
        const QSize size = widget->size();
        widget->resize(size.width() * 3, size.height());
        const QImage roomy = widget->grab().toImage();
        widget->resize(size);

        const QRgb ground = roomy.pixel(0, 0);
        int inkEnd = 0;
        for (int x = 0; x < roomy.width(); ++x) {
            for (int y = 0; y < roomy.height(); ++y) {
                if (roomy.pixel(x, y) != ground)
                    inkEnd = x + 1;
            }
        }
        QVERIFY2(inkEnd <= placed.width(), qPrintable(widget->objectName()));
        for (int x = 0; x < placed.width(); ++x)
            QVERIFY2(placed.pixel(x, placed.height() - 1) == ground, qPrintable(widget->objectName()));
    }
}

void TestForm1::accessibility_controls_announcedByTheirCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    const QStringList captions{u"Force:"_s, u"Endurance:"_s, u"Dextérité:"_s, u"Sagesse:"_s, u"Intelligence:"_s};
    for (qsizetype i = 0; i < captions.size(); ++i) {
        QTest::addRow("base box %s", qPrintable(baseNames[i])) << baseNames[i] << captions[i] << u"Stat de base (lvl 1)"_s;
        QTest::addRow("wanted box %s", qPrintable(wantedNames[i])) << wantedNames[i] << captions[i] << u"Stat voulue"_s;
    }
    QTest::newRow("result box final") << "final" << "Level Final : " << "";
    QTest::newRow("result box comp") << "comp" << "Pts de Compétences : " << "";
    for (const QString &option : {u"x1"_s, u"x2"_s, u"x3"_s})
        QTest::addRow("option %s", qPrintable(option)) << option << option << u"Nbre de Reborn:"_s;
    QTest::newRow("button calcul") << "calcul" << "Allez On Calcule :)" << "";
    QTest::newRow("banner") << "Image1" << "R7V Lumo Vareroro" << "";
}

void TestForm1::accessibility_controls_announcedByTheirCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);

    Form1 window;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(child(window, qPrintable(control)));
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QCOMPARE(accessible->text(QAccessible::Description), description);
}

namespace {

QStringList announced;

void recordAnnouncement([[maybe_unused]] QAccessibleEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    if (event->type() == QAccessible::Announcement) {
        const auto *announcement = static_cast<QAccessibleAnnouncementEvent *>(event);
        const bool polite = announcement->politeness() == QAccessible::AnnouncementPoliteness::Polite;
        announced << (polite ? u"polite: "_s : u"assertive: "_s) + announcement->message();
    }
#endif
}

} // namespace

void TestForm1::presses_announcedPolitely_data()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("wanted");
    QTest::addColumn<QStringList>("expected");

    const QString x2 = u"polite: Stat de base: (lvl 1) 30"_s;
    const QString level10 = u"polite: Level Final : 10, Pts de Compétences : 150"_s;
    QTest::newRow("x2, 40 everywhere, pressed twice: each press") << "x2" << "40" << QStringList{x2, level10, level10};
    QTest::newRow("x2, wanted boxes empty, pressed twice: the preset only") << "x2" << "" << QStringList{x2};
}

void TestForm1::presses_announcedPolitely()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    QSKIP("Qt announces from 6.8 on");
#endif
    QFETCH(QString, preset);
    QFETCH(QString, wanted);
    QFETCH(QStringList, expected);

    Form1 window;
    announced.clear();
    QAccessible::installUpdateHandler(recordAnnouncement);
    const auto restore = qScopeGuard([] { QAccessible::installUpdateHandler(nullptr); });
    QTest::mouseClick(child(window, qPrintable(preset)), Qt::LeftButton);
    for (const QString &name : wantedNames)
        QTest::keyClicks(child(window, qPrintable(name)), wanted);
    for (int press = 0; press < 2; ++press)
        dismissMessageBox(window, [&] { QTest::mouseClick(child(window, "calcul"), Qt::LeftButton); });
    QCOMPARE(announced, expected);
}

void TestForm1::window_opens_fixedSizeAtItsPlace()
{
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QWidget *client = window.centralWidget();
    QCOMPARE(client->size(), QSize(476, 276));
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(387, 190));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
}

void TestForm1::desktopColours_change_controlsFollow()
{
    const QPalette desktop = QApplication::palette();
    Form1 window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto pixelAt = [&window](const char *name) {
        QWidget *widget = child(window, name);
        return widget->grab().toImage().pixelColor(widget->rect().center());
    };
    QCOMPARE(pixelAt("Line1"), desktop.color(QPalette::Highlight));
    QCOMPARE(pixelAt("Line3"), QColor(Qt::white));

    QPalette scheme = desktop;
    scheme.setColor(QPalette::Highlight, QColor(0x12, 0x34, 0x56));
    scheme.setColor(QPalette::ButtonText, QColor(0x65, 0x43, 0x21));
    QApplication::setPalette(scheme);
    const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
    QTRY_COMPARE(pixelAt("Line2"), QColor(0x12, 0x34, 0x56));
    QCOMPARE(child(window, "Label2")->grab().toImage().pixelColor(0, 0), QColor(0x65, 0x43, 0x21));
}

void TestForm1::quitMenu_triggered_endsProgram()
{
    Form1 window;
    window.show();
    QTimer::singleShot(0, &window, [&window] { child<QAction>(window, "quit")->trigger(); });
    QTimer::singleShot(5000, &window, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

GUI_TEST_MAIN(TestForm1)

#include "tst_form1.moc"
