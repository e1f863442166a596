// Holds calc::computeLevel to the QtCore computation it replaced (oracle::computeLevel) on
// arbitrary bytes. The input is cut at its first nine newlines (byte 0x0A) into ten texts, each
// decoded as UTF-8: the five level-1 statistics, then the five wanted ones, each group in the
// order force, endu, dext, sag, intel. Missing texts are empty and the last one keeps any
// further newlines. Every input runs under a French and an English locale, handed to the
// computation as the window hands it; a different outcome or a broken rule aborts, which
// libFuzzer reports with the input.

#include "level.h"
#include "oracle/level.h"
#include "qtstrings.h"

#include <QByteArrayView>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using Texts = std::array<QString, 10>;

// What came out of one computation, in a form both sides share.
struct Outcome
{
    int status = 0;
    QString level;
    QString skillPoints;

    bool operator==(const Outcome &) const = default;
};

void require(bool holds, const char *rule, const QLocale &locale, const Outcome &got,
             const Outcome &expected)
{
    if (holds)
        return;
    std::fprintf(stderr,
                 "broken under %s: %s\n  computation: status %d, level \"%s\", skill points \"%s\"\n"
                 "  QtCore one:  status %d, level \"%s\", skill points \"%s\"\n",
                 qUtf8Printable(locale.name()), rule, got.status, qUtf8Printable(got.level),
                 qUtf8Printable(got.skillPoints), expected.status, qUtf8Printable(expected.level),
                 qUtf8Printable(expected.skillPoints));
    std::abort();
}

void check(const Texts &texts, const QLocale &locale)
{
    const calc::StatTexts base{utf16(texts[0]), utf16(texts[1]), utf16(texts[2]), utf16(texts[3]),
                               utf16(texts[4])};
    const calc::StatTexts wanted{utf16(texts[5]), utf16(texts[6]), utf16(texts[7]), utf16(texts[8]),
                                 utf16(texts[9])};
    const calc::LevelResult result = calc::computeLevel(base, wanted, numberFormat(locale));
    const Outcome got{int(result.status), QString::fromStdU16String(result.level),
                      QString::fromStdU16String(result.skillPoints)};

    const oracle::LevelResult old = oracle::computeLevel(
            {texts[0], texts[1], texts[2], texts[3], texts[4]},
            {texts[5], texts[6], texts[7], texts[8], texts[9]}, locale);
    const Outcome expected{int(old.status), old.level, old.skillPoints};
    require(got == expected, "same outcome as the QtCore computation", locale, got, expected);

    switch (result.status) {
    case calc::Status::Ok: {
        bool levelOk = false;
        bool pointsOk = false;
        const double level = locale.toDouble(got.level, &levelOk);
        const double points = locale.toDouble(got.skillPoints, &pointsOk);
        require(levelOk && pointsOk, "results read back as numbers", locale, got, expected);
        require(std::isfinite(level) && std::isfinite(points), "results are finite", locale, got, expected);
        require(level == std::trunc(level), "the level is whole", locale, got, expected);
        require(points == level * calc::skillPointsPerLevel, "skill points are 15 times the level",
                locale, got, expected);
        break;
    }
    case calc::Status::TypeMismatch:
    case calc::Status::Overflow:
        require(got.level.isEmpty() && got.skillPoints.isEmpty(), "a failure has no results", locale,
                got, expected);
        break;
    default:
        require(false, "a known status", locale, got, expected);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Texts texts;
    QByteArrayView rest(data, qsizetype(size));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const qsizetype newline = i + 1 < texts.size() ? rest.indexOf('\n') : -1;
        texts[i] = QString::fromUtf8(newline < 0 ? rest : rest.first(newline));
        if (newline < 0)
            break;
        rest = rest.sliced(newline + 1);
    }

    static const QLocale french(QLocale::French, QLocale::France);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    check(texts, french);
    check(texts, english);
    return 0;
}
