// Checks calc::computeLevel on arbitrary bytes. The input is cut at its first nine newlines
// (byte 0x0A) into ten texts, each decoded as UTF-8: the five level-1 statistics, then the
// five wanted ones, each group in the order force, endu, dext, sag, intel. Missing texts are
// empty and the last one keeps any further newlines. Every input runs under a French and an
// English locale; a broken rule aborts, which libFuzzer reports with the input.

#include "level.h"

#include <QByteArrayView>
#include <QLocale>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *rule, const calc::LevelResult &result)
{
    if (holds)
        return;
    std::fprintf(stderr, "broken: %s (status %d, level \"%s\", skill points \"%s\")\n", rule,
                 int(result.status), qUtf8Printable(result.level), qUtf8Printable(result.skillPoints));
    std::abort();
}

void check(const calc::StatTexts &base, const calc::StatTexts &wanted, const QLocale &locale)
{
    const calc::LevelResult result = calc::computeLevel(base, wanted, locale);
    switch (result.status) {
    case calc::Status::Ok: {
        bool levelOk = false;
        bool pointsOk = false;
        const double level = locale.toDouble(result.level, &levelOk);
        const double points = locale.toDouble(result.skillPoints, &pointsOk);
        require(levelOk && pointsOk, "results read back as numbers", result);
        require(std::isfinite(level) && std::isfinite(points), "results are finite", result);
        require(level == std::trunc(level), "the level is whole", result);
        require(points == level * calc::skillPointsPerLevel, "skill points are 15 times the level", result);
        break;
    }
    case calc::Status::TypeMismatch:
    case calc::Status::Overflow:
        require(result.level.isEmpty() && result.skillPoints.isEmpty(), "a failure has no results", result);
        break;
    default:
        require(false, "a known status", result);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::array<QString, 10> texts;
    QByteArrayView rest(data, qsizetype(size));
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const qsizetype newline = i + 1 < texts.size() ? rest.indexOf('\n') : -1;
        texts[i] = QString::fromUtf8(newline < 0 ? rest : rest.first(newline));
        if (newline < 0)
            break;
        rest = rest.sliced(newline + 1);
    }
    const calc::StatTexts base{texts[0], texts[1], texts[2], texts[3], texts[4]};
    const calc::StatTexts wanted{texts[5], texts[6], texts[7], texts[8], texts[9]};

    static const QLocale french(QLocale::French, QLocale::France);
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    check(base, wanted, french);
    check(base, wanted, english);
    return 0;
}
