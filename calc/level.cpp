#include "level.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>
#include <variant>

namespace calc {

namespace {

using Number = std::variant<double, Status>;

bool consume(std::u16string_view &text, std::u16string_view prefix)
{
    const bool found = !prefix.empty() && text.starts_with(prefix);
    if (found)
        text.remove_prefix(prefix.size());
    return found;
}

// Moves the leading ASCII digits of `text` onto `ascii`; returns how many there were.
std::size_t takeDigits(std::u16string_view &text, std::string &ascii)
{
    std::size_t count = 0;
    for (; count < text.size() && text[count] >= u'0' && text[count] <= u'9'; ++count)
        ascii += char(text[count]);
    text.remove_prefix(count);
    return count;
}

// Blanks, a sign, digits with at most one decimal separator, blanks: what a player types or
// pastes. Exponents, "inf", "nan", group separators and other scripts' digits are not numbers
// here, although the C library would read some of them.
Number toNumber(std::u16string_view text, const NumberFormat &format)
{
    const std::size_t first = std::min(text.find_first_not_of(u" \t"), text.size());
    text = text.substr(first, text.find_last_not_of(u" \t") + 1 - first);
    // Padded with zeros so that "12," and ",5" reach the reader as "012.0" and "0.50".
    std::string ascii;
    if (consume(text, format.negativeSign))
        ascii += '-';
    else
        consume(text, format.positiveSign);
    ascii += '0';
    std::size_t digits = takeDigits(text, ascii);
    // The C library's reader, which every C++ library has for doubles (not all have a
    // floating-point from_chars), takes the decimal point of the C locale: a Qt program sets
    // it from the desktop's.
    ascii += std::localeconv()->decimal_point;
    if (consume(text, format.decimalPoint))
        digits += takeDigits(text, ascii);
    ascii += '0';
    if (digits == 0 || !text.empty())
        return Status::TypeMismatch;

    // Well formed, so out of range is the one failure left: too large reads as infinity, too
    // small as near to zero as a double gets.
    const double value = std::strtod(ascii.c_str(), nullptr);
    if (std::isinf(value))
        return Status::Overflow;
    return value;
}

std::u16string toText(double wholeNumber, const NumberFormat &format)
{
    // Levels and skill points are whole: written out in full they convert back exactly, with no
    // exponent that the reading side would refuse. A negative zero is written "0".
    std::array<char, 400> buffer; // the largest double has 309 digits
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                            wholeNumber + 0.0, std::chars_format::fixed, 0);
    const bool negative = buffer[0] == '-';
    std::u16string text = negative ? format.negativeSign : std::u16string();
    return text.append(buffer.data() + negative, end);
}

} // namespace

LevelResult computeLevel(const StatTexts &base, const StatTexts &wanted, const NumberFormat &format)
{
    // Endurance comes first: the order of the additions decides the rounding of the total.
    const std::pair<std::u16string_view, std::u16string_view> pairs[] = {
            {wanted.endu, base.endu}, {wanted.force, base.force}, {wanted.dext, base.dext},
            {wanted.sag, base.sag}, {wanted.intel, base.intel}};

    double total = 0;
    for (const auto &[wantedText, baseText] : pairs) {
        const Number want = toNumber(wantedText, format);
        if (const auto *failure = std::get_if<Status>(&want))
            return {*failure};
        const Number have = toNumber(baseText, format);
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
    return {Status::Ok, toText(level, format), toText(skillPoints, format)};
}

} // namespace calc
