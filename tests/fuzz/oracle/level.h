#pragma once

// The computation as it was before it left QtCore: a regular expression for the form, then
// QLocale for the value and the results. The fuzz target holds the standard C++ one to it, so
// it is kept here unchanged, never linked into the program.

#include <QString>

class QLocale;

namespace oracle {

// One text per statistic, exactly as its box holds it.
struct StatTexts
{
    QString force;
    QString endu;
    QString dext;
    QString sag;
    QString intel;
};

enum class Status {
    Ok,
    TypeMismatch, // a text is empty or not a number
    Overflow,     // a number or a sum beyond what a double holds
};

struct LevelResult
{
    Status status = Status::Ok;
    QString level;       // the level at which the wanted statistics are reached
    QString skillPoints; // the skill points available at that level
};

inline constexpr int statPointsPerLevel = 5;
inline constexpr int skillPointsPerLevel = 15;

// Reads the texts with the locale's decimal separator and writes the results with it.
// On failure the result texts are empty: the caller shows them only on success.
LevelResult computeLevel(const StatTexts &base, const StatTexts &wanted, const QLocale &locale);

} // namespace oracle
