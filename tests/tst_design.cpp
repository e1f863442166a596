// Both programs build their windows from design/forms.h. The Qt program creates each window's
// controls in table order, which is also its focus order, and a label grows for its caption
// only over the free space on its right.

#include "Form1.h"
#include "forms.h"
#include "guitest.h"

#include <QFontMetricsF>
#include <QMenu>
#include <QMenuBar>

#include <cmath>

using namespace Qt::StringLiterals;
using design::Form1Control;

// The code finds each control by its name: every table holds each control of its window on the
// row its name gives it, and no other.
constexpr bool eachOnItsRow(std::span<const design::Control> table, std::size_t count)
{
    return table.size() == count && std::ranges::all_of(table, [&](const auto &c) { return &c == &table[c.id.row]; });
}
static_assert(eachOnItsRow(design::form1Controls, std::size_t(Form1Control::annonce) + 1)
              && eachOnItsRow(design::form2Controls, std::size_t(design::Form2Control::Command1) + 1));

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void windows_createAndTabInTableOrder();
    void labelRoom_stopsAtTheNextControlOrTheEdge_data();
    void labelRoom_stopsAtTheNextControlOrTheEdge();
    void label_exposed_fitsItsCaption_data();
    void label_exposed_fitsItsCaption();
    void bannerArt_sharpAtEveryScale_data();
    void bannerArt_sharpAtEveryScale();
};

void TestDesign::windows_createAndTabInTableOrder()
{
    Form1 form1;
    form1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form1));
    form1.menuBar()->actions().first()->menu()->actions().first()->trigger();
    QCOMPARE(aboutWindows().size(), 1);
    QScopedPointer<QWidget> form2(aboutWindows().first());

    for (const auto &[client, table] : {std::pair{form1.centralWidget(), design::form1Controls},
                                        std::pair{form2.get(), design::form2Controls}}) {
        QStringList tableOrder;
        QStringList focusOrder;
        for (const design::Control &control : table) {
            tableOrder << QString::fromLatin1(control.name);
            if (const QWidget *widget = child(*client, control.name);
                widget->focusPolicy() & Qt::TabFocus && widget->isEnabled())
                focusOrder << widget->objectName();
        }
        QStringList created;
        for (const QObject *object : client->children()) {
            if (object->isWidgetType())
                created << object->objectName();
        }
        QCOMPARE(created, tableOrder);

        QStringList tabbed;
        QWidget *start = child(*client, qPrintable(focusOrder.first()));
        QWidget *widget = start;
        do {
            if (focusOrder.contains(widget->objectName()))
                tabbed << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start);
        QCOMPARE(tabbed, focusOrder);
    }
}

void TestDesign::labelRoom_stopsAtTheNextControlOrTheEdge_data()
{
    QTest::addColumn<int>("label");
    QTest::addColumn<int>("room");
    QTest::newRow("row label: up to its box") << int(Form1Control::Label9) << 80;
    QTest::newRow("heading: up to the line beside it") << int(Form1Control::Label2) << 135;
    QTest::newRow("result label: up to its box") << int(Form1Control::Label10) << 88;
    QTest::newRow("heading: up to the window's edge") << int(Form1Control::Label8) << 140;
}

void TestDesign::labelRoom_stopsAtTheNextControlOrTheEdge()
{
    QFETCH(int, label);
    QFETCH(int, room);
    QCOMPARE(design::roomFor(design::form1Controls, std::size_t(label), design::form1.clientWidth), room);
}

void TestDesign::label_exposed_fitsItsCaption_data()
{
    QTest::addColumn<int>("designedWidth");
    QTest::addColumn<int>("boxX");
    QTest::addColumn<int>("expected"); // -1: the caption's ink
    QTest::newRow("caption wider than its label: grows to its ink") << 20 << 300 << -1;
    QTest::newRow("box close by: grows up to the box") << 20 << 40 << 40;
    QTest::newRow("caption narrower than its label: as designed") << 200 << 300 << 200;
}

// Captions are measured once the window is mapped, whatever the font: by its first frame.
void TestDesign::label_exposed_fitsItsCaption()
{
    QFETCH(int, designedWidth);
    QFETCH(int, boxX);
    QFETCH(int, expected);
    using namespace design;
    const Control table[] = {{Form1Control::Label1, "label", Kind::Label, L"Nbre de Reborn:", 0, 0, designedWidth, 17},
                             {Form1Control::x1, "box", Kind::TextBox, L"", boxX, 0, 41, 19}};
    QWidget window;
    QWidget *label = buildControls(&window, {"test", L"test", 0, 0, 400, 20, noColour}, table).first();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QRectF ink = QFontMetricsF(label->font()).tightBoundingRect(u"Nbre de Reborn:"_s);
    QCOMPARE(label->width(), expected < 0 ? int(std::ceil(ink.right())) : expected);
}

void TestDesign::bannerArt_sharpAtEveryScale_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("doubleSize");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("rescaled");
    QTest::newRow("96 dpi: the small picture as it is") << 1.0 << false << QSize(220, 33) << false;
    QTest::newRow("120 dpi: the large one brought down") << 1.25 << true << QSize(275, 41) << true;
    QTest::newRow("144 dpi: a half pixel rounds up") << 1.5 << true << QSize(330, 50) << true;
    QTest::newRow("192 dpi: the large one as it is") << 2.0 << true << QSize(440, 66) << false;
}

void TestDesign::bannerArt_sharpAtEveryScale()
{
    QFETCH(double, scale);
    QFETCH(bool, doubleSize);
    QFETCH(QSize, size);
    QFETCH(bool, rescaled);
    const design::BannerArt art = design::bannerArt(scale);
    QCOMPARE(art.doubleSize, doubleSize);
    QCOMPARE(QSize(art.width, art.height), size);
    QCOMPARE(art.rescaled, rescaled);
}

GUI_TEST_MAIN(TestDesign)
#include "tst_design.moc"
