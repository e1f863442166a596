#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace calc {

// How the desktop writes numbers. Each front end reads it from its own locale settings, so that
// the computation needs none: "12,5" is a number under French settings, "12.5" under English ones.
struct NumberFormat
{
    std::u16string decimalPoint = u".";
    std::u16string negativeSign = u"-";
    std::u16string positiveSign = u"+";
};

// One text per statistic, exactly as its box holds it.
struct StatTexts
{
    std::u16string_view force;
    std::u16string_view endu;
    std::u16string_view dext;
    std::u16string_view sag;
    std::u16string_view intel;
};

enum class Status {
    Ok,
    TypeMismatch, // a text is empty or not a number
    Overflow,     // a number or a sum beyond what a double holds
};

struct LevelResult
{
    Status status = Status::Ok;
    std::u16string level;       // the level at which the wanted statistics are reached
    std::u16string skillPoints; // the skill points available at that level
};

inline constexpr int statPointsPerLevel = 5;
inline constexpr int skillPointsPerLevel = 15;

// Reads the texts in the desktop's number format and writes the results in it.
// On failure the result texts are empty: the caller shows them only on success.
LevelResult computeLevel(const StatTexts &base, const StatTexts &wanted, const NumberFormat &format);

// Whether a wanted-value box lets typed characters in: digits and backspace only. Each program
// decides which of its keys make characters; pasted text never comes this way.
inline bool wantedBoxTakes(std::u16string_view characters)
{
    return std::ranges::all_of(characters, [](char16_t c) { return c == u'\b' || (c >= u'0' && c <= u'9'); });
}

} // namespace calc
