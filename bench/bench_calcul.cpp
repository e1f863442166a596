// How long the calculator takes from a click on its button to both results set in their
// boxes, on the inputs a player types. A benchmark, not a test: CTest does not run it.
//
// calcul_mouseClick is the whole click on the shown window, as the player makes it: the press
// and the release, each of which repaints the button at once and waits for the display, then
// the computation. calcul_clicked starts at the button's clicked signal: the calculator's own
// share of it.

#include "Form1.h"
#include "guitest.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

class BenchCalcul : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void calcul_mouseClick_data() { inputs(); }
    void calcul_mouseClick();
    void calcul_clicked_data() { inputs(); }
    void calcul_clicked();

private:
    static void inputs();
    void fillIn();
    void checkResults();

    std::unique_ptr<Form1> window;
    QWidget *button = nullptr;
    QLineEdit *final = nullptr;
    QLineEdit *comp = nullptr;
};

void BenchCalcul::inputs()
{
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("skillPoints");

    QTest::newRow("x2, 50 45 30 30 40") << "x2" << QStringList{"50", "45", "30", "30", "40"} << "9" << "135";
}

void BenchCalcul::init()
{
    window = std::make_unique<Form1>();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    button = window->findChild<QWidget *>(u"calcul"_s);
    final = window->findChild<QLineEdit *>(u"final"_s);
    comp = window->findChild<QLineEdit *>(u"comp"_s);
    fillIn();
}

void BenchCalcul::cleanup()
{
    window.reset();
}

void BenchCalcul::fillIn()
{
    QFETCH(QString, preset);
    QFETCH(QStringList, wanted);

    QTest::mouseClick(window->findChild<QWidget *>(preset), Qt::LeftButton);
    const QStringList wantedNames{u"force2"_s, u"endu2"_s, u"dext2"_s, u"sag2"_s, u"intel2"_s};
    for (qsizetype i = 0; i < wantedNames.size(); ++i)
        QTest::keyClicks(window->findChild<QWidget *>(wantedNames[i]), wanted[i]);
}

void BenchCalcul::checkResults()
{
    QFETCH(QString, level);
    QFETCH(QString, skillPoints);

    QCOMPARE(final->text(), level);
    QCOMPARE(comp->text(), skillPoints);
}

// Each round starts from empty result boxes, as the first click does, so that setting them is
// real work and not a text already there; clearing them is measured too.
void BenchCalcul::calcul_mouseClick()
{
    QBENCHMARK {
        final->clear();
        comp->clear();
        QTest::mouseClick(button, Qt::LeftButton);
    }
    checkResults();
}

void BenchCalcul::calcul_clicked()
{
    auto *push = qobject_cast<QPushButton *>(button);
    QBENCHMARK {
        final->clear();
        comp->clear();
        push->click();
    }
    checkResults();
}

GUI_TEST_MAIN(BenchCalcul)

#include "bench_calcul.moc"
