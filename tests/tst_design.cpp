// The Windows program builds its windows from design/forms.h, the Qt one from Form1.ui and
// Form2.ui. Each control of the table is looked up in the Qt windows and compared: kind, place,
// caption, font, colours and flags, then the windows themselves and the tab order. A change
// made in one design and not in the other fails here.

#include "Form1.h"
#include "forms.h"
#include "guitest.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

#include <span>

using namespace Qt::StringLiterals;

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void control_sameInBothBuilds_data();
    void control_sameInBothBuilds();
    void windows_sameInBothBuilds();
    void tabOrder_sameInBothBuilds();

private:
    Form1 *form1 = nullptr;
    Form2 *form2 = nullptr;
};

Q_DECLARE_METATYPE(const design::Control *)

namespace {

// The colours the Qt forms name, as the table numbers them. The Qt program has no desktop
// background colour: its about box stands in with a dark navy of its own.
design::Colour colourNamed(const QVariant &name)
{
    static const QHash<QString, design::Colour> named{
            {u"Base"_s, design::windowBackground}, {u"WindowFrame"_s, design::windowFrame},
            {u"WindowText"_s, design::menuText},   {u"Highlight"_s, design::highlight},
            {u"HighlightedText"_s, design::highlightText}, {u"ButtonText"_s, design::buttonText},
            {u"#0b2545"_s, design::desktopBackground},
    };
    if (!name.isValid())
        return design::noColour;
    const QString text = name.toString();
    if (named.contains(text))
        return named[text];
    const QColor colour = QColor::fromString(text);
    return design::rgb(colour.red(), colour.green(), colour.blue());
}

const char *qtClass(design::Kind kind)
{
    switch (kind) {
    case design::Kind::Picture:
    case design::Kind::Label:
        return "QLabel";
    case design::Kind::Line:
        return "QFrame";
    case design::Kind::Option:
        return "QRadioButton";
    case design::Kind::TextBox:
        return "QLineEdit";
    case design::Kind::Button:
        return "QPushButton";
    case design::Kind::RichText:
        return "QTextEdit";
    }
    return "";
}

QString caption(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->pixmap().isNull() ? label->text() : label->accessibleName();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *box = qobject_cast<const QLineEdit *>(widget))
        return box->text();
    return {};
}

} // namespace

void TestDesign::initTestCase()
{
    form1 = new Form1;
    form1->show();
    QVERIFY(QTest::qWaitForWindowExposed(form1));
    child<QMenuBar>(*form1, "menubar")->actions().first()->menu()->actions().first()->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    form2 = aboutWindows().first();
}

void TestDesign::cleanupTestCase()
{
    delete form1;
}

void TestDesign::control_sameInBothBuilds_data()
{
    QTest::addColumn<const design::Control *>("control");
    QTest::addColumn<bool>("inAbout");
    for (const design::Control &control : design::form1Controls)
        QTest::newRow(control.name) << &control << false;
    for (const design::Control &control : design::form2Controls)
        QTest::newRow(control.name) << &control << true;
}

void TestDesign::control_sameInBothBuilds()
{
    QFETCH(const design::Control *, control);
    QFETCH(bool, inAbout);
    const QWidget *widget = child(inAbout ? *static_cast<QWidget *>(form2) : *form1, control->name);

    QCOMPARE(widget->metaObject()->className(), qtClass(control->kind));
    QCOMPARE(widget->geometry(), QRect(control->x, control->y, control->width, control->height));
    QCOMPARE(caption(widget), QString::fromWCharArray(control->caption));

    if (control->font.face) {
        QCOMPARE(widget->font().family(), QString::fromWCharArray(control->font.face));
        QCOMPARE(qRound(widget->font().pointSizeF() * 100), control->font.centipoints);
        QCOMPARE(widget->font().bold(), control->font.bold);
    } else {
        QVERIFY2(!widget->testAttribute(Qt::WA_SetFont), "the desktop's font");
    }

    // A line shows its colour as the Windows program fills it: as its background.
    const bool line = control->kind == design::Kind::Line;
    QCOMPARE(colourNamed(widget->property(line ? "dummy" : "foreground")), control->foreground);
    QCOMPARE(colourNamed(widget->property(line ? "foreground" : "background")), control->background);

    QCOMPARE(!widget->isEnabled(), bool(control->flags & design::Disabled));
    if (auto *box = qobject_cast<const QLineEdit *>(widget)) {
        QCOMPARE(box->isReadOnly(), bool(control->flags & design::ReadOnly));
        QCOMPARE(box->maxLength() == 4, bool(control->flags & design::FourCharacters));
    }
    if (auto *box = qobject_cast<const QTextEdit *>(widget))
        QCOMPARE(box->isReadOnly(), bool(control->flags & design::ReadOnly));
}

void TestDesign::windows_sameInBothBuilds()
{
    const QWidget *client = child(*form1, "client");
    QCOMPARE(form1->windowTitle(), QString::fromWCharArray(design::form1.title));
    QCOMPARE(client->size(), QSize(design::form1.clientWidth, design::form1.clientHeight));
    QCOMPARE(client->mapToGlobal(QPoint(0, 0)), QPoint(design::form1.clientX, design::form1.clientY));
    QCOMPARE(colourNamed(client->property("background")), design::form1.background);

    const QMenuBar *menuBar = child<QMenuBar>(*form1, "menubar");
    QCOMPARE(menuBar->actions().size(), 1);
    const QMenu *plus = menuBar->actions().first()->menu();
    QCOMPARE(plus->title(), QString::fromWCharArray(design::menuTitle));
    QCOMPARE(plus->actions().size(), 2);
    QCOMPARE(plus->actions()[0]->text(), QString::fromWCharArray(design::aboutItem));
    QCOMPARE(plus->actions()[1]->text(), QString::fromWCharArray(design::quitItem));

    QCOMPARE(form2->windowTitle(), QString::fromWCharArray(design::form2.title));
    QCOMPARE(form2->size(), QSize(design::form2.clientWidth, design::form2.clientHeight));
    QCOMPARE(form2->mapToGlobal(QPoint(0, 0)), QPoint(design::form2.clientX, design::form2.clientY));
}

void TestDesign::tabOrder_sameInBothBuilds()
{
    // The Windows program creates its controls in table order, which is its tab order for the
    // controls that take the focus. Labels and disabled boxes never take it: they stand where
    // screen readers need them.
    for (QWidget *window : {static_cast<QWidget *>(form1), static_cast<QWidget *>(form2)}) {
        const bool about = window == form2;
        QStringList tableOrder;
        for (const design::Control &control : about ? std::span<const design::Control>(design::form2Controls) : std::span<const design::Control>(design::form1Controls)) {
            if (const QWidget *widget = child(*window, control.name); widget->focusPolicy() & Qt::TabFocus && widget->isEnabled())
                tableOrder << QString::fromLatin1(control.name);
        }
        QStringList qtOrder;
        QWidget *start = child(*window, tableOrder.first().toLatin1());
        QWidget *widget = start;
        do {
            if (tableOrder.contains(widget->objectName()))
                qtOrder << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(qtOrder, tableOrder);
    }
}

GUI_TEST_MAIN(TestDesign)
#include "tst_design.moc"
