#include "Form1.h"
#include "guitest.h"
#include "level.h"
#include "qtstrings.h"

#include <QLineEdit>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The real window, but a failure is noted instead of shown in a modal box.
class RecordingForm1 : public Form1
{
public:
    std::optional<calc::Status> reported;

protected:
    void reportFailure(calc::Status status) override { reported = status; }
};

// Every text of up to `length` characters over `alphabet`, the empty one first.
QStringList allTexts(const QString &alphabet, int length)
{
    QStringList texts{QString()};
    for (qsizetype from = 0, to = 1; length > 0; --length, from = to, to = texts.size()) {
        for (qsizetype i = from; i < to; ++i) {
            for (const QChar c : alphabet)
                texts.append(texts[i] + c);
        }
    }
    return texts;
}

// What a press of the button leaves: a failure reported or not, and the two result boxes.
struct Outcome
{
    std::optional<calc::Status> failure;
    QString level;
    QString skillPoints;

    bool operator==(const Outcome &) const = default;
    QString toString() const
    {
        return u"%1 \"%2\" \"%3\""_s.arg(failure ? u"failure %1"_s.arg(int(*failure)) : u"no failure"_s,
                                        level, skillPoints);
    }
};

} // namespace

class TestPastes : public QObject
{
    Q_OBJECT

private slots:
    void everyShortPaste_calculate_windowAgreesWithComputation();
};

// Keys only let digits in, but a paste puts anything in a wanted box: every text of up to four
// characters (the box's limit) made of what a number could hold, and a few letters besides.
void TestPastes::everyShortPaste_calculate_windowAgreesWithComputation()
{
    const calc::NumberFormat french{u",", u"-", u"+"};
    RecordingForm1 window;
    QTest::mouseClick(child(window, "x2"), Qt::LeftButton);
    for (const char *name : {"endu2", "dext2", "sag2", "intel2"})
        QTest::keyClicks(child(window, name), u"40"_s);
    const calc::StatTexts base{u"30", u"30", u"30", u"30", u"30"};
    auto *force2 = child<QLineEdit>(window, "force2");
    auto *level = child<QLineEdit>(window, "final");
    auto *points = child<QLineEdit>(window, "comp");
    QWidget *calcul = child(window, "calcul");

    const QStringList texts = allTexts(u"0123456789 +-,.ei"_s, 4);
    QCOMPARE(texts.size(), 88741);
    QStringList disagreements;
    int successes = 0;
    for (const QString &text : texts) {
        force2->clear();
        force2->insert(text);
        const QString levelBefore = level->text();
        const QString pointsBefore = points->text();
        window.reported.reset();
        QTest::mouseClick(calcul, Qt::LeftButton);

        const calc::LevelResult computed = calc::computeLevel(
                base, {utf16(text), u"40", u"40", u"40", u"40"}, french);
        const Outcome expected = computed.status == calc::Status::Ok
                ? Outcome{std::nullopt, QString::fromStdU16String(computed.level),
                          QString::fromStdU16String(computed.skillPoints)}
                : Outcome{computed.status, levelBefore, pointsBefore};
        const Outcome shown{window.reported, level->text(), points->text()};
        if (force2->text() != text || shown != expected) {
            disagreements.append(u"\"%1\" (box \"%2\"): window %3, computation %4"_s.arg(
                    text, force2->text(), shown.toString(), expected.toString()));
        }
        successes += !expected.failure;
    }
    QVERIFY2(disagreements.isEmpty(), qPrintable(disagreements.mid(0, 20).join(u'\n')));
    // Enough of both outcomes that the comparison above means something.
    QVERIFY(successes > 10000 && successes < texts.size() - 10000);
}

GUI_TEST_MAIN(TestPastes)

#include "tst_pastes.moc"
