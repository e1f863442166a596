#include "calc_cases.h"

#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(CalcCase)

class TestCalc : public QObject
{
    Q_OBJECT

private slots:
    void computeLevel_data();
    void computeLevel();
    void wantedBoxTakes_data();
    void wantedBoxTakes();
};

namespace {

std::u16string_view view(QStringView text)
{
    return {text.utf16(), std::size_t(text.size())};
}

} // namespace

void TestCalc::computeLevel_data()
{
    QTest::addColumn<CalcCase>("row");
    for (const CalcCase &row : calcCases())
        QTest::newRow(QString::fromStdU16String(row.name).toUtf8()) << row;
}

void TestCalc::computeLevel()
{
    QFETCH(CalcCase, row);
    // Whatever decimal point the C library reads: a Qt program sets it from the desktop's.
    for (const char *cLocale : {"C", "fr_FR.UTF-8"}) {
        if (!std::setlocale(LC_NUMERIC, cLocale))
            QSKIP("The French locale is missing (tools/install-deps.sh makes it)");
        const calc::LevelResult result = calc::computeLevel(statTexts(row.base), statTexts(row.wanted), row.format);
        QCOMPARE(result.status, row.status);
        QCOMPARE(QString::fromStdU16String(result.level), QString::fromStdU16String(row.level));
        QCOMPARE(QString::fromStdU16String(result.skillPoints), QString::fromStdU16String(row.skillPoints));
    }
    std::setlocale(LC_NUMERIC, "C");
}

void TestCalc::wantedBoxTakes_data()
{
    QTest::addColumn<QString>("keyText");
    QTest::addColumn<bool>("taken");

    for (const QChar digit : u"0123456789"_s)
        QTest::addRow("digit %c", digit.toLatin1()) << QString(digit) << true;
    QTest::newRow("backspace") << u"\b"_s << true;
    QTest::newRow("no character at all") << QString() << true;
    QTest::newRow("DEL, as Ctrl+Backspace makes it") << u"\x7f"_s << false;

    QTest::newRow("letter") << u"a"_s << false;
    QTest::newRow("minus sign") << u"-"_s << false;
    QTest::newRow("plus sign") << u"+"_s << false;
    QTest::newRow("decimal comma") << u","_s << false;
    QTest::newRow("decimal point") << u"."_s << false;
    QTest::newRow("space") << u" "_s << false;
    QTest::newRow("Enter") << u"\r"_s << false;
    QTest::newRow("Escape") << u"\x1b"_s << false;
    QTest::newRow("Ctrl+C") << u"\x03"_s << false;
    QTest::newRow("Ctrl+V") << u"\x16"_s << false;
    QTest::newRow("Ctrl+X") << u"\x18"_s << false;
    QTest::newRow("Ctrl+Z") << u"\x1a"_s << false;
    QTest::newRow("accented letter") << u"é"_s << false;
    QTest::newRow("superscript two") << u"²"_s << false;
    QTest::newRow("Arabic-Indic digit three") << u"\u0663"_s << false;
    QTest::newRow("composed text of digits") << u"12"_s << true;
    QTest::newRow("composed text with a letter") << u"1a"_s << false;
}

void TestCalc::wantedBoxTakes()
{
    QFETCH(QString, keyText);
    QFETCH(bool, taken);
    QCOMPARE(calc::wantedBoxTakes(view(keyText)), taken);
}

QTEST_APPLESS_MAIN(TestCalc)
#include "tst_calc.moc"
