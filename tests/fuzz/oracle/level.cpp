#include "level.h"

#include <QLocale>
#include <QRegularExpression>

#include <array>
#include <cmath>
#include <variant>

namespace oracle {

namespace {

using Number = std::variant<double, Status>;

// Blanks, a sign, digits with at most one decimal separator, blanks. QLocale::toDouble on its
// own also takes exponents, "inf", "nan" and the French "12,5" under an English locale as 125;
// none of these is a number a player types.
QRegularExpression numberForm(const QLocale &locale)
{
    const QString sign = QRegularExpression::escape(locale.negativeSign()) + u'|'
            + QRegularExpression::escape(locale.positiveSign());
    const QString point = QRegularExpression::escape(locale.decimalPoint());
    return QRegularExpression(QRegularExpression::anchoredPattern(
            QStringLiteral("[ \\t]*(?:%1)?(?:[0-9]+(?:%2[0-9]*)?|%2[0-9]+)[ \\t]*").arg(sign, point)));
}

Number toNumber(const QString &text, const QRegularExpression &form, const QLocale &locale)
{
    if (!form.match(text).hasMatch())
        return Status::TypeMismatch;
    bool ok = false;
    const double value = locale.toDouble(text, &ok);
    if (ok)
        return value;
    // Well formed but out of range: too large overflows, too small is as near to zero as
    // a double gets.
    return std::isinf(value) ? Number(Status::Overflow) : Number(0.0);
}

QString toText(double wholeNumber, const QLocale &locale)
{
    // Levels and skill points are whole: written out in full they convert back exactly,
    // with no exponent that the reading side would refuse.
    return locale.toString(wholeNumber, 'f', 0);
}

} // namespace

LevelResult computeLevel(const StatTexts &base, const StatTexts &wanted, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    // Compiled once for the ten numbers: compiling costs far more than matching.
    const QRegularExpression form = numberForm(numbers);

    // Endurance comes first: the order of the additions decides the rounding of the total.
    const std::array<std::pair<const QString &, const QString &>, 5> pairs{{
            {wanted.endu, base.endu},
            {wanted.force, base.force},
            {wanted.dext, base.dext},
            {wanted.sag, base.sag},
            {wanted.intel, base.intel},
    }};

    double total = 0;
    for (const auto &[wantedText, baseText] : pairs) {
        const Number want = toNumber(wantedText, form, numbers);
        if (const auto *failure = std::get_if<Status>(&want))
            return {*failure};
        const Number have = toNumber(baseText, form, numbers);
        if (const auto *failure = std::get_if<Status>(&have))
            return {*failure};
        total = (std::get<double>(want) - std::get<double>(have)) + total;
        if (!std::isfinite(total))
            return {Status::Overflow};
    }

    // Rounded up: a part of a level's points already needs that level. The character starts
    // at level 1, but the players count the levels to gain, so nothing is added.
    const double level = std::ceil(total / statPointsPerLevel);
    const double skillPoints = level * skillPointsPerLevel;
    if (!std::isfinite(skillPoints))
        return {Status::Overflow};
    return {Status::Ok, toText(level, numbers), toText(skillPoints, numbers)};
}

} // namespace oracle
