// Both programs build their windows from design/forms.h. The Qt program creates each window's
// controls in table order, which is also its focus order, and a label grows for its caption
// only over the free space on its right.

#include "Form1.h"
#include "forms.h"
#include "guitest.h"

#include <QMenu>
#include <QMenuBar>

using namespace Qt::StringLiterals;
using design::Form1Control;

class TestDesign : public QObject
{
    Q_OBJECT

private slots:
    void windows_createAndTabInTableOrder();
    void labelRoom_stopsAtTheNextControlOrTheEdge_data();
    void labelRoom_stopsAtTheNextControlOrTheEdge();
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
