#include "level.h"

#include <QTest>

#include <clocale>

using namespace Qt::StringLiterals;
using calc::Status;

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

QStringList sameForAll(const QString &text)
{
    return {text, text, text, text, text};
}

// Written out as the player would type them: force, endu, dext, sag, intel.
QStringList stats(const QString &force, const QString &endu, const QString &dext,
                  const QString &sag, const QString &intel)
{
    return {force, endu, dext, sag, intel};
}

// Views into `texts`, which must outlive them.
calc::StatTexts statTexts(const QStringList &texts)
{
    return {view(texts[0]), view(texts[1]), view(texts[2]), view(texts[3]), view(texts[4])};
}

} // namespace

void TestCalc::computeLevel_data()
{
    QTest::addColumn<calc::NumberFormat>("format");
    QTest::addColumn<QStringList>("base");
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<Status>("status");
    QTest::addColumn<QString>("level");
    QTest::addColumn<QString>("skillPoints");

    const calc::NumberFormat fr{u",", u"-", u"+"};
    const calc::NumberFormat en{u".", u"-", u"+"};
    const QStringList x1 = sameForAll(u"25"_s);
    const QStringList zero = sameForAll(u"0"_s);
    const QString huge = u"15"_s + QString(307, u'0'); // 1.5e308, finite
    const QString beyondDouble = QString(400, u'9');

    QTest::newRow("total 45 reaches level 9") << fr << x1 << stats("50", "25", "40", "25", "30")
                                              << Status::Ok << "9" << "135";
    QTest::newRow("total 46 rounds up to level 10") << fr << x1 << stats("50", "25", "40", "25", "31")
                                                    << Status::Ok << "10" << "150";
    QTest::newRow("wanted equal to base gives level 0") << fr << x1 << x1 << Status::Ok << "0" << "0";
    QTest::newRow("total -12 rounds up to level -2") << fr << x1 << stats("25", "25", "25", "25", "13")
                                                     << Status::Ok << "-2" << "-30";
    QTest::newRow("total -2 shows 0, not -0") << fr << x1 << stats("23", "25", "25", "25", "25")
                                              << Status::Ok << "0" << "0";
    QTest::newRow("x2 preset from the typical use") << fr << sameForAll(u"30"_s)
                                                    << stats("50", "45", "30", "30", "40")
                                                    << Status::Ok << "9" << "135";

    QTest::newRow("French decimal comma is a number") << fr << zero << stats("12,5", "0", "0", "0", "0")
                                                      << Status::Ok << "3" << "45";
    QTest::newRow("French refuses the decimal point") << fr << zero << stats("12.5", "0", "0", "0", "0")
                                                      << Status::TypeMismatch << "" << "";
    QTest::newRow("English decimal point is a number") << en << zero << stats("12.5", "0", "0", "0", "0")
                                                       << Status::Ok << "3" << "45";
    QTest::newRow("English refuses the decimal comma") << en << zero << stats("12,5", "0", "0", "0", "0")
                                                       << Status::TypeMismatch << "" << "";
    QTest::newRow("separator with no digits after it") << fr << zero << stats("10,", "0", "0", "0", "0")
                                                       << Status::Ok << "2" << "30";
    QTest::newRow("separator with no digits before it") << fr << zero << stats(",5", "0", "0", "0", "0")
                                                        << Status::Ok << "1" << "15";
    QTest::newRow("blanks and tabs around a number") << fr << x1 << stats(" 50 ", "\t25", "40\t", "  25", "30  ")
                                                     << Status::Ok << "9" << "135";
    QTest::newRow("signs on wanted and base values") << fr << sameForAll(u"-5"_s) << stats("+5", "-5", "-5", "-5", "-5")
                                                     << Status::Ok << "2" << "30";

    const QStringList refused{u""_s, u" "_s, u"-"_s, u","_s, u"+-3"_s, u"3-"_s, u"1 2"_s, u"12,5,3"_s,
                              u"1e3"_s, u"1E3"_s, u"inf"_s, u"nan"_s, u"0x1F"_s, u"1\u202f000"_s,
                              u"1\u00a0000"_s, u"\u0663"_s, u"\u00b2"_s, u"12\n"_s, u"abc"_s};
    for (const QString &text : refused) {
        QTest::addRow("wanted \"%s\" is a type mismatch", qPrintable(text))
                << fr << x1 << stats("25", "25", text, "25", "25") << Status::TypeMismatch << "" << "";
    }
    QTest::newRow("English group separator is a type mismatch") << en << zero << stats("1,000", "0", "0", "0", "0")
                                                                << Status::TypeMismatch << "" << "";
    QTest::newRow("empty base box (no preset) is a type mismatch") << fr << sameForAll(u""_s) << x1
                                                                   << Status::TypeMismatch << "" << "";

    QTest::newRow("sum of two finite values overflows") << fr << zero << stats(huge, huge, "0", "0", "0")
                                                        << Status::Overflow << "" << "";
    QTest::newRow("difference of finite values overflows") << fr << stats("-" + huge, "0", "0", "0", "0")
                                                           << stats(huge, "0", "0", "0", "0")
                                                           << Status::Overflow << "" << "";
    QTest::newRow("number beyond a double overflows") << fr << zero << stats("0", beyondDouble, "0", "0", "0")
                                                      << Status::Overflow << "" << "";
    QTest::newRow("skill points overflow when the level does not")
            << fr << zero << stats(huge, "0", "0", "0", "0") << Status::Overflow << "" << "";
    QTest::newRow("number below the smallest double counts as zero")
            << fr << zero << stats(u"0,"_s + QString(400, u'0') + u"1"_s, "5", "0", "0", "0")
            << Status::Ok << "1" << "15";
    // 1e-310: below the normal doubles, which a reader may report as out of range.
    QTest::newRow("subnormal number keeps its value")
            << fr << zero << stats(u"0,"_s + QString(309, u'0') + u"1"_s, "0", "0", "0", "0")
            << Status::Ok << "1" << "15";
    QTest::newRow("large results are written in full, without groups")
            << fr << zero << stats(u"5"_s + QString(20, u'0'), "0", "0", "0", "0") << Status::Ok
            << u"1"_s + QString(20, u'0') << u"15"_s + QString(20, u'0');
}

void TestCalc::computeLevel()
{
    QFETCH(calc::NumberFormat, format);
    QFETCH(QStringList, base);
    QFETCH(QStringList, wanted);
    QFETCH(Status, status);
    QFETCH(QString, level);
    QFETCH(QString, skillPoints);

    // Whatever decimal point the C library reads: a Qt program sets it from the desktop's.
    for (const char *cLocale : {"C", "fr_FR.UTF-8"}) {
        if (!std::setlocale(LC_NUMERIC, cLocale))
            QSKIP("The French locale is missing (tools/install-deps.sh makes it)");
        const calc::LevelResult result = calc::computeLevel(statTexts(base), statTexts(wanted), format);
        QCOMPARE(result.status, status);
        QCOMPARE(QString::fromStdU16String(result.level), level);
        QCOMPARE(QString::fromStdU16String(result.skillPoints), skillPoints);
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
