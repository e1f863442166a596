#include "Form1.h"
#include "Form2.h"
#include "guitest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// AddressSanitizer keeps freed memory in quarantine, so resident memory grows by design there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool memoryTellsLeaks = false;
#elif defined(__has_feature)
constexpr bool memoryTellsLeaks = !__has_feature(address_sanitizer);
#else
constexpr bool memoryTellsLeaks = true;
#endif

qint64 residentKilobytes()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().chopped(3).toLongLong(); // "  1234 kB"
    }
    return -1;
}

// The offscreen platform warns at every raise() of the about window: two thousand lines that
// would crowd the test's own messages out of its log.
QtMessageHandler testLog = nullptr;

void dropRaiseWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != u"This plugin does not support raise()")
        testLog(type, context, message);
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { testLog = qInstallMessageHandler(dropRaiseWarnings); }
    void cleanupTestCase() { qInstallMessageHandler(testLog); }
    void aboutWindow_cycled1000Times_oneAtATimeAndMemorySteady_data();
    void aboutWindow_cycled1000Times_oneAtATimeAndMemorySteady();
};

void TestSoak::aboutWindow_cycled1000Times_oneAtATimeAndMemorySteady_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("closed by its close box, opened afresh") << true;
    QTest::newRow("hidden by its button, shown again") << false;
}

void TestSoak::aboutWindow_cycled1000Times_oneAtATimeAndMemorySteady()
{
    QFETCH(bool, closeBox);

    QElapsedTimer clock;
    clock.start();
    Form1 window;
    window.show();
    QAction *about = window.findChild<QAction *>(u"about"_s);
    QPointer<Form2> first;
    qint64 afterTen = 0;
    for (int cycle = 1; cycle <= 1000; ++cycle) {
        about->trigger();
        const QList<Form2 *> open = aboutWindows();
        QCOMPARE(open.size(), 1);
        Form2 *form = open.constFirst();
        QPointer<QTimer> timer = form->findChild<QTimer *>(u"Timer1"_s);
        QVERIFY(form->isVisible());
        QVERIFY(timer->isActive());
        if (cycle == 1)
            first = form;

        if (closeBox) {
            form->close();
            processDeferredDeletes();
            QVERIFY2(timer.isNull(), qPrintable(u"cycle %1"_s.arg(cycle)));
            QVERIFY(aboutWindows().isEmpty());
        } else {
            QCOMPARE(form, first.data());
            QTest::mouseClick(form->findChild<QWidget *>(u"Command1"_s), Qt::LeftButton);
            processDeferredDeletes();
            QVERIFY(!form->isVisible());
            QCOMPARE(aboutWindows().size(), 1);
        }
        if (cycle == 10)
            afterTen = residentKilobytes();
    }
    const qint64 afterAll = residentKilobytes();
    qInfo("VmRSS after 10 cycles: %lld kB, after 1000: %lld kB (%lld ms)", afterTen, afterAll, clock.elapsed());
    if (!memoryTellsLeaks)
        QSKIP("resident memory is not compared under AddressSanitizer");
    QVERIFY(afterTen > 0);
    QVERIFY2(afterAll - afterTen <= 2048, "more than 2 MB gained after the first ten cycles");
}

GUI_TEST_MAIN(TestSoak)

#include "tst_soak.moc"
